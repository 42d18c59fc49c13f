#include "dialog/creature_controls.h"

#include <array>

#include "platform/runtime_failure.h"
#include "settings/creature_setting_keys.h"

namespace bv {
namespace {

using enum ThumbnailRestart;
constexpr bool L = false;
constexpr bool R = true;

constexpr std::array<CreatureControl, 30> kCreatureControls{{
    {kLargeFishTab, 1, L, "CheckWhale", "Sperm Whale", "Select Sperm Whale", "whale", "Picture1",
     "Preview Sperm Whale", kNone},
    {kLargeFishTab, 2, L, "CheckOrca", "Orca", "Select Orca", "orca", "Picture2", "Preview Orca",
     kNone},
    {kLargeFishTab, 3, L, "CheckHammerHead", "HammerHead", "Select HammerHead", "hammerhead",
     "Picture3", "Preview HammerHead", kNone},
    {kLargeFishTab, 4, L, "CheckShark", "Blue Shark", "Select Blue Shark", "shark", "Picture4",
     "Preview Blue Shark", kNone},
    {kLargeFishTab, 1, R, "CheckManatee", "Manatee", "Select Manatee", "manatee", "Picture6",
     "Preview Manatee", kNone},
    {kLargeFishTab, 2, R, "CheckOctopus", "Octopus", "Select Octopus", "octopus", "Picture7",
     "Preview Octopus", kNone},
    {kLargeFishTab, 3, R, "CheckTuna", "Tuna", "Select Tuna", "tuna", "Picture8", "Preview Tuna",
     kNone},
    {kLargeFishTab, 4, R, "CheckSwimMaid", "Mermaid", "Select Mermaid", "swimmaid", "Picture27",
     "Preview Mermaid", kNone},
    // The tiger shark's tips name it the way its picture shows it.
    {kLargeFishTab, 5, L, "CheckTigerShark", "Tiger Shark", "Select Great White", "tigershark",
     "Picture5", "Preview Great White", kNone},
    // Written with a capital; the settings file matches keys regardless of case.
    {kLargeFishTab, 5, R, "CheckDolphin", "Dolphin", "", "Dolphin", "Picture33", "", kNone},

    {kCoralFishTab, 1, L, "CheckRedFish", "Red Beta", "Select RedFish", "redfish", "Picture18",
     "Preview Red Fish", kNone},
    {kCoralFishTab, 2, L, "CheckEmperorFish", "Emperor Fish", "Select Emperor Fish", "emperorfish",
     "Picture17", "Preview Emperor Fish", kNone},
    {kCoralFishTab, 3, L, "CheckSwimHorse", "Sea Horses", "Select Sea Horses", "swimhorse",
     "Picture16", "Preview Sea Horses", kNone},
    {kCoralFishTab, 4, R, "CheckBlowFish", "Puffer Fish", "Select Blow Fish", "blowfish",
     "Picture15", "Preview Blow Fish", kNone},
    {kCoralFishTab, 4, L, "CheckYellowFish", "Yellow Fish", "Select Yellow Fish", "yellowfish",
     "Picture14", "Preview Yellow Fish", kNone},
    {kCoralFishTab, 1, R, "CheckCrab", "Crab", "Select Crab", "crab", "Picture19", "Preview Crab",
     kShortTick},
    {kCoralFishTab, 2, R, "CheckClam", "Giant Clams", "Select Giant Clam", "clam", "Picture21",
     "Preview Giant Clams", kShortTick},
    {kCoralFishTab, 3, R, "CheckSeaHorse", "Lone Horse", "Select Lone Horse", "seahorse",
     "Picture20", "Preview Lone Horse", kNone},
    {kCoralFishTab, 5, R, "CheckAngelFish", "Angel Fish", "", "angelfish", "Picture23", "", kNone},
    {kCoralFishTab, 5, L, "CheckBlueDevil", "Blue Devil", "", "bluedevil", "Picture22", "", kNone},

    {kMoreStuffTab, 1, L, "CheckScubaDiver", "Scuba Diver", "Select Scuba Diver", "scubadiver",
     "Picture26", "Preview Scuba Diver", kNone},
    {kMoreStuffTab, 2, L, "CheckWorm", "Hooked Worm", "Select Hooked Worm", "worm", "Picture25",
     "Preview Hooked Worm", kNone},
    {kMoreStuffTab, 3, L, "CheckMofiaSnitch", "Mofia Snitch", "Select Mofia Snitch", "mofiasnitch",
     "Picture24", "Preview Mofia Snitch", kNone},
    {kMoreStuffTab, 4, L, "CheckPillar", "Pillars", "Select Pillars", "pillar", "Picture10",
     "Preview Pillars", kNone},
    {kMoreStuffTab, 5, L, "CheckBottle", "Falling Bottles", "Select Falling Bottles", "bottle",
     "Picture9", "Preview Falling Bottles", kNone},
    {kMoreStuffTab, 1, R, "CheckBubbles", "Bubbles", "Select Bubbles", "bubble", "Picture28",
     "Preview Bubbles", kScatterBubbles},
    {kMoreStuffTab, 2, R, "CheckAnchor", "Anchor", "Select Anchor", "anchor", "Picture29",
     "Preview Anchor", kLongTick},
    {kMoreStuffTab, 3, R, "CheckMarinaSign", "Fishing Sign", "Select Fishing Sign", "marinasign",
     "Picture30", "Preview Fishing Sign", kNone},
    {kMoreStuffTab, 4, R, "CheckEyes", "Evil Eyes", "Select Evil Eyes", "eyes", "Picture31",
     "Preview Evil Eyes", kLongTick},
    {kMoreStuffTab, 5, R, "CheckDiverHead", "Diver Head", "Select Diver Head", "diverhead",
     "Picture32", "Preview Diver Head", kShortTick},
}};

}  // namespace

std::span<const CreatureControl> CreatureControls() {
    return kCreatureControls;
}

Sprite& CreatureRecord(const CreatureControl& creature) {
    const QString key = QString::fromLatin1(creature.savedKey);
    for (const CreatureSettingKey& setting : CreatureSettingKeys())
        if (key.compare(QLatin1String(setting.key), Qt::CaseInsensitive) == 0)
            return setting.record();
    Fail(kSubscriptOutOfRange);
}

QString ThumbnailResource(const CreatureControl& creature) {
    return QStringLiteral(":/thumbnails/%1.png")
        .arg(QString::fromLatin1(creature.savedKey).toLower());
}

}  // namespace bv
