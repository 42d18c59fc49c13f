#include "dialog/picture_box.h"

#include <QPainter>

#include "platform/raster.h"

namespace bv {

PictureBox::PictureBox(int innerWidth, int innerHeight, QWidget* parent)
    : QFrame(parent), scaleWidth_(ToInteger(innerWidth)), scaleHeight_(ToInteger(innerHeight)) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);  // always two pixels wide
    setFixedSize(innerWidth + 2 * kBorder, innerHeight + 2 * kBorder);
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_ = platform::CreateSurface(
        platform::Bitmap(innerWidth, innerHeight, platform::PixelFormat::TrueColour));
    Cls();
}

PictureBox::~PictureBox() {
    platform::DeleteSurface(surface_);
}

void PictureBox::Cls() {
    if (platform::Bitmap* picture = platform::FindSurface(surface_))
        platform::BitBlt(*picture, 0, 0, picture->width(), picture->height(), nullptr, 0, 0,
                         platform::BLACKNESS);
    update();
}

void PictureBox::Refresh() {
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);  // the border
    const platform::Bitmap* picture = platform::FindSurface(surface_);
    if (picture == nullptr) return;
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), picture->view());
}

}  // namespace bv
