#include "startup/saver_start.h"

#include "errors/error_handler.h"
#include "scene/main_timer.h"
#include "sound/sound_control.h"

namespace bv {

void ScreenSaver_Form_Initialize(SceneView& view) {
    Guarded("ScreenSaver/Form_Initialize", [&] {
        PrepareFirstFrame(view);
        StartSound(view.MusicTimer());
        PlaceSceneLabels(view);
    });
}

}  // namespace bv
