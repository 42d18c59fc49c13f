// Reading bitmap files of every depth, and damaged files becoming the empty picture.
#include "platform/bitmap_file.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

#include "bmp_builder.h"
#include "platform/scaling.h"

namespace bv {
namespace {

using platform::Bitmap;
using platform::PixelFormat;
using test::BmpSpec;

class BitmapFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::string path = dir_.filePath(QString::fromStdString(name)).toStdString();
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
                    const std::uint32_t value =
                        spec.pixels[static_cast<std::size_t>(y) * 3 + static_cast<std::size_t>(x)];
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

// A plain 24-bit file's rows come out as its decoded picture's, in both row
// orders, and cover a picture, a strip at a time, as the decoded picture
// does: within two shades, where the steep gradients meet rounding. A row
// order, a crop or a strip seam that is off by half a row or more shows as
// three shades or more.
TEST_F(BitmapFileTest, APlain24BitFileCoversStraightFromItsRows) {
    for (bool topDown : {false, true}) {
        SCOPED_TRACE(testing::Message() << "top-down " << topDown);
        BmpSpec spec{.width = 97, .height = 150, .bitsPerPixel = 24, .topDown = topDown};
        for (int y = 0; y < spec.height; ++y)
            for (int x = 0; x < spec.width; ++x)
                spec.pixels.push_back(static_cast<std::uint32_t>(
                    (x * 2) << 16 | (y * 4 % 256) << 8 | ((x + 3 * y) & 0xFF)));
        const std::string path = Write("wide.bmp", test::BuildBmp(spec));
        const platform::BitmapFileRows file(path);
        ASSERT_TRUE(file.valid());
        const Bitmap decoded = platform::LoadBitmapFile(path);
        ASSERT_EQ(QSize(file.width(), file.height()), QSize(decoded.width(), decoded.height()));
        std::vector<platform::Colour> row(static_cast<std::size_t>(file.width()));
        for (int y : {0, 1, 149}) {
            file.ConvertRow(y, row.data());
            EXPECT_TRUE(std::equal(row.begin(), row.end(), decoded.trueColourRow(y))) << y;
        }
        for (const QSize size : {QSize(72, 120), QSize(90, 60), QSize(60, 200)}) {
            Bitmap straight(size.width(), size.height(), PixelFormat::TrueColour);
            Bitmap fromDecoded(size.width(), size.height(), PixelFormat::TrueColour);
            ASSERT_TRUE(platform::CoverWithRows(
                straight, file.width(), file.height(),
                [&file](int y, platform::Colour* out) { file.ConvertRow(y, out); }));
            platform::CoverWith(fromDecoded, decoded);
            int largest = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    for (int shift : {16, 8, 0})
                        largest =
                            std::max(largest, std::abs(static_cast<int>(
                                                  (straight.colourAt(x, y) >> shift & 0xFF) -
                                                  (fromDecoded.colourAt(x, y) >> shift & 0xFF))));
            EXPECT_LE(largest, 2) << size.width() << " x " << size.height();
        }
    }
    // Other depths are for the decoder.
    for (int bits : {8, 32})
        EXPECT_FALSE(
            platform::BitmapFileRows(Write("other.bmp", test::BuildBmp(ThreeByTwo(bits, false))))
                .valid())
            << bits;
}

// Files read one after another through one buffer, larger and smaller than
// what it held, decode as each does on its own.
TEST_F(BitmapFileTest, FilesReadThroughOneBufferDecodeAsAlone) {
    platform::FileReadBuffer buffer;
    std::uint32_t seed = 99;
    for (const QSize size : {QSize(40, 30), QSize(7, 3), QSize(900, 900), QSize(5, 2)}) {
        BmpSpec spec{.width = size.width(), .height = size.height(), .bitsPerPixel = 24};
        for (int i = 0; i < size.width() * size.height(); ++i) {
            seed = seed * 1103515245u + 12345u;
            spec.pixels.push_back(seed >> 8);
        }
        const std::string path = Write("each.bmp", test::BuildBmp(spec));
        const Bitmap alone = platform::LoadBitmapFile(path);
        const Bitmap read = platform::LoadBitmapFile(path, nullptr, &buffer);
        ASSERT_EQ(QSize(read.width(), read.height()), size);
        for (int y = 0; y < size.height(); ++y)
            ASSERT_TRUE(std::equal(alone.trueColourRow(y), alone.trueColourRow(y) + size.width(),
                                   read.trueColourRow(y)))
                << size.width() << " x " << size.height() << ", row " << y;
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
    auto expectEmpty = [&](const std::string& what, const std::vector<std::uint8_t>& bytes) {
        std::string problem;
        const std::string path = Write("bad.bmp", bytes);
        const Bitmap bitmap = platform::LoadBitmapFile(path, &problem);
        EXPECT_TRUE(bitmap.isEmptyDefault()) << what;
        std::string problemThroughBuffer;
        platform::FileReadBuffer buffer;
        EXPECT_TRUE(platform::LoadBitmapFile(path, &problemThroughBuffer, &buffer).isEmptyDefault())
            << what;
        EXPECT_EQ(problemThroughBuffer, problem) << what;
        EXPECT_FALSE(platform::BitmapFileRows(path).valid()) << what;
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
