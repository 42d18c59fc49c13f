#include "startup/run_reset.h"

#include "dialog/preview_animations.h"
#include "errors/error_code.h"
#include "platform/platform_family.h"
#include "platform/process_end.h"
#include "scene/all_records.h"
#include "scene/scene_globals.h"
#include "settings/platform_version.h"
#include "settings/settings_globals.h"
#include "sound/sound_state.h"
#include "startup/cleanup.h"
#include "startup/run_state.h"
#include "surfaces/release_surfaces.h"

namespace bv {

// Each layer resets what it keeps, beside where it keeps it; this only
// calls them, top to bottom, after the surfaces the records name are gone.
void ResetRunState() {
    ReleaseEverySurface();
    ForEachRecord([](Sprite& record) { record = Sprite{}; });
    ResetRunStartState();
    ResetPreviewBox();
    ResetSoundState();
    ResetSceneGlobals();
    ResetSettingsGlobals();
    ResetScreenSaverRunningState();
    ResetErrorState();
    ResetPlatformFamily();
    platform::SetRunEnding(X_Cleanup_And_End);
}

}  // namespace bv
