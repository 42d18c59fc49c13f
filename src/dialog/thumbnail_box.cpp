#include "dialog/thumbnail_box.h"

#include <QMouseEvent>

#include "dialog_pictures.h"

namespace bv {
namespace {

// The media generator lays the thumbnails side by side in the creature
// table's order, each in a square cell as high as the strip.
const QPixmap& ThumbnailStrip() {
    static const QPixmap strip(bluvessa::thumbnailStripResource());
    return strip;
}

}  // namespace

QPixmap ThumbnailPicture(std::size_t creatureIndex) {
    const QPixmap& strip = ThumbnailStrip();
    const int side = strip.height();
    const auto left = static_cast<int>(creatureIndex) * side;
    if (strip.isNull() || left + side > strip.width()) return {};
    return strip.copy(left, 0, side, side);
}

ThumbnailBox::ThumbnailBox(const QPixmap& picture, QWidget* parent) : QLabel(parent) {
    if (!picture.isNull()) setPixmap(picture);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
}

void ThumbnailBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && click_)
        click_();
}

}  // namespace bv
