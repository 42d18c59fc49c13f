// Random starts: drawn in the catalogue's order, each placed by its rule,
// inside its range and reaching both ends of it; school members keep their
// places around the leader.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "catalogue_test_support.h"
#include "platform/random.h"
#include "scene/creature_setup.h"
#include "scene/properties.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv {
namespace {

// A whole number from low to high drawn from r in [0, 1): Int(r x (high - low + 1) + low).
Long Drawn(double r, double low, double high) {
    return static_cast<Long>(std::floor(r * (high - low + 1) + low));
}

class RandomPlacement : public ::testing::Test {
protected:
    void SetUp() override { test::StartAfresh(1024, 768); }
    // Re-seeding reads a fixed number instead of the clock, so the draws repeat.
    test::ScopedEnvironment fixedClock_{"BLUVESSA_RANDOM_SEED", "20240611"};
    test::AssetFolder emptyAssets_;
};

// With the clock fixed the draws after a restart repeat: replaying them shows
// the order. A creature draws its start frame, then X, then Y; a school every
// member's frame before placing its leader; a bubble Y before X.
TEST_F(RandomPlacement, CreaturesSchoolsAndBubblesDrawInTheirOrder) {
    ResetRandomForTests(77);
    Properties_Predator();  // the dolphin first
    ResetRandomForTests(77);
    Randomize();
    EXPECT_EQ(Dolphin.Frame, Drawn(Rnd(), 0, 5));
    EXPECT_EQ(Dolphin.X, Drawn(Rnd(), SwimLeft, SwimRight - 166));
    EXPECT_EQ(Dolphin.Y, Drawn(Rnd(), 0, SwimBottom - 80));

    ResetRandomForTests(78);
    Properties_Fish();  // the blue devils first
    ResetRandomForTests(78);
    for (int member = 1; member <= 7; ++member) {
        Randomize();
        EXPECT_EQ(BlueDevil(member).Frame, Drawn(Rnd(), 0, 6)) << "member " << member;
    }
    Randomize();
    EXPECT_EQ(BlueDevil(1).X, Drawn(Rnd(), SwimLeft, SwimRight - 30));
    EXPECT_EQ(BlueDevil(1).Y, Drawn(Rnd(), 0, SwimBottom - 18));

    ResetRandomForTests(79);
    Properties_Other();  // the anchor, two bottles, then the right stream
    ResetRandomForTests(79);
    Randomize();
    for (int bottle = 1; bottle <= 2; ++bottle) {
        Randomize();
        Rnd();  // start frame
        Rnd();  // x
    }
    Randomize();
    EXPECT_EQ(BubblesRight(1).Y, Drawn(Rnd(), 0, 768));
    EXPECT_EQ(BubblesRight(1).X, Drawn(Rnd(), 1024 * 5.0 / 6.0, 1024 - 11));
}

// Whatever the formation says, members stand at their offsets from the
// leader with their own bob; the leader stays where it was drawn, in the
// lower half of the swim area for a school kept there.
TEST_F(RandomPlacement, SchoolMembersKeepTheirFormationAroundTheLeader) {
    constexpr SchoolMember kFormation[] = {{50, 60, -1, 0}, {7, -9, 1, 20}, {-11, 13, 0, 3}};
    for (const LeaderDepth depth : {LeaderDepth::kAnywhere, LeaderDepth::kLowerHalf}) {
        const CatalogueRow row[] = {{{&RedFish(1), &RedFish(2), &RedFish(3)},
                                     "bv_redfish.bmp",
                                     41,
                                     31,
                                     8,
                                     kRandomFrame,
                                     -5,
                                     2,
                                     School{kFormation, depth}}};
        ResetRandomForTests(80);
        SetUpCatalogue(row);
        ResetRandomForTests(80);
        for (int member = 1; member <= 3; ++member) {
            Randomize();
            EXPECT_EQ(RedFish(member).Frame, Drawn(Rnd(), 0, 7)) << "member " << member;
        }
        Randomize();
        EXPECT_EQ(RedFish(1).X, Drawn(Rnd(), SwimLeft, SwimRight - 41));
        const double top = depth == LeaderDepth::kLowerHalf ? SwimBottom / 2.0 : 0;
        EXPECT_EQ(RedFish(1).Y, Drawn(Rnd(), top, SwimBottom - 31));
        for (int member = 1; member <= 3; ++member) {
            SCOPED_TRACE("member " + std::to_string(member));
            const SchoolMember& place = kFormation[member - 1];
            if (member > 1) {
                EXPECT_EQ(RedFish(member).X, RedFish(1).X + place.dx);
                EXPECT_EQ(RedFish(member).Y, RedFish(1).Y + place.dy);
            }
            EXPECT_EQ(RedFish(member).DY, place.ownDY);
            EXPECT_EQ(RedFish(member).BobPeriod, place.bobPeriod);
            EXPECT_EQ(RedFish(member).DX, -5);
        }
    }
}

// The sea horses swim as a zigzag: each follower further back than the one
// before it, alternately below and above the leader by one depth.
TEST_F(RandomPlacement, TheSeaHorsesSwimAsAZigzag) {
    ResetRandomForTests(3);
    test::SetUpAllRecords();
    const int depth = SwimHorse(2).Y - SwimHorse(1).Y;
    EXPECT_GT(depth, 0);
    for (int member = 2; member <= 5; ++member) {
        SCOPED_TRACE("member " + std::to_string(member));
        EXPECT_GT(SwimHorse(member).X, SwimHorse(member - 1).X);
        EXPECT_EQ(SwimHorse(member).Y - SwimHorse(1).Y, member % 2 == 0 ? depth : -depth);
    }
}

// Notes each value against its range, and which ends it reached.
class RangeTally {
public:
    void Check(const std::string& what, Long value, double low, double high) {
        EXPECT_TRUE(low <= value && value <= high)
            << what << " at " << value << ", outside " << low << " to " << high;
        reached_[what].first |= value == low;
        reached_[what].second |= value == high;
    }
    void ExpectBothEndsReached(const std::string& what) {
        EXPECT_TRUE(reached_[what].first) << what << " never at its low end";
        EXPECT_TRUE(reached_[what].second) << what << " never at its high end";
    }

private:
    std::map<std::string, std::pair<bool, bool>> reached_;
};

// Over many seeds of the real catalogue every random start stays in range,
// and the ranges marked reach both ends, so no off-by-one narrows them.
TEST_F(RandomPlacement, RandomStartsStayInTheirRangesAndReachBothEnds) {
    RangeTally tally;
    for (int seed = 1; seed <= 150; ++seed) {
        ResetRandomForTests(seed);
        test::SetUpAllRecords();
        for (const Sprite* s :
             {&Dolphin, &TigerShark, &Hammerhead, &Manatee, &Octopus, &Orca, &Shark, &SwimMaid,
              &Tuna, &Whale, &BlowFish, &ScubaDiver, &BlueDevil(1), &AngelFish(1), &EmperorFish(1),
              &RedFish(1), &YellowFish(1), &SwimHorse(1)}) {
            const double top = s == &SwimHorse(1) ? SwimBottom / 2 : 0;  // kept in the lower half
            tally.Check(s->FileName + " x", s->X, SwimLeft, SwimRight - s->Width);
            tally.Check(s->FileName + " y", s->Y, top, SwimBottom - s->Height);
            tally.Check(s->FileName + " frame", s->Frame, 0, s->Frames - 1);
        }
        // Start frames cover their whole strips.
        tally.Check("octopus frame", Octopus.Frame, 0, 15);
        tally.Check("bottle 2 frame", Bottle(2).Frame, 0, 12);
        tally.Check("angelfish 3 frame", AngelFish(3).Frame, 0, 9);
        for (const Sprite* dropper : {&Bottle(1), &Bottle(2), &MofiaSnitch, &Worm}) {
            tally.Check(dropper->FileName + " x", dropper->X, 0, ScreenWidth - dropper->Width);
            tally.Check(dropper->FileName + " y", dropper->Y, -dropper->Height, -dropper->Height);
            tally.Check(dropper->FileName + " frame", dropper->Frame, 0, dropper->Frames - 1);
            if (dropper != &Worm) EXPECT_EQ(dropper->DY, 0) << "falls only on its tick";
        }
        // The right sixth starts at 853.33, the left one ends at 170.67; a
        // bubble may start one row below the screen.
        for (int i = 1; i <= 50; ++i) {
            tally.Check("right bubble x", BubblesRight(i).X, 853, 1013);
            tally.Check("left bubble x", BubblesLeft(i).X, 0, 160);
            tally.Check("bubble y", BubblesRight(i).Y, 0, 768);
            tally.Check("bubble y", BubblesLeft(i).Y, 0, 768);
        }
    }
    for (const char* what : {"octopus frame", "bottle 2 frame", "angelfish 3 frame",
                             "right bubble x", "left bubble x", "bubble y"})
        tally.ExpectBothEndsReached(what);
    // The first half of each stream drifts one way, the second half the other;
    // every bubble has the stream's sizes but draws from its first picture.
    for (auto* stream : {&BubblesRight, &BubblesLeft}) {
        EXPECT_EQ((*stream)(25).DX, 3);
        EXPECT_EQ((*stream)(26).DX, -3);
        EXPECT_EQ((*stream)(50).DY, -6);
        EXPECT_EQ((*stream)(50).Width, 11);
        EXPECT_EQ((*stream)(50).Frames, 1);
        EXPECT_EQ((*stream)(1).FileName, "bv_bubble.bmp");
        EXPECT_EQ((*stream)(2).FileName, "");
    }
}

}  // namespace
}  // namespace bv
