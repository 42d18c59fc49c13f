#pragma once
// Every record of the scene. They live for the whole process.

#include "scene/sprite.h"

namespace bv {

// Scene pictures.
inline Sprite PreviewPic;
inline Sprite Foreground;
inline Sprite Background;
inline Sprite CenterPiece;  // only its Choice is used

// Centre pieces, choices 1 to 7 in this order.
inline Sprite ScubaDude;
inline Sprite EvilRelic;
inline Sprite LifeGuard;
inline Sprite SwimDude;
inline Sprite Mermaid;
inline Sprite Bather;
inline Sprite Treasure;

// Fish.
inline SpriteArray<7> BlueDevil;
inline SpriteArray<5> AngelFish;
inline SpriteArray<6> EmperorFish;
inline Sprite BlowFish;
inline SpriteArray<5> SwimHorse;
inline SpriteArray<4> RedFish;
inline SpriteArray<3> Clam;  // 1 the large clam, 2 and 3 the smaller ones
inline Sprite SeaHorse;
inline Sprite Crab;
inline SpriteArray<5> YellowFish;

// Predators.
inline Sprite Dolphin;
inline Sprite TigerShark;
inline Sprite Hammerhead;
inline Sprite Manatee;
inline Sprite Octopus;
inline Sprite Orca;
inline Sprite Shark;
inline Sprite SwimMaid;
inline Sprite Tuna;
inline Sprite Whale;

// Other creatures and objects.
inline Sprite Anchor;
inline SpriteArray<2> Bottle;  // each bottle has its own picture and surface
inline SpriteArray<50> BubblesRight;
inline SpriteArray<50> BubblesLeft;  // element 1 governs both streams
inline Sprite DiverHead;
inline Sprite Eyes;
inline Sprite MarinaSign;
inline Sprite MofiaSnitch;
inline SpriteArray<2> Pillar;
inline Sprite ScubaDiver;
inline Sprite Worm;

// The settings dialog's preview records.
inline Sprite PreviewScenery;
inline Sprite PreviewOther1;
inline Sprite PreviewOther2;
inline Sprite PreviewOther3;

}  // namespace bv
