// The dialog's preview box: what the lists and thumbnails put into the
// preview records, what each tick draws in the box, and the preview-only
// routines (the delayed back-and-forth, the school, the bubble stream).

#include <QTabWidget>
#include <algorithm>
#include <ostream>
#include <set>

#include "dialog/drop_down_list.h"
#include "dialog/picture_box.h"
#include "dialog/thumbnail_box.h"
#include "dialog_fixture.h"
#include "platform/surface_table.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv {
namespace {

// The bounding box of the pixels that are not black, right and bottom inclusive.
struct Extent {
    int left = -1, top = -1, right = -1, bottom = -1;
    bool empty() const { return left < 0; }
    bool operator==(const Extent&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Extent& e) {
        return out << e.left << "," << e.top << " to " << e.right << "," << e.bottom;
    }
};

class PreviewTest : public test::DialogTest {
protected:
    void SetUp() override {
        environment_.StartProgram();
        // A true-colour palette, so the back buffer keeps the sheets' colours.
        environment_.WriteSheet("bv_palette.bmp", 1, 1, {Qt::black});
        Open();
    }

    void SelectTab(ConfigurationTab tab) { Find<QTabWidget>("Tabs").setCurrentIndex(tab); }

    void ClickThumbnail(const char* name) {
        QTest::mouseClick(&Find<ThumbnailBox>(name), Qt::LeftButton);
    }

    // A sheet for the record's picture file with every frame opaque.
    void WriteSheetFor(const Sprite& record) {
        environment_.WriteSheet(record.FileName, record.Width, record.Height,
                                std::vector<QColor>(record.Frames + 1, Qt::white));
    }

    platform::Colour Shown(int x, int y) {
        return platform::FindSurface(Find<PictureBox>("PreviewPicture").hDC())->colourAt(x, y);
    }

    Extent DrawnInBox() {
        const PictureBox& box = Find<PictureBox>("PreviewPicture");
        Extent drawn;
        for (int y = 0; y < box.ScaleHeight(); ++y)
            for (int x = 0; x < box.ScaleWidth(); ++x) {
                if ((Shown(x, y) & 0xFFFFFF) == 0) continue;
                if (drawn.empty()) drawn = {x, y, x, y};
                drawn = {std::min(drawn.left, x), drawn.top, std::max(drawn.right, x), y};
            }
        return drawn;
    }
};

// Until a list or a thumbnail is used, every preview tab shows its one-frame
// placeholder filling the box, the same on every tick.
TEST_F(PreviewTest, PlaceholdersAndBackgroundPicturesFillTheBox) {
    environment_.WriteSheet("bv_previewscenery.bmp", 181, 167, {Qt::white});
    environment_.WriteSheet("bv_previewother.bmp", 181, 167, {Qt::white});
    Open();
    for (ConfigurationTab tab : {kSceneryTab, kLargeFishTab, kCoralFishTab, kMoreStuffTab}) {
        SelectTab(tab);
        for (int tick = 0; tick < 2; ++tick) {
            dialog_->Timer1_Timer();
            EXPECT_EQ(DrawnInBox(), (Extent{0, 0, 180, 166})) << tab << " tick " << tick;
        }
    }

    // A background preview fills the box likewise, wherever the centre piece
    // chosen before it stood; "<None>" leaves the box black.
    environment_.WriteSheet("bv_backgroundpreview2.bmp", 181, 167, {Qt::blue});
    SelectTab(kSceneryTab);
    Find<DropDownList>("CheckCenterPiece").SetListIndex(5);
    DropDownList& background = Find<DropDownList>("CheckBackground");
    background.SetListIndex(2);
    for (int tick = 0; tick < 2; ++tick) {
        dialog_->Timer1_Timer();
        EXPECT_EQ(DrawnInBox(), (Extent{0, 0, 180, 166})) << "tick " << tick;
    }
    background.SetListIndex(0);
    EXPECT_EQ(PreviewScenery.DC, 0);
    EXPECT_EQ(PreviewScenery.FileName, "");
    dialog_->Timer1_Timer();
    EXPECT_TRUE(DrawnInBox().empty());
}

// A thumbnail copies its creature into the tab's preview record, centred on
// every tick. The school: three angelfish (40 x 42), one at mid-height on the
// left, two on the right; the frame advances on every tick and wraps.
TEST_F(PreviewTest, SchoolIsDrawnAtItsThreePlacesAndAdvancesItsFrame) {
    std::vector<QColor> frames(AngelFish(1).Frames, Qt::white);
    frames.front() = Qt::red;
    environment_.WriteSheet(AngelFish(1).FileName, 40, 42, frames);
    SelectTab(kCoralFishTab);
    ClickThumbnail("Picture23");
    EXPECT_EQ(AngelFish(1).DC, 0);  // the scene's own record is left alone
    PreviewOther2.Frame = static_cast<Integer>(AngelFish(1).Frames - 1);
    PreviewOther2.X = 999;  // wherever it was, every tick centres it again
    PreviewOther2.Y = -999;
    dialog_->Timer1_Timer();

    EXPECT_EQ(PreviewOther2.X, 70);  // round(90.5 - 20), ties to even
    EXPECT_EQ(PreviewOther2.Y, 62);  // round(83.5 - 21)
    for (const auto& [x, y] : {std::pair{40, 62}, std::pair{101, 35}, std::pair{101, 90}}) {
        EXPECT_EQ(Shown(x, y), platform::kWhite) << x << "," << y;
        EXPECT_EQ(Shown(x - 1, y), platform::kBlack) << x << "," << y;
        EXPECT_EQ(Shown(x, y - 1), platform::kBlack) << x << "," << y;
    }
    EXPECT_EQ(DrawnInBox(), (Extent{40, 35, 140, 131}));
    EXPECT_EQ(PreviewOther2.Frame, 0);
    dialog_->Timer1_Timer();
    EXPECT_EQ(Shown(101, 90), QColor(Qt::red).rgb());
}

// A thumbnail using the delayed back-and-forth (the crab), on a record of 11
// frames so that every window's edge shows: by the short counter it runs back
// to its first frame (ticks 1-10, 51-60) or forward to its last (21-30,
// 71-80) and rests in between, drawing each frame before it moves on.
TEST_F(PreviewTest, DelayedReverseRunsBackAndForthInItsWindows) {
    std::vector<QColor> frames;
    for (int frame = 0; frame < 11; ++frame)
        frames.push_back(QColor::fromHsv(frame * 30, 255, 255));
    environment_.WriteSheet(Crab.FileName, Crab.Width, Crab.Height, frames);
    SelectTab(kCoralFishTab);
    ClickThumbnail("Picture19");
    PreviewOther2.Frames = 11;
    PreviewOther2.Frame = 10;
    auto frameAfter = [](int tick) {
        if (tick >= 1 && tick <= 10) return 10 - tick;
        if (tick >= 21 && tick <= 30) return tick - 20;
        if (tick >= 51 && tick <= 60) return 60 - tick;
        if (tick >= 71 && tick <= 80) return tick - 70;
        return (tick >= 11 && tick <= 20) || (tick >= 61 && tick <= 70) ? 0 : 10;
    };
    for (int tick = 1; tick <= 100; ++tick) {
        dialog_->Timer1_Timer();
        ASSERT_EQ(Shown(90, 83), frames[frameAfter(tick - 1)].rgb()) << "tick " << tick;
        ASSERT_EQ(PreviewOther2.Frame, frameAfter(tick % 100)) << "tick " << tick;
    }

    // A record with fewer frames than a window is long stays within them.
    ClickThumbnail("Picture21");  // the clam: 5 frames
    std::set<Integer> reached;
    for (int tick = 1; tick <= 100; ++tick) {
        dialog_->Timer1_Timer();
        ASSERT_GE(PreviewOther2.Frame, 0) << "tick " << tick;
        ASSERT_LE(PreviewOther2.Frame, 4) << "tick " << tick;
        reached.insert(PreviewOther2.Frame);
    }
    EXPECT_EQ(reached.size(), 5u);
}

TEST_F(PreviewTest, CentrePieceIsCentredInTheBox) {
    WriteSheetFor(Mermaid);
    ASSERT_EQ(Mermaid.Width, 138);
    ASSERT_EQ(Mermaid.Height, 120);
    ShortTick = 40;
    Find<DropDownList>("CheckCenterPiece").SetListIndex(5);

    EXPECT_EQ(PreviewScenery.FileName, "bv_mermaid.bmp");
    EXPECT_EQ(PreviewScenery.X, 22);  // round(90.5 - 69)
    EXPECT_EQ(PreviewScenery.Y, 24);  // round(23.5), ties to even
    EXPECT_EQ(ShortTick, 0);          // its animation starts over
    EXPECT_EQ(Mermaid.DC, 0);         // the scene's own record is left alone
    dialog_->Timer1_Timer();
    EXPECT_EQ(DrawnInBox(), (Extent{22, 24, 22 + 137, 24 + 119}));

    // "<None>" keeps the place and size but draws nothing; the ticks go on.
    Find<DropDownList>("CheckCenterPiece").SetListIndex(0);
    EXPECT_EQ(PreviewScenery.X, 22);
    EXPECT_EQ(PreviewScenery.Width, 138);
    EXPECT_EQ(ShortTick, 0);
    dialog_->Timer1_Timer();
    EXPECT_TRUE(DrawnInBox().empty());
    EXPECT_EQ(ShortTick, 1);
}

TEST_F(PreviewTest, ThumbnailsRestartTheirTimedAnimations) {
    struct Case {
        ConfigurationTab tab;
        const char* thumbnail;
        bool shortRestarts;
        bool longRestarts;
    };
    for (const Case& click : {Case{kCoralFishTab, "Picture19", true, false},  // crab
                              Case{kCoralFishTab, "Picture21", true, false},  // clam
                              Case{kMoreStuffTab, "Picture32", true, false},  // diver head
                              Case{kMoreStuffTab, "Picture29", false, true},  // anchor
                              Case{kMoreStuffTab, "Picture31", false, true},  // eyes
                              Case{kLargeFishTab, "Picture4", false, false}}) {
        SelectTab(click.tab);
        ShortTick = 37;
        LongTick = 512;
        ClickThumbnail(click.thumbnail);
        EXPECT_EQ(ShortTick, click.shortRestarts ? 0 : 37) << click.thumbnail;
        EXPECT_EQ(LongTick, click.longRestarts ? 0 : 512) << click.thumbnail;
    }
}

// The bubble thumbnail scatters the first 25 bubbles over the box, half of
// them drifting the other way. Each tick draws and moves them: one leaving
// the top comes back at the bottom edge, one past a side is not held back
// but turns on that tick.
TEST_F(PreviewTest, BubbleStreamIsScatteredAndMovesInsideTheBox) {
    WriteSheetFor(BubblesLeft(1));
    SelectTab(kMoreStuffTab);
    std::vector<Integer> steps;
    for (int i = 1; i <= 25; ++i) steps.push_back(BubblesLeft(i).DX);
    const Sprite untouched = BubblesLeft(26);

    ClickThumbnail("Picture28");
    EXPECT_EQ(PreviewOther3.FileName, BubblesLeft(1).FileName);
    EXPECT_NE(BubblesLeft(1).DC, 0);
    for (int i = 1; i <= 25; ++i) {
        const Sprite& bubble = BubblesLeft(i);
        EXPECT_GE(bubble.X, 0);
        EXPECT_LE(bubble.X, 181 - bubble.Width);
        EXPECT_GE(bubble.Y, 0);
        EXPECT_LE(bubble.Y, 167);
        EXPECT_EQ(bubble.DX, i > 12 ? -steps[i - 1] : steps[i - 1]) << i;
    }

    // The bubbles 11 x 10, parked at (20, 100) but for three: one nearing the
    // top, one each nearing the right (170 is the last place inside) and the
    // left edge.
    for (int i = 1; i <= 25; ++i) {
        BubblesLeft(i).X = 20;
        BubblesLeft(i).Y = 100;
        BubblesLeft(i).DX = 3;
        BubblesLeft(i).DY = -6;
    }
    Sprite& top = BubblesLeft(7);
    Sprite& right = BubblesLeft(25);
    Sprite& left = BubblesLeft(24);
    top.X = 150;
    top.Y = 6;
    right.X = 167;
    left.X = 3;
    left.DX = -3;
    const struct {
        Long topY, rightX, rightDX, leftX, leftDX;
    } after[] = {{0, 170, 3, 0, -3}, {167, 173, -3, -3, 3}};
    for (const auto& expected : after) {
        const Long topX = top.X, topY = top.Y;
        dialog_->Timer1_Timer();
        EXPECT_EQ(Shown(topX, topY), platform::kWhite);  // drawn before it moves
        EXPECT_EQ(top.Y, expected.topY);
        EXPECT_EQ(right.X, expected.rightX);
        EXPECT_EQ(right.DX, expected.rightDX);
        EXPECT_EQ(left.X, expected.leftX);
        EXPECT_EQ(left.DX, expected.leftDX);
    }
    EXPECT_EQ(BubblesLeft(1).Y, 88);
    EXPECT_EQ(BubblesLeft(26).X, untouched.X);  // only the first 25 take part
    EXPECT_EQ(BubblesLeft(26).Y, untouched.Y);
    EXPECT_EQ(BubblesLeft(26).DX, untouched.DX);
}

TEST_F(PreviewTest, OptionsAndAboutHideTheBoxAndStopTheCounters) {
    PictureBox& box = Find<PictureBox>("PreviewPicture");
    SelectTab(kMoreStuffTab);
    EXPECT_TRUE(box.isVisible());
    dialog_->Timer1_Timer();
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(ShortTick, 1);
    EXPECT_EQ(LongTick, 1);

    for (ConfigurationTab resting : {kOptionsTab, kAboutTab}) {
        SelectTab(resting);
        EXPECT_FALSE(box.isVisible());
        for (int tick = 0; tick < 3; ++tick) dialog_->Timer1_Timer();
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(ShortTick, 1);
        EXPECT_EQ(LongTick, 1);
    }
    SelectTab(kSceneryTab);
    EXPECT_TRUE(box.isVisible());
    dialog_->Timer1_Timer();
    EXPECT_EQ(ShortTick, 2);
}

TEST_F(PreviewTest, CountersWrapInTheDialog) {
    for (int tick = 0; tick < 100; ++tick) dialog_->Timer1_Timer();
    EXPECT_EQ(ShortTick, 0);
    EXPECT_EQ(LongTick, 100);
    for (int tick = 0; tick < 900; ++tick) dialog_->Timer1_Timer();
    EXPECT_EQ(LongTick, 0);
    EXPECT_TRUE(environment_.ReportedErrors().empty());
}

}  // namespace
}  // namespace bv
