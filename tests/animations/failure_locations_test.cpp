// Each routine reports its own failures under its own location and returns.

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

// Frame x Width does not fit 16 bits, so drawing the frame fails.
Sprite Overflowing() {
    Sprite sprite;
    sprite.X = 10;
    sprite.Y = 10;
    sprite.Width = 100;
    sprite.Height = 6;
    sprite.Frames = 400;
    sprite.Frame = 350;
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

const SpriteRoutine kSpriteRoutines[] = {
    {"Animations\\Anim_Swim_RightOnly", Anim_Swim_RightOnly},
    {"Animations\\Anim_Swim_LeftOnly", Anim_Swim_LeftOnly},
    {"Animations\\Anim_Swim_RightDown", Anim_Swim_RightDown},
    {"Animations\\Anim_Swim_LeftUp", Anim_Swim_LeftUp},
    {"Animations\\Anim_Swim_Both1", Anim_Swim_Both1},
    {"Animations\\Anim_Swim_Drop", Drop},
    {"Animations\\Anim_Still_Loop", Anim_Still_Loop},
    {"Animations\\Anim_Still_Reverse", Anim_Still_Reverse},
    {"Animations\\Anim_Custom_Eyes", Anim_Custom_Eyes},
    {"Animations\\Anim_Custom_Crab", Anim_Custom_Crab},
    {"Animations\\Anim_Custom_Anchor", Anim_Custom_Anchor},
    {"Animations\\Anim_Custom_DiverHead", Anim_Custom_DiverHead},
    {"Animations\\Anim_Custom_ScubaDude", Anim_Custom_ScubaDude},
    {"Animations\\Anim_Custom_Treasure", Anim_Custom_Treasure},
    {"Animations\\Anim_Custom_Worm", Anim_Custom_Worm},
};

using FailureLocations = AnimationTest;

TEST_F(FailureLocations, ASingleRecordsRoutineReportsUnderItsOwnNameAndLeavesTheRecord) {
    for (const SpriteRoutine& entry : kSpriteRoutines) {
        reports.clear();
        Sprite sprite = Overflowing();
        entry.routine(sprite);
        ASSERT_EQ(reports.size(), 1u) << entry.location;
        EXPECT_EQ(reports[0], std::string("Error Code: BV-6- ") + entry.location);
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
        {"Animations\\Anim_Custom_bluedevil", "", Anim_Custom_bluedevil, BlueDevil(1)},
        {"Animations\\Anim_Custom_SwimHorse", "", Anim_Custom_SwimHorse, SwimHorse(1)},
        {"Animations\\Anim_Custom_redfish", "", Anim_Custom_redfish, RedFish(1)},
        {"Animations\\Anim_Custom_Yellowfish", "", Anim_Custom_Yellowfish, YellowFish(1)},
        {"Animations\\Anim_Custom_AngelFish", "", Anim_Custom_AngelFish, AngelFish(1)},
        {"Animations\\Anim_Custom_emperorfish", "", Anim_Custom_emperorfish, EmperorFish(1)},
        {"Animations\\Anim_Custom_Pillars", "", Anim_Custom_Pillars, Pillar(1)},
        {"Animations\\Anim_Custom_Clam", "", Anim_Custom_Clam, Clam(1)},
        {"Animations\\Anim_Custom_BubbleRight", "001", Anim_Custom_BubbleRight, BubblesRight(1)},
        {"Animations\\Anim_Custom_BubbleLeft", "007", Anim_Custom_BubbleLeft, BubblesLeft(1)},
    };
    for (const GroupRoutine& group : groups) {
        reports.clear();
        TracePoint.clear();
        group.firstMember = Overflowing();
        // The bobbing schools advance the frame first: start it where that overflows too.
        group.firstMember.Frame = 32767;
        group.firstMember.Frames = 32767;
        group.routine();
        ASSERT_EQ(reports.size(), 1u) << group.location;
        EXPECT_EQ(reports[0],
                  std::string("Error Code: BV-6-") + group.tracePoint + " " + group.location);
        group.firstMember = Sprite{};
    }
}

}  // namespace
}  // namespace bv::testing
