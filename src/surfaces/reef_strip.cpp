#include "surfaces/reef_strip.h"

#include "platform/surface_ops.h"

namespace bv {

void TileReefStrip(SurfaceHandle strip, SurfaceHandle picture, Integer pictureWidth,
                   Integer pictureHeight, Integer screenWidth, int shiftLeft) {
    // The half widths are taken in floating point and the position rounded
    // (ties to even) just before it is used.
    const Long x0 = RoundToLong(screenWidth / 2.0 - pictureWidth / 2.0 - shiftLeft);
    if (screenWidth <= pictureWidth || pictureWidth <= 0) {
        platform::BitBlt(strip, x0, 0, pictureWidth, pictureHeight, picture, 0, 0,
                         platform::SRCCOPY);
        return;
    }
    // On a wider screen the picture continues into both margins from its own
    // other end, as often as the width takes.
    Long x = x0 % pictureWidth;
    if (x > 0) x -= pictureWidth;
    for (; x < screenWidth; x += pictureWidth)
        platform::BitBlt(strip, x, 0, pictureWidth, pictureHeight, picture, 0, 0,
                         platform::SRCCOPY);
}

}  // namespace bv
