// Which pictures the loader brings into surfaces, in which pixel format, and
// what it leaves behind.

#include "surfaces/load_pics.h"

#include <gtest/gtest.h>

#include "catalogue_test_support.h"
#include "platform/surface_table.h"
#include "scene/all_records.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "settings/settings_globals.h"
#include "surfaces/surface_globals.h"

namespace bv {
namespace {

using platform::FindSurface;
using platform::PixelFormat;

class LoadPics : public ::testing::Test {
protected:
    void SetUp() override { test::StartAfresh(320, 240); }

    void SetUpAndLoad() {
        test::SetUpAllRecords();
        LoadPics4ScreenSaver();
    }

    test::AssetFolder assets_;
    test::ErrorRecorder errors_;
};

std::vector<const Sprite*> RecordsWithSurfaces() {
    std::vector<const Sprite*> loaded;
    ForEachRecord([&](Sprite& record) {
        if (record.DC != 0) loaded.push_back(&record);
    });
    return loaded;
}

TEST_F(LoadPics, CreaturesLoadOnlyWhenSelectedAndInstalled) {
    assets_.WritePicture("bv_shark.bmp", 6, 4);
    assets_.WritePicture("bv_whale.bmp");
    Shark.Enabled = kTrue;   // selected and installed
    Whale.Enabled = kFalse;  // installed only
    Orca.Enabled = kTrue;    // selected only
    SetUpAndLoad();

    ASSERT_NE(Shark.DC, 0);
    ASSERT_NE(FindSurface(Shark.DC), nullptr);
    EXPECT_EQ(FindSurface(Shark.DC)->width(), 6);
    EXPECT_EQ(Whale.DC, 0);
    EXPECT_EQ(Orca.DC, 0);
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(LoadPics, AGroupLoadsOnlyItsFirstElement) {
    for (const char* name : {"bv_angelfish.bmp", "bv_clam.bmp", "bv_pillar.bmp", "bv_bubble.bmp"})
        assets_.WritePicture(name);
    AngelFish(1).Enabled = kTrue;
    Clam(1).Enabled = kTrue;
    Pillar(1).Enabled = kTrue;
    BubblesLeft(1).Enabled = kTrue;
    SetUpAndLoad();

    EXPECT_NE(AngelFish(1).DC, 0);
    EXPECT_NE(Clam(1).DC, 0);
    EXPECT_NE(Pillar(1).DC, 0);
    EXPECT_NE(BubblesLeft(1).DC, 0);
    for (const Sprite* other : {&AngelFish(2), &AngelFish(5), &Clam(2), &Clam(3), &Pillar(2),
                                &BubblesLeft(2), &BubblesRight(1)})
        EXPECT_EQ(other->DC, 0) << other->FileName;
}

TEST_F(LoadPics, EachBottleLoadsItsOwnPictureWhenTheFirstIsSelected) {
    assets_.WritePicture("bv_bottle2.bmp");
    Bottle(1).Enabled = kTrue;
    SetUpAndLoad();
    EXPECT_EQ(Bottle(1).DC, 0);  // its picture is missing
    EXPECT_NE(Bottle(2).DC, 0);

    test::StartAfresh(320, 240);
    assets_.WritePicture("bv_bottle1.bmp");
    Bottle(2).Enabled = kTrue;  // only the first bottle's selection counts
    SetUpAndLoad();
    EXPECT_EQ(Bottle(1).DC, 0);
    EXPECT_EQ(Bottle(2).DC, 0);
}

TEST_F(LoadPics, OnlyTheChosenCentrePieceLoads) {
    for (const char* name : {"bv_mermaid.bmp", "bv_scubadude.bmp", "bv_treasure.bmp"})
        assets_.WritePicture(name);
    const Sprite* centrePieces[] = {&ScubaDude, &EvilRelic, &LifeGuard, &SwimDude,
                                    &Mermaid,   &Bather,    &Treasure};
    auto loadedCentrePieces = [&] {
        int count = 0;
        for (const Sprite* piece : centrePieces) count += piece->DC != 0;
        return count;
    };

    for (Integer nothing : {0, -1, 8, 32767}) {
        test::StartAfresh(320, 240);
        CenterPiece.Choice = nothing;
        SetUpAndLoad();
        EXPECT_EQ(loadedCentrePieces(), 0) << "choice " << nothing;
    }

    test::StartAfresh(320, 240);
    CenterPiece.Choice = 5;
    SetUpAndLoad();
    EXPECT_NE(Mermaid.DC, 0);
    EXPECT_EQ(loadedCentrePieces(), 1);

    test::StartAfresh(320, 240);
    CenterPiece.Choice = 7;
    SetUpAndLoad();
    EXPECT_NE(Treasure.DC, 0);
    EXPECT_EQ(loadedCentrePieces(), 1);

    test::StartAfresh(320, 240);
    CenterPiece.Choice = 3;  // the lifeguard's picture is missing
    SetUpAndLoad();
    EXPECT_EQ(loadedCentrePieces(), 0);
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(LoadPics, ComposedSurfacesTakeThePalettePicturesFormat) {
    assets_.WritePicture("bv_palette.bmp", 8, 8);
    SetUpAndLoad();
    for (SurfaceHandle composed : {BufferDC, Background.DC, Foreground.DC, ForegroundMaskDC}) {
        const platform::Bitmap* bitmap = FindSurface(composed);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(bitmap->format(), PixelFormat::TrueColour);
    }
    EXPECT_EQ(FindSurface(BufferDC)->width(), 320);
    EXPECT_EQ(FindSurface(BufferDC)->height(), 240);
    EXPECT_EQ(FindSurface(Background.DC)->height(), 240);
    EXPECT_EQ(FindSurface(Foreground.DC)->width(), 320);
    EXPECT_EQ(FindSurface(Foreground.DC)->height(), 247);
    EXPECT_EQ(FindSurface(ForegroundMaskDC)->height(), 247);
}

TEST_F(LoadPics, MissingPaletteMakesEveryComposedSurfaceOneBitDeep) {
    assets_.WritePicture("bv_background1.bmp", 640, 480);
    Background.Choice = 1;
    SetUpAndLoad();
    for (SurfaceHandle composed : {BufferDC, Background.DC, Foreground.DC, ForegroundMaskDC}) {
        const platform::Bitmap* bitmap = FindSurface(composed);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(bitmap->format(), PixelFormat::Mono);
    }
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(LoadPics, MissingAssetFolderGivesAnEmptySceneWithoutFailure) {
    AssetDir = assets_.path() + "not-there/";
    ForEachRecord([](Sprite& record) { record.Enabled = kTrue; });
    CenterPiece.Choice = 1;
    SetUpAndLoad();

    std::vector<const Sprite*> expected{&Foreground, &Background};  // in record order
    EXPECT_EQ(RecordsWithSurfaces(), expected);
    EXPECT_NE(BufferDC, 0);
    EXPECT_NE(ForegroundMaskDC, 0);
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(LoadPics, ScratchSurfacesAreReleasedAndNothingLeaks) {
    assets_.WritePicture("bv_palette.bmp");
    assets_.WritePicture("bv_shark.bmp");
    Shark.Enabled = kTrue;
    const int before = platform::LiveSurfaceCount();
    SetUpAndLoad();

    EXPECT_EQ(PaletteDC, 0);
    EXPECT_EQ(LoadDC, 0);
    // Back buffer, background, reef strip, mask strip and the shark.
    EXPECT_EQ(platform::LiveSurfaceCount(), before + 5);

    // Loading again replaces the surfaces instead of leaving the old ones behind.
    LoadPics4ScreenSaver();
    EXPECT_EQ(platform::LiveSurfaceCount(), before + 5);
}

TEST_F(LoadPics, BackgroundIsStretchedOverTheWholeScreen) {
    // Four quarters of different colours on the 640 x 480 picture.
    const QRgb topLeft = qRgb(200, 0, 0), topRight = qRgb(0, 200, 0), bottomLeft = qRgb(0, 0, 200),
               bottomRight = qRgb(200, 200, 0);
    assets_.WritePicture("bv_palette.bmp");
    assets_.WritePicture("bv_background2.bmp", 640, 480, [&](int x, int y) {
        if (y < 240) return x < 320 ? topLeft : topRight;
        return x < 320 ? bottomLeft : bottomRight;
    });
    test::StartAfresh(1024, 768);
    Background.Choice = 2;
    SetUpAndLoad();

    const platform::Bitmap* background = FindSurface(Background.DC);
    ASSERT_NE(background, nullptr);
    ASSERT_EQ(background->width(), 1024);
    ASSERT_EQ(background->height(), 768);
    struct Spot {
        int x, y;
        QRgb colour;
    };
    for (const Spot& spot :
         {Spot{0, 0, topLeft}, Spot{1023, 0, topRight}, Spot{0, 767, bottomLeft},
          Spot{1023, 767, bottomRight}, Spot{256, 192, topLeft}, Spot{768, 192, topRight},
          Spot{256, 576, bottomLeft}, Spot{768, 576, bottomRight}, Spot{500, 370, topLeft},
          Spot{524, 398, bottomRight}})
        EXPECT_EQ(background->colourAt(spot.x, spot.y), 0xFF000000u | spot.colour)
            << spot.x << ", " << spot.y;
}

// A background drawn larger than 640 x 480 keeps its proportions: scaled to
// cover the screen, centred, the overflow cut off. Bands of colour across a
// 16:9 picture show which part lands on a 4:3 screen.
TEST_F(LoadPics, LargerBackgroundCoversTheScreenKeepingItsProportions) {
    const QRgb band[] = {qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200), qRgb(200, 200, 0)};
    assets_.WritePicture("bv_palette.bmp");
    assets_.WritePicture("bv_background1.bmp", 1280, 720,
                         [&](int x, int) { return band[x / 320]; });
    test::StartAfresh(640, 480);
    Background.Choice = 1;
    SetUpAndLoad();

    // Scaled by 480 / 720 to 853 x 480: the middle 640 columns are source
    // columns 160 to 1119.
    const platform::Bitmap* background = FindSurface(Background.DC);
    ASSERT_NE(background, nullptr);
    struct Spot {
        int x;
        QRgb colour;
    };
    for (const Spot& spot :
         {Spot{0, band[0]}, Spot{100, band[0]}, Spot{110, band[1]}, Spot{315, band[1]},
          Spot{325, band[2]}, Spot{528, band[2]}, Spot{538, band[3]}, Spot{639, band[3]}})
        for (int y : {0, 240, 479})
            EXPECT_EQ(background->colourAt(spot.x, y), 0xFF000000u | spot.colour)
                << spot.x << ", " << y;
}

}  // namespace
}  // namespace bv
