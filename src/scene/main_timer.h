#pragma once
// Composing the scene: the saver form's initialisation and its frame tick.

#include "scene/scene_view.h"

namespace bv {

// Sets the tick interval, draws the first background and reef, starts the
// sound and places the message and clock labels.
void ScreenSaver_Form_Initialize(SceneView& view);

// One frame: advances the tick counters, composes the scene in the back
// buffer and copies it to the view with the labels over it.
void maintimer_Timer(SceneView& view);

// Places the clock label and sets its caption to the local time.
void Update_Clock(SceneView& view);

}  // namespace bv
