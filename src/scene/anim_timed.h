#pragma once
// Pieces that stay in place and play short scripted animations at fixed
// values of the tick counters. Each call draws the current frame, then sets
// the frame for the next tick.

#include "scene/sprite.h"

namespace bv {

void Anim_Custom_Clam();  // the Clam array: the large clam and two smaller ones
void Anim_Custom_Eyes(Sprite& sprite);
void Anim_Custom_Crab(Sprite& sprite);
void Anim_Custom_Anchor(Sprite& sprite);
void Anim_Custom_DiverHead(Sprite& sprite);
void Anim_Custom_ScubaDude(Sprite& sprite);  // its sheet keeps one mask beside the frames
void Anim_Custom_Treasure(Sprite& sprite);

}  // namespace bv
