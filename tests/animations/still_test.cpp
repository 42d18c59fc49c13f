// Pieces animating in place: looping and swinging back and forth.

#include <vector>

#include "animation_fixture.h"
#include "scene/anim_still.h"

namespace bv::testing {
namespace {

class StillTest : public AnimationTest {
protected:
    Sprite Piece(Integer frames, int sheetColumns) {
        Sprite piece;
        piece.X = 100;
        piece.Y = 100;
        piece.Width = 8;
        piece.Height = 6;
        piece.Frames = frames;
        piece.FrameStep = 1;
        piece.DC = MakeStripSheet(8, 6, sheetColumns);
        return piece;
    }

    std::vector<int> ShownOver(int ticks, void (*animate)(Sprite&), Sprite& piece) {
        std::vector<int> shown;
        for (int tick = 0; tick < ticks; ++tick) {
            ClearBuffer();
            animate(piece);
            shown.push_back(ShownPiece(piece));
        }
        return shown;
    }
};

TEST_F(StillTest, ALoopPlaysItsStripOverAndOver) {
    Sprite sign = Piece(4, 4);
    EXPECT_EQ(ShownOver(9, Anim_Still_Loop, sign), (std::vector<int>{0, 1, 2, 3, 0, 1, 2, 3, 0}));
    Sprite relic = Piece(1, 1);
    EXPECT_EQ(ShownOver(3, Anim_Still_Loop, relic), (std::vector<int>{0, 0, 0}));
}

TEST_F(StillTest, TheLifeGuardSwingsThroughItsFiveFramesEveryEightTicks) {
    Sprite lifeGuard = Piece(5, 5);
    const std::vector<int> swing = {0, 1, 2, 3, 4, 3, 2, 1};
    std::vector<int> expected;
    for (int round = 0; round < 3; ++round)
        expected.insert(expected.end(), swing.begin(), swing.end());
    EXPECT_EQ(ShownOver(24, Anim_Still_Reverse, lifeGuard), expected);
}

TEST_F(StillTest, TwoFramesAlternateWithTheStepFlippingEveryTick) {
    Sprite piece = Piece(2, 2);
    std::vector<int> steps;
    std::vector<int> shown;
    for (int tick = 0; tick < 4; ++tick) {
        ClearBuffer();
        Anim_Still_Reverse(piece);
        shown.push_back(ShownPiece(piece));
        steps.push_back(piece.FrameStep);
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 0, 1}));
    EXPECT_EQ(steps, (std::vector<int>{-1, 1, -1, 1}));
}

TEST_F(StillTest, OneFrameAlternatesWithThePositionJustPastTheStrip) {
    Sprite piece = Piece(1, 2);  // the sheet holds a picture past the strip
    std::vector<int> frames;
    std::vector<int> steps;
    std::vector<int> shown;
    for (int tick = 0; tick < 4; ++tick) {
        ClearBuffer();
        Anim_Still_Reverse(piece);
        shown.push_back(ShownPiece(piece));
        frames.push_back(piece.Frame);
        steps.push_back(piece.FrameStep);
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 0, 1}));
    EXPECT_EQ(frames, (std::vector<int>{1, 0, 1, 0}));
    EXPECT_EQ(steps, (std::vector<int>{-1, 1, -1, 1}));
}

}  // namespace
}  // namespace bv::testing
