// The groups: schools steered by their leader or bobbing around it, and the
// two bubble streams with their columns, wrapping, trace markers and wide
// screens.

#include <cstdint>
#include <vector>

#include "animation_fixture.h"
#include "errors/error_code.h"
#include "scene/anim_groups.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv::testing {
namespace {

class SchoolTest : public AnimationTest {
protected:
    // A school in formation: member i at the leader's position plus (offsets[i - 2], 0).
    template <std::size_t Count>
    static void Form(SpriteArray<Count>& school, Long leaderX, Long y, Integer dx,
                     const std::vector<Long>& offsets) {
        for (int i = 1; i <= SpriteArray<Count>::kLast; ++i) {
            school(i) = SpriteAt(i == 1 ? leaderX : leaderX + offsets.at(i - 2), y, 8, 6, 3);
            school(i).DX = dx;
            school(i).BobPeriod = 1000;  // no bob unless a test sets one
        }
    }
};

TEST_F(SchoolTest, ASteeredSchoolTurnsAsOneWhenItsLeaderLeavesItsBox) {
    Form(BlueDevil, SwimLeft + 2, 100, -4, {35, 45, 75, 85, 50, 115});
    Anim_Custom_bluedevil();
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(BlueDevil(i).DX, 4) << "member " << i;
        EXPECT_EQ(BlueDevil(i).SrcX, 3 * 8) << "member " << i;
    }
    EXPECT_GE(BlueDevil(2).X, SwimLeft) << "members inside the box turn with the leader";

    Form(SwimHorse, SwimRight - 2, 150, 4, {25, 35, 55, 65});
    for (int i = 1; i <= 5; ++i) SwimHorse(i).SrcX = 24;
    Anim_Custom_SwimHorse();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(SwimHorse(i).DX, -4) << "member " << i;
        EXPECT_EQ(SwimHorse(i).SrcX, 0) << "member " << i;
    }

    // Vertically only the leader's position counts.
    Form(BlueDevil, 100, 1, -4, {35, 45, 75, 85, 50, 115});
    for (int i = 1; i <= 7; ++i) BlueDevil(i).DY = -2;
    BlueDevil(3).Y = 50;
    Anim_Custom_bluedevil();
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(BlueDevil(i).DY, 2) << "member " << i;

    // The sea horses keep to the lower half: SwimBottom / 2 = 87.5 on this screen.
    ASSERT_EQ(SwimBottom, 175);
    Form(SwimHorse, 100, 89, -2, {25, 35, 55, 65});
    for (int i = 1; i <= 5; ++i) SwimHorse(i).DY = -1;
    for (const auto [y, dy] : {std::pair{88, -1}, {87, 1}}) {
        Anim_Custom_SwimHorse();
        EXPECT_EQ(SwimHorse(1).Y, y);
        for (int i = 1; i <= 5; ++i) EXPECT_EQ(SwimHorse(i).DY, dy) << "member " << i;
    }
}

// A steered school draws every member from its leader's surface before
// moving; a bobbing one moves first and draws the new frames.
TEST_F(SchoolTest, SchoolsAreDrawnFromTheLeadersSurface) {
    Form(BlueDevil, 20, 100, -4, {35, 45, 75, 85, 50, 115});
    BlueDevil(1).DC = MakeStripSheet(8, 6, 6);
    for (int i = 1; i <= 7; ++i) BlueDevil(i).Frame = static_cast<Integer>(i % 3);
    std::vector<Sprite> before;
    for (int i = 1; i <= 7; ++i) before.push_back(BlueDevil(i));
    Anim_Custom_bluedevil();
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(ShownPiece(before[i - 1]), i % 3) << "member " << i;
        EXPECT_EQ(BlueDevil(i).Frame, (i + 1) % 3) << "member " << i;
    }

    Form(RedFish, 100, 100, -5, {55, 75, 125});
    RedFish(1).DC = MakeStripSheet(8, 6, 6);
    Anim_Custom_redfish();
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(RedFish(i).Frame, 1);
        EXPECT_EQ(ShownPiece(RedFish(i)), 1) << "member " << i;
    }
}

// At SwimRight a bobbing school turns with its leader, at SwimLeft each
// member turns on the first tick its own step takes it past the bound.
TEST_F(SchoolTest, ABobbingSchoolTurnsAsOneAtTheRightAndMemberByMemberAtTheLeft) {
    Form(RedFish, SwimRight - 2, 100, 5, {-55, -75, -125});
    Anim_Custom_redfish();
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(RedFish(i).DX, -5) << "member " << i;
        EXPECT_EQ(RedFish(i).SrcX, 0) << "member " << i;
    }

    Form(YellowFish, SwimLeft + 3, 100, -5, {55, 75, 125, 145});
    std::vector<Long> startX;
    for (int i = 1; i <= 5; ++i) startX.push_back(YellowFish(i).X);
    std::vector<int> turnedOnTick(6, 0);
    for (int tick = 1; tick <= 40; ++tick) {
        Anim_Custom_Yellowfish();
        for (int i = 1; i <= 5; ++i)
            if (turnedOnTick[i] == 0 && YellowFish(i).DX > 0) {
                turnedOnTick[i] = tick;
                EXPECT_LT(YellowFish(i).X, SwimLeft) << "member " << i << " turns past the bound";
                EXPECT_EQ(YellowFish(i).SrcX, 3 * 8);
            }
    }
    for (int i = 1; i <= 5; ++i) {
        int expected = 1;
        while (startX[i - 1] - 5 * expected >= SwimLeft) ++expected;
        EXPECT_EQ(turnedOnTick[i], expected) << "member " << i;
    }
    EXPECT_LT(turnedOnTick[1], turnedOnTick[5]);
}

// A member's own bob reverses every BobPeriod ticks (counting from 1 after
// each reversal); it follows the leader's step after the leader's bounce.
TEST_F(SchoolTest, AMemberBobsOnItsOwnPeriodAndFollowsTheLeadersStep) {
    Form(AngelFish, 100, 100, 0, {55, 75, 125, 145});
    AngelFish(2).DY = -1;
    AngelFish(2).BobPeriod = 40;
    std::vector<int> reversals;
    for (int tick = 1; tick <= 130; ++tick) {
        const Integer before = AngelFish(2).DY;
        Anim_Custom_AngelFish();
        if (AngelFish(2).DY != before) reversals.push_back(tick);
    }
    EXPECT_EQ(reversals, (std::vector<int>{40, 79, 118}));

    Form(EmperorFish, 100, 100, 0, {35, 85, 125, 85, 125});
    EmperorFish(1).Y = 1;
    EmperorFish(1).DY = -2;  // the leader steps to -1 and turns to +2
    EmperorFish(2).DY = 1;
    EmperorFish(2).BobPeriod = 20;
    Anim_Custom_emperorfish();
    EXPECT_EQ(EmperorFish(1).DY, 2);
    EXPECT_EQ(EmperorFish(2).Y, 100 + 2 + 1);
    EXPECT_EQ(EmperorFish(3).Y, 100 + 2);
}

class BubbleTest : public AnimationTest {
protected:
    // Every bubble of both streams somewhere harmless, rising.
    static void FillStreams(Long rightX, Long leftX) {
        for (int i = 1; i <= 50; ++i) {
            for (auto* stream : {&BubblesRight, &BubblesLeft}) {
                Sprite& bubble = (*stream)(i);
                bubble = SpriteAt(0, 100, 11, 10, 1);
                bubble.DX = static_cast<Integer>(i <= 25 ? 3 : -3);
                bubble.DY = -6;
            }
            BubblesRight(i).X = rightX;
            BubblesLeft(i).X = leftX;
        }
    }
};

// Both streams draw from the left stream's first bubble; a bubble above
// the top edge re-enters at the bottom, one at the top edge stays a tick.
TEST_F(BubbleTest, BothStreamsDrawFromOneBubbleAndReEnterAtTheBottom) {
    FillStreams(290, 20);
    BubblesLeft(1).DC = MakeStripSheet(11, 10, 1);
    BubblesRight(1).DC = 0;  // never loaded
    BubblesRight(7) = SpriteAt(280, 50, 11, 10, 1);
    BubblesLeft(9) = SpriteAt(30, 150, 11, 10, 1);
    BubblesLeft(1).Y = 3;
    BubblesLeft(2).Y = 6;
    BubblesRight(1).Y = 5;
    const Sprite right = BubblesRight(7), left = BubblesLeft(9);
    Anim_Custom_BubbleLeft();
    Anim_Custom_BubbleRight();
    EXPECT_EQ(ShownPiece(right), 0);
    EXPECT_EQ(ShownPiece(left), 0);
    EXPECT_EQ(PieceAt(right.X + 1, right.Y), kShowsBackground);
    EXPECT_EQ(BubblesLeft(1).Y, ScreenHeight);
    EXPECT_EQ(BubblesRight(1).Y, ScreenHeight);
    EXPECT_EQ(BubblesLeft(2).Y, 0) << "at the top edge it stays for one drawing";
    Anim_Custom_BubbleLeft();
    EXPECT_EQ(BubblesLeft(2).Y, ScreenHeight);
    EXPECT_EQ(BubblesLeft(1).Y, ScreenHeight - 6);
}

// Each stream wobbles inside its column: the right one between five sixths
// of the width and the right edge less a bubble, the left one between the
// left edge and one sixth less a bubble. A bubble turns once its step has
// taken it outside. 5 x 7680 does not fit 16 bits, yet the column must hold.
TEST_F(BubbleTest, EachStreamTurnsAtTheSidesOfItsColumn) {
    struct Case {
        int screenWidth;
        bool right;
        Long x;
        Integer dx, thenDX;
    };
    const Case cases[] = {
        {1024, true, 857, -3, -3},  {1024, true, 856, -3, 3},   // to 854 / 853 (853.33)
        {1024, true, 1010, 3, 3},   {1024, true, 1011, 3, -3},  // to 1013 / 1014
        {1024, false, 156, 3, 3},   {1024, false, 157, 3, -3},  // to 159 / 160 (159.67)
        {1024, false, 3, -3, -3},   {1024, false, 2, -3, 3},    // to 0 / -1
        {7680, true, 6403, -3, -3}, {7680, true, 6402, -3, 3},  // to 6400 / 6399
        {7680, true, 7666, 3, 3},   {7680, true, 7667, 3, -3},  // to 7669 / 7670
    };
    for (const Case& c : cases) {
        SetScreenSize(c.screenWidth, 768);  // the small back buffer is enough for the bounds
        FillStreams(c.screenWidth - 100, 80);
        Sprite& bubble = c.right ? BubblesRight(1) : BubblesLeft(1);
        bubble.X = c.x;
        bubble.DX = c.dx;
        c.right ? Anim_Custom_BubbleRight() : Anim_Custom_BubbleLeft();
        EXPECT_EQ(bubble.DX, c.thenDX) << c.screenWidth << (c.right ? " right " : " left ") << c.x;
        // The last marker set: the wrap step of the last bubble.
        EXPECT_EQ(TracePoint, c.right ? "006" : "012");
    }
    EXPECT_TRUE(reports.empty());

    // Long runs keep every bubble of the 8K stream in its column.
    for (int tick = 0; tick < 2000; ++tick) Anim_Custom_BubbleRight();
    EXPECT_TRUE(reports.empty());
    for (int i = 1; i <= 50; ++i) {
        EXPECT_GE(BubblesRight(i).X, 6400 - 3) << "bubble " << i;
        EXPECT_LE(BubblesRight(i).X, 7680 - 11 + 3) << "bubble " << i;
    }
}

TEST_F(BubbleTest, AFailureCarriesTheMarkerOfTheStepThatFailed) {
    FillStreams(290, 20);
    BubblesRight(3).X = INT32_MAX - 1;  // its step right overflows
    Anim_Custom_BubbleRight();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "Error Code: BV-6-003 Animations\\Anim_Custom_BubbleRight");
    EXPECT_EQ(BubblesRight(2).Y, 94) << "bubbles before the failing one moved";
    EXPECT_EQ(BubblesRight(4).Y, 100) << "bubbles after it did not";

    BubblesLeft(5).Frame = 4000;  // Frame x Width leaves 16 bits before the mask is drawn
    Anim_Custom_BubbleLeft();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1], "Error Code: BV-6-007 Animations\\Anim_Custom_BubbleLeft");
}

}  // namespace
}  // namespace bv::testing
