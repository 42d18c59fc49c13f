// How a routine draws a frame into the back buffer, from which sheet, and
// how each reports its own failures under its own location and returns.

#include <string>

#include "animation_fixture.h"
#include "errors/error_code.h"
#include "scene/anim_groups.h"
#include "scene/anim_still.h"
#include "scene/anim_swim.h"
#include "scene/anim_timed.h"
#include "scene/anim_worm.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv::testing {
namespace {

using DrawingTest = AnimationTest;

Sprite SmallPiece(platform::Handle sheet, Long x, Long y) {
    return SpriteAt(x, y, 8, 6, 3, 1, sheet);
}

TEST_F(DrawingTest, OpaquePixelsShowTheImageAndTransparentOnesKeepTheBackground) {
    Sprite sprite = SmallPiece(MakeStripSheet(8, 6, 3), 10, 20);
    Anim_Still_Loop(sprite);
    for (int x = 10; x < 18; ++x) {
        EXPECT_EQ(BufferColour(x, 20), kBackground) << "transparent top row at x " << x;
        for (int y = 21; y < 26; ++y)
            EXPECT_EQ(BufferColour(x, y), PieceColour(1)) << x << "," << y;
    }
    // Nothing outside the frame changes.
    for (const auto [x, y] : {std::pair{9, 22}, {18, 22}, {12, 26}, {12, 19}})
        EXPECT_EQ(BufferColour(x, y), kBackground) << x << "," << y;
}

TEST_F(DrawingTest, FramesPartlyOffTheBufferAreClipped) {
    Sprite sprite = SmallPiece(MakeStripSheet(8, 6, 3), -4, 236);
    Anim_Still_Loop(sprite);
    EXPECT_EQ(PieceAt(0, 237), 1);
    EXPECT_EQ(PieceAt(3, 239), 1);
    EXPECT_EQ(PieceAt(4, 237), kShowsBackground);
    EXPECT_TRUE(reports.empty());
}

// Without a surface (never loaded, or released) or without a back buffer a
// record still moves and animates; nothing is drawn and nothing fails.
TEST_F(DrawingTest, ARecordWithoutSurfaceOrBufferStillMovesButDrawsNothing) {
    Sprite swimmer = SmallPiece(0, 100, 100);
    swimmer.DX = 5;
    swimmer.DY = 2;
    Anim_Swim_RightOnly(swimmer);
    EXPECT_EQ(swimmer.X, 105);
    EXPECT_EQ(swimmer.Y, 102);
    EXPECT_EQ(swimmer.Frame, 2);

    Sprite released = SmallPiece(MakeStripSheet(8, 6, 3), 50, 50);
    platform::DeleteSurface(released.DC);  // a handle that names nothing any more
    Anim_Still_Loop(released);
    EXPECT_EQ(released.Frame, 2);

    for (int i = 1; i <= 7; ++i) {
        BlueDevil(i) = SmallPiece(0, 40 + 10 * i, 60);
        BlueDevil(i).DX = -4;
    }
    Anim_Custom_bluedevil();
    EXPECT_EQ(BlueDevil(7).X, 106);
    EXPECT_TRUE(BufferUntouched());

    BufferDC = 0;
    Sprite unbuffered = SmallPiece(MakeStripSheet(8, 6, 3), 10, 20);
    Anim_Still_Loop(unbuffered);
    EXPECT_EQ(unbuffered.Frame, 2);
    EXPECT_TRUE(reports.empty());
}

// Both pillars stand, unmoving, drawn from the first pillar's sheet; the
// second's SrcX picks its picture.
TEST_F(DrawingTest, BothPillarsComeFromTheFirstPillarsSheet) {
    Pillar(1) = SpriteAt(40, 100, 20, 30, 1, 0, MakeStripSheet(20, 30, 2));
    Pillar(2) = SpriteAt(200, 100, 20, 30, 1);
    Pillar(2).SrcX = 20;
    for (int tick = 0; tick < 2; ++tick) {
        ClearBuffer();
        Anim_Custom_Pillars();
        EXPECT_EQ(ShownPiece(Pillar(1)), 0);
        EXPECT_EQ(ShownPiece(Pillar(2)), 1);
    }
    EXPECT_EQ(Pillar(1).X, 40);
    EXPECT_EQ(Pillar(2).Frame, 0);
    EXPECT_TRUE(reports.empty());
}

// Frame x Width does not fit 16 bits, so drawing the frame fails.
Sprite Overflowing() {
    Sprite sprite = SpriteAt(10, 10, 100, 6, 400, 350);
    sprite.DX = 4;
    sprite.DY = 6;
    sprite.FrameStep = 1;
    sprite.State = "None";
    return sprite;
}

struct SpriteRoutine {
    const char* location;
    void (*routine)(Sprite&);
};

void Drop(Sprite& sprite) {
    Anim_Swim_Drop(sprite, 500);
}

const SpriteRoutine kSpriteRoutines[] = {{"Anim_Swim_RightOnly", Anim_Swim_RightOnly},
                                         {"Anim_Swim_LeftOnly", Anim_Swim_LeftOnly},
                                         {"Anim_Swim_RightDown", Anim_Swim_RightDown},
                                         {"Anim_Swim_LeftUp", Anim_Swim_LeftUp},
                                         {"Anim_Swim_Both1", Anim_Swim_Both1},
                                         {"Anim_Swim_Drop", Drop},
                                         {"Anim_Still_Loop", Anim_Still_Loop},
                                         {"Anim_Still_Reverse", Anim_Still_Reverse},
                                         {"Anim_Custom_Eyes", Anim_Custom_Eyes},
                                         {"Anim_Custom_Crab", Anim_Custom_Crab},
                                         {"Anim_Custom_Anchor", Anim_Custom_Anchor},
                                         {"Anim_Custom_DiverHead", Anim_Custom_DiverHead},
                                         {"Anim_Custom_ScubaDude", Anim_Custom_ScubaDude},
                                         {"Anim_Custom_Treasure", Anim_Custom_Treasure},
                                         {"Anim_Custom_Worm", Anim_Custom_Worm}};

using FailureLocations = AnimationTest;

TEST_F(FailureLocations, ASingleRecordsRoutineReportsUnderItsOwnNameAndLeavesTheRecord) {
    for (const SpriteRoutine& entry : kSpriteRoutines) {
        reports.clear();
        Sprite sprite = Overflowing();
        entry.routine(sprite);
        ASSERT_EQ(reports.size(), 1u) << entry.location;
        EXPECT_EQ(reports[0], std::string("Error Code: BV-6- Animations\\") + entry.location);
        EXPECT_EQ(sprite.Frame, 350) << entry.location;
        EXPECT_EQ(sprite.X, 10) << entry.location;
        EXPECT_EQ(sprite.Y, 10) << entry.location;
    }
}

struct GroupRoutine {
    const char* location;
    const char* tracePoint;  // what the routine has set when it fails
    void (*routine)();
    Sprite& firstMember;
};

TEST_F(FailureLocations, AGroupsRoutineReportsUnderItsOwnName) {
    const GroupRoutine groups[] = {
        {"Anim_Custom_bluedevil", "", Anim_Custom_bluedevil, BlueDevil(1)},
        {"Anim_Custom_SwimHorse", "", Anim_Custom_SwimHorse, SwimHorse(1)},
        {"Anim_Custom_redfish", "", Anim_Custom_redfish, RedFish(1)},
        {"Anim_Custom_Yellowfish", "", Anim_Custom_Yellowfish, YellowFish(1)},
        {"Anim_Custom_AngelFish", "", Anim_Custom_AngelFish, AngelFish(1)},
        {"Anim_Custom_emperorfish", "", Anim_Custom_emperorfish, EmperorFish(1)},
        {"Anim_Custom_Pillars", "", Anim_Custom_Pillars, Pillar(1)},
        {"Anim_Custom_Clam", "", Anim_Custom_Clam, Clam(1)},
        {"Anim_Custom_BubbleRight", "001", Anim_Custom_BubbleRight, BubblesRight(1)},
        {"Anim_Custom_BubbleLeft", "007", Anim_Custom_BubbleLeft, BubblesLeft(1)}};
    for (const GroupRoutine& group : groups) {
        reports.clear();
        TracePoint.clear();
        group.firstMember = Overflowing();
        // The bobbing schools advance the frame first: start it where that overflows too.
        group.firstMember.Frame = 32767;
        group.firstMember.Frames = 32767;
        group.routine();
        ASSERT_EQ(reports.size(), 1u) << group.location;
        EXPECT_EQ(reports[0], std::string("Error Code: BV-6-") + group.tracePoint +
                                  " Animations\\" + group.location);
        group.firstMember = Sprite{};
    }
}

}  // namespace
}  // namespace bv::testing
