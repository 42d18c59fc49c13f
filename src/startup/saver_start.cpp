#include "startup/saver_start.h"

#include "errors/error_handler.h"
#include "scene/main_timer.h"
#include "sound/sound_control.h"

namespace bv {

namespace {
constexpr const char* kLocation = "ScreenSaver/Form_Initialize";
}

void ScreenSaver_Form_Initialize(SceneView& view) {
    Guarded(kLocation, [&] {
        PrepareFirstFrame(view);
        PlaceSceneLabels(view);
    });
}

void StartRunSound(SceneView& view) {
    Guarded(kLocation, [&] { StartSound(view.MusicTimer()); });
}

}  // namespace bv
