#include <gtest/gtest.h>

#include <algorithm>

#include "media_files.h"
#include "sheet_checks.h"

using namespace media_test;

namespace {

class StandardSheet : public ::testing::TestWithParam<SheetSpec> {};
class TurningSheet : public ::testing::TestWithParam<SheetSpec> {};
class AnimatedSheet : public ::testing::TestWithParam<SheetSpec> {};

std::vector<SheetSpec> sheetsWhere(bool (*keep)(const SheetSpec&)) {
    std::vector<SheetSpec> out;
    for (const SheetSpec& s : standardSheets())
        if (keep(s)) out.push_back(s);
    return out;
}

int strips(const SheetSpec& s) {
    return s.layout == Layout::TwoStrips ? 2 : 1;
}

// A turning sheet holds exactly its two strips; a still piece's strip may be
// followed by the frames its timed animation steps on to.
TEST_P(StandardSheet, HasTheCatalogueSize) {
    const SheetSpec& s = GetParam();
    const QImage sheet = loadPicture(s.file);
    EXPECT_EQ(sheet.height(), 2 * s.frameHeight);
    if (s.layout == Layout::TwoStrips) {
        EXPECT_EQ(sheet.width(), 2 * s.frameWidth * s.frames);
    } else {
        EXPECT_EQ(sheet.width() % s.frameWidth, 0);
        EXPECT_GE(sheet.width(), s.frameWidth * s.frames);
    }
}

TEST_P(StandardSheet, MaskIsStrictlyBlackAndWhiteAndHidesNothing) {
    const SheetSpec& s = GetParam();
    const QImage sheet = loadPicture(s.file);
    ASSERT_EQ(sheet.height(), 2 * s.frameHeight);
    EXPECT_EQ(maskIsBlackAndWhite(sheet, QRect(0, s.frameHeight, sheet.width(), s.frameHeight)),
              "");
    EXPECT_EQ(imageDarkUnderClearMask(sheet, QRect(0, 0, sheet.width(), s.frameHeight),
                                      QPoint(0, s.frameHeight)),
              "");
}

TEST_P(StandardSheet, EveryFrameShowsSomething) {
    const SheetSpec& s = GetParam();
    const QImage sheet = loadPicture(s.file);
    for (int k = 0; k < s.frames * strips(s); ++k)
        EXPECT_TRUE(maskHasOpaquePixel(
            sheet, QRect(k * s.frameWidth, s.frameHeight, s.frameWidth, s.frameHeight)))
            << "frame " << k << " of " << s.file << " is empty";
}

TEST_P(TurningSheet, SecondStripMirrorsTheFirst) {
    const SheetSpec& s = GetParam();
    const QImage sheet = loadPicture(s.file);
    const int second = s.frames * s.frameWidth;
    for (int k = 0; k < s.frames; ++k) {
        for (const int row : {0, s.frameHeight}) {
            const QImage first = sheet.copy(k * s.frameWidth, row, s.frameWidth, s.frameHeight);
            const QImage other =
                sheet.copy(second + k * s.frameWidth, row, s.frameWidth, s.frameHeight);
            EXPECT_TRUE(mirrored(first, other))
                << s.file << " frame " << k << (row ? " mask" : " image");
        }
    }
}

TEST_P(AnimatedSheet, FramesAreNotAllTheSame) {
    const SheetSpec& s = GetParam();
    const QImage sheet = loadPicture(s.file);
    const QImage first = sheet.copy(0, 0, s.frameWidth, s.frameHeight);
    bool animated = false;
    for (int k = 1; k < s.frames && !animated; ++k)
        animated = sheet.copy(k * s.frameWidth, 0, s.frameWidth, s.frameHeight) != first;
    EXPECT_TRUE(animated) << s.file << " does not animate";
}

std::string sheetName(const ::testing::TestParamInfo<SheetSpec>& info) {
    std::string name = info.param.file.substr(3, info.param.file.size() - 7);
    return name;
}

INSTANTIATE_TEST_SUITE_P(Pack, StandardSheet, ::testing::ValuesIn(standardSheets()), sheetName);
INSTANTIATE_TEST_SUITE_P(Pack, TurningSheet,
                         ::testing::ValuesIn(sheetsWhere([](const SheetSpec& s) {
                             return s.layout == Layout::TwoStrips;
                         })),
                         sheetName);
INSTANTIATE_TEST_SUITE_P(
    Pack, AnimatedSheet,
    ::testing::ValuesIn(sheetsWhere([](const SheetSpec& s) { return s.frames > 1; })), sheetName);

// Whether any opaque mask pixel lies on the outer edge of the frame.
bool touchesFrameEdge(const QImage& sheet, const QRect& frame) {
    for (int x = frame.left(); x <= frame.right(); ++x)
        if (isBlack(sheet.pixel(x, frame.top())) || isBlack(sheet.pixel(x, frame.bottom())))
            return true;
    for (int y = frame.top(); y <= frame.bottom(); ++y)
        if (isBlack(sheet.pixel(frame.left(), y)) || isBlack(sheet.pixel(frame.right(), y)))
            return true;
    return false;
}

TEST(Framing, DrawingsKeepClearOfTheirFrameEdges) {
    // Pictures drawn whole inside their frames: a clipped fin, hand or lid
    // would show as a straight cut on screen.
    for (const char* file :
         {"bv_whale.bmp", "bv_hammerhead.bmp", "bv_manatee.bmp", "bv_scubadiver.bmp",
          "bv_swimmaid.bmp", "bv_lifeguard.bmp", "bv_treasure.bmp"}) {
        const auto spec = std::find_if(standardSheets().begin(), standardSheets().end(),
                                       [&](const SheetSpec& s) { return s.file == file; });
        ASSERT_NE(spec, standardSheets().end()) << file;
        const QImage sheet = loadPicture(file);
        for (int k = 0; k < spec->frames * strips(*spec); ++k)
            EXPECT_FALSE(touchesFrameEdge(sheet, QRect(k * spec->frameWidth, spec->frameHeight,
                                                       spec->frameWidth, spec->frameHeight)))
                << file << " frame " << k;
    }
    const QImage dude = loadPicture("bv_scubadude.bmp");
    EXPECT_FALSE(touchesFrameEdge(dude, QRect(276, 0, 92, 155))) << "bv_scubadude.bmp";
}

TEST(ClamSheet, HoldsLargeAndSmallClamsOverOneMaskRow) {
    const QImage sheet = loadPicture("bv_clam.bmp");
    ASSERT_EQ(sheet.size(), QSize(350, 54));
    EXPECT_EQ(maskIsBlackAndWhite(sheet, QRect(0, 27, 350, 27)), "");
    EXPECT_EQ(imageDarkUnderClearMask(sheet, QRect(0, 0, 350, 27), QPoint(0, 27)), "");
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(maskHasOpaquePixel(sheet, QRect(k * 40, 27, 40, 27))) << "large clam " << k;
        EXPECT_TRUE(maskHasOpaquePixel(sheet, QRect(200 + k * 30, 27, 30, 19)))
            << "small clam " << k;
    }
    // The clams open: the last frame covers more than the first.
    const auto opaqueCount = [&](const QRect& r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) n += isBlack(sheet.pixel(x, y));
        return n;
    };
    EXPECT_GT(opaqueCount(QRect(160, 27, 40, 27)), opaqueCount(QRect(0, 27, 40, 27)));
    EXPECT_GT(opaqueCount(QRect(320, 27, 30, 19)), opaqueCount(QRect(200, 27, 30, 19)));
}

TEST(ScubaDudeSheet, IsThreeFramesAndOneSharedMaskInARow) {
    const QImage sheet = loadPicture("bv_scubadude.bmp");
    ASSERT_EQ(sheet.size(), QSize(368, 155));
    const QPoint mask(276, 0);
    EXPECT_EQ(maskIsBlackAndWhite(sheet, QRect(mask, QSize(92, 155))), "");
    EXPECT_TRUE(maskHasOpaquePixel(sheet, QRect(mask, QSize(92, 155))));
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(imageDarkUnderClearMask(sheet, QRect(k * 92, 0, 92, 155), mask), "")
            << "frame " << k;
}

TEST(PillarSheet, HoldsTwoDifferentPillars) {
    const QImage sheet = loadPicture("bv_pillar.bmp");
    ASSERT_EQ(sheet.size(), QSize(126, 338));
    EXPECT_NE(sheet.copy(0, 169, 63, 169), sheet.copy(63, 169, 63, 169));
}

}  // namespace
