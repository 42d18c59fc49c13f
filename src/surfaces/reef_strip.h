#pragma once
// Laying the reef picture across the whole screen width.

#include "platform/checked_arithmetic.h"
#include "scene/sprite.h"

namespace bv {

// Copies the pictureWidth x pictureHeight picture into the strip centred on a
// screen screenWidth wide, shiftLeft pixels left of centre. On a screen wider
// than the picture the margins are filled from the picture's own other end, so
// the reef repeats without a seam; the right margin takes shiftLeft columns
// more, which keeps it reaching the right edge.
void TileReefStrip(SurfaceHandle strip, SurfaceHandle picture, Integer pictureWidth,
                   Integer pictureHeight, Integer screenWidth, int shiftLeft);

}  // namespace bv
