#include "scene/buffer_drawing.h"

#include <algorithm>

#include "platform/raster.h"
#include "platform/surface_table.h"
#include "scene/frame_composer.h"
#include "scene/scene_globals.h"

namespace bv {

bool BufferDrawing::DrawsSomething() const {
    if (target.isEmpty()) return false;
    if (kind == Kind::kFill) return true;
    const platform::Bitmap* picture = platform::FindSurface(source);
    return picture != nullptr && !picture->isEmptyDefault();
}

void BufferDrawing::Perform(platform::Bitmap& buffer, const QRect& clip) const {
    Perform(buffer, clip, platform::FindSurface(source), platform::FindSurface(mask));
}

void BufferDrawing::Perform(platform::Bitmap& buffer, const QRect& clip,
                            const platform::Bitmap* picture, const platform::Bitmap* maskPicture,
                            const platform::MaskedRuns* runs) const {
    // The part of the target inside the clip, worked out inline: this runs
    // for every drawing and every changed part of a frame.
    const int left = std::max(target.left(), clip.left());
    const int top = std::max(target.top(), clip.top());
    const int right = std::min(target.right(), clip.right());
    const int bottom = std::min(target.bottom(), clip.bottom());
    if (left > right || top > bottom) return;
    const QRect area(QPoint(left, top), QPoint(right, bottom));
    // The clipped block starts this far into the drawing; its sources move along.
    const QPoint into = area.topLeft() - target.topLeft();
    const QPoint from = sourceAt + into;
    switch (kind) {
        case Kind::kCopy:
            platform::BitBlt(buffer, area.x(), area.y(), area.width(), area.height(), picture,
                             from.x(), from.y(), platform::SRCCOPY);
            break;
        case Kind::kMasked: {
            if (runs != nullptr && picture != nullptr && maskPicture != nullptr) {
                runs->Paint(buffer, target.topLeft(), area, *maskPicture, maskAt, *picture,
                            sourceAt);
                break;
            }
            const QPoint maskFrom = maskAt + into;
            platform::MaskedPaint(buffer, area.x(), area.y(), area.width(), area.height(),
                                  maskPicture, maskFrom.x(), maskFrom.y(), picture, from.x(),
                                  from.y());
            break;
        }
        case Kind::kAnd:
            platform::BitBlt(buffer, area.x(), area.y(), area.width(), area.height(), picture,
                             from.x(), from.y(), platform::SRCAND);
            break;
        case Kind::kOr:
            platform::BitBlt(buffer, area.x(), area.y(), area.width(), area.height(), picture,
                             from.x(), from.y(), platform::SRCPAINT);
            break;
        case Kind::kFill:
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    platform::SetPixel(buffer, x, y, colour);
            break;
    }
}

void DrawOnBuffer(const BufferDrawing& drawing) {
    FrameComposer& composer = TheFrameComposer();
    if (composer.Noting()) {
        composer.Note(drawing);
        return;
    }
    platform::Bitmap* buffer = platform::FindSurface(BufferDC);
    if (buffer != nullptr) drawing.Perform(*buffer, QRect(0, 0, buffer->width(), buffer->height()));
}

}  // namespace bv
