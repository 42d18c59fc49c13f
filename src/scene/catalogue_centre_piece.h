#pragma once
// Which record the centre-piece setting selects.

#include "scene/sprite.h"

namespace bv {

// The record for CenterPiece.Choice 1 to 7 (ScubaDude, EvilRelic, LifeGuard,
// SwimDude, Mermaid, Bather, Treasure); nullptr for 0 and any other number.
Sprite* ChosenCentrePiece();

}  // namespace bv
