#include "scene/sprite_drawing.h"

#include <cstdint>
#include <limits>

#include "scene/buffer_drawing.h"

namespace bv {

Long FrameSheetX(const Sprite& sprite) {
    const Integer frameOffset = ToInteger(std::int64_t{sprite.Frame} * sprite.Width);
    return ToLong(std::int64_t{frameOffset} + sprite.SrcX);
}

namespace {

// Where the sprite's frame lands. One so far off that its far edge lies
// beyond the coordinates a rectangle can hold is nowhere near the screen: an
// empty area draws nothing.
QRect SpriteArea(const Sprite& sprite) {
    constexpr std::int64_t kFarthest = std::numeric_limits<int>::max();
    if (std::int64_t{sprite.X} + sprite.Width > kFarthest ||
        std::int64_t{sprite.Y} + sprite.Height > kFarthest)
        return {};
    return QRect(sprite.X, sprite.Y, sprite.Width, sprite.Height);
}

}  // namespace

SheetPainter::SheetPainter(SurfaceHandle sheet) : sheet_(sheet) {}

void SheetPainter::DrawFrame(const Sprite& sprite, Long maskRow) const {
    const Long sheetX = FrameSheetX(sprite);
    DrawOnBuffer({.kind = BufferDrawing::Kind::kMasked,
                  .owner = &sprite,
                  .target = SpriteArea(sprite),
                  .source = sheet_,
                  .sourceAt = QPoint(sheetX, 0),
                  .mask = sheet_,
                  .maskAt = QPoint(sheetX, maskRow)});
}

void SheetPainter::DrawMask(const Sprite& sprite, Long sheetX, Long sheetY) const {
    DrawOnBuffer({.kind = BufferDrawing::Kind::kAnd,
                  .owner = &sprite,
                  .target = SpriteArea(sprite),
                  .source = sheet_,
                  .sourceAt = QPoint(sheetX, sheetY)});
}

void SheetPainter::DrawImage(const Sprite& sprite, Long sheetX, Long sheetY) const {
    DrawOnBuffer({.kind = BufferDrawing::Kind::kOr,
                  .owner = &sprite,
                  .target = SpriteArea(sprite),
                  .source = sheet_,
                  .sourceAt = QPoint(sheetX, sheetY)});
}

void DrawFrame(const Sprite& sprite) {
    SheetPainter(sprite.DC).DrawFrame(sprite);
}

}  // namespace bv
