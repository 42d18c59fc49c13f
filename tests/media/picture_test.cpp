#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

#include "media_files.h"
#include "test_support.h"

using namespace media_test;

namespace {

int distinctColours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

TEST(Pictures, EveryBitmapIsTwentyFourBit) {
    for (const auto& entry : std::filesystem::directory_iterator(mediaDir())) {
        if (entry.path().extension() != ".bmp") continue;
        EXPECT_EQ(bv::test::ReadBytes(entry.path().string()).substr(0, 30).substr(28),
                  std::string("\x18\0", 2))
            << entry.path();
    }
}

const char* const kBackgrounds[] = {"bv_background1.bmp", "bv_background2.bmp",
                                    "bv_background3.bmp"};
// The scene scales a backdrop to cover the screen, cropping the overflow.
const QSize kBackdrop(2560, 1440);

double luminanceSpread(const QImage& image, QRect block) {
    double sum = 0;
    double squares = 0;
    for (int y = block.top(); y <= block.bottom(); ++y)
        for (int x = block.left(); x <= block.right(); ++x) {
            const double l = qGray(image.pixel(x, y));
            sum += l;
            squares += l * l;
        }
    const double n = double(block.width()) * block.height();
    return std::sqrt(std::max(0.0, squares / n - (sum / n) * (sum / n)));
}

// Full pictures, each its own, that the scene scales to cover the screen.
// The pillars, the fishing sign and the centre piece stand in front of the
// sea bed's middle, whatever the screen's shape: there a backdrop holds soft
// sand and haze only, no edges, teeth or bright objects behind them.
TEST(Pictures, BackgroundsAreFullPicturesCalmWhereThePiecesStand) {
    const QRect calm(kBackdrop.width() / 2 - 400, kBackdrop.height() * 6 / 10, 800,
                     kBackdrop.height() * 4 / 10);
    constexpr int block = 40;
    std::set<QByteArray> distinct;
    for (const char* file : kBackgrounds) {
        const QImage image = loadPicture(file);
        ASSERT_EQ(image.size(), kBackdrop) << file;
        EXPECT_GT(distinctColours(image), 500) << file << " looks flat";
        distinct.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   static_cast<int>(image.sizeInBytes())));
        double worst = 0;
        QPoint where;
        for (int y = calm.top(); y + block <= calm.bottom() + 1; y += block)
            for (int x = calm.left(); x + block <= calm.right() + 1; x += block) {
                const double spread = luminanceSpread(image, QRect(x, y, block, block));
                if (spread > worst) {
                    worst = spread;
                    where = QPoint(x, y);
                }
            }
        EXPECT_LT(worst, 12.0) << file << " is busy around " << where.x() << ", " << where.y();
    }
    EXPECT_EQ(distinct.size(), 3u);
}

// The palette is a small picture; the preview miniature eight frames of
// 103 x 102 in a row that move; the dialog's stills full 181 x 167 pictures
// over an all-black (opaque) mask.
TEST(Pictures, PaletteMiniatureAndDialogStillsFillTheirBoxes) {
    const QImage palette = loadPicture("bv_palette.bmp");
    EXPECT_TRUE(!palette.isNull() && palette.width() <= 64 && palette.height() <= 64);
    const QImage preview = loadPicture("bv_preview.bmp");
    ASSERT_EQ(preview.size(), QSize(824, 102));
    for (int k = 0; k < 8; ++k)
        EXPECT_GT(distinctColours(preview.copy(k * 103, 0, 103, 102)), 50) << "frame " << k;
    EXPECT_NE(preview.copy(0, 0, 103, 102), preview.copy(103, 0, 103, 102))
        << "the miniature does not move";
    for (const char* file :
         {"bv_previewscenery.bmp", "bv_previewother.bmp", "bv_backgroundpreview1.bmp",
          "bv_backgroundpreview2.bmp", "bv_backgroundpreview3.bmp", "bv_foregroundpreview0.bmp"}) {
        const QImage image = loadPicture(file);
        ASSERT_EQ(image.size(), QSize(181, 334)) << file;
        for (int y = 167; y < 334; ++y)
            for (int x = 0; x < 181; ++x)
                ASSERT_TRUE(isBlack(image.pixel(x, y)))
                    << file << " mask not black at " << x << ", " << y;
        EXPECT_GT(distinctColours(image.copy(0, 0, 181, 167)), 100) << file;
    }
}

// The scene draws the reef's mask 10 pixels left of its picture, so the
// mask file leads the picture by 10 columns, wrapping round.
constexpr int kMaskLead = 10;

// The mask pixel the scene lays over reef picture pixel (x, y).
QRgb maskOver(const QImage& mask, int x, int y) {
    return mask.pixel((x + kMaskLead) % mask.width(), y);
}

int colourDistance(QRgb p, QRgb q) {
    return std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
           std::abs(qBlue(p) - qBlue(q));
}

// The reef, of the catalogue's size, with its mask as laid on screen: no
// reef pixel lit under a clear mask pixel, corals and rocks along the bottom
// and open water above. The scene repeats it side by side: its last column
// runs on into its first, in picture and mask alike. The clams are drawn
// over it at fixed places (in reef coordinates: its top at the screen's
// bottom less its height, its x0 at the screen's centre less half its
// width): each needs rock all along the row under its bottom edge.
TEST(Reef, LinesUpWithItsMaskRunsOnAndCarriesTheClams) {
    const QImage picture = loadPicture("bv_foreground0.bmp");
    const QImage mask = loadPicture("bv_foregroundmask0.bmp");
    const QSize reef = reefSize();
    ASSERT_EQ(picture.size(), reef);
    ASSERT_EQ(mask.size(), reef);
    const int w = reef.width();
    const int h = reef.height();
    int opaque = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb m = maskOver(mask, x, y);
            opaque += isBlack(m);
            ASSERT_TRUE(isBlack(m) || isWhite(m)) << "mask grey at " << x << ", " << y;
            ASSERT_FALSE(isWhite(m) && !isBlack(picture.pixel(x, y)))
                << "reef lit under a clear mask at " << x << ", " << y;
        }
    EXPECT_GT(opaque, w * h / 4);
    for (int x = 0; x < w; ++x) {
        EXPECT_TRUE(isWhite(mask.pixel(x, 0)) || x % 97 != 0)
            << "column " << x << " closed at the top";
        EXPECT_TRUE(isBlack(mask.pixel(x, h - 1))) << "column " << x << " open at the bottom";
    }
    for (int y = 0; y < h; ++y) {
        EXPECT_EQ(isBlack(maskOver(mask, w - 1, y)), isBlack(maskOver(mask, 0, y)))
            << "the mask breaks at row " << y;
        EXPECT_LE(colourDistance(picture.pixel(w - 1, y), picture.pixel(0, y)), 40)
            << "the picture breaks at row " << y;
    }
    for (const QRect& clam :
         {QRect(640, 63, 40, 27), QRect(576, 87, 30, 19), QRect(650, 127, 30, 19)})
        for (int x = clam.left(); x <= clam.right(); ++x)
            EXPECT_TRUE(isBlack(maskOver(mask, x, clam.bottom() + 1)))
                << "the clam at " << clam.x() << ", " << clam.y() << " floats above column " << x;
}

}  // namespace
