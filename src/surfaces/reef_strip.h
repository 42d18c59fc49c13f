#pragma once
// Laying the reef picture across the whole screen width.

#include "platform/checked_arithmetic.h"
#include "scene/sprite.h"

namespace bv {

// Copies the pictureWidth x pictureHeight picture into the strip centred on a
// screen screenWidth wide, shiftLeft pixels left of centre (at x0). On a screen
// wider than the picture it repeats without a seam across the whole strip:
// column x shows picture column (x - x0) mod pictureWidth.
void TileReefStrip(SurfaceHandle strip, SurfaceHandle picture, Integer pictureWidth,
                   Integer pictureHeight, Integer screenWidth, int shiftLeft);

}  // namespace bv
