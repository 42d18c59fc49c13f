#pragma once
// The scene-wide surfaces besides those the records hold.

#include "scene/sprite.h"

namespace bv {

inline SurfaceHandle BufferDC = 0;          // the screen-sized back buffer
inline SurfaceHandle PaletteDC = 0;         // only while the pictures load
inline SurfaceHandle LoadDC = 0;            // only while the pictures load
inline SurfaceHandle ForegroundMaskDC = 0;  // the reef's mask strip

}  // namespace bv
