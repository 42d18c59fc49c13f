#include "catalogue.h"

#include <stdexcept>

#include "art.h"

namespace mediagen {

const std::vector<SheetEntry>& standardSheets() {
    // Turning creatures: the hammerhead, manatee, shark and whale start out
    // swimming right, every other turning creature starts out swimming left.
    static const std::vector<SheetEntry> sheets{
        {"bv_Dolphin.bmp", {166, 80}, 6, Strips::TurnFirstLeft, art::dolphin},
        {"bv_tigershark.bmp", {200, 80}, 6, Strips::TurnFirstLeft, art::tigerShark},
        {"bv_hammerhead.bmp", {177, 71}, 9, Strips::TurnFirstRight, art::hammerhead},
        {"bv_manatee.bmp", {148, 70}, 8, Strips::TurnFirstRight, art::manatee},
        {"bv_octopus.bmp", {136, 81}, 16, Strips::TurnFirstLeft, art::octopus},
        {"bv_orca.bmp", {138, 101}, 8, Strips::TurnFirstLeft, art::orca},
        {"bv_shark.bmp", {130, 62}, 6, Strips::TurnFirstRight, art::shark},
        {"bv_swimmaid.bmp", {115, 149}, 8, Strips::TurnFirstLeft, art::swimMaid},
        {"bv_tuna.bmp", {100, 46}, 8, Strips::TurnFirstLeft, art::tuna},
        {"bv_whale.bmp", {129, 73}, 8, Strips::TurnFirstRight, art::whale},

        {"bv_bluedevil.bmp", {30, 18}, 7, Strips::TurnFirstLeft, art::blueDevil},
        {"bv_angelfish.bmp", {40, 42}, 10, Strips::TurnFirstLeft, art::angelFish},
        {"bv_emperorfish.bmp", {31, 20}, 8, Strips::TurnFirstLeft, art::emperorFish},
        {"bv_swimhorse.bmp", {20, 21}, 6, Strips::TurnFirstLeft, art::swimHorse},
        {"bv_redfish.bmp", {41, 31}, 8, Strips::TurnFirstLeft, art::redFish},
        {"bv_yellowfish.bmp", {33, 31}, 8, Strips::TurnFirstLeft, art::yellowFish},
        {"bv_blowfish.bmp", {60, 50}, 4, Strips::TurnFirstLeft, art::blowFish},
        {"bv_scubadiver.bmp", {114, 61}, 8, Strips::TurnFirstLeft, art::scubaDiver},

        {"bv_seahorse.bmp", {40, 45}, 8, Strips::One, art::seaHorse},
        {"bv_marinasign.bmp", {55, 141}, 6, Strips::One, art::marinaSign},
        {"bv_anchor.bmp", {76, 83}, 5, Strips::One, art::anchor},
        {"bv_diverhead.bmp", {129, 150}, 8, Strips::One, art::diverHead},
        {"bv_mofiasnitch.bmp", {65, 145}, 6, Strips::One, art::mofiaSnitch},
        {"bv_bottle1.bmp", {32, 51}, 13, Strips::One, art::greenBottle},
        {"bv_bottle2.bmp", {32, 51}, 13, Strips::One, art::brownBottle},
        {"bv_bubble.bmp", {11, 10}, 1, Strips::One, art::bubble},
        // The crab and eyes step one frame beyond their strip length, the
        // worm two: their sheets hold the extra frames.
        {"bv_crab.bmp", {61, 40}, 8, Strips::One, art::crab},
        {"bv_eyes.bmp", {30, 12}, 6, Strips::One, art::eyes},
        {"bv_worm.bmp", {37, 60}, 5, Strips::One, art::worm},
        {"bv_pillar.bmp", {63, 169}, 2, Strips::One, art::pillar},

        {"bv_evilrelic.bmp", {125, 122}, 1, Strips::One, art::evilRelic},
        {"bv_lifeguard.bmp", {91, 156}, 5, Strips::One, art::lifeGuard},
        {"bv_swimdude.bmp", {64, 131}, 6, Strips::One, art::swimDude},
        {"bv_mermaid.bmp", {138, 120}, 8, Strips::One, art::mermaid},
        {"bv_bather.bmp", {90, 123}, 8, Strips::One, art::bather},
        {"bv_treasure.bmp", {109, 94}, 4, Strips::One, art::treasure},
    };
    return sheets;
}

const SheetEntry& sheetNamed(const std::string& file) {
    // The clam sheet is laid out by hand (special_sheets.cpp); its large
    // clams stand for it wherever one frame is wanted.
    static const SheetEntry largeClams{"bv_clam.bmp", {40, 27}, 5, Strips::One, art::largeClam};
    if (file == largeClams.file) return largeClams;
    for (const SheetEntry& entry : standardSheets())
        if (entry.file == file) return entry;
    throw std::runtime_error("the pack has no sheet " + file);
}

}  // namespace mediagen
