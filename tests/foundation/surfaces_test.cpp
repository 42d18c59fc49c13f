// Surfaces by handle: making, formats taken from the reference, release.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "bmp_builder.h"
#include "errors/error_code.h"
#include "platform/surface_table.h"
#include "surfaces/memory_surfaces.h"

namespace bv {
namespace {

TEST(MemorySurfaces, ReleasingTwiceReleasesOnceAndZeroDoesNothing) {
    const int before = platform::LiveSurfaceCount();
    SurfaceHandle handle = GenerateDC("/nonexistent/picture.bmp");
    ASSERT_GT(handle, 0);
    EXPECT_EQ(platform::LiveSurfaceCount(), before + 1);
    SurfaceHandle copy = handle;
    EXPECT_NE(RemoveDC(handle), 0);
    EXPECT_EQ(handle, 0);
    EXPECT_EQ(RemoveDC(copy), 0);
    SurfaceHandle none = 0;
    EXPECT_EQ(RemoveDC(none), 0);
    EXPECT_EQ(platform::LiveSurfaceCount(), before);
}

TEST(MemorySurfaces, MissingFileGivesTheEmptyPictureAndOneBitBuffers) {
    SurfaceHandle palette = GenerateDC("/nonexistent/bv_palette.bmp");
    ASSERT_TRUE(platform::FindSurface(palette)->isEmptyDefault());
    SurfaceHandle buffer = GenerateBufferDC(64, 48, palette);
    const platform::Bitmap* bitmap = platform::FindSurface(buffer);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->format(), platform::PixelFormat::Mono);
    EXPECT_EQ(bitmap->width(), 64);
    RemoveDC(buffer);
    RemoveDC(palette);
}

TEST(MemorySurfaces, ThePalettePicturesFormatCarriesIntoBuffers) {
    QTemporaryDir dir;
    test::BmpSpec spec;
    spec.bitsPerPixel = 8;
    spec.colourTable = {0x000000, 0x112233, 0xFFFFFF};
    spec.pixels = {0, 1, 2, 1};
    const std::string path = dir.filePath("BV_PALETTE.BMP").toStdString();
    test::WriteFile(path, test::BuildBmp(spec));
    // The lookup ignores the case of the file name.
    SurfaceHandle palette = GenerateDC(dir.filePath("bv_palette.bmp").toStdString());
    SurfaceHandle buffer = GenerateBufferDC(5, 5, palette);
    const platform::Bitmap* bitmap = platform::FindSurface(buffer);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->format(), platform::PixelFormat::Indexed);
    EXPECT_EQ(bitmap->colourTable(), platform::FindSurface(palette)->colourTable());
    RemoveDC(buffer);
    RemoveDC(palette);
}

TEST(MemorySurfaces, AnImpossibleBufferIsReportedNotMade) {
    std::vector<std::string> reports;
    SetErrorReporter([&](const std::string& code) { reports.push_back(code); });
    EXPECT_EQ(GenerateBufferDC(0, 10, 0), 0);
    SetErrorReporter(nullptr);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "Error Code: BV-5- System/GenerateBufferDC");
}

}  // namespace
}  // namespace bv
