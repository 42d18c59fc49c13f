#include "errors/bug_report_form.h"
#include "errors/error_handler.h"
#include "platform/form.h"
#include "platform/platform_family.h"
#include "platform/pointer.h"
#include "settings/platform_version.h"
#include "settings/settings_globals.h"
#include "startup/screen_size.h"
#include "startup/screensaver_form.h"
#include "startup/starter.h"
#include "surfaces/load_pics.h"

namespace bv {

void Run_ScreenSaver() {
    Guarded("Starter/Run_ScreenSaver", [] {
        RunMode = kRunModeScreenSaver;
        // The X server readies the window's shared memory while the
        // pictures load.
        platform::Form::PrepareToPresentDirectly();
        LoadPics4ScreenSaver();
        platform::ShowCursor(false);
        WinVersion = GetVersion32();
        // Only Windows 9x kept a screen-saver password flag of its own; on
        // this platform the locker asks for the login password instead.
        SetTFS("disable");
        // Never freed, on purpose: the run ends the process.
        auto* saver = new ScreenSaver(HostSaverWindow(), DrawingAreaPixels());
        InstallBugReportForm([saver] { saver->StepAsideForReport(); });
        saver->Load();
        saver->MakeTopmost();
    });
}

}  // namespace bv
