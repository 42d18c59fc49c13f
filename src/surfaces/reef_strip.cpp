#include "surfaces/reef_strip.h"

#include "platform/surface_ops.h"

namespace bv {

void TileReefStrip(SurfaceHandle strip, SurfaceHandle picture, Integer pictureWidth,
                   Integer pictureHeight, Integer screenWidth, int shiftLeft) {
    // Halves are taken in floating point; each position and width is rounded
    // (ties to even) just before it is used.
    const double halfScreen = screenWidth / 2.0;
    const double halfPicture = pictureWidth / 2.0;
    platform::BitBlt(strip, RoundToLong(halfScreen - halfPicture - shiftLeft), 0, pictureWidth,
                     pictureHeight, picture, 0, 0, platform::SRCCOPY);
    if (screenWidth <= pictureWidth) return;

    const double margin = (screenWidth - pictureWidth) / 2.0;
    // The picture's left end continues it on the right ...
    platform::BitBlt(strip, RoundToLong(halfPicture + halfScreen - shiftLeft), 0,
                     RoundToLong(margin + shiftLeft), pictureHeight, picture, 0, 0,
                     platform::SRCCOPY);
    // ... and its right end leads into it on the left.
    platform::BitBlt(strip, -shiftLeft, 0, RoundToLong(margin), pictureHeight, picture,
                     RoundToLong(pictureWidth - margin), 0, platform::SRCCOPY);
}

}  // namespace bv
