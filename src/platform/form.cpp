#include "platform/form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace bv::platform {

namespace {
int loadedForms = 0;
}

Form::Form(QWidget* parent) : QWidget(parent) {}

Form::~Form() {
    if (loaded_ && !unloading_) --loadedForms;
    if (ownsSurface_) DeleteSurface(surface_);
}

int Form::LoadedCount() {
    return loadedForms;
}

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    ++loadedForms;
    Form_Initialize();
    Form_Load();
}

bool Form::QueryUnload(int unloadMode) {
    Integer cancel = kFalse;
    Form_QueryUnload(cancel, unloadMode);
    return cancel == kFalse;
}

bool Form::Unload() {
    if (unloading_) return true;
    if (!QueryUnload(kUnloadByCode)) return false;
    unloading_ = true;
    --loadedForms;
    Form_Unload();
    hide();
    return true;
}

void Form::closeEvent(QCloseEvent* event) {
    if (unloading_) {
        event->accept();
        return;
    }
    if (!QueryUnload(kUnloadByControlMenu)) {
        event->ignore();
        return;
    }
    unloading_ = true;
    --loadedForms;
    event->accept();
    Form_Unload();
}

void Form::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton ||
        event->button() == Qt::MiddleButton)
        Form_Click();
}

void Form::mouseDoubleClickEvent(QMouseEvent*) {
    Form_DblClick();
}

void Form::keyPressEvent(QKeyEvent* event) {
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (event->modifiers() & Qt::ControlModifier) shift |= 2;
    if (event->modifiers() & Qt::AltModifier) shift |= 4;
    Form_KeyDown(event->key(), shift);
    const QString text = event->text();
    if (!text.isEmpty()) Form_KeyPress(text.at(0).unicode());
}

Handle Form::hDC() {
    return surface_;
}

void Form::CreateDrawingSurface(int width, int height) {
    if (ownsSurface_) DeleteSurface(surface_);
    surface_ = CreateSurface(Bitmap(width, height, PixelFormat::TrueColour));
    surfaceScale_ = 1;
    ownsSurface_ = true;
}

void Form::ShowSurface(Handle surface, int scale) {
    if (ownsSurface_) DeleteSurface(surface_);
    surface_ = surface;
    surfaceScale_ = std::max(scale, 1);
    ownsSurface_ = false;
}

QRegion Form::FromDevicePixels(const std::vector<QRect>& bands) const {
    const qreal ratio = devicePixelRatioF();
    QRegion mapped;
    if (ratio == 1.0) {
        mapped.setRects(bands.data(), static_cast<int>(bands.size()));
        return mapped;
    }
    for (const QRect& part : bands)
        mapped +=
            QRectF(part.x() / ratio, part.y() / ratio, part.width() / ratio, part.height() / ratio)
                .toAlignedRect();
    return mapped;
}

bool Form::PresentDirectly() {
    if (canvas_ == nullptr)
        canvas_ = DirectCanvas::Create(
            *this,
            [this] {
                return DirectCanvas::ShownSurface{FindSurface(surface_), surfaceScale_};
            },
            [this] { SurfaceShown(); });
    return canvas_ != nullptr;
}

void Form::PrepareToPresentDirectly() {
    DirectCanvas::Prepare();
}

void Form::Present(const std::vector<QRect>& bands, const std::vector<QRect>& pieces) {
    if (canvas_ != nullptr && canvas_->Show(pieces)) return;
    repaint(FromDevicePixels(bands));
}

void Form::resizeEvent(QResizeEvent*) {
    if (canvas_ != nullptr) canvas_->setGeometry(rect());
}

// Only the parts asked for are drawn: a frame that changed in a few places
// costs a few small copies.
void Form::paintEvent(QPaintEvent* event) {
    if (canvas_ != nullptr && canvas_->Working()) return;  // covered by it
    const Bitmap* picture = FindSurface(surface_);
    if (picture == nullptr) return;
    QPainter painter(this);
    // The picture is opaque and replaces what was there: no blending.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QImage& image = picture->view();
    const qreal ratio = devicePixelRatioF();
    const int scale = surfaceScale_;
    for (const QRect& part : event->region()) {
        if (ratio == 1.0 && scale == 1) {
            painter.drawImage(part.topLeft(), image, part);  // a plain copy, no scaling
            continue;
        }
        // The picture is in device pixels, or whole blocks of them: drawn
        // block for block, nearest pixel, whatever the desktop's scale
        // factor. Whole blocks keep the sampling off their edges; the
        // painter clips what lies outside the part.
        const QRect device =
            QRectF(part.x() * ratio, part.y() * ratio, part.width() * ratio, part.height() * ratio)
                .toAlignedRect();
        const QRect blocks(QPoint(device.left() / scale, device.top() / scale),
                           QPoint(device.right() / scale, device.bottom() / scale));
        const QRectF target(blocks.x() * scale / ratio, blocks.y() * scale / ratio,
                            blocks.width() * scale / ratio, blocks.height() * scale / ratio);
        painter.drawImage(target, image, blocks);
    }
    SurfaceShown();  // Qt paints only exposed windows
}

}  // namespace bv::platform
