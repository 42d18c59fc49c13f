#pragma once
// The settings dialog's preview records and the routines written for its
// small preview box: they draw into the back buffer like the scene's own
// routines, but measure against the box instead of the screen.

#include "platform/checked_arithmetic.h"
#include "scene/sprite.h"

namespace bv {

// The preview box's inner drawing area in pixels, as the box reports it.
inline Integer PreviewScaleWidth = 181;
inline Integer PreviewScaleHeight = 167;
inline void ResetPreviewBox() {
    PreviewScaleWidth = 181;
    PreviewScaleHeight = 167;
}

// Gives the four preview records their one-frame 181 x 167 starting
// pictures at 0, 0: PreviewScenery "bv_previewscenery.bmp", the three
// creature tabs' records "bv_previewother.bmp". Loads no surface.
void Properties_Preview();

// Draws r, then by ShortTick runs it back to its first frame (ticks 1-10,
// 51-60) or forward to its last (21-30, 71-80), resting in between.
void Anim_Preview_DelayedReverse(Sprite& r);

// Draws r three times as a small school, one fish at mid-height on the left
// (at r.Y) and two on the right, then advances its frame. r.X is not used.
void Anim_Preview_School(Sprite& r);

// Draws and moves bubbles 1 to 25 of BubblesLeft inside the box, all from
// element 1's surface; a bubble leaving the top re-enters at the bottom.
void Anim_Preview_Bubble();

}  // namespace bv
