// Objects that wait above the screen and fall through it on their tick.

#include "animation_fixture.h"
#include "scene/anim_swim.h"
#include "scene/scene_globals.h"

namespace bv::testing {
namespace {

class DropTest : public AnimationTest {
protected:
    static constexpr Integer kTrigger = 250;

    Sprite Waiting() {
        Sprite bottle;
        bottle.X = 40;
        bottle.Y = -51;
        bottle.Width = 32;
        bottle.Height = 51;
        bottle.Frames = 13;
        bottle.Frame = 4;
        bottle.DC = MakeStripSheet(32, 51, 13);
        return bottle;
    }
};

TEST_F(DropTest, AWaitingObjectIsNeitherDrawnNorMovedBeforeItsTrigger) {
    Sprite bottle = Waiting();
    bottle.Y = 10;  // where it would be seen
    LongTick = kTrigger - 1;
    Anim_Swim_Drop(bottle, kTrigger);
    EXPECT_EQ(bottle.Y, 10);
    EXPECT_EQ(bottle.Frame, 4);
    EXPECT_EQ(bottle.DY, 0);
    EXPECT_TRUE(BufferUntouched());
}

TEST_F(DropTest, FallsFromItsTriggerAndWaitsAgainInTheSameColumnOnceBelowTheScreen) {
    Sprite bottle = Waiting();
    const Long column = bottle.X;
    int fallTicks = 0;
    for (LongTick = kTrigger; fallTicks == 0 || bottle.DY != 0; ++LongTick) {
        ClearBuffer();
        const Sprite before = bottle;
        Anim_Swim_Drop(bottle, kTrigger);
        ++fallTicks;
        if (bottle.DY != 0) {
            EXPECT_EQ(bottle.Y, before.Y + 6);
            if (before.Y >= 0 && before.Y + 1 < ScreenHeight) {
                EXPECT_EQ(ShownPiece(before), before.Frame);
            }
        }
        ASSERT_LT(fallTicks, 1000);
    }
    // Only Y > ScreenHeight ends the fall; Y = ScreenHeight falls once more.
    int expectedTicks = 1;
    while (-51 + 6 * expectedTicks <= ScreenHeight) ++expectedTicks;
    EXPECT_EQ(fallTicks, expectedTicks);
    EXPECT_EQ(bottle.Y, -51);
    EXPECT_EQ(bottle.X, column);

    const Sprite waiting = bottle;
    Anim_Swim_Drop(bottle, kTrigger);
    EXPECT_EQ(bottle.Y, waiting.Y);
    EXPECT_EQ(bottle.Frame, waiting.Frame);
}

TEST_F(DropTest, ReachingTheScreenHeightExactlyKeepsFalling) {
    Sprite bottle = Waiting();
    bottle.Y = ScreenHeight - 6;
    bottle.DY = 6;
    Anim_Swim_Drop(bottle, kTrigger);
    EXPECT_EQ(bottle.Y, ScreenHeight);
    EXPECT_EQ(bottle.DY, 6);
    Anim_Swim_Drop(bottle, kTrigger);
    EXPECT_EQ(bottle.Y, -51);
    EXPECT_EQ(bottle.DY, 0);
}

TEST_F(DropTest, ItsTriggerWhileFallingOnlyKeepsTheFallGoing) {
    Sprite bottle = Waiting();
    bottle.Y = 100;
    bottle.DY = 6;
    LongTick = kTrigger;
    Anim_Swim_Drop(bottle, kTrigger);
    EXPECT_EQ(bottle.Y, 106);
    EXPECT_EQ(bottle.DY, 6);
}

}  // namespace
}  // namespace bv::testing
