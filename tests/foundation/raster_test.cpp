// Block copies and their raster operations, clipping, formats and stretching.
#include "platform/raster.h"

#include <gtest/gtest.h>

#include <QPoint>
#include <string>
#include <vector>

#include "platform/masked_runs.h"
#include "platform/scaling.h"

namespace bv::platform {
namespace {

constexpr Colour kRed = 0xFFFF0000u;
constexpr Colour kGreen = 0xFF00FF00u;
constexpr Colour kBlue = 0xFF0000FFu;

Bitmap Filled(int w, int h, Colour colour) {
    Bitmap bitmap(w, h, PixelFormat::TrueColour);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) bitmap.trueColourRow(y)[x] = colour;
    return bitmap;
}

// A picture whose pixel (x, y) encodes its own position.
Bitmap Numbered(int w, int h) {
    Bitmap bitmap(w, h, PixelFormat::TrueColour);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bitmap.trueColourRow(y)[x] = 0xFF000000u | static_cast<Colour>(y << 8 | x);
    return bitmap;
}

TEST(BitBlt, CopiesClipAtEveryEdge) {
    const Bitmap source = Numbered(10, 10);
    Bitmap target = Filled(8, 6, kBlue);
    BitBlt(target, -3, -2, 10, 10, &source, 0, 0, SRCCOPY);
    EXPECT_EQ(target.colourAt(0, 0), 0xFF000000u | (2 << 8 | 3));  // source (3, 2)
    EXPECT_EQ(target.colourAt(6, 5), 0xFF000000u | (7 << 8 | 9));  // source (9, 7)
    EXPECT_EQ(target.colourAt(7, 0), kBlue);                       // beyond the source's right edge

    Bitmap right = Filled(8, 6, kBlue);
    BitBlt(right, 6, 4, 10, 10, &source, 0, 0, SRCCOPY);
    EXPECT_EQ(right.colourAt(7, 5), 0xFF000000u | (1 << 8 | 1));
    EXPECT_EQ(right.colourAt(5, 5), kBlue);

    Bitmap untouched = Filled(8, 6, kBlue);
    BitBlt(untouched, 8, 0, 4, 4, &source, 0, 0, SRCCOPY);
    BitBlt(untouched, -10, 0, 4, 4, &source, 0, 0, SRCCOPY);
    BitBlt(untouched, 0, 0, 4, 4, &source, 20, 0, SRCCOPY);  // source block outside its picture
    BitBlt(untouched, 0, 0, 0, 4, &source, 0, 0, SRCCOPY);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(untouched.colourAt(x, y), kBlue);
}

TEST(BitBlt, MaskThenImageShowsTheSpriteOverTheBackground) {
    // Left pixel opaque (mask black, image red), right transparent (mask white, image black).
    Bitmap mask(2, 1, PixelFormat::TrueColour);
    mask.trueColourRow(0)[0] = kBlack;
    mask.trueColourRow(0)[1] = kWhite;
    Bitmap image(2, 1, PixelFormat::TrueColour);
    image.trueColourRow(0)[0] = kRed;
    image.trueColourRow(0)[1] = kBlack;
    Bitmap scene = Filled(2, 1, kGreen);
    BitBlt(scene, 0, 0, 2, 1, &mask, 0, 0, SRCAND);
    BitBlt(scene, 0, 0, 2, 1, &image, 0, 0, SRCPAINT);
    EXPECT_EQ(scene.colourAt(0, 0), kRed);
    EXPECT_EQ(scene.colourAt(1, 0), kGreen);
}

TEST(BitBlt, NoSourceOrTheEmptyPictureChangesNothing) {
    Bitmap scene = Filled(3, 3, kGreen);
    const Bitmap empty;
    BitBlt(scene, 0, 0, 3, 3, &empty, 0, 0, SRCAND);
    BitBlt(scene, 0, 0, 3, 3, nullptr, 0, 0, SRCCOPY);
    EXPECT_EQ(scene.colourAt(0, 0), kGreen);
    BitBlt(scene, 1, 1, 5, 5, nullptr, 0, 0, BLACKNESS);
    EXPECT_EQ(scene.colourAt(0, 0), kGreen);
    EXPECT_EQ(scene.colourAt(2, 2), kBlack);
}

TEST(BitBlt, IndexedPicturesCombineTheirIndices) {
    const std::vector<Colour> table = {kBlack, kRed, kGreen, kWhite};
    Bitmap scene(2, 1, PixelFormat::Indexed, table);
    scene.indexRow(0)[0] = 2;
    scene.indexRow(0)[1] = 2;
    Bitmap sprite(2, 1, PixelFormat::Indexed, table);
    sprite.indexRow(0)[0] = 1;
    sprite.indexRow(0)[1] = 3;
    BitBlt(scene, 0, 0, 2, 1, &sprite, 0, 0, SRCPAINT);
    EXPECT_EQ(scene.indexRow(0)[0], 3);  // 2 | 1
    EXPECT_EQ(scene.indexRow(0)[1], 3);
    BitBlt(scene, 0, 0, 2, 1, &sprite, 0, 0, SRCAND);
    EXPECT_EQ(scene.indexRow(0)[0], 1);  // 3 & 1
    EXPECT_EQ(scene.colourAt(0, 0), kRed);
}

TEST(BitBlt, ColourDrawnIntoOneBitKeepsOnlyWhite) {
    Bitmap mono(3, 1, PixelFormat::Mono);
    Bitmap colour(3, 1, PixelFormat::TrueColour);
    colour.trueColourRow(0)[0] = kWhite;
    colour.trueColourRow(0)[1] = kRed;
    colour.trueColourRow(0)[2] = kBlack;
    BitBlt(mono, 0, 0, 3, 1, &colour, 0, 0, SRCCOPY);
    EXPECT_EQ(mono.colourAt(0, 0), kWhite);
    EXPECT_EQ(mono.colourAt(1, 0), kBlack);
    EXPECT_EQ(mono.colourAt(2, 0), kBlack);
    // Back into colour through its table.
    Bitmap back = Filled(3, 1, kGreen);
    BitBlt(back, 0, 0, 3, 1, &mono, 0, 0, SRCCOPY);
    EXPECT_EQ(back.colourAt(0, 0), kWhite);
    EXPECT_EQ(back.colourAt(1, 0), kBlack);
}

TEST(BitBlt, TrueColourIntoAPaletteTakesTheNearestEntry) {
    Bitmap palette(1, 1, PixelFormat::Indexed, {kBlack, kRed, kBlue});
    Bitmap colour = Filled(1, 1, 0xFFF01010u);
    BitBlt(palette, 0, 0, 1, 1, &colour, 0, 0, SRCCOPY);
    EXPECT_EQ(palette.indexRow(0)[0], 1);
}

TEST(BitBlt, OverlappingCopyWithinOnePicture) {
    Bitmap picture = Numbered(6, 1);
    BitBlt(picture, 1, 0, 5, 1, &picture, 0, 0, SRCCOPY);
    for (int x = 1; x < 6; ++x) EXPECT_EQ(picture.colourAt(x, 0), 0xFF000000u | (x - 1));
}

TEST(StretchBlt, EnlargesOverTheWholeTargetKeepingCornerColours) {
    Bitmap source(2, 2, PixelFormat::TrueColour);
    source.trueColourRow(0)[0] = kRed;
    source.trueColourRow(0)[1] = kGreen;
    source.trueColourRow(1)[0] = kBlue;
    source.trueColourRow(1)[1] = kWhite;
    Bitmap target = Filled(40, 30, kBlack);
    StretchBlt(target, 0, 0, 40, 30, source, 0, 0, 2, 2);
    EXPECT_EQ(target.colourAt(0, 0), kRed);
    EXPECT_EQ(target.colourAt(39, 0), kGreen);
    EXPECT_EQ(target.colourAt(0, 29), kBlue);
    EXPECT_EQ(target.colourAt(39, 29), kWhite);
    EXPECT_NE(target.colourAt(20, 15), kBlack);  // filled everywhere
}

TEST(StretchBlt, IndexedTargetsSampleNearest) {
    Bitmap source(2, 1, PixelFormat::Indexed, {kBlack, kRed});
    source.indexRow(0)[1] = 1;
    Bitmap target(4, 1, PixelFormat::Indexed, {kBlack, kRed});
    StretchBlt(target, 0, 0, 4, 1, source, 0, 0, 2, 1);
    EXPECT_EQ(target.indexRow(0)[0], 0);
    EXPECT_EQ(target.indexRow(0)[1], 0);
    EXPECT_EQ(target.indexRow(0)[2], 1);
    EXPECT_EQ(target.indexRow(0)[3], 1);
}

TEST(SetPixel, WritesInsideAndIgnoresOutside) {
    Bitmap target = Filled(2, 2, kBlack);
    SetPixel(target, 1, 1, 0xFF808080u);
    SetPixel(target, 2, 0, kRed);
    SetPixel(target, -1, 0, kRed);
    EXPECT_EQ(target.colourAt(1, 1), 0xFF808080u);
    EXPECT_EQ(target.colourAt(0, 0), kBlack);
}

Bitmap Noise(int w, int h, unsigned seed) {
    Bitmap bitmap(w, h, PixelFormat::TrueColour);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed = seed * 1103515245u + 12345u;
            bitmap.trueColourRow(y)[x] = 0xFF000000u | (seed >> 8);
        }
    return bitmap;
}

void ExpectSame(const Bitmap& a, const Bitmap& b, const std::string& what) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            ASSERT_EQ(a.colourAt(x, y), b.colourAt(x, y)) << what << " at " << x << "," << y;
}

// The one-pass sprite drawing, vector loop included (blocks wider than a
// vector), must give exactly what the two raster operations give, clipped
// at every edge, also when the mask block runs off its picture.
TEST(MaskedPaint, MatchesMaskThenImageEverywhereIncludingClipped) {
    const Bitmap sheet = Noise(48, 40, 1);
    struct Draw {
        int x, y, maskX;
    };
    for (const Draw& d : {Draw{-13, -7, 24}, Draw{0, 0, 24}, Draw{5, 3, 24}, Draw{21, 17, 24},
                          Draw{30, 25, 24}, Draw{4, 4, 37}}) {
        Bitmap fused = Numbered(40, 30);
        Bitmap twoPasses = Numbered(40, 30);
        MaskedPaint(fused, d.x, d.y, 24, 20, &sheet, d.maskX, 20, &sheet, 0, 0);
        BitBlt(twoPasses, d.x, d.y, 24, 20, &sheet, d.maskX, 20, SRCAND);
        BitBlt(twoPasses, d.x, d.y, 24, 20, &sheet, 0, 0, SRCPAINT);
        ExpectSame(fused, twoPasses,
                   "drawing at " + std::to_string(d.x) + "," + std::to_string(d.y));
    }
}

// A sheet of one sprite frame: its picture on the left, its mask on the
// right. Its first rows and last columns are see-through margins (white
// mask, black picture). Inside them, even rows hold a solid stretch (black
// mask) between see-through pixels; odd rows mix see-through, solid and
// other pixels at random, some that still only show the picture.
Bitmap SpriteSheet(int frameWidth, int height) {
    Bitmap sheet = Noise(2 * frameWidth, height, 7);
    unsigned seed = 3;
    for (int y = 0; y < height; ++y) {
        Colour* picture = sheet.trueColourRow(y);
        Colour* mask = picture + frameWidth;
        for (int x = 0; x < frameWidth; ++x) {
            seed = seed * 1103515245u + 12345u;
            const bool margin = y < 5 || x >= frameWidth - 8;
            const unsigned kind = margin ? 0
                                  : y % 2 == 0
                                      ? (x >= frameWidth / 4 && x < 3 * frameWidth / 4 ? 1 : 0)
                                      : seed >> 29;
            if (kind == 0 || kind == 4) {  // see-through, with either alpha in the picture
                mask[x] = kWhite;
                picture[x] = seed % 2 == 0 ? kBlack : 0u;
            } else if (kind == 1) {  // solid
                mask[x] = kBlack;
            } else if (kind == 5) {  // solid, but the picture lacks the mask's alpha
                mask[x] = kBlack;
                picture[x] &= 0x00FFFFFFu;
            } else if (kind == 2) {  // the mask holds only what the picture has
                mask[x] = picture[x] & (seed >> 3);
            }  // otherwise both keep their noise
        }
    }
    return sheet;
}

// Drawn by its runs over its painted area, a frame must leave exactly what
// the masked drawing of the whole frame leaves inside any area, and nothing
// outside it, wherever it is placed.
TEST(MaskedRuns, DrawExactlyWhatTheMaskedDrawingDrawsInsideAnyArea) {
    constexpr int kFrame = 40, kHeight = 30;
    const Bitmap sheet = SpriteSheet(kFrame, kHeight);
    const QPoint imageAt(3, 2), maskAt(kFrame + 3, 2);
    const QSize size(kFrame - 5, kHeight - 4);
    const MaskedRuns runs(sheet, maskAt, sheet, imageAt, size);
    EXPECT_EQ(runs.Bounds(), QRect(0, 3, kFrame - 11, kHeight - 7));
    const QPoint corner = runs.Bounds().topLeft();
    for (const QPoint& at : {QPoint(-7, -3), QPoint(0, 0), QPoint(10, 6), QPoint(30, 20)}) {
        const QRect block(at, size);
        for (const QRect& area :
             {QRect(0, 0, 50, 40), QRect(block.left() + 4, block.top() + 3, 17, 9),
              QRect(block.left() + 11, 0, 1, 40), QRect(-5, block.top() + 5, 70, 2)}) {
            Bitmap expected = Noise(50, 40, 11);
            Bitmap drawn = Noise(50, 40, 11);
            const QRect inside = block & area;
            if (!inside.isEmpty()) {
                const QPoint into = inside.topLeft() - at;
                MaskedPaint(expected, inside.x(), inside.y(), inside.width(), inside.height(),
                            &sheet, maskAt.x() + into.x(), maskAt.y() + into.y(), &sheet,
                            imageAt.x() + into.x(), imageAt.y() + into.y());
            }
            runs.Paint(drawn, at + corner, area, sheet, maskAt + corner, sheet, imageAt + corner);
            ExpectSame(drawn, expected,
                       "frame at " + std::to_string(at.x()) + "," + std::to_string(at.y()) +
                           ", area at " + std::to_string(area.x()) + "," +
                           std::to_string(area.y()));
        }
    }
    // A frame that is see-through everywhere has no painted area.
    EXPECT_TRUE(MaskedRuns(sheet, QPoint(kFrame, 0), sheet, QPoint(0, 0), QSize(kFrame, 5))
                    .Bounds()
                    .isEmpty());
}

// Each source pixel becomes a scale x scale block, whole blocks only, clipped
// at every edge of both pictures.
TEST(ScaleUp, EveryPixelBecomesAWholeBlock) {
    const Bitmap source = Numbered(21, 13);
    for (int scale = 1; scale <= 4; ++scale) {
        for (const QPoint& at : {QPoint(0, 0), QPoint(-5, -3), QPoint(9, 7)}) {
            Bitmap scaled = Filled(50, 40, kBlue);
            ScaleUp(scaled, at.x() * scale, at.y() * scale, source, 2, 1, 17, 11, scale);
            Bitmap expected = Filled(50, 40, kBlue);
            for (int y = 0; y < 11; ++y)
                for (int x = 0; x < 17; ++x) {
                    const int left = (at.x() + x) * scale, top = (at.y() + y) * scale;
                    if (left < 0 || top < 0 || left + scale > 50 || top + scale > 40) continue;
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx)
                            expected.trueColourRow(top + dy)[left + dx] =
                                source.colourAt(2 + x, 1 + y);
                }
            ExpectSame(scaled, expected, "scale " + std::to_string(scale));
        }
    }
}

// Any area of the enlargement, from inside a block to inside another,
// comes out row after row as the enlargement shows it.
TEST(ScaleUp, AnyAreaOfTheEnlargementCanBeCopiedOut) {
    const Bitmap source = Numbered(9, 5);
    for (int scale = 1; scale <= 4; ++scale)
        for (const QRect& area : {QRect(0, 0, 9 * scale, 5 * scale), QRect(1, 1, 1, 1),
                                  QRect(scale - 1, 1, 2, 3), QRect(scale + 1, 2, 3 * scale, 2),
                                  QRect(1, scale, 9 * scale - 2, 5 * scale - scale)}) {
            std::vector<Colour> copied(static_cast<std::size_t>(area.width()) *
                                       static_cast<std::size_t>(area.height()));
            CopyEnlarged(source, scale, area, copied.data());
            int wrong = 0;
            for (int y = 0; y < area.height(); ++y)
                for (int x = 0; x < area.width(); ++x)
                    if (copied[static_cast<std::size_t>(y) *
                                   static_cast<std::size_t>(area.width()) +
                               static_cast<std::size_t>(x)] !=
                        source.colourAt((area.x() + x) / scale, (area.y() + y) / scale))
                        ++wrong;
            EXPECT_EQ(wrong, 0) << "scale " << scale << " at " << area.x() << "," << area.y();
        }
}

// Drawn straight into the target, a cover differs from the averaging
// scaler's by no more than a shade, and is opaque; below half size the
// averaging scaler draws it. The gradients show a crop or a scale that is off
// by one pixel as a difference of several shades.
TEST(CoverWith, MatchesTheAveragingScalerWithinAShade) {
    Bitmap source(128, 64, PixelFormat::TrueColour);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x)
            source.trueColourRow(y)[x] = 0xFF000000u | static_cast<Colour>(x << 17 | y << 10);
    const auto largestDifference = [](const Bitmap& drawn, const Bitmap& averaged) {
        int largest = 0;
        for (int y = 1; y + 1 < drawn.height(); ++y)
            for (int x = 1; x + 1 < drawn.width(); ++x)
                for (int shift : {16, 8, 0})
                    largest = std::max(
                        largest,
                        std::abs(static_cast<int>((drawn.colourAt(x, y) >> shift & 0xFF) -
                                                  (averaged.colourAt(x, y) >> shift & 0xFF))));
        return largest;
    };
    // 128 x 64 by 0.75 to 96 x 48, of which the middle 80 columns show.
    Bitmap drawn = Filled(80, 48, kRed);
    CoverWith(drawn, source);
    EXPECT_LE(largestDifference(drawn, ScaledToCover(source, 80, 48)), 1);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 80; ++x) ASSERT_EQ(drawn.colourAt(x, y) >> 24, 0xFFu) << x << "," << y;

    Bitmap small = Filled(30, 20, kRed);
    CoverWith(small, source);
    EXPECT_EQ(largestDifference(small, ScaledToCover(source, 30, 20)), 0);
}

}  // namespace
}  // namespace bv::platform
