#pragma once
// The "scale" setting: how many screen pixels wide and high each pixel of
// the scene is drawn, so that the creatures keep their size on large screens.

#include "platform/checked_arithmetic.h"

namespace bv {

inline constexpr Integer kAutomaticScale = 0;
inline constexpr Integer kLargestScale = 4;

// The stored "scale": 1 to 4 as stored, kAutomaticScale when it is missing,
// 0 or anything else.
Integer ReadScaleSetting();

}  // namespace bv
