#include "scene/sprite_drawing.h"

#include "platform/raster.h"
#include "platform/surface_table.h"
#include "scene/scene_globals.h"

namespace bv {

Long FrameSheetX(const Sprite& sprite) {
    const Integer frameOffset = ToInteger(std::int64_t{sprite.Frame} * sprite.Width);
    return ToLong(std::int64_t{frameOffset} + sprite.SrcX);
}

SheetPainter::SheetPainter(SurfaceHandle sheet)
    : buffer_(platform::FindSurface(BufferDC)), sheet_(platform::FindSurface(sheet)) {}

void SheetPainter::DrawFrame(const Sprite& sprite, Long maskRow) const {
    if (buffer_ == nullptr) return;
    const Long sheetX = FrameSheetX(sprite);
    platform::MaskedPaint(*buffer_, sprite.X, sprite.Y, sprite.Width, sprite.Height, sheet_, sheetX,
                          maskRow, sheet_, sheetX, 0);
}

void SheetPainter::DrawMask(const Sprite& sprite, Long sheetX, Long sheetY) const {
    if (buffer_ == nullptr) return;
    platform::BitBlt(*buffer_, sprite.X, sprite.Y, sprite.Width, sprite.Height, sheet_, sheetX,
                     sheetY, platform::SRCAND);
}

void SheetPainter::DrawImage(const Sprite& sprite, Long sheetX, Long sheetY) const {
    if (buffer_ == nullptr) return;
    platform::BitBlt(*buffer_, sprite.X, sprite.Y, sprite.Width, sprite.Height, sheet_, sheetX,
                     sheetY, platform::SRCPAINT);
}

void DrawFrame(const Sprite& sprite) {
    SheetPainter(sprite.DC).DrawFrame(sprite);
}

}  // namespace bv
