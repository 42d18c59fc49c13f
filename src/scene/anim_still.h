#pragma once
// Pieces that stay in place and animate in themselves. One call is one tick.

#include "scene/sprite.h"

namespace bv {

// Plays the strip in a loop: 0, 1, ..., Frames - 1, 0, ...
void Anim_Still_Loop(Sprite& sprite);

// Plays the strip forwards and backwards, stepping Frame by FrameStep and
// reversing FrameStep at either end: 0, 1, ..., Frames - 1, Frames - 2, ..., 1, 0, 1, ...
void Anim_Still_Reverse(Sprite& sprite);

}  // namespace bv
