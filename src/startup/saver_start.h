#pragma once

#include "scene/scene_view.h"

namespace bv {

// The saver form's initialisation: the tick interval, the first background
// and reef, the sound, then the message and clock labels.
void ScreenSaver_Form_Initialize(SceneView& view);

}  // namespace bv
