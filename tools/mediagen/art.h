#pragma once

#include "frame_art.h"

// Every piece of artwork, one drawing function per picture. Swimmers face
// right; the frame index animates them.
namespace mediagen::art {

// Predators.
void shark(QPainter& p, const FrameInfo& f);
void tigerShark(QPainter& p, const FrameInfo& f);
void hammerhead(QPainter& p, const FrameInfo& f);
void dolphin(QPainter& p, const FrameInfo& f);
void orca(QPainter& p, const FrameInfo& f);
void whale(QPainter& p, const FrameInfo& f);
void manatee(QPainter& p, const FrameInfo& f);
void tuna(QPainter& p, const FrameInfo& f);
void octopus(QPainter& p, const FrameInfo& f);
void swimMaid(QPainter& p, const FrameInfo& f);

// Coral fish and swimmers.
void blueDevil(QPainter& p, const FrameInfo& f);
void angelFish(QPainter& p, const FrameInfo& f);
void emperorFish(QPainter& p, const FrameInfo& f);
void redFish(QPainter& p, const FrameInfo& f);
void yellowFish(QPainter& p, const FrameInfo& f);
void swimHorse(QPainter& p, const FrameInfo& f);
void blowFish(QPainter& p, const FrameInfo& f);
void scubaDiver(QPainter& p, const FrameInfo& f);

// Sea-bed and still pieces.
void seaHorse(QPainter& p, const FrameInfo& f);
void crab(QPainter& p, const FrameInfo& f);
void eyes(QPainter& p, const FrameInfo& f);
void worm(QPainter& p, const FrameInfo& f);
void largeClam(QPainter& p, const FrameInfo& f);
void smallClam(QPainter& p, const FrameInfo& f);
void anchor(QPainter& p, const FrameInfo& f);
void pillar(QPainter& p, const FrameInfo& f);  // frame 0 and 1: the two pillars
void bubble(QPainter& p, const FrameInfo& f);
void marinaSign(QPainter& p, const FrameInfo& f);
void mofiaSnitch(QPainter& p, const FrameInfo& f);
void greenBottle(QPainter& p, const FrameInfo& f);
void brownBottle(QPainter& p, const FrameInfo& f);
void diverHead(QPainter& p, const FrameInfo& f);

// Centre pieces.
void scubaDude(QPainter& p, const FrameInfo& f);
void evilRelic(QPainter& p, const FrameInfo& f);
void lifeGuard(QPainter& p, const FrameInfo& f);
void swimDude(QPainter& p, const FrameInfo& f);
void mermaid(QPainter& p, const FrameInfo& f);
void bather(QPainter& p, const FrameInfo& f);
void treasure(QPainter& p, const FrameInfo& f);

// The bug-report form's ladybird.
void ladybird(QPainter& p, const FrameInfo& f);

}  // namespace mediagen::art
