// Fixed pieces follow the screen size: horizontally from the centre, vertically
// from the bottom edge, halves rounded to the even neighbour.

#include <gtest/gtest.h>

#include <string>

#include "catalogue_test_support.h"
#include "scene/records.h"

namespace bv {
namespace {

struct Placement {
    const char* what;
    Sprite* record;
    Long x;
    Long y;
};

void ExpectPlacements(int width, int height, std::initializer_list<Placement> expected) {
    const test::AssetFolder noPictures;
    test::StartAfresh(width, height);
    test::SetUpAllRecords();
    for (const Placement& place : expected) {
        SCOPED_TRACE(std::string(place.what) + " on " + std::to_string(width) + " x " +
                     std::to_string(height));
        EXPECT_EQ(place.record->X, place.x);
        EXPECT_EQ(place.record->Y, place.y);
    }
}

TEST(FixedPlacement, OnA1024By768Screen) {
    ExpectPlacements(1024, 768,
                     {
                         {"large clam", &Clam(1), 760, 584},
                         {"clam 2", &Clam(2), 696, 608},
                         {"clam 3", &Clam(3), 770, 648},
                         {"sea horse", &SeaHorse, 227, 698},
                         {"crab: 481.5 rounds to 482", &Crab, 482, 728},
                         {"anchor", &Anchor, 187, 598},
                         {"diver head", &DiverHead, 20, 0},
                         {"eyes", &Eyes, 757, 718},
                         {"marina sign", &MarinaSign, 412, 488},
                         {"pillar 1", &Pillar(1), 369, 479},
                         {"pillar 2", &Pillar(2), 592, 479},
                         {"reef", &Foreground, 120, 521},
                         {"background", &Background, 0, 0},
                         {"scuba dude", &ScubaDude, 466, 560},
                         {"evil relic: 449.5 rounds to 450", &EvilRelic, 450, 586},
                         {"lifeguard: 479.5 rounds to 480", &LifeGuard, 480, 555},
                         {"swim dude", &SwimDude, 480, 577},
                         {"mermaid", &Mermaid, 443, 588},
                         {"bather", &Bather, 467, 575},
                         {"treasure: 457.5 rounds to 458", &Treasure, 458, 604},
                     });
}

TEST(FixedPlacement, OnAn800By600Screen) {
    ExpectPlacements(800, 600,
                     {
                         {"crab: 369.5 rounds to 370", &Crab, 370, 560},
                         {"lifeguard: 367.5 rounds to 368", &LifeGuard, 368, 387},
                         {"anchor", &Anchor, 75, 430},
                         {"reef", &Foreground, 8, 353},
                     });
}

TEST(FixedPlacement, OddScreenWidthRoundsHalvesToEven) {
    ExpectPlacements(1023, 768,
                     {
                         {"anchor: 186.5 rounds to 186", &Anchor, 186, 598},
                         {"crab: 481 exactly", &Crab, 481, 728},
                         {"sea horse: 226.5 rounds to 226", &SeaHorse, 226, 698},
                         {"reef: 119.5 rounds to 120", &Foreground, 120, 521},
                         {"evil relic: 449 exactly", &EvilRelic, 449, 586},
                         {"lifeguard: 479 exactly", &LifeGuard, 479, 555},
                         {"clam 2: 695.5 rounds to 696", &Clam(2), 696, 608},
                         {"eyes: 756.5 rounds to 756", &Eyes, 756, 718},
                     });
}

TEST(FixedPlacement, NarrowScreenPutsWidePiecesPartlyOffScreen) {
    ExpectPlacements(640, 480,
                     {
                         {"reef", &Foreground, -72, 233},
                         {"anchor", &Anchor, -5, 310},
                         {"marina sign", &MarinaSign, 220, 200},
                     });
}

TEST(FixedPlacement, PiecesCarryTheirOwnSheetLayoutAndStartState) {
    const test::AssetFolder noPictures;
    test::StartAfresh();
    Background.Choice = 3;
    test::SetUpAllRecords();

    // The smaller clams are drawn from the large clam's sheet, beside its frames.
    EXPECT_EQ(Clam(2).SrcX, 200);
    EXPECT_EQ(Clam(3).Width, 30);
    EXPECT_EQ(Clam(3).Height, 19);
    EXPECT_EQ(Clam(3).FileName, "bv_clam.bmp");
    EXPECT_EQ(Clam(1).SrcX, 0);
    EXPECT_EQ(Pillar(1).SrcX, 0);
    EXPECT_EQ(Pillar(2).SrcX, 63);

    // The crab and the eyes start on the extra frame past Frames.
    EXPECT_EQ(Crab.Frame, Crab.Frames);
    EXPECT_EQ(Eyes.Frame, Eyes.Frames);
    EXPECT_EQ(MarinaSign.Frame, 1);

    EXPECT_EQ(LifeGuard.FrameStep, 1);
    EXPECT_EQ(Mermaid.FrameStep, 0);

    EXPECT_EQ(Worm.State, "None");
    EXPECT_EQ(Worm.DY, 7);
    EXPECT_EQ(Worm.Frame, 1);
    EXPECT_EQ(Anchor.State, "");

    EXPECT_EQ(Background.FileName, "bv_background3.bmp");
    EXPECT_EQ(Foreground.FileName, "bv_foreground0.bmp");
    EXPECT_EQ(Dolphin.FileName, "bv_Dolphin.bmp");
}

TEST(FixedPlacement, SetUpNeverTouchesTheSettingsOrSurfaces) {
    const test::AssetFolder noPictures;
    test::StartAfresh();
    Shark.Enabled = kTrue;
    Background.Choice = 2;
    CenterPiece.Choice = 5;
    Mermaid.DC = 12345;  // not a live surface: only its value matters here
    test::SetUpAllRecords();

    EXPECT_EQ(Shark.Enabled, kTrue);
    EXPECT_EQ(Whale.Enabled, kFalse);
    EXPECT_EQ(Background.Choice, 2);
    EXPECT_EQ(CenterPiece.Choice, 5);
    EXPECT_EQ(Mermaid.DC, 12345);
    Mermaid.DC = 0;
}

}  // namespace
}  // namespace bv
