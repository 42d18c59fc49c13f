#include "startup/screensaver_form.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "errors/bug_report_form.h"
#include "errors/error_handler.h"
#include "platform/pointer.h"
#include "platform/surface_ops.h"
#include "scene/main_timer.h"
#include "scene/scene_globals.h"
#include "settings/settings_globals.h"
#include "sound/sound_control.h"
#include "startup/cleanup.h"
#include "startup/host_watch.h"
#include "startup/saver_start.h"

namespace bv {
namespace {
ScreenSaver* current = nullptr;
}

ScreenSaver::ScreenSaver(unsigned long host, QSize devicePixels)
    : host_(host), devicePixels_(devicePixels), clockLabel_(this), screenLabel_(this) {
    current = this;
    setWindowTitle(QStringLiteral("Bluvessa"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setFocusPolicy(Qt::StrongFocus);

    maintimer_.setInterval(1);
    musicTimer_.setInterval(kMusicCheckIntervalMs);
    connect(&maintimer_, &QTimer::timeout, this, [this] { maintimer_Timer(*this); });
    connect(&musicTimer_, &QTimer::timeout, this, [this] { MusicTimer_Timer(musicTimer_); });
    StyleSceneLabel(clockLabel_, QStringLiteral("CLOCK"), ScreenSaver::LabelScale());
    StyleSceneLabel(screenLabel_, QStringLiteral("INSERT TEXT MESSAGE HERE"),
                    ScreenSaver::LabelScale());

    if (WindowShowsBackBuffer(devicePixels.width(), devicePixels.height()))
        ShowSurface(BufferDC, PixelScale);
    else
        CreateDrawingSurface(devicePixels.width(), devicePixels.height());
    // Qt's own way to the screen costs more than composing the frame: its
    // backing store takes a copy, waits on the server before each paint and
    // clips every put by the whole changed region.
    if (PresentDirectly()) {
        for (QLabel* label : {&clockLabel_, &screenLabel_}) {
            label->setAttribute(Qt::WA_NativeWindow);
            label->raise();
        }
    }
}

ScreenSaver* ScreenSaver::Current() {
    return current;
}

void ScreenSaver::Form_Initialize() {
    ScreenSaver_Form_Initialize(*this);
}

void ScreenSaver::Form_Load() {
    Guarded("ScreenSaver/Form_Load", [this] {
        // The window lives as long as the host it draws into, whatever else happens.
        if (host_ != 0) WatchHostWindow(hostWatch_, static_cast<platform::WindowId>(host_));
        // A failure reported before the window is up (the pictures, the
        // first frame's preparation) leaves the screen to the report.
        if (steppedAside_ || BugReportForm::Showing()) {
            StepAsideForReport();
            return;
        }
        platform::BitBlt(hDC(), 0, 0, devicePixels_.width(), devicePixels_.height(), 0, 0, 0,
                         platform::BLACKNESS);
        // An interval of 0 is a stopped timer, not one that fires without pause.
        if (maintimer_.interval() > 0) maintimer_.start();
        // The first frame as soon as the window is up, not one interval
        // later; the sound after it.
        QTimer::singleShot(0, this, [this] {
            if (maintimer_.isActive()) maintimer_Timer(*this);
            if (steppedAside_) return;
            soundStarted_ = true;
            StartRunSound(*this);
        });
        const qreal ratio = devicePixelRatioF();
        if (host_ != 0) {
            // xscreensaver owns the screen, the input and the lock; we only
            // draw inside the window it gave us.
            setWindowFlags(Qt::FramelessWindowHint);
            winId();
            if (QWindow* host = QWindow::fromWinId(static_cast<WId>(host_)))
                windowHandle()->setParent(host);
            setGeometry(0, 0, qRound(devicePixels_.width() / ratio),
                        qRound(devicePixels_.height() / ratio));
            show();
            return;
        }
        setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        if (QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
        showFullScreen();
    });
}

void ScreenSaver::MakeTopmost() {
    if (host_ != 0 || steppedAside_) return;
    raise();
    activateWindow();
    grabKeyboard();
}

// The run is over once a failure is reported: the scene and its sound stop,
// and the window leaves the screen (and the keyboard and the pointer) to the
// report, whose closing ends the run. A report that comes before the window
// is up keeps it from showing at all.
void ScreenSaver::StepAsideForReport() {
    if (steppedAside_) return;
    steppedAside_ = true;
    maintimer_.stop();
    musicTimer_.stop();
    if (soundStarted_) StopSoundAtEnd();
    platform::ShowCursor(true);
    releaseKeyboard();
    hide();
}

double ScreenSaver::LabelScale() const {
    return PixelScale / devicePixelRatioF();
}

void ScreenSaver::Refresh(const std::vector<QRect>& bands, const std::vector<QRect>& pieces) {
    frameComposed_ = true;
    Present(bands, pieces);
}

// The first frame is on the screen once the window is exposed, which may be
// after the frame was composed.
void ScreenSaver::SurfaceShown() {
    if (!frameComposed_ || firstFrameShown_) return;
    firstFrameShown_ = true;
    ReportFirstFrame();
}

// For measuring the start: with BLUVESSA_TIMING set, the wall-clock time at
// which the first composed frame reached the screen.
void ScreenSaver::ReportFirstFrame() {
    if (std::getenv("BLUVESSA_TIMING") == nullptr) return;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::fprintf(stderr, "bluvessa: first frame shown at %lld.%09ld\n",
                 static_cast<long long>(now.tv_sec), now.tv_nsec);
}

void ScreenSaver::Form_QueryUnload(Integer& /*cancel*/, int /*unloadMode*/) {
    // Only Windows 9x asked for a screen-saver password of its own here; this
    // platform's locker (xscreensaver, the desktop) asks for it instead, so
    // every request to unload proceeds.
}

void ScreenSaver::Form_Unload() {
    X_Cleanup_And_End();
}

void ScreenSaver::UnloadOnInput() {
    if (RunMode == kRunModeScreenSaver && host_ == 0) Unload();
}

void ScreenSaver::Form_Click() {
    UnloadOnInput();
}
void ScreenSaver::Form_DblClick() {
    UnloadOnInput();
}
void ScreenSaver::Form_KeyDown(int, int) {
    UnloadOnInput();
}
void ScreenSaver::Form_KeyPress(int) {
    UnloadOnInput();
}

}  // namespace bv
