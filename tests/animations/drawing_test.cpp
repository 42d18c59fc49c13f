// How a routine composes a frame into the back buffer.

#include "animation_fixture.h"
#include "scene/anim_groups.h"
#include "scene/anim_still.h"
#include "scene/anim_swim.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv::testing {
namespace {

using DrawingTest = AnimationTest;

Sprite SmallPiece(platform::Handle sheet, Long x, Long y) {
    Sprite sprite;
    sprite.X = x;
    sprite.Y = y;
    sprite.Width = 8;
    sprite.Height = 6;
    sprite.Frames = 3;
    sprite.Frame = 1;
    sprite.DC = sheet;
    return sprite;
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
    EXPECT_EQ(BufferColour(9, 22), kBackground);
    EXPECT_EQ(BufferColour(18, 22), kBackground);
    EXPECT_EQ(BufferColour(12, 26), kBackground);
    EXPECT_EQ(BufferColour(12, 19), kBackground);
}

TEST_F(DrawingTest, FramesPartlyOffTheBufferAreClipped) {
    Sprite sprite = SmallPiece(MakeStripSheet(8, 6, 3), -4, 236);
    Anim_Still_Loop(sprite);
    EXPECT_EQ(PieceAt(0, 237), 1);
    EXPECT_EQ(PieceAt(3, 239), 1);
    EXPECT_EQ(PieceAt(4, 237), kShowsBackground);
    EXPECT_TRUE(reports.empty());
}

TEST_F(DrawingTest, ARecordWithoutSurfaceStillMovesButDrawsNothing) {
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
    EXPECT_TRUE(reports.empty());
}

TEST_F(DrawingTest, NothingIsDrawnWithoutABackBuffer) {
    BufferDC = 0;
    Sprite sprite = SmallPiece(MakeStripSheet(8, 6, 3), 10, 20);
    Anim_Still_Loop(sprite);
    EXPECT_EQ(sprite.Frame, 2);
    EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace bv::testing
