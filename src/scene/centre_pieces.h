#pragma once
// The centre pieces the user chooses from: choices 1 to 7, each a record and
// the routine that animates it on the sea bed.

#include "scene/sprite.h"

namespace bv {

inline constexpr int kCentrePieceCount = 7;

// The record for choice 1 to 7 (ScubaDude, EvilRelic, LifeGuard, SwimDude,
// Mermaid, Bather, Treasure); nullptr for 0 and any other number.
Sprite* CentrePieceOfChoice(int choice);

// CentrePieceOfChoice(CenterPiece.Choice).
Sprite* ChosenCentrePiece();

// One tick of the chosen centre piece: drawn and animated by its routine;
// nothing for no centre piece.
void AnimateChosenCentrePiece();

}  // namespace bv
