#include "animation_fixture.h"
#include "scene/anim_groups.h"
#include "scene/records.h"

namespace bv::testing {
namespace {

using PillarTest = AnimationTest;

TEST_F(PillarTest, BothPillarsStandFromTheFirstPillarsSheetEachWithItsOwnPicture) {
    for (int i = 1; i <= 2; ++i) {
        Pillar(i).Width = 20;
        Pillar(i).Height = 30;
        Pillar(i).Frames = 1;
        Pillar(i).Y = 100;
    }
    Pillar(1).X = 40;
    Pillar(2).X = 200;
    Pillar(2).SrcX = 20;
    Pillar(1).DC = MakeStripSheet(20, 30, 2);

    for (int tick = 0; tick < 3; ++tick) {
        ClearBuffer();
        Anim_Custom_Pillars();
        EXPECT_EQ(ShownPiece(Pillar(1)), 0);
        EXPECT_EQ(ShownPiece(Pillar(2)), 1);
    }
    EXPECT_EQ(Pillar(1).X, 40);
    EXPECT_EQ(Pillar(2).Frame, 0);
    EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace bv::testing
