#include <QSize>
#include <algorithm>
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

bool FullScreenRun() {
    return DispatchRunMode(RawCommandLine) == kRunModeScreenSaver;
}

// Only the full-screen scene is scaled; the preview and the settings dialog
// draw at one device pixel per pixel.
int RunPixelScale() {
    if (!FullScreenRun()) return 1;
    const std::optional<int> option = ProcessCommandOptions().scale;
    return ChosenPixelScale(option ? *option : ReadScaleSetting(), DrawingAreaPixels(),
                            DrawingAreaPixelRatio());
}

// The options given for this run, over what the settings file says. Music
// plays the songs the settings choose, or all of them when they choose none.
void ApplyRunOptions() {
    if (!FullScreenRun()) return;
    const CommandOptions& options = ProcessCommandOptions();
    if (options.delay) Speed = ToInteger(*options.delay);
    if (options.clock) ShowClock = Flag(*options.clock);
    if (!options.soundMode) return;
    SoundMode = ToInteger(*options.soundMode);
    if (SoundMode != kSoundMusic) return;
    ReadSongChoices();
    if (std::none_of(SongEnabled.begin(), SongEnabled.end(), [](Integer on) { return on; }))
        SongEnabled.fill(kTrue);
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
        ApplyRunOptions();
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
