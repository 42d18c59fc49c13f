// The scripted pieces: their frames on the ticks the scripts name.

#include <algorithm>
#include <vector>

#include "animation_fixture.h"
#include "scene/anim_timed.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv::testing {
namespace {

class TimedPieceTest : public AnimationTest {
protected:
    Sprite Piece(int columns, Integer frame) {
        Sprite piece;
        piece.X = 100;
        piece.Y = 100;
        piece.Width = 8;
        piece.Height = 6;
        piece.Frames = static_cast<Integer>(columns);  // the scripts never read it
        piece.Frame = frame;
        piece.DC = MakeStripSheet(8, 6, columns);
        return piece;
    }

    // The frames drawn on the ticks with LongTick from first to last.
    std::vector<int> ShownOnLongTicks(void (*animate)(Sprite&), Sprite& piece, int first,
                                      int last) {
        std::vector<int> shown;
        for (LongTick = static_cast<Integer>(first); LongTick <= last; ++LongTick) {
            ClearBuffer();
            animate(piece);
            shown.push_back(ShownPiece(piece));
        }
        return shown;
    }

    // Frame after each tick of one whole cycle of the counter, from tick 1.
    static std::vector<int> FramesOverCycle(const std::function<void()>& tick,
                                            const std::function<int()>& frame, Integer& counter,
                                            int top) {
        std::vector<int> frames(top + 1, 0);
        for (int t = 1; t <= top; ++t) {
            counter = static_cast<Integer>(t);
            tick();
            frames[t] = frame();
        }
        counter = 0;
        tick();
        frames[0] = frame();
        return frames;
    }
};

TEST_F(TimedPieceTest, TheEyesCloseFromFrame5OnLongTicks1To7) {
    Sprite eyes = Piece(6, 5);
    EXPECT_EQ(ShownOnLongTicks(Anim_Custom_Eyes, eyes, 1, 7),
              (std::vector<int>{5, 4, 3, 2, 1, 0, 0}));
    // Two quick looks to frame 4 and back, then open again.
    const auto looks = ShownOnLongTicks(Anim_Custom_Eyes, eyes, 11, 25);
    EXPECT_EQ(looks, (std::vector<int>{0, 2, 4, 2, 0, 0, 0, 0, 0, 0, 0, 2, 4, 2, 0}));
    EXPECT_EQ(ShownOnLongTicks(Anim_Custom_Eyes, eyes, 60, 65),
              (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST_F(TimedPieceTest, TheAnchorSwingsOnLongTicks5To11) {
    Sprite anchor = Piece(5, 0);
    EXPECT_EQ(ShownOnLongTicks(Anim_Custom_Anchor, anchor, 5, 11),
              (std::vector<int>{0, 1, 2, 3, 4, 4, 0}));
}

TEST_F(TimedPieceTest, TheCrabClosesFullyThreeTimesAndHalfwayOnceEachCycle) {
    Sprite crab = Piece(8, 7);
    const auto frames = FramesOverCycle([&] { Anim_Custom_Crab(crab); }, [&] { return crab.Frame; },
                                        LongTick, 1000);
    struct Expect {
        int tick, frame;
    };
    for (const Expect e : {Expect{7, 0},
                           {29, 0},
                           {36, 7},
                           {199, 7},
                           {203, 3},
                           {229, 3},
                           {233, 7},
                           {506, 0},
                           {536, 7},
                           {716, 0},
                           {746, 7},
                           {1000, 7}})
        EXPECT_EQ(frames[e.tick], e.frame) << "after LongTick " << e.tick;
    EXPECT_EQ(*std::min_element(frames.begin(), frames.end()), 0);
    EXPECT_EQ(*std::max_element(frames.begin(), frames.end()), 7);
}

TEST_F(TimedPieceTest, EachClamOpensAndClosesThreeTimesACycle) {
    for (int i = 1; i <= 3; ++i) {
        Clam(i).Frames = 5;
        Clam(i).Width = i == 1 ? 40 : 30;
        Clam(i).Height = i == 1 ? 27 : 19;
        Clam(i).SrcX = i == 1 ? 0 : 200;
    }
    std::vector<int> opened[4];  // ticks after which each clam has just reached frame 4
    for (LongTick = 1; LongTick <= 1000; ++LongTick) {
        Integer previous[4];
        for (int i = 1; i <= 3; ++i) previous[i] = Clam(i).Frame;
        Anim_Custom_Clam();
        for (int i = 1; i <= 3; ++i) {
            ASSERT_GE(Clam(i).Frame, 0);
            ASSERT_LE(Clam(i).Frame, 4);
            if (Clam(i).Frame == 4 && previous[i] != 4) opened[i].push_back(LongTick);
        }
    }
    EXPECT_EQ(opened[1], (std::vector<int>{103, 403, 703}));
    EXPECT_EQ(opened[2], (std::vector<int>{13, 303, 603}));
    EXPECT_EQ(opened[3], (std::vector<int>{203, 503, 803}));
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(Clam(i).Frame, 0) << "clam " << i;
}

TEST_F(TimedPieceTest, TheSmallerClamsComeFromTheLargeClamsSheetAndMaskRow) {
    // Large clam frames at x 0 to 199, smaller ones from x 200; one mask row at y 27.
    Clam(1).DC = MakeSheet(350, 27, [](int x) { return x < 200 ? x / 40 : 5 + (x - 200) / 30; });
    for (int i = 1; i <= 3; ++i) {
        Clam(i).Frames = 5;
        Clam(i).Width = i == 1 ? 40 : 30;
        Clam(i).Height = i == 1 ? 27 : 19;
        Clam(i).SrcX = i == 1 ? 0 : 200;
        Clam(i).X = 60 * i;
        Clam(i).Y = 100;
        Clam(i).Frame = static_cast<Integer>(i);
    }
    Anim_Custom_Clam();
    EXPECT_EQ(ShownPiece(Clam(1)), 1);
    EXPECT_EQ(ShownPiece(Clam(2)), 5 + 2);
    EXPECT_EQ(ShownPiece(Clam(3)), 5 + 3);
    for (int i = 2; i <= 3; ++i) {
        EXPECT_EQ(PieceAt(Clam(i).X + 1, Clam(i).Y), kShowsBackground) << "clam " << i;
        EXPECT_EQ(PieceAt(Clam(i).X + 1, Clam(i).Y + 18), 5 + i) << "clam " << i;
    }
}

TEST_F(TimedPieceTest, TheDiverHeadPlaysFrames1To6AndRestsOnFrame0) {
    Sprite head = Piece(8, 3);
    ShortTick = 0;
    Anim_Custom_DiverHead(head);
    EXPECT_EQ(head.Frame, 0);
    head.Frame = 5;
    ShortTick = 100;
    Anim_Custom_DiverHead(head);
    EXPECT_EQ(head.Frame, 0);

    std::vector<int> shown;
    for (ShortTick = 1; ShortTick <= 8; ++ShortTick) {
        ClearBuffer();
        Anim_Custom_DiverHead(head);
        shown.push_back(ShownPiece(head));
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 0}));
}

TEST_F(TimedPieceTest, TheTreasureOpensOnShortTicks5To7AndClosesOn25To27) {
    Sprite treasure = Piece(4, 0);
    std::vector<int> frames;
    for (ShortTick = 0; ShortTick <= 100; ++ShortTick) {
        Anim_Custom_Treasure(treasure);
        frames.push_back(treasure.Frame);
    }
    EXPECT_EQ(frames[4], 0);
    EXPECT_EQ(frames[5], 1);
    EXPECT_EQ(frames[7], 3);
    EXPECT_EQ(frames[24], 3);
    EXPECT_EQ(frames[27], 0);
    EXPECT_EQ(frames[100], 0);
}

TEST_F(TimedPieceTest, TheScubaDudeTakesItsMaskFromBesideItsFrames) {
    // One row 12 high: frames 0 to 2, then the mask (white top row, black below).
    platform::Bitmap sheet(4 * 8, 12, platform::PixelFormat::TrueColour);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 32; ++x)
            sheet.trueColourRow(y)[x] = x >= 24 ? (y == 0 ? platform::kWhite : platform::kBlack)
                                                : (y == 0 ? platform::kBlack : PieceColour(x / 8));
    Sprite dude;
    dude.X = 100;
    dude.Y = 100;
    dude.Width = 8;
    dude.Height = 12;
    dude.Frames = 3;
    dude.Frame = 2;
    dude.DC = Own(std::move(sheet));

    Anim_Custom_ScubaDude(dude);
    EXPECT_EQ(PieceAt(101, 100), kShowsBackground);
    for (int y = 101; y < 112; ++y) EXPECT_EQ(PieceAt(104, y), 2) << "row " << y;
    EXPECT_EQ(PieceAt(100, 112), kShowsBackground);
}

TEST_F(TimedPieceTest, TheScubaDudeLooksUpOnTheTensAndFurtherOnTheTwelves) {
    Sprite dude = Piece(4, 0);
    struct Expect {
        Integer tick, frame;
    };
    for (const Expect e : {Expect{10, 1},
                           {11, 0},
                           {12, 2},
                           {20, 1},
                           {22, 0},
                           {32, 2},
                           {90, 1},
                           {92, 2},
                           {100, 0},
                           {0, 0}}) {
        dude.Frame = 1;
        ShortTick = e.tick;
        Anim_Custom_ScubaDude(dude);
        EXPECT_EQ(dude.Frame, e.frame) << "ShortTick " << e.tick;
    }
}

// From the set-up frames, a whole cycle keeps each frame on its sheet and
// ends where it started.
TEST_F(TimedPieceTest, EveryScriptStaysOnItsSheetAndReturnsToItsRestFrame) {
    struct Script {
        const char* name;
        void (*animate)(Sprite&);
        Integer& counter;
        int top;
        Integer restFrame;
        int highestFrame;
    };
    const Script scripts[] = {
        {"eyes", Anim_Custom_Eyes, LongTick, 1000, 5, 5},
        {"crab", Anim_Custom_Crab, LongTick, 1000, 7, 7},
        {"anchor", Anim_Custom_Anchor, LongTick, 1000, 0, 4},
        {"diver head", Anim_Custom_DiverHead, ShortTick, 100, 0, 6},
        {"treasure", Anim_Custom_Treasure, ShortTick, 100, 0, 3},
        {"scuba dude", Anim_Custom_ScubaDude, ShortTick, 100, 0, 2},
    };
    for (const Script& script : scripts) {
        Sprite piece = Piece(script.highestFrame + 1, script.restFrame);
        const auto frames =
            FramesOverCycle([&] { script.animate(piece); }, [&] { return piece.Frame; },
                            script.counter, script.top);
        EXPECT_EQ(*std::min_element(frames.begin(), frames.end()), 0) << script.name;
        EXPECT_EQ(*std::max_element(frames.begin(), frames.end()), script.highestFrame)
            << script.name;
        EXPECT_EQ(frames[0], script.restFrame) << script.name;
    }
    EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace bv::testing
