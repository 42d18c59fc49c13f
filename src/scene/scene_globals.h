#pragma once
// The screen the scene is composed for, its motion bounds and tick counters.

#include "platform/checked_arithmetic.h"

namespace bv {

inline Integer ScreenWidth = 0;
inline Integer ScreenHeight = 0;
inline Integer SwimTop = 0;
inline Integer SwimBottom = 0;
inline Integer SwimLeft = 0;
inline Integer SwimRight = 0;

inline Integer LongTick = 0;   // 0 to 1000
inline Integer ShortTick = 0;  // 0 to 100

// Sets the screen size and derives the swim bounds from it.
void SetScreenSize(int width, int height);

}  // namespace bv
