#include "startup/program.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "errors/bug_report_form.h"
#include "platform/form.h"
#include "platform/x11_windows.h"
#include "settings/settings_globals.h"
#include "startup/cleanup.h"
#include "startup/command_options.h"
#include "startup/dispatch.h"
#include "startup/run_reset.h"
#include "startup/run_state.h"
#include "startup/starter.h"

namespace bv {
namespace {

int signalPipe[2] = {-1, -1};

void OnTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(signalPipe[0], &byte, 1);
}

// xscreensaver and desktop sessions stop a saver with SIGTERM: end through
// the common way out so the sound stops and nothing is left behind. The
// handler only writes to a socket; the clean-up runs on the UI thread.
void EndCleanlyOnSignals(QApplication& app) {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] { X_Cleanup_And_End(); });
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool DisplayReachable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != 0) return true;  // the caller chose one
    return platform::DisplayAvailable();
}

// The saver's window has nothing for assistive technology to read, but
// Qt's accessibility bridge asks for the session's message bus as soon as a
// label gets its text. In a session without one, libdbus would start one of
// its own (dbus-launch --autolaunch): it forks the whole process, pictures
// and all, in the middle of the start, and may leave a daemon behind. So a
// saver run in such a session does without the bus.
void KeepTheSaverOffAnAutolaunchedBus() {
    if (DispatchRunMode(RawCommandLine) != kRunModeScreenSaver) return;
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", /*overwrite=*/0);
}

}  // namespace

int RunProgram(int argc, char** argv) {
    ResetRunState();
    RawCommandLine = JoinArguments(argc, argv);
    // Help, the version and faulty options are answered without a display.
    const CommandOptions& options = ParseProcessCommandOptions(argc, argv);
    if (const auto status = AnswerWithoutRunning(options, stdout, stderr)) return *status;
    if (!DisplayReachable()) {
        std::fprintf(stderr, "bluvessa: cannot open the X display (is DISPLAY set?)\n");
        return 1;
    }
    KeepTheSaverOffAnAutolaunchedBus();
    // The saver works in device pixels; the toolkit's scaling must not round
    // the window's size away from the screen's.
    QApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bluvessa"));
    QApplication::setQuitOnLastWindowClosed(false);
    EndCleanlyOnSignals(app);
    InstallBugReportForm(nullptr);

    Main();
    if (platform::Form::LoadedCount() == 0) return 0;
    return QApplication::exec();
}

}  // namespace bv
