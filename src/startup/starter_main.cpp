#include <QSize>
#include <optional>

#include "dialog/run_configure.h"
#include "errors/error_handler.h"
#include "platform/instance_lock.h"
#include "platform/process_end.h"
#include "platform/random.h"
#include "platform/x11_windows.h"
#include "scene/properties.h"
#include "scene/scene_globals.h"
#include "settings/folders.h"
#include "settings/scale_setting.h"
#include "settings/settings_globals.h"
#include "startup/command_options.h"
#include "startup/dispatch.h"
#include "startup/read_settings.h"
#include "startup/run_state.h"
#include "startup/screen_size.h"
#include "startup/starter.h"

namespace bv {
namespace {

// Only the full-screen scene is scaled; the preview and the settings dialog
// draw at one device pixel per pixel.
int RunPixelScale() {
    if (DispatchRunMode(RawCommandLine) != kRunModeScreenSaver) return 1;
    const std::optional<int> option = ProcessCommandOptions().scale;
    return ChosenPixelScale(option ? *option : ReadScaleSetting(), DrawingAreaPixels(),
                            DrawingAreaPixelRatio());
}

}  // namespace

void Main() {
    Guarded("Starter/Main", [] {
        CommandLine = NormaliseCommandLine(RawCommandLine);
        CommandSwitch = CommandLine.substr(0, 2);

        DisplayPropertiesWnd = platform::FindTopLevelWindow("Display Properties");

        // A second full-screen run is pointless; the display settings' own
        // test run (their window is open) is the exception.
        if (CommandSwitch == "/s" && DisplayPropertiesWnd == 0 && AnotherInstanceRunning()) {
            platform::EndProcess(0);
            return;
        }

        GetDiectories();
        UseDrawingArea(DrawingAreaPixels(), RunPixelScale());
        Randomize();
        X_GetData();
        Properties_Fish();
        Properties_Predator();
        Properties_Other();
        Properties_Scenery();

        switch (DispatchRunMode(RawCommandLine)) {
            case kRunModePreview:
                Run_Preview();
                break;
            case kRunModeConfigure:
                Run_Configure();
                break;
            case kRunModePassword:
                Run_Password();
                break;
            case kRunModeSupportPage:
                Run_WebSite(kRunModeSupportPage);
                break;
            case kRunModeHomePage:
                Run_WebSite(kRunModeHomePage);
                break;
            default:
                Run_ScreenSaver();
                break;
        }
    });
}

}  // namespace bv
