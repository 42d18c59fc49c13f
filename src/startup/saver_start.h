#pragma once

#include "scene/scene_view.h"

namespace bv {

// The saver form's initialisation: the tick interval, the first background
// and reef, then the message and clock labels.
void ScreenSaver_Form_Initialize(SceneView& view);

// The sound of the run. It is started once the first frame is on the screen:
// a synthesizer or an audio output taking its time must not keep the screen
// waiting. A failure is reported as the initialisation's.
void StartRunSound(SceneView& view);

}  // namespace bv
