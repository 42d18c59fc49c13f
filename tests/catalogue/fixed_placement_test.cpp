// Fixed pieces follow the screen size: horizontally from the centre (or the
// left edge), vertically from the bottom edge, halves rounded to the even
// neighbour; each starts on its own frame and sheet column.

#include <gtest/gtest.h>

#include <string>

#include "catalogue_test_support.h"
#include "scene/records.h"
#include "settings/settings_globals.h"

namespace bv {
namespace {

TEST(FixedPlacement, EveryPieceStandsWhereTheScreenSizePutsIt) {
    struct Placement {
        int width, height;
        const char* what;
        Sprite* record;
        Long x, y;
        Long srcX = 0;  // the sheet column of a piece sharing a sheet
        Integer frame = 0;
    };
    const Placement placements[] = {
        {1024, 768, "large clam", &Clam(1), 760, 584},
        {1024, 768, "clam 2, beside the large clam's frames", &Clam(2), 696, 608, 200},
        {1024, 768, "clam 3", &Clam(3), 770, 648, 200},
        {1024, 768, "sea horse", &SeaHorse, 227, 698},
        {1024, 768, "crab: 481.5, on the extra frame past Frames", &Crab, 482, 728, 0, 7},
        {1024, 768, "anchor", &Anchor, 187, 598},
        {1024, 768, "diver head, from the left edge", &DiverHead, 20, 0},
        {1024, 768, "eyes, on the extra frame", &Eyes, 757, 718, 0, 5},
        {1024, 768, "marina sign", &MarinaSign, 412, 488, 0, 1},
        {1024, 768, "pillar 1", &Pillar(1), 369, 479},
        {1024, 768, "pillar 2, the sheet's second picture", &Pillar(2), 592, 479, 63},
        {1024, 768, "reef", &Foreground, 120, 521},
        {1024, 768, "background", &Background, 0, 0},
        {1024, 768, "scuba dude", &ScubaDude, 466, 560},
        {1024, 768, "evil relic: 449.5", &EvilRelic, 450, 586},
        {1024, 768, "lifeguard: 479.5", &LifeGuard, 480, 555},
        {1024, 768, "swim dude", &SwimDude, 480, 577},
        {1024, 768, "mermaid", &Mermaid, 443, 588},
        {1024, 768, "bather", &Bather, 467, 575},
        {1024, 768, "treasure: 457.5", &Treasure, 458, 604},
        {1023, 768, "anchor: 186.5 rounds down", &Anchor, 186, 598},
        {1023, 768, "reef: 119.5 rounds up", &Foreground, 120, 521},
        {1023, 768, "crab: 481 exactly", &Crab, 481, 728, 0, 7},
        {640, 480, "reef, partly off a narrow screen", &Foreground, -72, 233},
        {640, 480, "anchor", &Anchor, -5, 310},
        {640, 480, "marina sign", &MarinaSign, 220, 200, 0, 1},
    };
    const test::AssetFolder noPictures;
    for (const Placement& place : placements) {
        SCOPED_TRACE(std::string(place.what) + " on " + std::to_string(place.width) + " x " +
                     std::to_string(place.height));
        test::StartAfresh(place.width, place.height);
        test::SetUpAllRecords();
        EXPECT_EQ(place.record->X, place.x);
        EXPECT_EQ(place.record->Y, place.y);
        EXPECT_EQ(place.record->SrcX, place.srcX);
        EXPECT_EQ(place.record->Frame, place.frame);
    }
    // The crab and the eyes start on the extra frame their sheets hold past
    // Frames; the smaller clams are cut 30 x 19 from the large clam's sheet.
    EXPECT_EQ(Crab.Frame, Crab.Frames);
    EXPECT_EQ(Eyes.Frame, Eyes.Frames);
    EXPECT_EQ(Clam(3).Width, 30);
    EXPECT_EQ(Clam(3).Height, 19);
    // Back-and-forth pieces start forwards; the worm waits with its own state.
    EXPECT_EQ(LifeGuard.FrameStep, 1);
    EXPECT_EQ(Mermaid.FrameStep, 0);
    EXPECT_EQ(Worm.State, "None");
    EXPECT_EQ(Worm.DY, 7);
    EXPECT_EQ(Worm.Frame, 1);
}

}  // namespace
}  // namespace bv
