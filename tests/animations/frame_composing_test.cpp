// One tick as a whole: the counters move on and wrap, the frame is laid
// back to front (background, swimmers, reef, centre piece), and the window is
// handed only what changed: nothing at all when nothing moves, and no more
// than the tiles a moving sprite covered before and after.

#include <gtest/gtest.h>

#include <QApplication>
#include <QRegion>
#include <memory>
#include <vector>

#include "platform/surface_table.h"
#include "scene/damage_grid.h"
#include "scene/main_timer.h"
#include "scene/offscreen_view.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv {
namespace {

class RecordingView : public OffscreenSceneView {
public:
    using OffscreenSceneView::OffscreenSceneView;
    void Refresh(const std::vector<QRect>& changed) override { handed.push_back(changed); }
    std::vector<std::vector<QRect>> handed;
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

TEST_F(FrameComposing, AMovingSpriteHandsOnlyWhereItWasAndWhereItIs) {
    // A 20 x 10 shark facing either way: frames over an opaque (black) mask.
    Shark = Sprite{.X = 100,
                   .Y = 100,
                   .Height = 10,
                   .Width = 20,
                   .Frames = 1,
                   .DC = Surface(40, 20, 0xFFC0C0C0u),
                   .Enabled = kTrue,
                   .DX = 8,
                   .DY = 1};
    platform::Bitmap* sheet = platform::FindSurface(Shark.DC);
    for (int y = 10; y < 20; ++y) std::fill_n(sheet->trueColourRow(y), 40, platform::kBlack);
    maintimer_Timer(*view_);
    maintimer_Timer(*view_);  // drawn at (100, 100) on the first tick, (108, 101) now
    ASSERT_EQ(view_->handed.size(), 2u);
    const QRegion handed = RegionOf(view_->handed[1]);
    const QRect before(100, 100, 20, 10), after(108, 101, 20, 10);
    EXPECT_TRUE(Covers(handed, before) && Covers(handed, after));
    // At most the tiles the two cover, and the tile that joins two runs.
    const int tile = DamageGrid::kTileWidth;
    const QRect both = before.united(after);
    const QRect tiles(QPoint(both.left() / tile * tile - tile, both.top() / tile * tile),
                      QPoint((both.right() / tile + 2) * tile - 1,
                             (both.bottom() / tile + 1) * DamageGrid::kTileHeight - 1));
    EXPECT_TRUE(Covers(tiles, handed))
        << "handed " << handed.boundingRect().x() << "," << handed.boundingRect().y() << " "
        << handed.boundingRect().width() << "x" << handed.boundingRect().height();
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

// The window's pieces: runs of changed tiles a tile apart are joined, but a
// run stops at its row's end, whatever the next row starts with; the screen
// cuts the last row.
TEST(DamageGridBands, RunsJoinOverAOneTileGapButNeverPastTheirRow) {
    DamageGrid grid;
    grid.Reset(64, 40);  // 4 x 3 tiles, the last row 8 pixels high
    grid.Add(QRect(0, 0, 1, 1));
    grid.Add(QRect(40, 5, 2, 2));  // one empty tile after the first
    grid.Add(QRect(0, 16, 1, 1));  // the first tile of the next row
    grid.Add(QRect(60, 35, 9, 9));
    const std::vector<QRect> expected = {QRect(0, 0, 48, 16), QRect(0, 16, 16, 16),
                                         QRect(48, 32, 16, 8)};
    EXPECT_EQ(grid.Bands(), expected);
}

}  // namespace
}  // namespace bv
