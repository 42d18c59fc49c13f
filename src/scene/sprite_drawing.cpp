#include "scene/sprite_drawing.h"

#include "scene/buffer_drawing.h"

namespace bv {

Long FrameSheetX(const Sprite& sprite) {
    const Integer frameOffset = ToInteger(std::int64_t{sprite.Frame} * sprite.Width);
    return ToLong(std::int64_t{frameOffset} + sprite.SrcX);
}

namespace {

QRect SpriteArea(const Sprite& sprite) {
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
