#include "startup/preview_form.h"

#include <QWindow>

#include "errors/error_handler.h"
#include "platform/surface_ops.h"
#include "scene/records.h"
#include "startup/cleanup.h"
#include "startup/host_watch.h"
#include "startup/run_state.h"

namespace bv {

PreviewScreen::PreviewScreen() {
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    previewtimer_.setInterval(70);
    connect(&previewtimer_, &QTimer::timeout, this, [this] { previewtimer_Timer(); });
}

void PreviewScreen::Form_Initialize() {
    Guarded("PreviewScreen/Form_Initialize", [] {
        PreviewPic.SrcX = 0;
        PreviewPic.SrcY = 0;
        PreviewPic.Width = 103;
        PreviewPic.Height = 102;
        PreviewPic.Frame = 1;
        PreviewPic.Frames = 8;
        PreviewPic.X = RoundToLong((PreviewRect.right - PreviewRect.left) / 2.0 - 51.5);
        PreviewPic.Y =
            RoundToLong((PreviewRect.bottom - PreviewRect.top) / 2.0 - PreviewPic.Height / 2.0);
    });
}

void PreviewScreen::Form_Load() {
    previewtimer_.start();
}

void PreviewScreen::Form_Unload() {
    X_Cleanup_And_End();
}

void PreviewScreen::EmbedInto(platform::WindowId host, const platform::ClientRect& area) {
    const int width = static_cast<int>(area.right);
    const int height = static_cast<int>(area.bottom);
    if (width > 0 && height > 0) CreateDrawingSurface(width, height);
    if (host == 0) return;  // nothing to show in: the form stays unseen
    // A preview without its host would linger unseen: it ends with it.
    WatchHostWindow(hostWatch_, host);
    winId();
    QWindow* hostWindow = QWindow::fromWinId(static_cast<WId>(host));
    if (hostWindow == nullptr) return;
    windowHandle()->setParent(hostWindow);
    setGeometry(0, 0, width, height);
    show();
}

void PreviewScreen::previewtimer_Timer() {
    Guarded("PreviewScreen/PreviewTimer", [this] {
        PreviewPic.Frame = ToInteger(PreviewPic.Frame + 1);
        if (PreviewPic.Frame >= PreviewPic.Frames) PreviewPic.Frame = 0;
        platform::BitBlt(hDC(), PreviewPic.X, PreviewPic.Y, PreviewPic.Width, PreviewPic.Height,
                         PreviewPic.DC,
                         ToLong(int64_t{PreviewPic.Frame} * PreviewPic.Width + PreviewPic.SrcX),
                         PreviewPic.SrcY, platform::SRCCOPY);
        update();
    });
}

}  // namespace bv
