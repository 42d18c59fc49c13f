// The reef picture and its mask are laid across the screen width pixel for
// pixel: centred, the mask 10 pixels further left, and on a wide screen the
// margins filled from the picture's other end.

#include <gtest/gtest.h>

#include "catalogue_test_support.h"
#include "platform/surface_table.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "surfaces/load_pics.h"

namespace bv {
namespace {

constexpr int kReefWidth = 784;
constexpr int kReefHeight = 247;

// Every pixel tells which file, column and row it came from.
constexpr int kPictureMark = 0x40;
constexpr int kMaskMark = 0x80;
QRgb Encoded(int mark, int column, int row) {
    return qRgb(mark | (column >> 8), column & 0xFF, row);
}

class ReefStrip : public ::testing::Test {
protected:
    void Load(int screenWidth) {
        test::StartAfresh(screenWidth, 768);
        assets_.WritePicture("bv_palette.bmp");
        assets_.WritePicture("bv_foreground0.bmp", kReefWidth, kReefHeight,
                             [](int x, int y) { return Encoded(kPictureMark, x, y); });
        assets_.WritePicture("bv_foregroundmask0.bmp", kReefWidth, kReefHeight,
                             [](int x, int y) { return Encoded(kMaskMark, x, y); });
        test::SetUpAllRecords();
        LoadPics4ScreenSaver();
        picture_ = platform::FindSurface(Foreground.DC);
        mask_ = platform::FindSurface(ForegroundMaskDC);
        ASSERT_NE(picture_, nullptr);
        ASSERT_NE(mask_, nullptr);
        ASSERT_EQ(picture_->width(), screenWidth);
        ASSERT_EQ(mask_->width(), screenWidth);
        ASSERT_EQ(picture_->height(), kReefHeight);
    }

    // Strip columns first..last show file columns from sourceFirst on, in every row checked.
    static void ExpectColumns(const platform::Bitmap& strip, int mark, int first, int last,
                              int sourceFirst) {
        for (int row : {0, 100, kReefHeight - 1})
            for (int x = first; x <= last; ++x)
                ASSERT_EQ(strip.colourAt(x, row),
                          0xFF000000u | Encoded(mark, sourceFirst + (x - first), row))
                    << "strip x " << x << ", row " << row;
    }
    static void ExpectBlank(const platform::Bitmap& strip, int first, int last) {
        for (int x = first; x <= last; ++x)
            ASSERT_EQ(strip.colourAt(x, 0), platform::kBlack) << "strip x " << x;
    }

    test::AssetFolder assets_;
    const platform::Bitmap* picture_ = nullptr;
    const platform::Bitmap* mask_ = nullptr;
};

TEST_F(ReefStrip, WideScreenRepeatsThePictureIntoBothMargins) {
    Load(1024);
    ExpectColumns(*picture_, kPictureMark, 0, 119, 664);
    ExpectColumns(*picture_, kPictureMark, 120, 903, 0);
    ExpectColumns(*picture_, kPictureMark, 904, 1023, 0);
}

TEST_F(ReefStrip, WideScreenMaskLiesTenPixelsFurtherLeft) {
    Load(1024);
    ExpectColumns(*mask_, kMaskMark, 0, 109, 674);  // columns 664.. start at x = -10
    ExpectColumns(*mask_, kMaskMark, 110, 893, 0);
    ExpectColumns(*mask_, kMaskMark, 894, 1023, 0);  // columns 0 to 129
}

TEST_F(ReefStrip, ScreenAsWideAsThePictureHasNoMargins) {
    Load(kReefWidth);
    ExpectColumns(*picture_, kPictureMark, 0, 783, 0);
    ExpectColumns(*mask_, kMaskMark, 0, 773, 10);
    ExpectBlank(*mask_, 774, 783);  // the mask's right end is not filled in
}

TEST_F(ReefStrip, NarrowScreenClipsThePictureAtBothSides) {
    Load(640);
    ExpectColumns(*picture_, kPictureMark, 0, 639, 72);
    ExpectColumns(*mask_, kMaskMark, 0, 639, 82);
}

TEST_F(ReefStrip, OddScreenWidthRoundsEachPositionAndWidth) {
    // Half of 1023 - 784 is 119.5: the picture at round(119.5) = 120, the right
    // margin at round(903.5) = 904 and 120 columns wide, clipped at the edge.
    Load(1023);
    ExpectColumns(*picture_, kPictureMark, 0, 119, 664);
    ExpectColumns(*picture_, kPictureMark, 120, 903, 0);
    ExpectColumns(*picture_, kPictureMark, 904, 1022, 0);
}

// Up to three pictures wide the strips keep the layout above; on any width,
// and beyond that as the whole rule, column x shows column (x - x0) mod 784,
// x0 being where the centred copy lands (ten pixels further left for the
// mask), so no column is left without reef.
TEST_F(ReefStrip, EveryWidthRepeatsThePictureWithoutAGap) {
    for (int width : {1024, 2352, 2560, 3440, 7680}) {
        SCOPED_TRACE("screen " + std::to_string(width) + " wide");
        Load(width);
        for (const auto& [strip, mark, x0] :
             {std::tuple{picture_, kPictureMark, width / 2 - kReefWidth / 2},
              std::tuple{mask_, kMaskMark, width / 2 - kReefWidth / 2 - 10}}) {
            for (int x = 0; x < width; ++x) {
                const int column = ((x - x0) % kReefWidth + kReefWidth) % kReefWidth;
                ASSERT_EQ(strip->colourAt(x, 100), 0xFF000000u | Encoded(mark, column, 100))
                    << "strip x " << x;
            }
        }
    }
}

}  // namespace
}  // namespace bv
