// Reading bitmap files of every depth, and damaged files becoming the empty picture.
#include "platform/bitmap_file.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "bmp_builder.h"

namespace bv {
namespace {

using platform::Bitmap;
using platform::PixelFormat;
using test::BmpSpec;

class BitmapFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const std::string path = dir_.filePath(QString::fromStdString(name)).toStdString();
        test::WriteFile(path, bytes);
        return path;
    }
    QTemporaryDir dir_;
};

BmpSpec ThreeByTwo(int bits, bool topDown) {
    BmpSpec spec;
    spec.width = 3;
    spec.height = 2;
    spec.bitsPerPixel = bits;
    spec.topDown = topDown;
    if (bits <= 8) {
        spec.colourTable = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
        if (bits == 1) spec.colourTable.resize(2);
        spec.pixels = bits == 1 ? std::vector<std::uint32_t>{1, 0, 1, 0, 1, 1}
                                : std::vector<std::uint32_t>{1, 2, 3, 0, 1, 2};
    } else {
        spec.pixels = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000000};
    }
    return spec;
}

TEST_F(BitmapFileTest, EveryDepthKeepsItsPixelsInBothRowOrders) {
    for (int bits : {1, 4, 8, 24, 32}) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << bits << "-bit, top-down " << topDown);
            const BmpSpec spec = ThreeByTwo(bits, topDown);
            const Bitmap bitmap = platform::LoadBitmapFile(Write("p.bmp", test::BuildBmp(spec)));
            ASSERT_FALSE(bitmap.isEmptyDefault());
            ASSERT_EQ(bitmap.width(), 3);
            ASSERT_EQ(bitmap.height(), 2);
            for (int y = 0; y < 2; ++y) {
                for (int x = 0; x < 3; ++x) {
                    const std::uint32_t value = spec.pixels[static_cast<std::size_t>(y * 3 + x)];
                    const std::uint32_t expected = bits <= 8 ? spec.colourTable[value] : value;
                    EXPECT_EQ(bitmap.colourAt(x, y), expected | 0xFF000000u) << x << "," << y;
                }
            }
        }
    }
}

// Plain 24-bit files, the media pack's own, are converted without Qt's
// reader: every row padding, in both row orders, gives what the reader gives.
TEST_F(BitmapFileTest, TwentyFourBitPicturesMatchQtsReaderAtEveryRowPadding) {
    std::uint32_t seed = 12345;
    for (int width = 1; width <= 4; ++width) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << "width " << width << ", top-down " << topDown);
            BmpSpec spec{.width = width, .height = 5, .bitsPerPixel = 24, .topDown = topDown};
            for (int i = 0; i < width * spec.height; ++i) {
                seed = seed * 1103515245u + 12345u;
                spec.pixels.push_back(seed >> 8);
            }
            const std::string path = Write("deep.bmp", test::BuildBmp(spec));
            const QImage reference =
                QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
            const Bitmap bitmap = platform::LoadBitmapFile(path);
            ASSERT_EQ(bitmap.format(), PixelFormat::TrueColour);
            ASSERT_EQ(QSize(bitmap.width(), bitmap.height()), reference.size());
            for (int y = 0; y < spec.height; ++y)
                for (int x = 0; x < width; ++x)
                    EXPECT_EQ(bitmap.colourAt(x, y), reference.pixel(x, y)) << x << "," << y;
        }
    }
}

TEST_F(BitmapFileTest, PalettePicturesStayIndexedWithTheirTable) {
    const Bitmap eight =
        platform::LoadBitmapFile(Write("8.bmp", test::BuildBmp(ThreeByTwo(8, false))));
    EXPECT_EQ(eight.format(), PixelFormat::Indexed);
    EXPECT_EQ(eight.indexRow(0)[2], 3);
    const Bitmap one =
        platform::LoadBitmapFile(Write("1.bmp", test::BuildBmp(ThreeByTwo(1, false))));
    EXPECT_EQ(one.format(), PixelFormat::Mono);
    const Bitmap deep =
        platform::LoadBitmapFile(Write("24.bmp", test::BuildBmp(ThreeByTwo(24, false))));
    EXPECT_EQ(deep.format(), PixelFormat::TrueColour);
}

// An index beyond the colour table reads as the table's first colour, never
// as a colour the table does not hold.
TEST_F(BitmapFileTest, AnIndexOutsideTheColourTableShowsItsFirstColour) {
    BmpSpec spec{.width = 3, .height = 1, .bitsPerPixel = 8};
    spec.colourTable = {0xFF0000, 0x00FF00};
    spec.pixels = {1, 2, 3};
    const Bitmap bitmap = platform::LoadBitmapFile(Write("index.bmp", test::BuildBmp(spec)));
    EXPECT_EQ(bitmap.colourAt(0, 0), 0xFF00FF00u);
    EXPECT_EQ(bitmap.colourAt(1, 0), 0xFFFF0000u);
    EXPECT_EQ(bitmap.colourAt(2, 0), 0xFFFF0000u);
}

TEST_F(BitmapFileTest, DamagedFilesBecomeTheEmptyDefaultPicture) {
    const std::vector<std::uint8_t> good = test::BuildBmp(ThreeByTwo(24, false));

    // Each damaged file is refused with a word on what is wrong with it.
    auto expectEmpty = [&](const std::string& what, std::vector<std::uint8_t> bytes) {
        std::string problem;
        const Bitmap bitmap = platform::LoadBitmapFile(Write("bad.bmp", bytes), &problem);
        EXPECT_TRUE(bitmap.isEmptyDefault()) << what;
        EXPECT_EQ(bitmap.width(), 1) << what;
        EXPECT_EQ(bitmap.format(), PixelFormat::Mono) << what;
        EXPECT_FALSE(problem.empty()) << what;
    };
    std::string problem = "left over";
    platform::LoadBitmapFile(Write("good.bmp", good), &problem);
    EXPECT_EQ(problem, "");
    expectEmpty("empty file", {});
    expectEmpty("truncated pixels", {good.begin(), good.end() - 5});
    expectEmpty("truncated header", {good.begin(), good.begin() + 20});
    std::vector<std::uint8_t> magic = good;
    magic[0] = 'X';
    expectEmpty("wrong magic", magic);
    std::vector<std::uint8_t> offset = good;
    offset[10] = 0xFF;
    offset[11] = 0xFF;
    offset[12] = 0xFF;
    expectEmpty("pixel offset beyond the file", offset);
    // 60000 x 60000 declared in a file of a few bytes: refused before any allocation.
    BmpSpec huge = ThreeByTwo(24, false);
    std::vector<std::uint8_t> absurd = test::BuildBmp(huge);
    for (int field : {18, 22}) {
        absurd[field] = 0x60;
        absurd[field + 1] = 0xEA;
        absurd[field + 2] = 0;
        absurd[field + 3] = 0;
    }
    expectEmpty("absurd dimensions", absurd);
    std::vector<std::uint8_t> depth = good;
    depth[28] = 7;
    expectEmpty("impossible depth", depth);
    EXPECT_TRUE(platform::LoadBitmapFile(dir_.filePath("missing.bmp").toStdString(), &problem)
                    .isEmptyDefault());
    EXPECT_EQ(problem, "is missing");
    EXPECT_TRUE(platform::LoadBitmapFile(dir_.path().toStdString()).isEmptyDefault());
}

}  // namespace
}  // namespace bv
