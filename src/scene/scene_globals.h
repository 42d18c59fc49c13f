#pragma once
// The screen the scene is composed for, its motion bounds, tick counters and
// the surfaces every frame is composed in.

#include "platform/checked_arithmetic.h"
#include "scene/sprite.h"

namespace bv {

// The screen in the scene's own pixels; each is drawn as a PixelScale x
// PixelScale block of device pixels.
inline Integer ScreenWidth = 0;
inline Integer ScreenHeight = 0;
inline Integer SwimTop = 0;
inline Integer SwimBottom = 0;
inline Integer SwimLeft = 0;
inline Integer SwimRight = 0;

inline Integer PixelScale = 1;  // 1 to 4

// Every tick composes and shows the whole frame, instead of only what changed
// (for comparing the two).
inline bool ComposeWholeFrames = false;

inline Integer LongTick = 0;   // 0 to 1000
inline Integer ShortTick = 0;  // 0 to 100

inline SurfaceHandle BufferDC = 0;          // the screen-sized back buffer
inline SurfaceHandle ForegroundMaskDC = 0;  // the reef's mask strip

// Sets the screen size and derives the swim bounds from it.
void SetScreenSize(int width, int height);

// Back to the state before any screen was set up. The surfaces are forgotten,
// not released: their release belongs to whoever made them.
void ResetSceneGlobals();

}  // namespace bv
