#include "scene/centre_pieces.h"

#include <array>

#include "scene/anim_still.h"
#include "scene/anim_timed.h"
#include "scene/records.h"

namespace bv {
namespace {

struct CentrePiece {
    Sprite* record;
    void (*animate)(Sprite& piece);
};

constexpr std::array<CentrePiece, kCentrePieceCount> kByChoice{{
    {&ScubaDude, Anim_Custom_ScubaDude},
    {&EvilRelic, Anim_Still_Loop},
    {&LifeGuard, Anim_Still_Reverse},
    {&SwimDude, Anim_Still_Loop},
    {&Mermaid, Anim_Still_Loop},
    {&Bather, Anim_Still_Loop},
    {&Treasure, Anim_Custom_Treasure},
}};

const CentrePiece* EntryOfChoice(int choice) {
    if (choice < 1 || choice > kCentrePieceCount) return nullptr;
    return &kByChoice[static_cast<std::size_t>(choice - 1)];
}

}  // namespace

Sprite* CentrePieceOfChoice(int choice) {
    const CentrePiece* entry = EntryOfChoice(choice);
    return entry != nullptr ? entry->record : nullptr;
}

Sprite* ChosenCentrePiece() {
    return CentrePieceOfChoice(CenterPiece.Choice);
}

void AnimateChosenCentrePiece() {
    if (const CentrePiece* entry = EntryOfChoice(CenterPiece.Choice))
        entry->animate(*entry->record);
}

}  // namespace bv
