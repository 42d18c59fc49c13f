#include "scene/creatures.h"

#include <array>

#include "scene/records.h"

namespace bv {
namespace {

using enum ConfigurationTab;
using enum DialogColumn;
using enum ThumbnailRestart;

// clang-format off
constexpr std::array<Creature, kCreatureCount> kCreatures{{
    {.key = "whale", .record = &Whale, .onAtFirstRun = true,
     .tab = kLargeFishTab, .row = 1, .column = kLeft, .checkBoxName = "CheckWhale",
     .caption = "Sperm Whale", .thumbnailName = "Picture1", .thumbnailSheet = "bv_whale.bmp",
     .checkBoxTip = "Select Sperm Whale", .thumbnailTip = "Preview Sperm Whale"},
    {.key = "orca", .record = &Orca, .onAtFirstRun = false,
     .tab = kLargeFishTab, .row = 2, .column = kLeft, .checkBoxName = "CheckOrca",
     .caption = "Orca", .thumbnailName = "Picture2", .thumbnailSheet = "bv_orca.bmp",
     .checkBoxTip = "Select Orca", .thumbnailTip = "Preview Orca"},
    {.key = "hammerhead", .record = &Hammerhead, .onAtFirstRun = true,
     .tab = kLargeFishTab, .row = 3, .column = kLeft, .checkBoxName = "CheckHammerHead",
     .caption = "HammerHead", .thumbnailName = "Picture3", .thumbnailSheet = "bv_hammerhead.bmp",
     .checkBoxTip = "Select HammerHead", .thumbnailTip = "Preview HammerHead"},
    {.key = "shark", .record = &Shark, .onAtFirstRun = true,
     .tab = kLargeFishTab, .row = 4, .column = kLeft, .checkBoxName = "CheckShark",
     .caption = "Blue Shark", .thumbnailName = "Picture4", .thumbnailSheet = "bv_shark.bmp",
     .checkBoxTip = "Select Blue Shark", .thumbnailTip = "Preview Blue Shark"},
    {.key = "manatee", .record = &Manatee, .onAtFirstRun = false,
     .tab = kLargeFishTab, .row = 1, .column = kRight, .checkBoxName = "CheckManatee",
     .caption = "Manatee", .thumbnailName = "Picture6", .thumbnailSheet = "bv_manatee.bmp",
     .checkBoxTip = "Select Manatee", .thumbnailTip = "Preview Manatee"},
    {.key = "octopus", .record = &Octopus, .onAtFirstRun = true,
     .tab = kLargeFishTab, .row = 2, .column = kRight, .checkBoxName = "CheckOctopus",
     .caption = "Octopus", .thumbnailName = "Picture7", .thumbnailSheet = "bv_octopus.bmp",
     .checkBoxTip = "Select Octopus", .thumbnailTip = "Preview Octopus"},
    {.key = "tuna", .record = &Tuna, .onAtFirstRun = true,
     .tab = kLargeFishTab, .row = 3, .column = kRight, .checkBoxName = "CheckTuna",
     .caption = "Tuna", .thumbnailName = "Picture8", .thumbnailSheet = "bv_tuna.bmp",
     .checkBoxTip = "Select Tuna", .thumbnailTip = "Preview Tuna"},
    {.key = "swimmaid", .record = &SwimMaid, .onAtFirstRun = true,
     .tab = kLargeFishTab, .row = 4, .column = kRight, .checkBoxName = "CheckSwimMaid",
     .caption = "Mermaid", .thumbnailName = "Picture27", .thumbnailSheet = "bv_swimmaid.bmp",
     .checkBoxTip = "Select Mermaid", .thumbnailTip = "Preview Mermaid"},
    // The tiger shark's tips name it the way its picture shows it.
    {.key = "tigershark", .record = &TigerShark, .onAtFirstRun = false,
     .tab = kLargeFishTab, .row = 5, .column = kLeft, .checkBoxName = "CheckTigerShark",
     .caption = "Tiger Shark", .thumbnailName = "Picture5", .thumbnailSheet = "bv_tigershark.bmp",
     .checkBoxTip = "Select Great White", .thumbnailTip = "Preview Great White"},
    // Written with a capital; the settings file matches keys regardless of case.
    {.key = "dolphin", .record = &Dolphin, .onAtFirstRun = false,
     .tab = kLargeFishTab, .row = 5, .column = kRight, .checkBoxName = "CheckDolphin",
     .caption = "Dolphin", .thumbnailName = "Picture33", .thumbnailSheet = "bv_Dolphin.bmp",
     .savedKey = "Dolphin"},

    {.key = "redfish", .record = &RedFish(1), .onAtFirstRun = true,
     .tab = kCoralFishTab, .row = 1, .column = kLeft, .checkBoxName = "CheckRedFish",
     .caption = "Red Beta", .thumbnailName = "Picture18", .thumbnailSheet = "bv_redfish.bmp",
     .checkBoxTip = "Select RedFish", .thumbnailTip = "Preview Red Fish"},
    {.key = "emperorfish", .record = &EmperorFish(1), .onAtFirstRun = true,
     .tab = kCoralFishTab, .row = 2, .column = kLeft, .checkBoxName = "CheckEmperorFish",
     .caption = "Emperor Fish", .thumbnailName = "Picture17",
     .thumbnailSheet = "bv_emperorfish.bmp", .checkBoxTip = "Select Emperor Fish",
     .thumbnailTip = "Preview Emperor Fish"},
    {.key = "swimhorse", .record = &SwimHorse(1), .onAtFirstRun = true,
     .tab = kCoralFishTab, .row = 3, .column = kLeft, .checkBoxName = "CheckSwimHorse",
     .caption = "Sea Horses", .thumbnailName = "Picture16", .thumbnailSheet = "bv_swimhorse.bmp",
     .checkBoxTip = "Select Sea Horses", .thumbnailTip = "Preview Sea Horses"},
    {.key = "blowfish", .record = &BlowFish, .onAtFirstRun = false,
     .tab = kCoralFishTab, .row = 4, .column = kRight, .checkBoxName = "CheckBlowFish",
     .caption = "Puffer Fish", .thumbnailName = "Picture15", .thumbnailSheet = "bv_blowfish.bmp",
     .thumbnailFrame = 3, .checkBoxTip = "Select Blow Fish", .thumbnailTip = "Preview Blow Fish"},
    {.key = "yellowfish", .record = &YellowFish(1), .onAtFirstRun = true,
     .tab = kCoralFishTab, .row = 4, .column = kLeft, .checkBoxName = "CheckYellowFish",
     .caption = "Yellow Fish", .thumbnailName = "Picture14", .thumbnailSheet = "bv_yellowfish.bmp",
     .checkBoxTip = "Select Yellow Fish", .thumbnailTip = "Preview Yellow Fish"},
    {.key = "crab", .record = &Crab, .onAtFirstRun = true,
     .tab = kCoralFishTab, .row = 1, .column = kRight, .checkBoxName = "CheckCrab",
     .caption = "Crab", .thumbnailName = "Picture19", .thumbnailSheet = "bv_crab.bmp",
     .thumbnailFrame = 2, .restart = kShortTick, .checkBoxTip = "Select Crab",
     .thumbnailTip = "Preview Crab"},
    {.key = "clam", .record = &Clam(1), .onAtFirstRun = true,
     .tab = kCoralFishTab, .row = 2, .column = kRight, .checkBoxName = "CheckClam",
     .caption = "Giant Clams", .thumbnailName = "Picture21", .thumbnailSheet = "bv_clam.bmp",
     .thumbnailFrame = 4, .restart = kShortTick, .checkBoxTip = "Select Giant Clam",
     .thumbnailTip = "Preview Giant Clams"},
    {.key = "seahorse", .record = &SeaHorse, .onAtFirstRun = true,
     .tab = kCoralFishTab, .row = 3, .column = kRight, .checkBoxName = "CheckSeaHorse",
     .caption = "Lone Horse", .thumbnailName = "Picture20", .thumbnailSheet = "bv_seahorse.bmp",
     .checkBoxTip = "Select Lone Horse", .thumbnailTip = "Preview Lone Horse"},
    {.key = "angelfish", .record = &AngelFish(1), .onAtFirstRun = true,
     .tab = kCoralFishTab, .row = 5, .column = kRight, .checkBoxName = "CheckAngelFish",
     .caption = "Angel Fish", .thumbnailName = "Picture23", .thumbnailSheet = "bv_angelfish.bmp"},
    {.key = "bluedevil", .record = &BlueDevil(1), .onAtFirstRun = true,
     .tab = kCoralFishTab, .row = 5, .column = kLeft, .checkBoxName = "CheckBlueDevil",
     .caption = "Blue Devil", .thumbnailName = "Picture22", .thumbnailSheet = "bv_bluedevil.bmp"},

    {.key = "scubadiver", .record = &ScubaDiver, .onAtFirstRun = true,
     .tab = kMoreStuffTab, .row = 1, .column = kLeft, .checkBoxName = "CheckScubaDiver",
     .caption = "Scuba Diver", .thumbnailName = "Picture26", .thumbnailSheet = "bv_scubadiver.bmp",
     .checkBoxTip = "Select Scuba Diver", .thumbnailTip = "Preview Scuba Diver"},
    {.key = "worm", .record = &Worm, .onAtFirstRun = true,
     .tab = kMoreStuffTab, .row = 2, .column = kLeft, .checkBoxName = "CheckWorm",
     .caption = "Hooked Worm", .thumbnailName = "Picture25", .thumbnailSheet = "bv_worm.bmp",
     .thumbnailFrame = 3, .checkBoxTip = "Select Hooked Worm",
     .thumbnailTip = "Preview Hooked Worm"},
    {.key = "mofiasnitch", .record = &MofiaSnitch, .onAtFirstRun = false,
     .tab = kMoreStuffTab, .row = 3, .column = kLeft, .checkBoxName = "CheckMofiaSnitch",
     .caption = "Mofia Snitch", .thumbnailName = "Picture24",
     .thumbnailSheet = "bv_mofiasnitch.bmp", .checkBoxTip = "Select Mofia Snitch",
     .thumbnailTip = "Preview Mofia Snitch"},
    // Both pillars follow the first one's flag.
    {.key = "pillar", .record = &Pillar(1), .onAtFirstRun = true,
     .tab = kMoreStuffTab, .row = 4, .column = kLeft, .checkBoxName = "CheckPillar",
     .caption = "Pillars", .thumbnailName = "Picture10", .thumbnailSheet = "bv_pillar.bmp",
     .checkBoxTip = "Select Pillars", .thumbnailTip = "Preview Pillars"},
    // Both bottles follow the first one's flag.
    {.key = "bottle", .record = &Bottle(1), .onAtFirstRun = false,
     .tab = kMoreStuffTab, .row = 5, .column = kLeft, .checkBoxName = "CheckBottle",
     .caption = "Falling Bottles", .thumbnailName = "Picture9", .thumbnailSheet = "bv_bottle1.bmp",
     .thumbnailFrame = 2, .checkBoxTip = "Select Falling Bottles",
     .thumbnailTip = "Preview Falling Bottles"},
    // Both bubble streams follow the left one's flag.
    {.key = "bubble", .record = &BubblesLeft(1), .onAtFirstRun = true,
     .tab = kMoreStuffTab, .row = 1, .column = kRight, .checkBoxName = "CheckBubbles",
     .caption = "Bubbles", .thumbnailName = "Picture28", .thumbnailSheet = "bv_bubble.bmp",
     .restart = kScatterBubbles, .checkBoxTip = "Select Bubbles",
     .thumbnailTip = "Preview Bubbles"},
    {.key = "anchor", .record = &Anchor, .onAtFirstRun = true,
     .tab = kMoreStuffTab, .row = 2, .column = kRight, .checkBoxName = "CheckAnchor",
     .caption = "Anchor", .thumbnailName = "Picture29", .thumbnailSheet = "bv_anchor.bmp",
     .restart = kLongTick, .checkBoxTip = "Select Anchor", .thumbnailTip = "Preview Anchor"},
    {.key = "marinasign", .record = &MarinaSign, .onAtFirstRun = false,
     .tab = kMoreStuffTab, .row = 3, .column = kRight, .checkBoxName = "CheckMarinaSign",
     .caption = "Fishing Sign", .thumbnailName = "Picture30",
     .thumbnailSheet = "bv_marinasign.bmp", .checkBoxTip = "Select Fishing Sign",
     .thumbnailTip = "Preview Fishing Sign"},
    {.key = "eyes", .record = &Eyes, .onAtFirstRun = true,
     .tab = kMoreStuffTab, .row = 4, .column = kRight, .checkBoxName = "CheckEyes",
     .caption = "Evil Eyes", .thumbnailName = "Picture31", .thumbnailSheet = "bv_eyes.bmp",
     .restart = kLongTick, .checkBoxTip = "Select Evil Eyes", .thumbnailTip = "Preview Evil Eyes"},
    {.key = "diverhead", .record = &DiverHead, .onAtFirstRun = false,
     .tab = kMoreStuffTab, .row = 5, .column = kRight, .checkBoxName = "CheckDiverHead",
     .caption = "Diver Head", .thumbnailName = "Picture32", .thumbnailSheet = "bv_diverhead.bmp",
     .restart = kShortTick, .checkBoxTip = "Select Diver Head",
     .thumbnailTip = "Preview Diver Head"},
}};
// clang-format on

}  // namespace

std::span<const Creature> Creatures() {
    return kCreatures;
}

}  // namespace bv
