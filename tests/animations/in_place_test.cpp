// Pieces animating in place: looping, swinging back and forth, and the
// scripted pieces whose frames follow the tick counters.

#include <algorithm>
#include <string>
#include <vector>

#include "animation_fixture.h"
#include "scene/anim_still.h"
#include "scene/anim_timed.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv::testing {
namespace {

class InPlaceTest : public AnimationTest {
protected:
    Sprite Piece(Integer frames, int columns, Integer frame = 0) {
        Sprite piece = SpriteAt(100, 100, 8, 6, frames, frame, MakeStripSheet(8, 6, columns));
        piece.FrameStep = 1;
        return piece;
    }
};

TEST_F(InPlaceTest, LoopsAndSwingsShowTheirFramesInOrder) {
    struct Case {
        const char* what;
        void (*animate)(Sprite&);
        Integer frames;
        int columns;
        std::vector<int> shown;
        std::vector<int> steps;  // FrameStep after each tick, when checked
    };
    const Case cases[] = {
        {"a loop", Anim_Still_Loop, 4, 4, {0, 1, 2, 3, 0, 1, 2, 3, 0}, {}},
        {"a one-frame loop", Anim_Still_Loop, 1, 1, {0, 0, 0}, {}},
        {"the lifeguard's swing", Anim_Still_Reverse, 5, 5, {0, 1, 2, 3, 4, 3, 2, 1, 0, 1}, {}},
        {"two frames alternate", Anim_Still_Reverse, 2, 2, {0, 1, 0, 1}, {-1, 1, -1, 1}},
        // The sheet holds a picture past a one-frame strip: the swing shows it.
        {"one frame swings past the strip", Anim_Still_Reverse, 1, 2, {0, 1, 0, 1}, {-1, 1, -1, 1}},
    };
    for (const Case& c : cases) {
        Sprite piece = Piece(c.frames, c.columns);
        std::vector<int> shown, steps;
        for (std::size_t tick = 0; tick < c.shown.size(); ++tick) {
            ClearBuffer();
            c.animate(piece);
            shown.push_back(ShownPiece(piece));
            steps.push_back(piece.FrameStep);
        }
        EXPECT_EQ(shown, c.shown) << c.what;
        if (!c.steps.empty()) EXPECT_EQ(steps, c.steps) << c.what;
    }
}

// At the edges of the scripts' tick windows: a piece draws the frame it has,
// then steps on a window's first and last tick and not just outside them.
TEST_F(InPlaceTest, ScriptedFramesChangeExactlyOnTheirWindowsEdges) {
    struct Edge {
        Integer tick, before, after;  // the frame before and after the tick
    };
    const auto expectEdges = [&](const char* what, void (*animate)(Sprite&), Integer& counter,
                                 std::initializer_list<Edge> edges) {
        for (const Edge& edge : edges) {
            SCOPED_TRACE(std::string(what) + " on tick " + std::to_string(edge.tick));
            Sprite piece = Piece(8, 8, edge.before);
            // The scuba dude's one row holds frames 0 to 2, then its mask.
            if (animate == Anim_Custom_ScubaDude)
                piece.DC = MakeSheet(32, 6, [](int x) { return x < 24 ? x / 8 : kMaskColumn; });
            counter = edge.tick;
            ClearBuffer();
            animate(piece);
            EXPECT_EQ(piece.Frame, edge.after);
            EXPECT_EQ(PieceAt(piece.X + 1, piece.Y), kShowsBackground);  // transparent top row
            EXPECT_EQ(ShownPiece(piece), edge.before);
            EXPECT_EQ(PieceAt(piece.X + 1, piece.Y + 5), edge.before);
        }
    };
    expectEdges("eyes", Anim_Custom_Eyes, LongTick,
                {Edge{1, 5, 4}, Edge{5, 1, 0}, Edge{6, 0, 0}, Edge{11, 0, 2}, Edge{12, 2, 4},
                 Edge{13, 4, 2}, Edge{14, 2, 0}, Edge{15, 0, 0}, Edge{60, 0, 1}, Edge{64, 4, 5},
                 Edge{65, 5, 5}});
    expectEdges("crab", Anim_Custom_Crab, LongTick,
                {Edge{1, 7, 6}, Edge{7, 1, 0}, Edge{8, 0, 0}, Edge{29, 0, 0}, Edge{30, 0, 1},
                 Edge{36, 6, 7}, Edge{37, 7, 7}, Edge{199, 7, 7}, Edge{200, 7, 6}, Edge{203, 4, 3},
                 Edge{204, 3, 3}});
    expectEdges("anchor", Anim_Custom_Anchor, LongTick,
                {Edge{4, 0, 0}, Edge{5, 0, 1}, Edge{8, 3, 4}, Edge{9, 4, 4}, Edge{10, 4, 0},
                 Edge{11, 0, 0}});
    expectEdges("treasure", Anim_Custom_Treasure, ShortTick,
                {Edge{4, 0, 0}, Edge{5, 0, 1}, Edge{7, 2, 3}, Edge{8, 3, 3}, Edge{24, 3, 3},
                 Edge{25, 3, 2}, Edge{27, 1, 0}, Edge{28, 0, 0}});
    // Outside its windows the diver's head rests on frame 0.
    expectEdges("diver head", Anim_Custom_DiverHead, ShortTick,
                {Edge{0, 3, 0}, Edge{1, 0, 1}, Edge{6, 5, 6}, Edge{7, 6, 0}, Edge{20, 0, 1},
                 Edge{100, 5, 0}});
    // The scuba dude looks up on the tens, further on the twelves of each twenty.
    expectEdges("scuba dude", Anim_Custom_ScubaDude, ShortTick,
                {Edge{0, 1, 0}, Edge{10, 0, 1}, Edge{11, 1, 0}, Edge{12, 0, 2}, Edge{20, 0, 1},
                 Edge{22, 2, 0}, Edge{32, 0, 2}, Edge{90, 0, 1}, Edge{92, 0, 2}, Edge{100, 1, 0}});
}

// Over a whole cycle of its counter, from its set-up frame, each script keeps
// to the frames its sheet holds, reaches both ends of them and ends where it
// started; each clam opens fully three times and closes again.
TEST_F(InPlaceTest, EveryScriptStaysOnItsSheetAndReturnsToItsRestFrame) {
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
        Sprite piece = Piece(script.highestFrame + 1, script.highestFrame + 1, script.restFrame);
        std::vector<int> frames;
        for (int tick = 1; tick <= script.top + 1; ++tick) {
            script.counter = static_cast<Integer>(tick % (script.top + 1));  // ends on 0
            script.animate(piece);
            frames.push_back(piece.Frame);
        }
        EXPECT_EQ(*std::ranges::min_element(frames), 0) << script.name;
        EXPECT_EQ(*std::ranges::max_element(frames), script.highestFrame) << script.name;
        EXPECT_EQ(frames.back(), script.restFrame) << script.name;
    }

    for (int i = 1; i <= 3; ++i) Clam(i) = Sprite{.Width = 30, .Frames = 5};
    int openings[4] = {};
    for (LongTick = 1; LongTick <= 1000; ++LongTick) {
        Integer before[4];
        for (int i = 1; i <= 3; ++i) before[i] = Clam(i).Frame;
        Anim_Custom_Clam();
        for (int i = 1; i <= 3; ++i) {
            ASSERT_TRUE(Clam(i).Frame >= 0 && Clam(i).Frame <= 4) << "clam " << i;
            openings[i] += Clam(i).Frame == 4 && before[i] != 4;
        }
    }
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(openings[i], 3) << "clam " << i;
        EXPECT_EQ(Clam(i).Frame, 0) << "clam " << i;
    }
    EXPECT_TRUE(reports.empty());
}

// The smaller clams sit beside the large one's frames on its sheet and share
// its mask row, which starts at the large clam's height.
TEST_F(InPlaceTest, TheSmallerClamsComeFromTheLargeClamsSheetAndMaskRow) {
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
    for (int i = 2; i <= 3; ++i) {
        EXPECT_EQ(ShownPiece(Clam(i)), 5 + i) << "clam " << i;
        EXPECT_EQ(PieceAt(Clam(i).X + 1, Clam(i).Y), kShowsBackground) << "clam " << i;
        EXPECT_EQ(PieceAt(Clam(i).X + 1, Clam(i).Y + 18), 5 + i) << "clam " << i;
    }
}

}  // namespace
}  // namespace bv::testing
