#pragma once
// Single creatures that swim in straight lines and bounce inside a box half a
// screen wider than the screen on each side, and objects that drop through
// the screen on a tick of LongTick. One call is one tick of one creature.

#include "platform/checked_arithmetic.h"
#include "scene/sprite.h"

namespace bv {

// Free swimmers; they differ in which strip shows for which direction.
void Anim_Swim_RightOnly(Sprite& sprite);  // first strip while moving right
void Anim_Swim_LeftOnly(Sprite& sprite);   // first strip while moving left
void Anim_Swim_RightDown(Sprite& sprite);  // first strip moving right; may leave upwards
void Anim_Swim_LeftUp(Sprite& sprite);     // first strip moving left; may leave upwards
void Anim_Swim_Both1(Sprite& sprite);      // changes strip only when it turns at a side

// Waits above the screen until LongTick equals the trigger, then falls
// through the screen at 6 pixels a tick and waits again.
void Anim_Swim_Drop(Sprite& sprite, Integer trigger);

}  // namespace bv
