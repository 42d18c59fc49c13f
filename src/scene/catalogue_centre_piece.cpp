#include "scene/catalogue_centre_piece.h"

#include <array>

#include "scene/records.h"

namespace bv {

Sprite* ChosenCentrePiece() {
    const std::array<Sprite*, 7> byChoice{&ScubaDude, &EvilRelic, &LifeGuard, &SwimDude,
                                          &Mermaid,   &Bather,    &Treasure};
    const Integer choice = CenterPiece.Choice;
    if (choice < 1 || choice > static_cast<Integer>(byChoice.size())) return nullptr;
    return byChoice[static_cast<std::size_t>(choice - 1)];
}

}  // namespace bv
