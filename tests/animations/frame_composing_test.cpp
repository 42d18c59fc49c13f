// One tick as a whole: the counters move on and wrap, the frame is laid
// back to front (background, swimmers, reef, centre piece), and the window is
// handed only what changed: nothing at all when nothing moves, and no more
// than the strips' runs over what a moving sprite painted before and after.

#include <gtest/gtest.h>

#include <QApplication>
#include <QRegion>
#include <memory>
#include <vector>

#include "platform/surface_table.h"
#include "scene/changed_strips.h"
#include "scene/main_timer.h"
#include "scene/offscreen_view.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv {
namespace {

class RecordingView : public OffscreenSceneView {
public:
    using OffscreenSceneView::OffscreenSceneView;
    void Refresh(const std::vector<QRect>& bands, const std::vector<QRect>& pieces) override {
        handed.push_back(bands);
        handedPieces.push_back(pieces);
    }
    std::vector<std::vector<QRect>> handed;
    std::vector<std::vector<QRect>> handedPieces;
};

platform::Handle Surface(int width, int height, platform::Colour colour) {
    platform::Bitmap picture(width, height, platform::PixelFormat::TrueColour);
    for (int y = 0; y < height; ++y) std::fill_n(picture.trueColourRow(y), width, colour);
    return platform::CreateSurface(std::move(picture));
}

QRegion RegionOf(const std::vector<QRect>& rects) {
    QRegion region;
    for (const QRect& rect : rects) region += rect;
    return region;
}

bool Covers(const QRegion& region, const QRegion& part) {
    return part.subtracted(region).isEmpty();
}

// The view's labels are widgets: they need an application, made once.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "animation_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

class FrameComposing : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        SetScreenSize(320, 240);
        BufferDC = Surface(320, 240, platform::kBlack);
        Background.DC = Surface(320, 240, 0xFF204060u);
        view_ = std::make_unique<RecordingView>(320, 240);
    }

    std::unique_ptr<RecordingView> view_;
};

TEST_F(FrameComposing, AStillSceneHandsTheWindowNothingAfterItsFirstFrame) {
    maintimer_Timer(*view_);
    ASSERT_EQ(view_->handed.size(), 1u);
    EXPECT_EQ(RegionOf(view_->handed[0]), QRegion(0, 0, 320, 240));
    for (int tick = 0; tick < 5; ++tick) maintimer_Timer(*view_);
    EXPECT_EQ(view_->handed.size(), 1u) << "a tick that changed nothing was shown";
}

// A 20 x 10 shark facing either way, at (100, 100) moving by (8, 1) a tick;
// its frames over an opaque (black) mask, or see-through (white over black)
// but for the block `painted` of each frame.
void PutShark(const QRect& painted) {
    Shark = Sprite{.X = 100,
                   .Y = 100,
                   .Height = 10,
                   .Width = 20,
                   .Frames = 1,
                   .DC = Surface(40, 20, platform::kBlack),
                   .Enabled = kTrue,
                   .DX = 8,
                   .DY = 1};
    platform::Bitmap* sheet = platform::FindSurface(Shark.DC);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = painted.contains(x % 20, y);
            sheet->trueColourRow(y)[x] = inside ? 0xFFC0C0C0u : platform::kBlack;
            sheet->trueColourRow(y + 10)[x] = inside ? platform::kBlack : platform::kWhite;
        }
}

TEST_F(FrameComposing, AMovingSpriteHandsOnlyWhereItWasAndWhereItIs) {
    PutShark(QRect(0, 0, 20, 10));
    maintimer_Timer(*view_);
    maintimer_Timer(*view_);  // drawn at (100, 100) on the first tick, (108, 101) now
    ASSERT_EQ(view_->handed.size(), 2u);
    // Both lie in the strip from row 96: one run across it, from the left
    // edge before to the right edge after.
    static_assert(ChangedStrips::kStripHeight == 32);
    EXPECT_EQ(view_->handed[1], std::vector<QRect>{QRect(100, 96, 28, 32)});
    // As pieces: the block over where it was and where it is, which overlap.
    EXPECT_EQ(view_->handedPieces[1], std::vector<QRect>{QRect(100, 100, 28, 11)});
}

// A sheet too short to hold the mask rows (a damaged pack of the user's own):
// the drawing is not cut down from pixels that are not there, and is handed
// whole.
TEST_F(FrameComposing, ASheetWithoutItsMaskRowsIsHandedWhole) {
    PutShark(QRect(6, 2, 4, 4));
    platform::ReplaceSurfaceBitmap(Shark.DC,
                                   platform::Bitmap(40, 12, platform::PixelFormat::TrueColour));
    maintimer_Timer(*view_);
    maintimer_Timer(*view_);
    ASSERT_EQ(view_->handed.size(), 2u);
    EXPECT_EQ(view_->handed[1], std::vector<QRect>{QRect(100, 96, 28, 32)});
}

TEST_F(FrameComposing, ASpritesSeeThroughMarginsAreNeitherRedrawnNorHanded) {
    // Painted only in columns 6 to 9 of rows 2 to 5 of its frame: before at
    // (106..109, 102..105), after at (114..117, 103..106).
    PutShark(QRect(6, 2, 4, 4));
    // A margin pixel that is white in the mask but not black in the picture
    // still tints the sea: it is painted too.
    platform::FindSurface(Shark.DC)->trueColourRow(8)[1] = 0xFF000010u;
    maintimer_Timer(*view_);
    maintimer_Timer(*view_);
    ASSERT_EQ(view_->handed.size(), 2u);
    EXPECT_EQ(view_->handed[1], std::vector<QRect>{QRect(101, 96, 17, 32)});
    const platform::Bitmap& window = *platform::FindSurface(view_->FormDC());
    EXPECT_EQ(window.colourAt(115, 104), 0xFFC0C0C0u);
    EXPECT_EQ(window.colourAt(107, 103), 0xFF204060u) << "the shark's old place was not restored";
    EXPECT_EQ(window.colourAt(109, 109), 0xFF204070u) << "the tinted margin pixel was lost";
}

// A one-frame sheet of a flat colour over a fully opaque mask.
platform::Handle SolidSheet(int width, int height, platform::Colour colour) {
    platform::Bitmap sheet(width, 2 * height, platform::PixelFormat::TrueColour);
    for (int y = 0; y < 2 * height; ++y)
        std::fill_n(sheet.trueColourRow(y), width, y < height ? colour : platform::kBlack);
    return platform::CreateSurface(std::move(sheet));
}

TEST_F(FrameComposing, ATickLaysTheSceneBackToFrontAndShowsIt) {
    constexpr platform::Colour kSea = 0xFF204060u, kShark = 0xFFC0C0C0u, kReef = 0xFF806040u,
                               kMermaid = 0xFFF0A0A0u;
    // The reef covers the bottom 40 rows; the shark swims partly behind it;
    // the mermaid stands in front of it.
    Foreground = Sprite{.Height = 40, .Width = 320, .DC = Surface(320, 40, kReef)};
    ForegroundMaskDC = Surface(320, 40, platform::kBlack);
    Shark = Sprite{.X = 10,
                   .Y = 190,
                   .Height = 20,
                   .Width = 40,
                   .Frames = 1,
                   .DC = SolidSheet(40, 20, kShark),
                   .Enabled = kTrue,
                   .DX = 8,
                   .DY = 1};
    CenterPiece.Choice = 5;
    Mermaid = Sprite{.X = 100,
                     .Y = 190,
                     .Height = 30,
                     .Width = 20,
                     .Frames = 1,
                     .DC = SolidSheet(20, 30, kMermaid)};
    LongTick = 1000;
    ShortTick = 100;
    maintimer_Timer(*view_);
    EXPECT_EQ(LongTick, 0);
    EXPECT_EQ(ShortTick, 0);

    const platform::Bitmap& window = *platform::FindSurface(view_->FormDC());
    struct Spot {
        int x, y;
        platform::Colour colour;
    };
    for (const Spot& spot :
         {Spot{5, 5, kSea}, Spot{20, 195, kShark}, Spot{20, 205, kReef}, Spot{105, 195, kMermaid},
          Spot{105, 215, kMermaid}, Spot{300, 230, kReef}})
        EXPECT_EQ(window.colourAt(spot.x, spot.y), spot.colour) << spot.x << "," << spot.y;
    maintimer_Timer(*view_);
    EXPECT_EQ(LongTick, 1);
    EXPECT_EQ(ShortTick, 1);
    EXPECT_EQ(window.colourAt(12, 195), kSea) << "the shark's old place was not restored";
    EXPECT_EQ(window.colourAt(30, 196), kShark) << "the shark was not drawn where it swam";
}

// The window's pieces: in each strip, runs closer than the join gap become
// one, farther ones stay apart; a run never reaches past its strip, and the
// screen cuts the last strip.
TEST(ChangedStripRuns, JoinWithinTheGapButNeverPastTheirStrip) {
    constexpr int kStrip = ChangedStrips::kStripHeight, kGap = ChangedStrips::kJoinGap;
    ChangedStrips strips;
    strips.Reset(400, 2 * kStrip + 8);
    EXPECT_TRUE(strips.IsEmpty());
    strips.Add(QRect(10, 0, 5, 5));
    strips.Add(QRect(15 + kGap, 3, 5, 5));          // a gap of kGap: joined
    strips.Add(QRect(20 + 2 * kGap + 1, 1, 5, 1));  // a gap of kGap + 1: apart
    strips.Add(QRect(300, kStrip - 1, 2, 2));       // across into the next strip
    strips.Add(QRect(390, 2 * kStrip + 4, 50, 50));
    strips.Add(QRect(-5, kStrip + 1, 10, 2));  // the screen's edges cut it, and keep it
    strips.Add(QRect(200, -3, 4, 4));
    EXPECT_FALSE(strips.IsEmpty());
    const std::vector<QRect> expected = {
        QRect(10, 0, 10 + kGap, kStrip), QRect(20 + 2 * kGap + 1, 0, 5, kStrip),
        QRect(200, 0, 4, kStrip),        QRect(300, 0, 2, kStrip),
        QRect(0, kStrip, 5, kStrip),     QRect(300, kStrip, 2, kStrip),
        QRect(390, 2 * kStrip, 10, 8),
    };
    EXPECT_EQ(strips.Bands(), expected);
}

}  // namespace
}  // namespace bv
