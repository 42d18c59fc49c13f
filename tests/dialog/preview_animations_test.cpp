// The preview-only routines: the delayed back-and-forth by ShortTick, the
// three-fish school and the bubbles bouncing inside the box.

#include "dialog/preview_animations.h"

#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "platform/surface_table.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv {
namespace {

const std::vector<QColor> kFrameColours = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};

class PreviewAnimationsTest : public ::testing::Test {
protected:
    void SetUp() override { BufferDC = test::MakeCanvas(200, 200); }

    void ClearBuffer() {
        platform::Bitmap& buffer = *platform::FindSurface(BufferDC);
        for (int y = 0; y < buffer.height(); ++y)
            std::fill_n(buffer.trueColourRow(y), buffer.width(), platform::kBlack);
    }

    // Which frame of kFrameColours shows at (x, y); -1 for none.
    static int FrameShownAt(int x, int y) {
        const platform::Colour shown = test::PixelOf(BufferDC, x, y);
        for (std::size_t frame = 0; frame < kFrameColours.size(); ++frame)
            if (shown == kFrameColours[frame].rgb()) return static_cast<int>(frame);
        return -1;
    }

    test::DialogEnvironment environment_;
};

Sprite FiveFrameRecord(Integer frame) {
    Sprite record;
    record.Width = 10;
    record.Height = 10;
    record.Frames = 5;
    record.Frame = frame;
    record.X = 20;
    record.Y = 30;
    record.DC = test::MakeSheet(10, 10, kFrameColours);
    return record;
}

TEST_F(PreviewAnimationsTest, PropertiesPreviewGivesEveryTabItsPlaceholder) {
    PreviewOther2.X = 55;
    PreviewOther2.Frame = 3;
    Properties_Preview();
    EXPECT_EQ(PreviewScenery.FileName, "bv_previewscenery.bmp");
    for (const Sprite* record : {&PreviewScenery, &PreviewOther1, &PreviewOther2, &PreviewOther3}) {
        EXPECT_EQ(record->Width, 181);
        EXPECT_EQ(record->Height, 167);
        EXPECT_EQ(record->Frames, 1);
        EXPECT_EQ(record->Frame, 0);
        EXPECT_EQ(record->X, 0);
        EXPECT_EQ(record->Y, 0);
        EXPECT_EQ(record->DC, 0);
    }
    for (const Sprite* record : {&PreviewOther1, &PreviewOther2, &PreviewOther3})
        EXPECT_EQ(record->FileName, "bv_previewother.bmp");
}

// From frame 4 at tick 0: rests on 4, runs back to 0, rests, runs forward
// to 4 and rests again until tick 51 starts the next run back.
TEST_F(PreviewAnimationsTest, DelayedReverseFromFrameFourOverTicksZeroToFiftyOne) {
    Sprite record = FiveFrameRecord(4);
    auto expectedFrame = [](int tick) {
        if (tick <= 1) return 4;
        if (tick <= 5) return 5 - tick;
        if (tick <= 21) return 0;
        if (tick <= 25) return tick - 21;
        return 4;
    };
    for (int tick = 0; tick <= 51; ++tick) {
        ShortTick = static_cast<Integer>(tick);
        ClearBuffer();
        Anim_Preview_DelayedReverse(record);
        EXPECT_EQ(FrameShownAt(record.X, record.Y), expectedFrame(tick)) << "tick " << tick;
    }
    EXPECT_EQ(record.Frame, 3);  // tick 51 began the run back
}

TEST_F(PreviewAnimationsTest, DelayedReverseRestsOutsideItsWindows) {
    Sprite record = FiveFrameRecord(2);
    for (int tick = 0; tick <= 99; ++tick) {
        const bool resting = tick == 0 || (11 <= tick && tick <= 20) ||
                             (31 <= tick && tick <= 50) || (61 <= tick && tick <= 70) || tick >= 81;
        if (!resting) continue;
        ShortTick = static_cast<Integer>(tick);
        Anim_Preview_DelayedReverse(record);
        ASSERT_EQ(record.Frame, 2) << "tick " << tick;
    }
    Sprite still = FiveFrameRecord(0);
    still.Frames = 1;
    for (int tick : {5, 25, 55, 75}) {
        ShortTick = static_cast<Integer>(tick);
        Anim_Preview_DelayedReverse(still);
        EXPECT_EQ(still.Frame, 0);
    }
}

// An angelfish (40 x 42) centred by the dialog at Y = 62 in a 181 x 167 box.
TEST_F(PreviewAnimationsTest, SchoolDrawsThreeFishAndAdvancesTheFrame) {
    Sprite fish;
    fish.Width = 40;
    fish.Height = 42;
    fish.Frames = 2;
    fish.Frame = 1;
    fish.X = 70;  // not used
    fish.Y = 62;
    fish.DC = test::MakeSheet(40, 42, {Qt::red, Qt::green});
    Anim_Preview_School(fish);

    for (const auto& [x, y] : {std::pair{40, 62}, std::pair{101, 35}, std::pair{101, 90}}) {
        EXPECT_EQ(test::PixelOf(BufferDC, x, y), QColor(Qt::green).rgb()) << x << "," << y;
        EXPECT_EQ(test::PixelOf(BufferDC, x + 39, y + 41), QColor(Qt::green).rgb());
        EXPECT_EQ(test::PixelOf(BufferDC, x - 1, y), platform::kBlack);
        EXPECT_EQ(test::PixelOf(BufferDC, x, y - 1), platform::kBlack);
    }
    const test::Extent drawn = test::LitExtent(BufferDC, 0, 0, 200, 200);
    EXPECT_EQ(drawn.left, 40);
    EXPECT_EQ(drawn.top, 35);
    EXPECT_EQ(drawn.right, 140);
    EXPECT_EQ(drawn.bottom, 131);
    EXPECT_EQ(fish.Frame, 0);  // wrapped after the last frame
    EXPECT_EQ(fish.X, 70);
    Anim_Preview_School(fish);
    EXPECT_EQ(fish.Frame, 1);
}

class PreviewBubbleTest : public PreviewAnimationsTest {
protected:
    void SetUp() override {
        PreviewAnimationsTest::SetUp();
        BubblesLeft(1).DC = test::MakeSheet(8, 8, {Qt::white});
        for (int i = 1; i <= 25; ++i) {
            Sprite& bubble = BubblesLeft(i);
            bubble.Width = 8;
            bubble.Height = 8;
            bubble.Frames = 1;
            bubble.X = 5;
            bubble.Y = 100;
            bubble.DX = 3;
            bubble.DY = -6;
        }
    }
};

TEST_F(PreviewBubbleTest, BubbleLeavingTheTopReentersAtTheBottomEdge) {
    Sprite& bubble = BubblesLeft(7);
    bubble.X = 150;
    bubble.Y = 4;
    Anim_Preview_Bubble();
    EXPECT_EQ(bubble.Y, 167);  // -2 becomes the bottom edge on the same tick
    EXPECT_EQ(bubble.X, 153);
    EXPECT_EQ(test::PixelOf(BufferDC, 150, 4), platform::kWhite);
    ClearBuffer();
    Anim_Preview_Bubble();
    EXPECT_EQ(test::PixelOf(BufferDC, 153, 167), platform::kWhite);
    EXPECT_EQ(bubble.Y, 161);
}

// The position is not clamped: the bubble is drawn past the edge once and
// comes back from the next tick on.
TEST_F(PreviewBubbleTest, BubblePassingTheRightEdgeTurnsBackAfterTheMove) {
    Sprite& bubble = BubblesLeft(25);
    bubble.X = 172;  // 181 - 8 = 173 is the last place inside
    Anim_Preview_Bubble();
    EXPECT_EQ(bubble.X, 175);
    EXPECT_EQ(bubble.DX, -3);
    ClearBuffer();
    Anim_Preview_Bubble();
    EXPECT_EQ(test::PixelOf(BufferDC, 175, 94), platform::kWhite);
    EXPECT_EQ(bubble.X, 172);
    EXPECT_EQ(bubble.DX, -3);
}

TEST_F(PreviewBubbleTest, OnlyTheFirstTwentyFiveBubblesMove) {
    BubblesLeft(26).X = 11;
    BubblesLeft(26).Y = 12;
    BubblesLeft(26).DY = -6;
    Anim_Preview_Bubble();
    EXPECT_EQ(BubblesLeft(26).Y, 12);
    EXPECT_EQ(BubblesLeft(25).Y, 94);
}

}  // namespace
}  // namespace bv
