#include "settings_test_support.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "errors/error_code.h"
#include "scene/records.h"
#include "settings/creature_setting_keys.h"
#include "settings/platform_version.h"
#include "settings/settings_globals.h"
#include "startup/run_state.h"

namespace bv::test {

namespace fs = std::filesystem;

void ResetSettingsGlobals() {
    WindowsDir.clear();
    AssetDir.clear();
    Speed = 0;
    ShowMessage = kFalse;
    MessageText.clear();
    SoundMode = 0;
    SongEnabled.fill(kFalse);
    ShowClock = kFalse;
    TracePoint.clear();
    Background = Sprite{};
    CenterPiece = Sprite{};
    Foreground = Sprite{};
    for (const CreatureSettingKey& creature : CreatureSettingKeys()) creature.record() = Sprite{};
    WinVersion.clear();
    UsePassword = 0;
    ScreenSaverRunningState = kFalse;
}

}  // namespace bv::test
