#include "startup/cleanup.h"

#include "errors/error_handler.h"
#include "platform/pointer.h"
#include "platform/process_end.h"
#include "settings/platform_version.h"
#include "settings/settings_globals.h"
#include "sound/sound_control.h"
#include "surfaces/release_surfaces.h"

namespace bv {

void X_Cleanup_And_End() {
    Guarded("Starter/X_Cleanup_And_End", [] {
        ReleaseEverySurface();
        platform::ShowCursor(true);
        SetTFS("enable");
        if (RunMode == kRunModeScreenSaver) StopSoundAtEnd();
    });
    platform::EndProcess(0);
}

}  // namespace bv
