#pragma once
// The raster operations addressed by surface handles, as the scene calls them.
// A handle of 0, or one already released, draws nothing and receives nothing.

#include "platform/raster.h"
#include "platform/surface_table.h"

namespace bv::platform {

void BitBlt(Handle destination, int x, int y, int width, int height, Handle source, int sx, int sy,
            RasterOp op);

void MaskedPaint(Handle destination, int x, int y, int width, int height, Handle mask, int maskX,
                 int maskY, Handle image, int imageX, int imageY);

void StretchBlt(Handle destination, int x, int y, int width, int height, Handle source, int sx,
                int sy, int sourceWidth, int sourceHeight);

void SetPixel(Handle destination, int x, int y, Colour colour);

}  // namespace bv::platform
