#include "settings/creature_setting_keys.h"

#include <array>

#include "scene/records.h"

namespace bv {
namespace {

// Predators, then fish, then the other creatures and objects. A group's
// first element carries the flag for the whole group; "bubble" covers both
// bubble streams through the left one.
constexpr std::array<CreatureSettingKey, 30> kCreatureSettingKeys{{
    {"shark", []() -> Sprite& { return Shark; }, kTrue},
    {"octopus", []() -> Sprite& { return Octopus; }, kTrue},
    {"whale", []() -> Sprite& { return Whale; }, kTrue},
    {"orca", []() -> Sprite& { return Orca; }, kFalse},
    {"manatee", []() -> Sprite& { return Manatee; }, kFalse},
    {"hammerhead", []() -> Sprite& { return Hammerhead; }, kTrue},
    {"tuna", []() -> Sprite& { return Tuna; }, kTrue},
    {"swimmaid", []() -> Sprite& { return SwimMaid; }, kTrue},
    {"tigershark", []() -> Sprite& { return TigerShark; }, kFalse},
    {"dolphin", []() -> Sprite& { return Dolphin; }, kFalse},

    {"emperorfish", []() -> Sprite& { return EmperorFish(1); }, kTrue},
    {"redfish", []() -> Sprite& { return RedFish(1); }, kTrue},
    {"crab", []() -> Sprite& { return Crab; }, kTrue},
    {"clam", []() -> Sprite& { return Clam(1); }, kTrue},
    {"seahorse", []() -> Sprite& { return SeaHorse; }, kTrue},
    {"swimhorse", []() -> Sprite& { return SwimHorse(1); }, kTrue},
    {"blowfish", []() -> Sprite& { return BlowFish; }, kFalse},
    {"yellowfish", []() -> Sprite& { return YellowFish(1); }, kTrue},
    {"angelfish", []() -> Sprite& { return AngelFish(1); }, kTrue},
    {"bluedevil", []() -> Sprite& { return BlueDevil(1); }, kTrue},

    {"scubadiver", []() -> Sprite& { return ScubaDiver; }, kTrue},
    {"anchor", []() -> Sprite& { return Anchor; }, kTrue},
    {"marinasign", []() -> Sprite& { return MarinaSign; }, kFalse},
    {"eyes", []() -> Sprite& { return Eyes; }, kTrue},
    {"bubble", []() -> Sprite& { return BubblesLeft(1); }, kTrue},
    {"worm", []() -> Sprite& { return Worm; }, kTrue},
    {"mofiasnitch", []() -> Sprite& { return MofiaSnitch; }, kFalse},
    {"diverhead", []() -> Sprite& { return DiverHead; }, kFalse},
    {"pillar", []() -> Sprite& { return Pillar(1); }, kTrue},
    {"bottle", []() -> Sprite& { return Bottle(1); }, kFalse},
}};

}  // namespace

std::span<const CreatureSettingKey> CreatureSettingKeys() {
    return kCreatureSettingKeys;
}

}  // namespace bv
