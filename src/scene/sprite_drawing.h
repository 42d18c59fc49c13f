#pragma once
// Drawing sprite frames into the back buffer: the mask with AND, then the
// image with OR, so the buffer keeps its pixels where the sprite is
// transparent and shows the image where it is opaque.

#include "scene/sprite.h"

namespace bv {

// Sheet x of the sprite's current frame: Frame x Width (a 16-bit product) + SrcX.
Long FrameSheetX(const Sprite& sprite);

// Draws from one sheet into BufferDC (through DrawOnBuffer), so a group
// draws all its members through one painter. Without a buffer or a sheet
// every drawing is a no-op.
class SheetPainter {
public:
    explicit SheetPainter(SurfaceHandle sheet);

    // The sprite's current frame: mask from sheet row maskRow, image from row 0.
    void DrawFrame(const Sprite& sprite, Long maskRow) const;
    void DrawFrame(const Sprite& sprite) const { DrawFrame(sprite, sprite.Height); }

    // The two passes on their own, for sheets that keep their masks elsewhere
    // and for routines that mark each pass: a sprite-sized block from the
    // sheet at (sheetX, sheetY) onto the buffer at the sprite's position.
    void DrawMask(const Sprite& sprite, Long sheetX, Long sheetY) const;
    void DrawImage(const Sprite& sprite, Long sheetX, Long sheetY) const;

private:
    SurfaceHandle sheet_;
};

// The sprite's current frame from its own surface.
void DrawFrame(const Sprite& sprite);

}  // namespace bv
