#pragma once
// One drawing into the back buffer, as a value: what the scene's routines
// ask of the buffer, so that it can be done at once, or noted while a frame
// is composed and done later inside the parts of the frame that changed.

#include <QRect>

#include "platform/bitmap.h"
#include "platform/masked_runs.h"
#include "scene/sprite.h"

namespace bv {

struct BufferDrawing {
    enum class Kind {
        kCopy,    // the source block replaces the buffer's pixels
        kMasked,  // the mask block ANDed, then the source block ORed: a sprite frame
        kAnd,     // the source block ANDed: a mask on its own
        kOr,      // the source block ORed: a picture on its own
        kFill,    // the block filled with one colour
    };

    Kind kind = Kind::kCopy;
    const void* owner = nullptr;  // the record it draws: which drawing is which, tick to tick
    QRect target{};               // where in the buffer, before clipping
    SurfaceHandle source = 0;
    QPoint sourceAt{};
    SurfaceHandle mask = 0;  // kMasked only
    QPoint maskAt{};
    platform::Colour colour = 0;  // kFill only

    bool operator==(const BufferDrawing&) const = default;

    // Whether it can change any pixel at all: one without its picture cannot.
    bool DrawsSomething() const;

    // Does the drawing in the buffer, only inside clip.
    void Perform(platform::Bitmap& buffer, const QRect& clip) const;

    // The same with its pictures already found (source and mask may be null),
    // and a sprite frame's runs over its block when they are known (for a
    // buffer of opaque pixels).
    void Perform(platform::Bitmap& buffer, const QRect& clip, const platform::Bitmap* picture,
                 const platform::Bitmap* maskPicture,
                 const platform::MaskedRuns* runs = nullptr) const;
};

// Does the drawing now, or notes it for the frame being composed.
void DrawOnBuffer(const BufferDrawing& drawing);

}  // namespace bv
