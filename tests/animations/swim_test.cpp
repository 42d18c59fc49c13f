// The free swimmers bouncing in their box and the strips they show; the
// objects that wait above the screen and fall through it on their tick; and
// the worm on its line.

#include <string>
#include <utility>
#include <vector>

#include "animation_fixture.h"
#include "scene/anim_swim.h"
#include "scene/anim_worm.h"
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
    Sprite sprite = SpriteAt(x, y, 8, 6, 3);
    sprite.DX = dx;
    sprite.DY = dy;
    return sprite;
}

class SwimBounds : public AnimationTest, public ::testing::WithParamInterface<Swimmer> {};

// A swimmer turns after stepping past a side of its box (the bounds belong
// to the box) and is back inside after the next step; vertically at the
// bottom, and at the top edge or at SwimTop.
TEST_P(SwimBounds, TurnsAfterSteppingPastItsBox) {
    const auto swim = GetParam().routine;
    const Integer top = GetParam().mayLeaveUpwards ? SwimTop : Integer{0};
    const Integer atTopEdge = top == 0 ? 3 : -3;  // leaving upwards goes on
    struct Step {
        Long x, y;
        Integer dx, dy;
        Long toX, toY;
        Integer thenDX, thenDY;
    };
    for (const Step& s : {Step{SwimRight - 2, 100, 4, 0, SwimRight + 2, 100, -4, 0},
                          Step{SwimRight + 2, 100, -4, 0, SwimRight - 2, 100, -4, 0},
                          Step{SwimRight - 4, 100, 4, 0, SwimRight, 100, 4, 0},
                          Step{SwimLeft + 2, 100, -4, 0, SwimLeft - 2, 100, 4, 0},
                          Step{100, SwimBottom - 1, 0, 3, 100, SwimBottom + 2, 0, -3},
                          Step{100, 1, 0, -3, 100, -2, 0, atTopEdge},
                          Step{100, top + 1, 0, -3, 100, top - 2, 0, 3}}) {
        Sprite sprite = SwimmerAt(s.x, s.y, s.dx, s.dy);
        swim(sprite);
        EXPECT_EQ(sprite.X, s.toX) << "from " << s.x << "," << s.y;
        EXPECT_EQ(sprite.Y, s.toY) << "from " << s.x << "," << s.y;
        EXPECT_EQ(sprite.DX, s.thenDX) << "from " << s.x << "," << s.y;
        EXPECT_EQ(sprite.DY, s.thenDY) << "from " << s.x << "," << s.y;
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
    struct Case {
        Long x;
        Integer dx;
        Long srcX, thenSrcX;
        Integer thenDX;
    };
    for (const Case& c : {Case{100, 4, 24, 24, 4}, Case{SwimLeft + 2, -4, 0, 24, 4},
                          Case{SwimRight - 2, 4, 24, 0, -4}}) {
        Sprite sprite = SwimmerAt(c.x, 100, c.dx, 0);
        sprite.SrcX = c.srcX;
        Anim_Swim_Both1(sprite);
        EXPECT_EQ(sprite.SrcX, c.thenSrcX) << "from " << c.x;
        EXPECT_EQ(sprite.DX, c.thenDX) << "from " << c.x;
    }
}

TEST_F(SwimStrips, AStripChosenInOneTickIsDrawnFromTheNextAndFramesWrap) {
    Sprite sprite = SwimmerAt(100, 100, 4, 0);
    sprite.DC = MakeStripSheet(8, 6, 6);  // two strips of three frames
    Anim_Swim_LeftOnly(sprite);           // moving right: the second strip from now on
    EXPECT_EQ(ShownPiece(SwimmerAt(100, 100, 0, 0)), 0);
    for (int expected : {3 + 1, 3 + 2, 3 + 0}) {
        ClearBuffer();
        const Sprite before = sprite;
        Anim_Swim_LeftOnly(sprite);
        EXPECT_EQ(ShownPiece(before), expected);
    }
}

// A dropped object waits, neither drawn nor moved, until its tick; then it
// falls 6 a tick, drawn as it goes, until it is below the screen (reaching
// the screen height exactly is not enough), and waits again just above the
// screen in the same column.
TEST_F(AnimationTest, ADroppedObjectFallsOnItsTickAndWaitsAgainAboveTheScreen) {
    constexpr Integer kTrigger = 250;
    // 48 high: falling from -48 by 6 it passes Y = 240, the screen height, exactly.
    Sprite bottle = SpriteAt(40, -48, 32, 48, 13, 4, MakeStripSheet(32, 48, 13));
    LongTick = kTrigger - 1;
    Anim_Swim_Drop(bottle, kTrigger);
    EXPECT_EQ(bottle.Y, -48);
    EXPECT_EQ(bottle.Frame, 4);
    EXPECT_EQ(bottle.DY, 0);

    int fallTicks = 0;
    for (LongTick = kTrigger; fallTicks == 0 || bottle.DY != 0; ++LongTick) {
        ClearBuffer();
        const Sprite before = bottle;
        Anim_Swim_Drop(bottle, kTrigger);
        ++fallTicks;
        if (bottle.DY != 0) EXPECT_EQ(bottle.Y, before.Y + 6);
        if (before.Y >= 0 && before.Y + 1 < ScreenHeight) {
            EXPECT_EQ(ShownPiece(before), before.Frame);
        }
        ASSERT_LT(fallTicks, 1000);
    }
    EXPECT_EQ(fallTicks, (240 + 48) / 6 + 1);
    EXPECT_EQ(bottle.Y, -48);
    EXPECT_EQ(bottle.X, 40);

    const Sprite waiting = bottle;
    ClearBuffer();
    Anim_Swim_Drop(bottle, kTrigger);
    EXPECT_EQ(bottle.Y, waiting.Y);
    EXPECT_EQ(bottle.Frame, waiting.Frame);
    EXPECT_TRUE(BufferUntouched());
}

constexpr platform::Colour kLineGrey = 0xFF808080u;

using WormTest = AnimationTest;

// The tick counters as the main timer advances them, each back to 0 after its top value.
void AdvanceTickCounters() {
    LongTick = LongTick == 1000 ? 0 : LongTick + 1;
    ShortTick = ShortTick == 100 ? 0 : ShortTick + 1;
}

Sprite WaitingWorm(platform::Handle sheet) {
    Sprite worm = SpriteAt(50, -60, 37, 60, 3, 1, sheet);
    worm.DY = 7;
    worm.State = "None";
    return worm;
}

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

// The line runs from the top edge to just inside the worm's picture, which
// covers it; waiting just above the screen the worm draws no line. A trigger
// tick starts a drop only while the worm waits.
TEST_F(WormTest, TheLineAndTheTriggers) {
    Sprite worm = WaitingWorm(0);  // without its picture only the line shows
    worm.Y = 70;
    worm.State = "Still";
    LongTick = 100;
    Anim_Custom_Worm(worm);
    for (int row = 0; row <= 72; ++row)
        ASSERT_EQ(BufferColour(59, row), kLineGrey) << "row " << row;
    EXPECT_EQ(BufferColour(59, 73), kBackground);
    EXPECT_EQ(BufferColour(58, 10), kBackground);
    EXPECT_EQ(BufferColour(60, 10), kBackground);
    EXPECT_EQ(worm.State, "Still");
    EXPECT_EQ(WormStillCount, 1);

    ClearBuffer();
    worm.DC = MakeStripSheet(37, 60, 5);
    const Integer drawnFrame = worm.Frame;
    Anim_Custom_Worm(worm);
    EXPECT_EQ(BufferColour(59, 70), kLineGrey) << "the picture's transparent top row";
    EXPECT_EQ(PieceAt(59, 71), drawnFrame) << "the picture over the line";

    worm.State = "Dropping";
    worm.Y = 0;
    LongTick = 600;
    Anim_Custom_Worm(worm);
    EXPECT_EQ(worm.State, "Dropping");
    EXPECT_EQ(worm.Y, 7) << "the fall goes on";

    ClearBuffer();
    worm = WaitingWorm(MakeStripSheet(37, 60, 5));
    LongTick = 5;
    Anim_Custom_Worm(worm);
    EXPECT_TRUE(BufferUntouched());
    EXPECT_EQ(worm.State, "None");
    EXPECT_EQ(worm.Y, -60);
}

}  // namespace
}  // namespace bv::testing
