// The two bubble streams: columns, wrapping, trace markers and wide screens.

#include <climits>

#include "animation_fixture.h"
#include "errors/error_code.h"
#include "scene/anim_groups.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv::testing {
namespace {

class BubbleTest : public AnimationTest {
protected:
    // Every bubble of both streams somewhere harmless, rising.
    void FillStreams(Long rightX, Long leftX) {
        for (int i = 1; i <= 50; ++i) {
            for (auto* stream : {&BubblesRight, &BubblesLeft}) {
                Sprite& bubble = (*stream)(i);
                bubble.Width = 11;
                bubble.Height = 10;
                bubble.Frames = 1;
                bubble.DX = i <= 25 ? 3 : -3;
                bubble.DY = -6;
                bubble.Y = 100;
            }
            BubblesRight(i).X = rightX;
            BubblesLeft(i).X = leftX;
        }
    }
};

TEST_F(BubbleTest, BubblesReEnterAtTheBottomOnlyOnceAboveTheTopEdge) {
    FillStreams(290, 20);
    BubblesLeft(1).Y = 3;
    BubblesLeft(2).Y = 6;
    BubblesRight(1).Y = 5;
    Anim_Custom_BubbleLeft();
    Anim_Custom_BubbleRight();
    EXPECT_EQ(BubblesLeft(1).Y, ScreenHeight);
    EXPECT_EQ(BubblesRight(1).Y, ScreenHeight);
    EXPECT_EQ(BubblesLeft(2).Y, 0) << "at the top edge it stays for one drawing";
    Anim_Custom_BubbleLeft();
    EXPECT_EQ(BubblesLeft(2).Y, ScreenHeight);
    EXPECT_EQ(BubblesLeft(1).Y, ScreenHeight - 6);
}

TEST_F(BubbleTest, TheRightStreamWobblesBetweenFiveSixthsAndTheRightEdge) {
    UseScreen(1024, 768);  // five sixths: 853.33; right edge less a bubble: 1013
    FillStreams(900, 20);
    BubblesRight(1).X = 857;  // to 854: inside
    BubblesRight(1).DX = -3;
    BubblesRight(2).X = 856;  // to 853: outside
    BubblesRight(2).DX = -3;
    BubblesRight(3).X = 1010;  // to 1013: inside
    BubblesRight(4).X = 1011;  // to 1014: outside
    Anim_Custom_BubbleRight();
    EXPECT_EQ(BubblesRight(1).DX, -3);
    EXPECT_EQ(BubblesRight(2).DX, 3);
    EXPECT_EQ(BubblesRight(3).DX, 3);
    EXPECT_EQ(BubblesRight(4).DX, -3);
    EXPECT_EQ(TracePoint, "006");
}

TEST_F(BubbleTest, TheLeftStreamWobblesBetweenTheLeftEdgeAndOneSixth) {
    UseScreen(1024, 768);  // one sixth less a bubble: 159.67
    FillStreams(900, 80);
    BubblesLeft(1).X = 156;  // to 159: inside
    BubblesLeft(2).X = 157;  // to 160: outside
    BubblesLeft(3).X = 3;    // to 0: inside
    BubblesLeft(3).DX = -3;
    BubblesLeft(4).X = 2;  // to -1: outside
    BubblesLeft(4).DX = -3;
    Anim_Custom_BubbleLeft();
    EXPECT_EQ(BubblesLeft(1).DX, 3);
    EXPECT_EQ(BubblesLeft(2).DX, -3);
    EXPECT_EQ(BubblesLeft(3).DX, -3);
    EXPECT_EQ(BubblesLeft(4).DX, 3);
    EXPECT_EQ(TracePoint, "012");
}

TEST_F(BubbleTest, BothStreamsAreDrawnFromTheLeftStreamsFirstBubble) {
    FillStreams(290, 20);
    BubblesLeft(1).DC = MakeStripSheet(11, 10, 1);
    BubblesRight(1).DC = 0;  // never loaded
    BubblesRight(7).X = 280;
    BubblesRight(7).Y = 50;
    BubblesLeft(9).X = 30;
    BubblesLeft(9).Y = 150;
    const Sprite right = BubblesRight(7);
    const Sprite left = BubblesLeft(9);
    Anim_Custom_BubbleRight();
    Anim_Custom_BubbleLeft();
    EXPECT_EQ(ShownPiece(right), 0);
    EXPECT_EQ(ShownPiece(left), 0);
    EXPECT_EQ(PieceAt(right.X + 1, right.Y), kShowsBackground);
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

// 5 x 7680 does not fit 16 bits; the column bound must still be worked out.
TEST_F(BubbleTest, TheRightStreamRunsOnAn8KScreen) {
    SetScreenSize(7680, 4320);  // the small back buffer is enough: only the bounds matter here
    FillStreams(6500, 20);
    BubblesRight(1).X = 6402;  // to 6399: left of five sixths (6400)
    BubblesRight(1).DX = -3;
    BubblesRight(2).X = 6403;  // to 6400: inside
    BubblesRight(2).DX = -3;
    BubblesRight(3).X = 7667;  // to 7670: past 7680 - 11
    Anim_Custom_BubbleRight();
    EXPECT_TRUE(reports.empty()) << reports.front();
    EXPECT_EQ(BubblesRight(1).DX, 3);
    EXPECT_EQ(BubblesRight(2).DX, -3);
    EXPECT_EQ(BubblesRight(3).DX, -3);

    for (int tick = 0; tick < 2000; ++tick) Anim_Custom_BubbleRight();
    EXPECT_TRUE(reports.empty());
    for (int i = 1; i <= 50; ++i) {
        EXPECT_GE(BubblesRight(i).X, 6400 - 3) << "bubble " << i;
        EXPECT_LE(BubblesRight(i).X, 7680 - 11 + 3) << "bubble " << i;
    }
}

}  // namespace
}  // namespace bv::testing
