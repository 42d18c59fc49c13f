#pragma once
// The raster operations the scene is composed with.

#include <cstdint>

#include "platform/bitmap.h"

namespace bv::platform {

enum RasterOp : std::uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCAND = 0x008800C6,
    SRCPAINT = 0x00EE0086,
    BLACKNESS = 0x00000042,
};

// Copies or combines a width x height block from source (sx, sy) to
// destination (x, y), clipped at the edges of both pictures. A missing or
// empty default source changes nothing. BLACKNESS ignores the source.
// Pictures of different formats are converted pixel by pixel on the way.
void BitBlt(Bitmap& destination, int x, int y, int width, int height, const Bitmap* source, int sx,
            int sy, RasterOp op);

// Draws a sprite frame: the mask block ANDed, then the image block ORed, at
// (x, y). The result is exactly that of the two BitBlt calls; when both
// blocks clip alike and share the destination's format it is done in one
// pass over the destination.
void MaskedPaint(Bitmap& destination, int x, int y, int width, int height, const Bitmap* mask,
                 int maskX, int maskY, const Bitmap* image, int imageX, int imageY);

// One row of a sprite frame in true colour: target = (target & mask) | image.
void PaintThroughMask(Colour* target, const Colour* mask, const Colour* image, int count);

// Scales the source block over the destination block (SRCCOPY). True-colour
// pictures are filtered so an enlarged background stays smooth.
void StretchBlt(Bitmap& destination, int x, int y, int width, int height, const Bitmap& source,
                int sx, int sy, int sourceWidth, int sourceHeight);

void SetPixel(Bitmap& destination, int x, int y, Colour colour);

}  // namespace bv::platform
