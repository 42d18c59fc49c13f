#include "platform/direct_canvas.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QPaintEvent>
#include <QWindow>
#include <cstdlib>

#include "platform/shm_window_writer.h"

namespace bv::platform {

namespace {

// Waits until the X server has everything Qt asked of it, the canvas's window
// included: the writer's own connection may otherwise get there first.
void WaitForToolkitRequests() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) return;
    xcb_connection_t* connection = x11->connection();
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

// Only an X11 window can be written into directly.
bool OnX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

}  // namespace

void DirectCanvas::Prepare() {
    if (OnX11()) ShmWindowWriter::OpenAhead();
}

DirectCanvas* DirectCanvas::Create(QWidget& form, SurfaceSource surface, ShownHook shown) {
    if (!OnX11()) return nullptr;
    auto writer = ShmWindowWriter::Open();
    if (writer == nullptr) return nullptr;
    return new DirectCanvas(form, std::move(surface), std::move(shown), std::move(writer));
}

DirectCanvas::DirectCanvas(QWidget& form, SurfaceSource surface, ShownHook shown,
                           std::unique_ptr<ShmWindowWriter> writer)
    : QWidget(&form),
      surface_(std::move(surface)),
      shown_(std::move(shown)),
      writer_(std::move(writer)) {
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Clicks and keys are the form's.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(form.rect());
}

DirectCanvas::~DirectCanvas() = default;

bool DirectCanvas::Show(const std::vector<QRect>& deviceParts) {
    if (writer_ == nullptr) return false;
    const ShownSurface surface = surface_();
    if (surface.picture == nullptr || windowHandle() == nullptr || !windowHandle()->isExposed())
        return true;
    if (!windowKnownToServer_) {
        WaitForToolkitRequests();
        windowKnownToServer_ = true;
    }
    if (writer_->Put(static_cast<WindowId>(winId()), *surface.picture, surface.scale,
                     deviceParts)) {
        shown_();
        return true;
    }
    StepAside();
    return false;
}

// Hidden, the canvas leaves its place to the form, which Qt then paints.
void DirectCanvas::StepAside() {
    writer_.reset();
    hide();
}

void DirectCanvas::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    std::vector<QRect> parts;
    for (const QRect& part : event->region())
        parts.push_back(ratio == 1.0 ? part
                                     : QRectF(part.x() * ratio, part.y() * ratio,
                                              part.width() * ratio, part.height() * ratio)
                                           .toAlignedRect());
    Show(parts);
}

}  // namespace bv::platform
