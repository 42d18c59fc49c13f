#include "dialog_pictures.h"

namespace bluvessa {

QString thumbnailStripResource() {
    return QStringLiteral(":/thumbnails.png");
}

QString bugPictureResource() {
    return QStringLiteral(":/pictures/bug.png");
}

QString fishPictureResource() {
    return QStringLiteral(":/pictures/fish.png");
}

}  // namespace bluvessa
