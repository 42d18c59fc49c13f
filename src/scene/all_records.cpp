#include "scene/all_records.h"

#include "scene/records.h"

namespace bv {
namespace {
template <std::size_t Count>
void Members(SpriteArray<Count>& group, const std::function<void(Sprite&)>& visit) {
    for (int i = 1; i <= SpriteArray<Count>::kLast; ++i) visit(group(i));
}
}  // namespace

void ForEachRecord(const std::function<void(Sprite&)>& visit) {
    for (Sprite* single :
         {&PreviewPic, &Foreground,     &Background,    &CenterPiece,   &ScubaDude,    &EvilRelic,
          &LifeGuard,  &SwimDude,       &Mermaid,       &Bather,        &Treasure,     &BlowFish,
          &SeaHorse,   &Crab,           &Dolphin,       &TigerShark,    &Hammerhead,   &Manatee,
          &Octopus,    &Orca,           &Shark,         &SwimMaid,      &Tuna,         &Whale,
          &Anchor,     &DiverHead,      &Eyes,          &MarinaSign,    &MofiaSnitch,  &ScubaDiver,
          &Worm,       &PreviewScenery, &PreviewOther1, &PreviewOther2, &PreviewOther3})
        visit(*single);
    Members(BlueDevil, visit);
    Members(AngelFish, visit);
    Members(EmperorFish, visit);
    Members(SwimHorse, visit);
    Members(RedFish, visit);
    Members(Clam, visit);
    Members(YellowFish, visit);
    Members(Bottle, visit);
    Members(BubblesRight, visit);
    Members(BubblesLeft, visit);
    Members(Pillar, visit);
}

}  // namespace bv
