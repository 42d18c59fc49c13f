// The dialog's preview box: what the lists and thumbnails put into the
// preview records, and what each tick draws in the box.

#include <QTabWidget>

#include "dialog/drop_down_list.h"
#include "dialog/picture_box.h"
#include "dialog/thumbnail_box.h"
#include "dialog_fixture.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv {
namespace {

class DialogPreviewTest : public test::DialogTest {
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

    test::Extent DrawnInBox() {
        const PictureBox& box = Find<PictureBox>("PreviewPicture");
        return test::LitExtent(box.hDC(), 0, 0, box.ScaleWidth(), box.ScaleHeight());
    }
};

TEST_F(DialogPreviewTest, AngelfishSchoolIsDrawnAtItsThreePlaces) {
    WriteSheetFor(AngelFish(1));
    SelectTab(kCoralFishTab);
    ClickThumbnail("Picture23");
    dialog_->Timer1_Timer();

    EXPECT_EQ(PreviewOther2.Y, 62);  // round(83.5 - 21), ties to even
    const PictureBox& box = Find<PictureBox>("PreviewPicture");
    for (const auto& [x, y] : {std::pair{40, 62}, std::pair{101, 35}, std::pair{101, 90}}) {
        EXPECT_EQ(test::PixelOf(box.hDC(), x, y), platform::kWhite) << x << "," << y;
        EXPECT_EQ(test::PixelOf(box.hDC(), x - 1, y), platform::kBlack) << x << "," << y;
        EXPECT_EQ(test::PixelOf(box.hDC(), x, y - 1), platform::kBlack) << x << "," << y;
    }
    const test::Extent drawn = DrawnInBox();
    EXPECT_EQ(drawn.left, 40);
    EXPECT_EQ(drawn.top, 35);
    EXPECT_EQ(drawn.right, 140);
    EXPECT_EQ(drawn.bottom, 131);
}

TEST_F(DialogPreviewTest, CentrePieceIsCentredInTheBox) {
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
    const test::Extent drawn = DrawnInBox();
    EXPECT_EQ(drawn.left, 22);
    EXPECT_EQ(drawn.top, 24);
    EXPECT_EQ(drawn.right, 22 + 137);
    EXPECT_EQ(drawn.bottom, 24 + 119);

    // "<None>" keeps the place and size but draws nothing; the ticks go on.
    Find<DropDownList>("CheckCenterPiece").SetListIndex(0);
    EXPECT_EQ(PreviewScenery.X, 22);
    EXPECT_EQ(PreviewScenery.Width, 138);
    EXPECT_EQ(ShortTick, 0);
    dialog_->Timer1_Timer();
    EXPECT_TRUE(DrawnInBox().empty());
    EXPECT_EQ(ShortTick, 1);
}

TEST_F(DialogPreviewTest, BackgroundFillsTheBoxAndNoneLeavesItBlack) {
    environment_.WriteSheet("bv_backgroundpreview2.bmp", 181, 167, {Qt::blue});
    DropDownList& background = Find<DropDownList>("CheckBackground");
    background.SetListIndex(2);
    dialog_->Timer1_Timer();
    const test::Extent drawn = DrawnInBox();
    EXPECT_EQ(drawn.left, 0);
    EXPECT_EQ(drawn.top, 0);
    EXPECT_EQ(drawn.right, 180);
    EXPECT_EQ(drawn.bottom, 166);

    background.SetListIndex(0);
    EXPECT_EQ(PreviewScenery.DC, 0);
    EXPECT_EQ(PreviewScenery.FileName, "");
    dialog_->Timer1_Timer();
    EXPECT_TRUE(DrawnInBox().empty());
}

TEST_F(DialogPreviewTest, CreatureTabsCentreTheirRecordOnEveryTick) {
    SelectTab(kLargeFishTab);
    ClickThumbnail("Picture1");
    EXPECT_EQ(PreviewOther1.FileName, Whale.FileName);
    EXPECT_EQ(PreviewOther1.Width, Whale.Width);
    EXPECT_EQ(PreviewOther1.Frames, Whale.Frames);
    EXPECT_EQ(Whale.DC, 0);
    PreviewOther1.X = 999;
    PreviewOther1.Y = -999;
    dialog_->Timer1_Timer();
    // The whale's frames are 129 x 73.
    EXPECT_EQ(PreviewOther1.X, 26);
    EXPECT_EQ(PreviewOther1.Y, 47);
}

TEST_F(DialogPreviewTest, ThumbnailsRestartTheirTimedAnimations) {
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

TEST_F(DialogPreviewTest, BubbleThumbnailScattersTheStreamInsideTheBox) {
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
    ClickThumbnail("Picture28");
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(BubblesLeft(i).DX, steps[i - 1]) << i;
    EXPECT_EQ(BubblesLeft(26).X, untouched.X);
    EXPECT_EQ(BubblesLeft(26).Y, untouched.Y);
    EXPECT_EQ(BubblesLeft(26).DX, untouched.DX);

    // The bubbles move inside the box from the next tick on.
    const Long y = BubblesLeft(3).Y;
    dialog_->Timer1_Timer();
    EXPECT_EQ(BubblesLeft(3).Y, y - 6 < 0 ? 167 : y - 6);
}

TEST_F(DialogPreviewTest, OptionsAndAboutHideTheBoxAndStopTheCounters) {
    PictureBox& box = Find<PictureBox>("PreviewPicture");
    SelectTab(kMoreStuffTab);
    dialog_->Timer1_Timer();
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

TEST_F(DialogPreviewTest, CountersWrapInTheDialog) {
    for (int tick = 0; tick < 100; ++tick) dialog_->Timer1_Timer();
    EXPECT_EQ(ShortTick, 0);
    EXPECT_EQ(LongTick, 100);
    for (int tick = 0; tick < 900; ++tick) dialog_->Timer1_Timer();
    EXPECT_EQ(LongTick, 0);
    EXPECT_TRUE(environment_.ReportedErrors().empty());
}

}  // namespace
}  // namespace bv
