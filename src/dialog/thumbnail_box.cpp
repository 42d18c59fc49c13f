#include "dialog/thumbnail_box.h"

#include <QMouseEvent>
#include <QPixmap>

namespace bv {

ThumbnailBox::ThumbnailBox(const QString& resourcePath, QWidget* parent) : QLabel(parent) {
    const QPixmap picture(resourcePath);
    if (!picture.isNull()) setPixmap(picture);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
}

void ThumbnailBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && click_)
        click_();
}

}  // namespace bv
