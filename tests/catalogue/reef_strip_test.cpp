// The reef picture and its mask are laid across the screen width pixel for
// pixel: centred (the mask 10 pixels further left), the position rounded half
// to even, clipped on a narrow screen, and on a wider one repeated from the
// picture's other end into both margins without a gap.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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
constexpr std::uint32_t kPictureMark = 0x40;
constexpr std::uint32_t kMaskMark = 0x80;
std::uint32_t Encoded(std::uint32_t mark, int column, int row) {
    return (mark | column >> 8) << 16 | (column & 0xFF) << 8 | row;
}

TEST(ReefStrip, EveryScreenWidthShowsEachColumnFromWhereTheRuleSays) {
    const test::AssetFolder assets;
    assets.WritePicture("bv_palette.bmp");
    assets.WritePicture("bv_foreground0.bmp", kReefWidth, kReefHeight,
                        [](int x, int y) { return Encoded(kPictureMark, x, y); });
    assets.WritePicture("bv_foregroundmask0.bmp", kReefWidth, kReefHeight,
                        [](int x, int y) { return Encoded(kMaskMark, x, y); });
    // Narrow, exactly as wide, odd (119.5 rounds to 120), wide, up to 8K.
    for (int width : {640, kReefWidth, 1023, 1024, 2352, 2560, 3440, 7680}) {
        SCOPED_TRACE("screen " + std::to_string(width) + " wide");
        test::StartAfresh(width, 768);
        test::SetUpAllRecords();
        LoadPics4ScreenSaver();
        for (const auto& [strip, mark, shift] : {std::tuple{Foreground.DC, kPictureMark, 0},
                                                 std::tuple{ForegroundMaskDC, kMaskMark, 10}}) {
            const platform::Bitmap* bitmap = platform::FindSurface(strip);
            ASSERT_NE(bitmap, nullptr);
            ASSERT_EQ(bitmap->width(), width);
            ASSERT_EQ(bitmap->height(), kReefHeight);
            const int x0 = static_cast<int>(std::nearbyint(width / 2.0 - kReefWidth / 2.0 - shift));
            for (int x = 0; x < width; ++x) {
                // Up to the picture's width nothing is repeated: past its end stays black.
                const int column =
                    width > kReefWidth ? ((x - x0) % kReefWidth + kReefWidth) % kReefWidth : x - x0;
                for (int row : {0, 100, kReefHeight - 1})
                    ASSERT_EQ(bitmap->colourAt(x, row),
                              column < kReefWidth ? 0xFF000000u | Encoded(mark, column, row)
                                                  : platform::kBlack)
                        << "mark " << mark << ", strip x " << x << ", row " << row;
            }
        }
    }
}

}  // namespace
}  // namespace bv
