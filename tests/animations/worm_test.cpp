// The worm on its line: a whole trip, and the line it hangs from.

#include <string>
#include <utility>
#include <vector>

#include "animation_fixture.h"
#include "scene/anim_worm.h"
#include "scene/scene_globals.h"

namespace bv::testing {
namespace {

constexpr platform::Colour kLineGrey = 0xFF808080u;

class WormTest : public AnimationTest {
protected:
    Sprite WaitingWorm(platform::Handle sheet) {
        Sprite worm;
        worm.X = 50;
        worm.Y = -60;
        worm.Width = 37;
        worm.Height = 60;
        worm.Frames = 3;
        worm.Frame = 1;
        worm.DY = 7;
        worm.State = "None";
        worm.DC = sheet;
        return worm;
    }
};

TEST_F(WormTest, AWholeTripDropsHangsTwitchesAndRisesOnItsTriggers) {
    Sprite worm = WaitingWorm(MakeStripSheet(37, 60, 5));
    // Runs of the state after each tick, as the main timer would tick from start.
    std::vector<std::pair<std::string, int>> runs;
    std::vector<int> shownInTransition;
    for (int tick = 1; tick <= 600; ++tick) {
        AdvanceTickCounters();
        ClearBuffer();
        const Sprite before = worm;
        Anim_Custom_Worm(worm);
        if (before.State == "Transition" && worm.Y + 1 >= 0)
            shownInTransition.push_back(ShownPiece(worm));
        if (before.State == "Still") {
            const bool twitch = ShortTick % 20 == 10;
            EXPECT_EQ(worm.Frame, twitch ? 4 : 3) << "ShortTick " << ShortTick;
        }
        if (runs.empty() || runs.back().first != worm.State) runs.emplace_back(worm.State, 0);
        ++runs.back().second;
    }
    // Lowered by 7 a tick from -60 until its lower edge passes the middle.
    int dropTicks = 1;
    while (-60 + 7 * dropTicks <= ScreenHeight / 2.0 - 60) ++dropTicks;
    const int lowest = -60 + 7 * dropTicks;
    // Pulled up until more than a quarter screen above the top edge.
    int riseTicks = 1;
    while (lowest - 7 * riseTicks >= SwimTop - 60) ++riseTicks;

    const int waitAfterTrip = 600 - 99 - (dropTicks - 1) - 3 - 100 - riseTicks - 1;
    const std::vector<std::pair<std::string, int>> expected = {
        {"None", 99},          {"Dropping", dropTicks - 1}, {"Transition", 3}, {"Still", 100},
        {"Rising", riseTicks}, {"None", waitAfterTrip},     {"Dropping", 1}};
    EXPECT_EQ(runs, expected);
    EXPECT_EQ(shownInTransition, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(WormStillCount, 0);
    EXPECT_TRUE(reports.empty());
}

TEST_F(WormTest, TheLineRunsFromTheTopEdgeToJustInsideThePicture) {
    Sprite worm = WaitingWorm(0);  // without its picture only the line shows
    worm.Y = 70;
    worm.State = "Still";
    Anim_Custom_Worm(worm);
    for (int row = 0; row <= 72; ++row)
        ASSERT_EQ(BufferColour(59, row), kLineGrey) << "row " << row;
    EXPECT_EQ(BufferColour(59, 73), kBackground);
    EXPECT_EQ(BufferColour(58, 10), kBackground);
    EXPECT_EQ(BufferColour(60, 10), kBackground);

    ClearBuffer();
    worm.DC = MakeStripSheet(37, 60, 5);
    const Integer drawnFrame = worm.Frame;
    Anim_Custom_Worm(worm);
    EXPECT_EQ(BufferColour(59, 70), kLineGrey) << "the picture's transparent top row";
    EXPECT_EQ(PieceAt(59, 71), drawnFrame) << "the picture over the line";
}

TEST_F(WormTest, NoLineIsDrawnWhileTheWormWaitsJustAboveTheScreen) {
    Sprite worm = WaitingWorm(MakeStripSheet(37, 60, 5));
    LongTick = 5;
    Anim_Custom_Worm(worm);
    EXPECT_TRUE(BufferUntouched());
    EXPECT_EQ(worm.State, "None");
    EXPECT_EQ(worm.Y, -60);
}

TEST_F(WormTest, ATriggerIsIgnoredUnlessTheWormIsWaiting) {
    Sprite worm = WaitingWorm(0);
    worm.Y = 70;
    worm.State = "Still";
    LongTick = 100;
    Anim_Custom_Worm(worm);
    EXPECT_EQ(worm.State, "Still");
    EXPECT_EQ(WormStillCount, 1);

    worm.State = "Dropping";
    worm.Y = 0;
    LongTick = 600;
    Anim_Custom_Worm(worm);
    EXPECT_EQ(worm.State, "Dropping");
    EXPECT_EQ(worm.Y, 7) << "the fall goes on";
}

}  // namespace
}  // namespace bv::testing
