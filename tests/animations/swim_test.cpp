// The free swimmers: bouncing in their box, and which strip they show.

#include "animation_fixture.h"
#include "scene/anim_swim.h"
#include "scene/scene_globals.h"

namespace bv::testing {
namespace {

struct Swimmer {
    const char* name;
    void (*routine)(Sprite&);
    bool mayLeaveUpwards;  // vertical box from SwimTop rather than the top edge
};

const Swimmer kSwimmers[] = {
    {"RightOnly", Anim_Swim_RightOnly, false}, {"LeftOnly", Anim_Swim_LeftOnly, false},
    {"RightDown", Anim_Swim_RightDown, true},  {"LeftUp", Anim_Swim_LeftUp, true},
    {"Both1", Anim_Swim_Both1, false},
};

Sprite SwimmerAt(Long x, Long y, Integer dx, Integer dy) {
    Sprite sprite;
    sprite.X = x;
    sprite.Y = y;
    sprite.DX = dx;
    sprite.DY = dy;
    sprite.Width = 8;
    sprite.Height = 6;
    sprite.Frames = 3;
    return sprite;
}

class SwimBounds : public AnimationTest, public ::testing::WithParamInterface<Swimmer> {};

TEST_P(SwimBounds, TurnsAfterSteppingPastASideAndIsBackInsideAfterTheNextStep) {
    const auto swim = GetParam().routine;
    Sprite right = SwimmerAt(SwimRight - 2, 100, 4, 0);
    swim(right);
    EXPECT_EQ(right.X, SwimRight + 2);
    EXPECT_EQ(right.DX, -4);
    swim(right);
    EXPECT_EQ(right.X, SwimRight - 2);
    EXPECT_EQ(right.DX, -4);

    Sprite left = SwimmerAt(SwimLeft + 2, 100, -4, 0);
    swim(left);
    EXPECT_EQ(left.X, SwimLeft - 2);
    EXPECT_EQ(left.DX, 4);

    Sprite onTheBound = SwimmerAt(SwimRight - 4, 100, 4, 0);
    swim(onTheBound);
    EXPECT_EQ(onTheBound.X, SwimRight);
    EXPECT_EQ(onTheBound.DX, 4) << "the bounds belong to the box";
}

TEST_P(SwimBounds, TurnsVerticallyAtTheBottomAndAtTheTopOfItsBox) {
    const auto swim = GetParam().routine;
    Sprite low = SwimmerAt(100, SwimBottom - 1, 0, 3);
    swim(low);
    EXPECT_EQ(low.Y, SwimBottom + 2);
    EXPECT_EQ(low.DY, -3);

    Sprite atTopEdge = SwimmerAt(100, 1, 0, -3);
    swim(atTopEdge);
    EXPECT_EQ(atTopEdge.Y, -2);
    EXPECT_EQ(atTopEdge.DY, GetParam().mayLeaveUpwards ? -3 : 3);

    if (GetParam().mayLeaveUpwards) {
        Sprite high = SwimmerAt(100, SwimTop + 1, 0, -3);
        swim(high);
        EXPECT_EQ(high.Y, SwimTop - 2);
        EXPECT_EQ(high.DY, 3);
    }
    EXPECT_TRUE(reports.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryFreeSwimmer, SwimBounds, ::testing::ValuesIn(kSwimmers),
                         [](const auto& info) { return std::string(info.param.name); });

using SwimStrips = AnimationTest;

// Each swimmer faces the way it moves across the screen, rising or sinking.
TEST_F(SwimStrips, EachRoutineShowsItsFirstStripOnlyForItsOwnDirection) {
    struct Direction {
        Integer dx, dy;
        bool firstStrip[4];  // RightOnly, LeftOnly, RightDown, LeftUp
    };
    const Direction directions[] = {
        {4, 1, {true, false, true, false}},   {4, -1, {true, false, true, false}},
        {-4, 1, {false, true, false, true}},  {-4, -1, {false, true, false, true}},
        {0, 1, {false, false, false, false}}, {0, -1, {false, false, false, false}},
    };
    for (const Direction& direction : directions) {
        for (int r = 0; r < 4; ++r) {
            Sprite sprite = SwimmerAt(100, 100, direction.dx, direction.dy);
            sprite.SrcX = 999;
            kSwimmers[r].routine(sprite);
            EXPECT_EQ(sprite.SrcX, direction.firstStrip[r] ? 0 : 3 * 8)
                << kSwimmers[r].name << " DX " << direction.dx << " DY " << direction.dy;
        }
    }
}

TEST_F(SwimStrips, Both1KeepsItsStripBetweenTheSidesAndChangesItOnlyWhenTurning) {
    Sprite facingLeftMovingRight = SwimmerAt(100, 100, 4, 0);
    facingLeftMovingRight.SrcX = 24;
    Anim_Swim_Both1(facingLeftMovingRight);
    EXPECT_EQ(facingLeftMovingRight.SrcX, 24);

    Sprite atLeft = SwimmerAt(SwimLeft + 2, 100, -4, 0);
    Anim_Swim_Both1(atLeft);
    EXPECT_EQ(atLeft.SrcX, 24);
    EXPECT_EQ(atLeft.DX, 4);

    Sprite atRight = SwimmerAt(SwimRight - 2, 100, 4, 0);
    atRight.SrcX = 24;
    Anim_Swim_Both1(atRight);
    EXPECT_EQ(atRight.SrcX, 0);
    EXPECT_EQ(atRight.DX, -4);
}

TEST_F(SwimStrips, AStripChosenInOneTickIsDrawnFromTheNextAndFramesWrap) {
    Sprite sprite = SwimmerAt(100, 100, 4, 0);
    sprite.DC = MakeStripSheet(8, 6, 6);  // two strips of three frames
    Anim_Swim_LeftOnly(sprite);           // moving right: the second strip from now on
    EXPECT_EQ(ShownPiece(SwimmerAt(100, 100, 0, 0)), 0);

    int shown[3];
    for (int& piece : shown) {
        ClearBuffer();
        const Sprite before = sprite;
        Anim_Swim_LeftOnly(sprite);
        piece = ShownPiece(before);
    }
    EXPECT_EQ(shown[0], 3 + 1);
    EXPECT_EQ(shown[1], 3 + 2);
    EXPECT_EQ(shown[2], 3 + 0);
}

}  // namespace
}  // namespace bv::testing
