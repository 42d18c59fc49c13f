#include "dialog_pictures.h"

namespace bluvessa {

QString thumbnailResource(const QString& settingsKey) {
    return QStringLiteral(":/thumbnails/") + settingsKey + QStringLiteral(".png");
}

QString bugPictureResource() {
    return QStringLiteral(":/pictures/bug.png");
}

QString fishPictureResource() {
    return QStringLiteral(":/pictures/fish.png");
}

}  // namespace bluvessa
