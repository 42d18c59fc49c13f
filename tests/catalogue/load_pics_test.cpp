// Which picture files count as installed, which the loader brings into
// surfaces, in which pixel format, and what it leaves behind.

#include "surfaces/load_pics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "bmp_builder.h"
#include "catalogue_test_support.h"
#include "platform/surface_table.h"
#include "scene/all_records.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "settings/settings_globals.h"
#include "surfaces/memory_surfaces.h"
#include "surfaces/surface_globals.h"

namespace bv {
namespace {

using platform::FindSurface;
using platform::PixelFormat;

TEST(Installed, FollowsTheFilesPresentWhateverTheirCase) {
    const test::AssetFolder assets;
    test::StartAfresh();
    for (const char* name : {"bv_shark.bmp", "BV_DOLPHIN.BMP" /* catalogued as bv_Dolphin.bmp */,
                             "bv_Clam.Bmp", "bv_bubble.bmp", "bv_bottle2.bmp", "bv_angelfish.bmp",
                             "Bv_LifeGuard.bmp", "bv_background4.bmp"})
        assets.WritePicture(name);
    // The set-up leaves the selections and surfaces alone.
    Shark.Enabled = kTrue;
    CenterPiece.Choice = 5;
    Mermaid.DC = 12345;  // not a live surface: only its value matters here
    test::SetUpAllRecords();
    EXPECT_EQ(Shark.Enabled, kTrue);
    EXPECT_EQ(Whale.Enabled, kFalse);
    EXPECT_EQ(CenterPiece.Choice, 5);
    EXPECT_EQ(Mermaid.DC, 12345);
    Mermaid.DC = 0;

    // Each clam and school member checks the shared sheet for itself, each
    // bottle its own picture; a bubble stream's first bubble speaks for it.
    for (const Sprite* present :
         {&Shark, &Dolphin, &LifeGuard, &Clam(1), &Clam(2), &Clam(3), &AngelFish(1), &AngelFish(5),
          &Bottle(2), &BubblesLeft(1), &BubblesRight(1)})
        EXPECT_EQ(present->Installed, kTrue) << present->FileName;
    for (const Sprite* absent : {&Whale, &Mermaid, &Bottle(1), &BubblesLeft(2), &Background})
        EXPECT_EQ(absent->Installed, kFalse) << absent->FileName;
    // Only the chosen background's file counts.
    Background.Choice = 4;
    test::SetUpAllRecords();
    EXPECT_EQ(Background.Installed, kTrue);
}

class LoadPics : public ::testing::Test {
protected:
    void SetUpAndLoad(int width = 320, int height = 240) {
        test::StartAfresh(width, height);
        errors_.emplace();  // the reset has let go of any recorder
        prepare_();
        test::SetUpAllRecords();
        LoadPics4ScreenSaver();
    }

    test::AssetFolder assets_;
    std::optional<test::ErrorRecorder> errors_;
    std::function<void()> prepare_ = [] {};  // selections made before the set-up
};

TEST_F(LoadPics, OnlyChosenInstalledPiecesLoadAGroupThroughItsFirstElement) {
    for (const char* name : {"bv_shark.bmp", "bv_whale.bmp", "bv_angelfish.bmp", "bv_clam.bmp",
                             "bv_pillar.bmp", "bv_bubble.bmp", "bv_bottle2.bmp", "bv_mermaid.bmp",
                             "bv_scubadude.bmp", "bv_treasure.bmp"})
        assets_.WritePicture(name);
    struct Case {
        const char* what;
        std::vector<Sprite*> selected;
        Integer centrePiece;
        std::vector<const Sprite*> loaded;  // besides the reef and the background
    };
    const Case cases[] = {
        {"the orca's picture is missing; the first bottle's selection loads the second's",
         {&Shark, &Orca, &AngelFish(1), &Clam(1), &Pillar(1), &BubblesLeft(1), &Bottle(1)},
         0,
         {&Shark, &AngelFish(1), &Clam(1), &Pillar(1), &BubblesLeft(1), &Bottle(2)}},
        {"only the first bottle's selection counts", {&Bottle(2)}, 0, {}},
        {"centre piece -1 is none", {}, -1, {}},
        {"centre piece 8 is none", {}, 8, {}},
        {"the mermaid", {}, 5, {&Mermaid}},
        {"the treasure", {}, 7, {&Treasure}},
        {"the lifeguard's picture is missing", {}, 3, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prepare_ = [&] {
            for (Sprite* record : c.selected) record->Enabled = kTrue;
            CenterPiece.Choice = c.centrePiece;
        };
        SetUpAndLoad();
        ForEachRecord([&](Sprite& record) {
            const bool wanted = &record == &Foreground || &record == &Background ||
                                std::ranges::count(c.loaded, &record) > 0;
            EXPECT_EQ(record.DC != 0, wanted) << record.FileName;
            if (record.DC != 0) EXPECT_FALSE(FindSurface(record.DC)->isEmptyDefault());
        });
        EXPECT_TRUE(errors_->codes().empty());
    }
}

// The back buffer and the composed background and reef strips take the
// palette picture's format (its colour table too), found whatever the case of
// its name; without it they are one bit deep.
TEST_F(LoadPics, ComposedSurfacesTakeThePalettePicturesFormat) {
    const std::vector<platform::Colour> colours = {0xFF000000u, 0xFF112233u, 0xFFFFFFFFu};
    assets_.WritePicture("bv_background1.bmp", 640, 480);
    prepare_ = [] { Background.Choice = 1; };
    for (const PixelFormat format :
         {PixelFormat::Mono, PixelFormat::TrueColour, PixelFormat::Indexed}) {
        std::filesystem::remove(assets_ / "bv_palette.bmp");
        if (format == PixelFormat::TrueColour) assets_.WritePicture("bv_palette.bmp", 8, 8);
        if (format == PixelFormat::Indexed)
            test::WriteFile(assets_ / "BV_PALETTE.BMP",
                            test::BuildBmp({.bitsPerPixel = 8,
                                            .colourTable = {0x000000, 0x112233, 0xFFFFFF},
                                            .pixels = {0, 1, 2, 1}}));
        SetUpAndLoad();
        SCOPED_TRACE(static_cast<int>(format));
        for (SurfaceHandle composed : {BufferDC, Background.DC, Foreground.DC, ForegroundMaskDC}) {
            const platform::Bitmap* bitmap = FindSurface(composed);
            ASSERT_NE(bitmap, nullptr);
            EXPECT_EQ(bitmap->format(), format);
            EXPECT_EQ(bitmap->width(), 320);
            if (format == PixelFormat::Indexed) EXPECT_EQ(bitmap->colourTable(), colours);
        }
        EXPECT_EQ(FindSurface(BufferDC)->height(), 240);
        EXPECT_EQ(FindSurface(Background.DC)->height(), 240);
        EXPECT_EQ(FindSurface(Foreground.DC)->height(), 247);
        EXPECT_EQ(FindSurface(ForegroundMaskDC)->height(), 247);
        std::filesystem::remove(assets_ / "BV_PALETTE.BMP");
        EXPECT_TRUE(errors_->codes().empty());
    }
}

// Without the asset folder every record is still set up completely, none is
// installed, and only the composed surfaces are made; nothing fails.
TEST_F(LoadPics, MissingAssetFolderGivesAnEmptySceneWithoutFailure) {
    AssetDir = assets_.path() + "not-there/";
    prepare_ = [] {
        ForEachRecord([](Sprite& record) { record.Enabled = kTrue; });
        CenterPiece.Choice = 1;
    };
    SetUpAndLoad();
    int withPicture = 0;
    ForEachRecord([&](Sprite& record) {
        EXPECT_EQ(record.Installed, kFalse) << record.FileName;
        EXPECT_EQ(record.DC != 0, &record == &Foreground || &record == &Background)
            << record.FileName;
        if (record.FileName.empty()) return;
        ++withPicture;
        EXPECT_TRUE(record.Width > 0 && record.Height > 0 && record.Frames > 0) << record.FileName;
    });
    // 9 scenery, 38 fish, 10 predator and 13 other records name a picture: of
    // the bubbles only each stream's first, and the previews are set up elsewhere.
    EXPECT_EQ(withPicture, 70);
    EXPECT_NE(BufferDC, 0);
    EXPECT_NE(ForegroundMaskDC, 0);
    EXPECT_TRUE(errors_->codes().empty());
}

TEST_F(LoadPics, ScratchSurfacesAreReleasedAndNothingLeaks) {
    assets_.WritePicture("bv_palette.bmp");
    assets_.WritePicture("bv_shark.bmp");
    prepare_ = [] { Shark.Enabled = kTrue; };
    const int before = platform::LiveSurfaceCount();
    SetUpAndLoad();
    EXPECT_EQ(PaletteDC, 0);
    EXPECT_EQ(LoadDC, 0);
    // Back buffer, background, reef strip, mask strip and the shark.
    EXPECT_EQ(platform::LiveSurfaceCount(), before + 5);
    // Loading again replaces the surfaces instead of leaving the old ones behind.
    LoadPics4ScreenSaver();
    EXPECT_EQ(platform::LiveSurfaceCount(), before + 5);

    // A surface is released once: its handle is cleared, a copy then names nothing.
    SurfaceHandle copy = Shark.DC;
    EXPECT_EQ(RemoveDC(Shark.DC), 1);
    EXPECT_EQ(Shark.DC, 0);
    EXPECT_EQ(RemoveDC(copy), 0);
    EXPECT_EQ(RemoveDC(Shark.DC), 0);
    EXPECT_EQ(platform::LiveSurfaceCount(), before + 4);
    EXPECT_TRUE(errors_->codes().empty());

    EXPECT_EQ(GenerateBufferDC(0, 10, 0), 0);
    EXPECT_EQ(errors_->codes(),
              std::vector<std::string>{"Error Code: BV-5- System/GenerateBufferDC"});
}

// A background of 640 x 480 is stretched over the screen; one drawn larger
// keeps its proportions: scaled to cover the screen, centred, the overflow
// cut off.
TEST_F(LoadPics, TheBackgroundCoversTheWholeScreen) {
    const std::uint32_t red = 0xC80000, green = 0x00C800, blue = 0x0000C8, yellow = 0xC8C800;
    struct Spot {
        int x, y;
        std::uint32_t colour;
    };
    assets_.WritePicture("bv_palette.bmp");
    prepare_ = [] { Background.Choice = 1; };
    const auto expectSpots = [&](int width, int height, std::initializer_list<Spot> spots) {
        SetUpAndLoad(width, height);
        const platform::Bitmap* background = FindSurface(Background.DC);
        ASSERT_NE(background, nullptr);
        ASSERT_EQ(background->width(), width);
        ASSERT_EQ(background->height(), height);
        for (const Spot& spot : spots)
            EXPECT_EQ(background->colourAt(spot.x, spot.y), 0xFF000000u | spot.colour)
                << spot.x << ", " << spot.y;
    };
    // Four quarters of different colours.
    assets_.WritePicture("bv_background1.bmp", 640, 480, [&](int x, int y) {
        return y < 240 ? (x < 320 ? red : green) : (x < 320 ? blue : yellow);
    });
    expectSpots(1024, 768,
                {Spot{0, 0, red}, Spot{1023, 0, green}, Spot{0, 767, blue}, Spot{1023, 767, yellow},
                 Spot{256, 192, red}, Spot{768, 192, green}, Spot{256, 576, blue},
                 Spot{768, 576, yellow}, Spot{500, 370, red}, Spot{524, 398, yellow}});
    // Four bands across 16:9, scaled by 480 / 720 to 853 x 480: the middle
    // 640 columns are source columns 160 to 1119.
    assets_.WritePicture("bv_background1.bmp", 1280, 720, [&](int x, int) {
        return std::array{red, green, blue, yellow}[x / 320];
    });
    expectSpots(
        640, 480,
        {Spot{0, 0, red}, Spot{100, 479, red}, Spot{110, 0, green}, Spot{315, 240, green},
         Spot{325, 479, blue}, Spot{528, 0, blue}, Spot{538, 240, yellow}, Spot{639, 479, yellow}});
}

}  // namespace
}  // namespace bv
