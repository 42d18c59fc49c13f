// Pictures whose headers claim more than memory should hold are drawn as nothing.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QTemporaryDir>

#include "bmp_builder.h"
#include "platform/bitmap_file.h"
#include "platform/surface_table.h"
#include "surfaces/memory_surfaces.h"

namespace bv {
namespace {

// A real 2 x 2 picture whose header is then made to claim width x height.
std::vector<std::uint8_t> PictureClaiming(std::int32_t width, std::int32_t height) {
    test::BmpSpec spec;
    spec.pixels = {0x112233, 0x445566, 0x778899, 0xAABBCC};
    std::vector<std::uint8_t> bytes = test::BuildBmp(spec);
    for (int i = 0; i < 4; ++i) {
        bytes[18 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(width) >> (8 * i));
        bytes[22 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(height) >> (8 * i));
    }
    return bytes;
}

QByteArray AsBytes(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

TEST(OversizedPicture, SixtyThousandSquareGivesTheEmptyPictureOnItsSurface) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("huge.bmp").toStdString();
    test::WriteFile(path, PictureClaiming(60000, 60000));
    SurfaceHandle handle = GenerateDC(path);
    ASSERT_GT(handle, 0);
    const platform::Bitmap* picture = platform::FindSurface(handle);
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->isEmptyDefault());
    RemoveDC(handle);
}

TEST(OversizedPicture, TopDownAndExtremeHeadersAreRefusedToo) {
    for (const auto& [width, height] : {std::pair{60000, -60000}, std::pair{2, INT32_MIN},
                                        std::pair{INT32_MAX, 2}, std::pair{65536, 65536}}) {
        const platform::Bitmap picture =
            platform::DecodeBitmapFile(AsBytes(PictureClaiming(width, height)));
        EXPECT_TRUE(picture.isEmptyDefault()) << width << " x " << height;
    }
}

TEST(OversizedPicture, TheInMemoryReaderAgreesWithTheFileReader) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("small.bmp").toStdString();
    const std::vector<std::uint8_t> bytes = PictureClaiming(2, 2);
    test::WriteFile(path, bytes);
    const platform::Bitmap fromFile = platform::LoadBitmapFile(path);
    const platform::Bitmap fromMemory = platform::DecodeBitmapFile(AsBytes(bytes));
    ASSERT_FALSE(fromFile.isEmptyDefault());
    ASSERT_EQ(fromMemory.width(), 2);
    ASSERT_EQ(fromMemory.height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(fromMemory.colourAt(x, y), fromFile.colourAt(x, y));
    EXPECT_EQ(fromMemory.colourAt(0, 0), 0xFF112233u);
}

}  // namespace
}  // namespace bv
