#include "platform/surface_ops.h"

namespace bv::platform {

void BitBlt(Handle destination, int x, int y, int width, int height, Handle source, int sx, int sy,
            RasterOp op) {
    Bitmap* target = FindSurface(destination);
    if (target == nullptr) return;
    BitBlt(*target, x, y, width, height, FindSurface(source), sx, sy, op);
}

void MaskedPaint(Handle destination, int x, int y, int width, int height, Handle mask, int maskX,
                 int maskY, Handle image, int imageX, int imageY) {
    Bitmap* target = FindSurface(destination);
    if (target == nullptr) return;
    MaskedPaint(*target, x, y, width, height, FindSurface(mask), maskX, maskY, FindSurface(image),
                imageX, imageY);
}

void StretchBlt(Handle destination, int x, int y, int width, int height, Handle source, int sx,
                int sy, int sourceWidth, int sourceHeight) {
    Bitmap* target = FindSurface(destination);
    const Bitmap* picture = FindSurface(source);
    if (target == nullptr || picture == nullptr) return;
    StretchBlt(*target, x, y, width, height, *picture, sx, sy, sourceWidth, sourceHeight);
}

void SetPixel(Handle destination, int x, int y, Colour colour) {
    if (Bitmap* target = FindSurface(destination)) SetPixel(*target, x, y, colour);
}

}  // namespace bv::platform
