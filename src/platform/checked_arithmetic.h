#pragma once
// Integer (16-bit) and Long (32-bit) values. Arithmetic is done in a wide type
// and narrowed through ToInteger/ToLong, which fail with an overflow instead of
// wrapping: the scene's motion rules rely on that.

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/runtime_failure.h"

namespace bv {

using Integer = std::int16_t;
using Long = std::int32_t;

// Flags are Integers holding -1 for True and 0 for False.
inline constexpr Integer kTrue = -1;
inline constexpr Integer kFalse = 0;
inline constexpr Integer Flag(bool value) {
    return value ? kTrue : kFalse;
}

template <typename Narrow>
constexpr Narrow NarrowOrFail(std::int64_t value) {
    if (value < std::numeric_limits<Narrow>::min() || value > std::numeric_limits<Narrow>::max())
        Fail(kOverflow);
    return static_cast<Narrow>(value);
}

constexpr Integer ToInteger(std::int64_t value) {
    return NarrowOrFail<Integer>(value);
}
constexpr Long ToLong(std::int64_t value) {
    return NarrowOrFail<Long>(value);
}

// Real to whole number: nearest, ties to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double RoundHalfEven(double value) {
    if (!std::isfinite(value)) Fail(kOverflow);
    return std::nearbyint(value);  // the default rounding mode is to-nearest-even
}

inline Integer RoundToInteger(double value) {
    const double rounded = RoundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0) Fail(kOverflow);
    return static_cast<Integer>(rounded);
}

inline Long RoundToLong(double value) {
    const double rounded = RoundHalfEven(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) Fail(kOverflow);
    return static_cast<Long>(rounded);
}

// Int(): the floor of a real, as a Long.
inline Long FloorToLong(double value) {
    if (!std::isfinite(value)) Fail(kOverflow);
    const double floored = std::floor(value);
    if (floored < -2147483648.0 || floored > 2147483647.0) Fail(kOverflow);
    return static_cast<Long>(floored);
}

inline std::int64_t DivideOrFail(std::int64_t numerator, std::int64_t denominator) {
    if (denominator == 0) Fail(kDivisionByZero);
    return numerator / denominator;
}

}  // namespace bv
