// Random start positions and frames stay inside their ranges whatever the
// generator gives, reach both ends of them, and are drawn in the catalogue's
// order.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "catalogue_test_support.h"
#include "platform/random.h"
#include "scene/properties.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv {
namespace {

constexpr int kSeeds = 150;

struct Range {
    Long low = 0;
    Long high = 0;
};

// Counts how often a value lands at each end of its range, and fails on one
// outside it.
class RangeWatch {
public:
    RangeWatch(const char* what, Range range) : what_(what), range_(range) {}

    void Check(Long value) {
        EXPECT_GE(value, range_.low) << what_;
        EXPECT_LE(value, range_.high) << what_;
        if (value == range_.low) ++atLow_;
        if (value == range_.high) ++atHigh_;
    }
    void ExpectBothEndsReached() const {
        EXPECT_GT(atLow_, 0) << what_ << " never starts at " << range_.low;
        EXPECT_GT(atHigh_, 0) << what_ << " never starts at " << range_.high;
    }

private:
    const char* what_;
    Range range_;
    int atLow_ = 0;
    int atHigh_ = 0;
};

Range FreeSwimmerX(const Sprite& s) {
    return {SwimLeft, SwimRight - s.Width};
}
Range FreeSwimmerY(const Sprite& s) {
    return {0, SwimBottom - s.Height};
}
Range AnyFrame(const Sprite& s) {
    return {0, s.Frames - 1};
}

class RandomPlacement : public ::testing::Test {
protected:
    void SetUp() override { test::StartAfresh(1024, 768); }
    test::FixedClock clock_;
    test::AssetFolder emptyAssets_;
};

TEST_F(RandomPlacement, FreeSwimmersStartAnywhereInTheSwimArea) {
    struct Swimmer {
        const char* name;
        Sprite* record;
    };
    const Swimmer swimmers[] = {
        {"dolphin", &Dolphin}, {"tiger shark", &TigerShark}, {"hammerhead", &Hammerhead},
        {"manatee", &Manatee}, {"octopus", &Octopus},        {"orca", &Orca},
        {"shark", &Shark},     {"swim maid", &SwimMaid},     {"tuna", &Tuna},
        {"whale", &Whale},     {"blowfish", &BlowFish},      {"scuba diver", &ScubaDiver}};
    for (int seed = 1; seed <= kSeeds; ++seed) {
        ResetRandomForTests(seed);
        test::SetUpAllRecords();
        for (const Swimmer& swimmer : swimmers) {
            SCOPED_TRACE(swimmer.name);
            const Sprite& s = *swimmer.record;
            EXPECT_GE(s.X, SwimLeft);
            EXPECT_LE(s.X, SwimRight - s.Width);
            EXPECT_GE(s.Y, 0);
            EXPECT_LE(s.Y, SwimBottom - s.Height);
            EXPECT_GE(s.Frame, 0);
            EXPECT_LT(s.Frame, s.Frames);
        }
    }
}

TEST_F(RandomPlacement, StartFramesCoverTheWholeStrip) {
    RangeWatch octopus("octopus frame", {0, 15});
    RangeWatch bottle("bottle frame", {0, 12});
    RangeWatch angelFish("angelfish member 3 frame", {0, 9});
    for (int seed = 1; seed <= kSeeds; ++seed) {
        ResetRandomForTests(seed);
        test::SetUpAllRecords();
        octopus.Check(Octopus.Frame);
        bottle.Check(Bottle(2).Frame);
        angelFish.Check(AngelFish(3).Frame);
    }
    octopus.ExpectBothEndsReached();
    bottle.ExpectBothEndsReached();
    angelFish.ExpectBothEndsReached();
}

TEST_F(RandomPlacement, SchoolLeadersStartLikeFreeSwimmers) {
    for (int seed = 1; seed <= kSeeds; ++seed) {
        ResetRandomForTests(seed);
        Properties_Fish();
        for (const Sprite* leader :
             {&BlueDevil(1), &AngelFish(1), &EmperorFish(1), &RedFish(1), &YellowFish(1)}) {
            EXPECT_GE(leader->X, SwimLeft);
            EXPECT_LE(leader->X, SwimRight - leader->Width);
            EXPECT_GE(leader->Y, 0);
            EXPECT_LE(leader->Y, SwimBottom - leader->Height);
        }
    }
}

TEST_F(RandomPlacement, SwimHorseLeaderStartsInTheLowerHalf) {
    // SwimBottom 703: the leader's Y is Int(r x 332.5 + 351.5), never in the upper half.
    for (int seed = 1; seed <= kSeeds * 2; ++seed) {
        ResetRandomForTests(seed);
        Properties_Fish();
        EXPECT_GE(SwimHorse(1).Y, 351);
        EXPECT_LE(SwimHorse(1).Y, 703 - 21);
        EXPECT_GE(SwimHorse(1).X, SwimLeft);
        EXPECT_LE(SwimHorse(1).X, SwimRight - 20);
    }
}

TEST_F(RandomPlacement, SchoolMembersKeepTheirFormation) {
    struct Member {
        const char* what;
        Sprite* member;
        Sprite* leader;
        Long dx, dy;
        Integer ownDY, bobPeriod;
    };
    for (int seed = 1; seed <= 20; ++seed) {
        ResetRandomForTests(seed);
        Properties_Fish();
        const Member members[] = {
            {"angelfish 5", &AngelFish(5), &AngelFish(1), 145, -25, -1, 20},
            {"angelfish 2", &AngelFish(2), &AngelFish(1), 55, 55, -1, 40},
            {"yellowfish 5", &YellowFish(5), &YellowFish(1), 145, -25, -1, 20},
            {"yellowfish 3", &YellowFish(3), &YellowFish(1), 75, -55, 1, 50},
            {"blue devil 7", &BlueDevil(7), &BlueDevil(1), 115, 2, 1, 0},
            {"blue devil 6", &BlueDevil(6), &BlueDevil(1), 50, 0, 1, 0},
            {"emperorfish 3", &EmperorFish(3), &EmperorFish(1), 85, -45, 0, 20},
            {"emperorfish 5", &EmperorFish(5), &EmperorFish(1), 85, 45, 0, 18},
            {"redfish 2", &RedFish(2), &RedFish(1), 55, 55, -1, 30},
            {"redfish 4", &RedFish(4), &RedFish(1), 125, 15, 1, 10},
            {"swim horse 5", &SwimHorse(5), &SwimHorse(1), 65, -15, 1, 0},
        };
        for (const Member& m : members) {
            SCOPED_TRACE(m.what);
            EXPECT_EQ(m.member->X, m.leader->X + m.dx);
            EXPECT_EQ(m.member->Y, m.leader->Y + m.dy);
            EXPECT_EQ(m.member->DY, m.ownDY);
            EXPECT_EQ(m.member->BobPeriod, m.bobPeriod);
            EXPECT_EQ(m.member->DX, m.leader->DX);
            EXPECT_EQ(m.member->Width, m.leader->Width);
        }
        EXPECT_EQ(AngelFish(1).DY, -1);
        EXPECT_EQ(AngelFish(1).BobPeriod, 0);
        EXPECT_EQ(EmperorFish(1).DY, -1);
        EXPECT_EQ(BlueDevil(1).DY, 1);
    }
}

TEST_F(RandomPlacement, DroppersWaitJustAboveTheScreen) {
    for (int seed = 1; seed <= kSeeds; ++seed) {
        ResetRandomForTests(seed);
        Properties_Other();
        for (const Sprite* dropper : {&Bottle(1), &Bottle(2), &MofiaSnitch, &Worm}) {
            EXPECT_GE(dropper->X, 0);
            EXPECT_LE(dropper->X, ScreenWidth - dropper->Width);
            EXPECT_EQ(dropper->Y, -dropper->Height);
        }
        EXPECT_EQ(Bottle(1).DY, 0);
        EXPECT_EQ(MofiaSnitch.DY, 0);
    }
}

TEST_F(RandomPlacement, BubblesRiseInTheirSixthOfTheScreen) {
    // 1024 x 768: the right sixth starts at 853.33, the left sixth ends at 170.67.
    RangeWatch rightX("right bubble x", {853, 1013});
    RangeWatch leftX("left bubble x", {0, 160});
    RangeWatch y("bubble y", {0, 768});
    for (int seed = 1; seed <= 100; ++seed) {
        ResetRandomForTests(seed);
        Properties_Other();
        for (int i = 1; i <= 50; ++i) {
            rightX.Check(BubblesRight(i).X);
            leftX.Check(BubblesLeft(i).X);
            y.Check(BubblesRight(i).Y);
            y.Check(BubblesLeft(i).Y);
        }
    }
    rightX.ExpectBothEndsReached();
    leftX.ExpectBothEndsReached();
    y.ExpectBothEndsReached();
}

TEST_F(RandomPlacement, BubbleStreamsDriftApartHalfway) {
    Properties_Other();
    for (auto* stream : {&BubblesRight, &BubblesLeft}) {
        for (int i = 1; i <= 50; ++i) {
            SCOPED_TRACE("bubble " + std::to_string(i));
            EXPECT_EQ((*stream)(i).DX, i <= 25 ? 3 : -3);
            EXPECT_EQ((*stream)(i).DY, -6);
            EXPECT_EQ((*stream)(i).Width, 11);
            EXPECT_EQ((*stream)(i).Frames, 1);
            EXPECT_EQ((*stream)(i).Frame, 0);
        }
        // Every bubble draws from the stream's first picture.
        EXPECT_EQ((*stream)(1).FileName, "bv_bubble.bmp");
        EXPECT_EQ((*stream)(2).FileName, "");
        EXPECT_EQ((*stream)(50).FileName, "");
    }
}

// With the clock fixed, the draws after a restart repeat; the creature set up
// first shows in which order it takes them.
TEST_F(RandomPlacement, ACreatureDrawsStartFrameThenXThenY) {
    ResetRandomForTests(77);
    Properties_Predator();

    ResetRandomForTests(77);
    Randomize();
    const double frame = Rnd(), x = Rnd(), y = Rnd();
    EXPECT_EQ(Dolphin.Frame, static_cast<Integer>(std::floor(6 * frame)));
    EXPECT_EQ(Dolphin.X,
              static_cast<Long>(std::floor((SwimRight - 166 - SwimLeft + 1) * x + SwimLeft)));
    EXPECT_EQ(Dolphin.Y, static_cast<Long>(std::floor((SwimBottom - 80 + 1) * y)));
}

TEST_F(RandomPlacement, ASchoolDrawsEveryMembersFrameBeforePlacingItsLeader) {
    ResetRandomForTests(78);
    Properties_Fish();

    ResetRandomForTests(78);
    for (int member = 1; member <= 7; ++member) {
        Randomize();
        EXPECT_EQ(BlueDevil(member).Frame, static_cast<Integer>(std::floor(7 * Rnd())))
            << "member " << member;
    }
    Randomize();
    const double x = Rnd(), y = Rnd();
    EXPECT_EQ(BlueDevil(1).X,
              static_cast<Long>(std::floor((SwimRight - 30 - SwimLeft + 1) * x + SwimLeft)));
    EXPECT_EQ(BlueDevil(1).Y, static_cast<Long>(std::floor((SwimBottom - 18 + 1) * y)));
}

TEST_F(RandomPlacement, ABubbleDrawsYBeforeX) {
    ResetRandomForTests(79);
    Properties_Other();

    ResetRandomForTests(79);
    Randomize();  // the anchor
    for (int bottle = 1; bottle <= 2; ++bottle) {
        Randomize();
        Rnd();  // start frame
        Rnd();  // x
    }
    Randomize();
    const double y = Rnd(), x = Rnd();
    EXPECT_EQ(BubblesRight(1).Y, static_cast<Long>(std::floor(769 * y)));
    const double rightSixth = 1024 * 5.0 / 6.0;
    EXPECT_EQ(BubblesRight(1).X,
              static_cast<Long>(std::floor((1024 - 11 - rightSixth + 1) * x + rightSixth)));
}

TEST_F(RandomPlacement, SwimmerTallerThanTheSwimAreaStartsAtTheTopOrAbove) {
    // SwimBottom 15 on a 80-high screen: the swim maid (149 high) has no room.
    test::StartAfresh(200, 80);
    for (int seed = 1; seed <= 30; ++seed) {
        ResetRandomForTests(seed);
        Properties_Predator();
        EXPECT_LE(SwimMaid.Y, 0);
        EXPECT_GE(SwimMaid.Y, SwimBottom - SwimMaid.Height + 1);
    }
}

}  // namespace
}  // namespace bv
