#pragma once
// The small steps the animation routines take on a record, in the record's
// own types: a position is a Long, a step or frame an Integer, and leaving
// either range is an overflow failure rather than a wrap.

#include <cstdint>

#include "platform/checked_arithmetic.h"
#include "scene/sprite.h"

namespace bv {

inline Long Moved(Long position, Integer step) {
    return ToLong(std::int64_t{position} + step);
}

inline Integer Reversed(Integer step) {
    return ToInteger(-std::int64_t{step});
}

// Sheet x of a turning creature's second strip: Frames x Width, a 16-bit product.
inline Integer SecondStripX(const Sprite& sprite) {
    return ToInteger(std::int64_t{sprite.Frames} * sprite.Width);
}

// Next frame of the strip, back to 0 after the last.
inline void AdvanceFrame(Sprite& sprite) {
    sprite.Frame = ToInteger(std::int64_t{sprite.Frame} + 1);
    if (sprite.Frame >= sprite.Frames) sprite.Frame = 0;
}

}  // namespace bv
