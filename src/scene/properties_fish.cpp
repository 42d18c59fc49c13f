#include <array>

#include "errors/error_handler.h"
#include "scene/creature_setup.h"
#include "scene/properties.h"
#include "scene/records.h"

namespace bv {
namespace {

// Formations: offset from the leader, own bobbing step, ticks between reversals.
constexpr std::array<SchoolMember, 7> kBlueDevilSchool{{
    {0, 0, 1, 0},
    {35, 25, 1, 0},
    {45, -25, 1, 0},
    {75, 15, 1, 0},
    {85, -15, 1, 0},
    {50, 0, 1, 0},
    {115, 2, 1, 0},
}};

// Shared by the angelfish and the yellowfish.
constexpr std::array<SchoolMember, 5> kFivePointSchool{{
    {0, 0, -1, 0},
    {55, 55, -1, 40},
    {75, -55, 1, 50},
    {125, 15, 1, 10},
    {145, -25, -1, 20},
}};

constexpr std::array<SchoolMember, 6> kEmperorFishSchool{{
    {0, 0, -1, 0},
    {35, -20, 1, 20},
    {85, -45, 0, 20},
    {125, -35, -1, 20},
    {85, 45, 0, 18},
    {125, 15, 1, 18},
}};

constexpr std::array<SchoolMember, 5> kSwimHorseSchool{{
    {0, 0, 1, 0},
    {25, 15, 1, 0},
    {35, -15, 1, 0},
    {55, 15, 1, 0},
    {65, -15, 1, 0},
}};

constexpr std::array<SchoolMember, 4> kRedFishSchool{{
    {0, 0, -1, 0},
    {55, 55, -1, 30},
    {75, -55, 1, 20},
    {125, 15, 1, 10},
}};

}  // namespace

void Properties_Fish() {
    Guarded("Animations/Properties_Fish", [] {
        // The smaller clams share the large clam's sheet; their frames begin at x = 200.
        const CatalogueRow fish[] = {
            // records, file, W, H, frames, start frame, DX, DY, start position
            {AllOf(BlueDevil), "bv_bluedevil.bmp", 30, 18, 7, kRandomFrame, -4, 1,
             School{kBlueDevilSchool}},
            {AllOf(AngelFish), "bv_angelfish.bmp", 40, 42, 10, kRandomFrame, -3, 0,
             School{kFivePointSchool}},
            {AllOf(EmperorFish), "bv_emperorfish.bmp", 31, 20, 8, kRandomFrame, -4, 0,
             School{kEmperorFishSchool}},
            {Single(BlowFish), "bv_blowfish.bmp", 60, 50, 4, kRandomFrame, -4, 1, FreeSwimmer{}},
            {AllOf(SwimHorse), "bv_swimhorse.bmp", 20, 21, 6, kRandomFrame, -2, 1,
             School{kSwimHorseSchool, LeaderDepth::kLowerHalf}},
            {AllOf(RedFish), "bv_redfish.bmp", 41, 31, 8, kRandomFrame, -5, 0,
             School{kRedFishSchool}},
            {Single(Clam(1)), "bv_clam.bmp", 40, 27, 5, 0, 0, 0,
             Fixed{FromCentre(248), AboveBottom(184)}},
            {Single(Clam(2)), "bv_clam.bmp", 30, 19, 5, 0, 0, 0,
             Fixed{FromCentre(184), AboveBottom(160), 200}},
            {Single(Clam(3)), "bv_clam.bmp", 30, 19, 5, 0, 0, 0,
             Fixed{FromCentre(258), AboveBottom(120), 200}},
            {Single(SeaHorse), "bv_seahorse.bmp", 40, 45, 8, 0, 0, 0,
             Fixed{FromCentre(-285), AboveBottom(70)}},
            // The crab's sheet holds one frame more than Frames: it starts on that last one.
            {Single(Crab), "bv_crab.bmp", 61, 40, 7, 7, 0, 0,
             Fixed{FromCentre(-30.5), AboveBottom(40)}},
            {AllOf(YellowFish), "bv_yellowfish.bmp", 33, 31, 8, kRandomFrame, -5, 0,
             School{kFivePointSchool}},
        };
        SetUpCatalogue(fish);
    });
}

}  // namespace bv
