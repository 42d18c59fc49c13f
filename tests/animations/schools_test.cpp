// The schools: steered by their leader, or bobbing around it.

#include <vector>

#include "animation_fixture.h"
#include "scene/anim_groups.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv::testing {
namespace {

class SchoolTest : public AnimationTest {
protected:
    // A school in formation: member i at the leader's position plus (offsets[i - 2], 0).
    template <std::size_t Count>
    void Form(SpriteArray<Count>& school, Long leaderX, Long y, Integer dx,
              const std::vector<Long>& offsets) {
        for (int i = 1; i <= SpriteArray<Count>::kLast; ++i) {
            Sprite& member = school(i);
            member.X = i == 1 ? leaderX : leaderX + offsets.at(i - 2);
            member.Y = y;
            member.DX = dx;
            member.Width = 8;
            member.Height = 6;
            member.Frames = 3;
            member.BobPeriod = 1000;  // no bob unless a test sets one
        }
    }
};

TEST_F(SchoolTest, ASteeredSchoolTurnsAsOneWhenItsLeaderPassesEitherSide) {
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
}

TEST_F(SchoolTest, ASteeredSchoolTurnsVerticallyWhenItsLeaderLeavesItsBand) {
    Form(BlueDevil, 100, 1, -4, {35, 45, 75, 85, 50, 115});
    for (int i = 1; i <= 7; ++i) BlueDevil(i).DY = -2;
    BlueDevil(3).Y = 50;  // only the leader's position counts
    Anim_Custom_bluedevil();
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(BlueDevil(i).DY, 2) << "member " << i;

    // The sea horses keep to the lower half: SwimBottom / 2 = 87.5 on this screen.
    ASSERT_EQ(SwimBottom, 175);
    Form(SwimHorse, 100, 89, -2, {25, 35, 55, 65});
    for (int i = 1; i <= 5; ++i) SwimHorse(i).DY = -1;
    Anim_Custom_SwimHorse();
    EXPECT_EQ(SwimHorse(1).Y, 88);
    EXPECT_EQ(SwimHorse(1).DY, -1);
    Anim_Custom_SwimHorse();
    EXPECT_EQ(SwimHorse(1).Y, 87);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(SwimHorse(i).DY, 1) << "member " << i;
}

TEST_F(SchoolTest, ASteeredSchoolDrawsEveryMemberFromItsLeadersSurfaceBeforeMoving) {
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
}

TEST_F(SchoolTest, ABobbingSchoolTurnsAsOneAtSwimRight) {
    Form(RedFish, SwimRight - 2, 100, 5, {-55, -75, -125});
    Anim_Custom_redfish();
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(RedFish(i).DX, -5) << "member " << i;
        EXPECT_EQ(RedFish(i).SrcX, 0) << "member " << i;
    }
}

TEST_F(SchoolTest, ABobbingSchoolTurnsMemberByMemberAtSwimLeft) {
    const std::vector<Long> offsets = {55, 75, 125, 145};
    Form(YellowFish, SwimLeft + 3, 100, -5, offsets);
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
        // Each turns on the first tick its own step takes it past SwimLeft.
        int expected = 1;
        while (startX[i - 1] - 5 * expected >= SwimLeft) ++expected;
        EXPECT_EQ(turnedOnTick[i], expected) << "member " << i;
    }
    EXPECT_LT(turnedOnTick[1], turnedOnTick[5]);
}

TEST_F(SchoolTest, AMembersBobWithPeriod40ReversesOnTicks40And79And118) {
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
}

TEST_F(SchoolTest, AMemberFollowsTheLeadersStepAfterItsBouncePlusItsOwnBob) {
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

TEST_F(SchoolTest, ABobbingSchoolIsDrawnAtItsNewPositionsWithItsNewFrames) {
    Form(RedFish, 100, 100, -5, {55, 75, 125});
    RedFish(1).DC = MakeStripSheet(8, 6, 6);
    Anim_Custom_redfish();
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(RedFish(i).Frame, 1);
        EXPECT_EQ(ShownPiece(RedFish(i)), 1) << "member " << i;
    }
}

}  // namespace
}  // namespace bv::testing
