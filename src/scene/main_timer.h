#pragma once
// Composing the scene: the first frame of a run and every frame tick.

#include "scene/scene_view.h"

namespace bv {

// Sets the tick interval to Speed and draws the first background and reef
// into the back buffer. No failure handler of its own: a negative Speed
// fails into the caller's.
void PrepareFirstFrame(SceneView& view);

// Places and shows the message and clock labels the settings ask for. No
// failure handler of its own.
void PlaceSceneLabels(SceneView& view);

// One frame: advances the tick counters, composes the scene in the back
// buffer and copies it to the view with the labels over it.
void maintimer_Timer(SceneView& view);

// Places the clock label and sets its caption to the local time.
void Update_Clock(SceneView& view);

}  // namespace bv
