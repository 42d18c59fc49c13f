#pragma once
// The hooked worm on its fishing line: lowered into the scene at LongTick 100
// or 600, left twitching for 100 ticks, then pulled up out of sight.
// Its State runs "None" -> "Dropping" -> "Transition" -> "Still" -> "Rising" -> "None".

#include "platform/checked_arithmetic.h"
#include "scene/sprite.h"

namespace bv {

// Ticks the worm has spent in "Still" on its current trip.
inline Integer WormStillCount = 0;

void Anim_Custom_Worm(Sprite& worm);

}  // namespace bv
