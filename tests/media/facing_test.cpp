#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "media_files.h"

using namespace media_test;

namespace {

// The swimmers whose first strip faces right: their swim routines show it
// while they move right. Every other turning swimmer's first strip faces
// left. The sea horses swim upright.
const std::set<std::string> kFirstStripRight = {"bv_shark.bmp", "bv_hammerhead.bmp",
                                                "bv_manatee.bmp", "bv_whale.bmp"};
const std::string kUpright = "bv_swimhorse.bmp";

// How strongly a mask frame's shape heads right (negative: left), in parts
// of its width. A level swimmer's thick body leads and its thin fins, tail
// and limbs trail: the core (pixels at least half as deep inside the outline
// as the deepest, by steps across and down) lies ahead of both the middle of
// the outline and the centre of the whole shape. An upright one leads with
// its head: the top third of the shape lies ahead of the centre.
double heading(const QImage& sheet, const QRect& frame, bool upright) {
    const int w = frame.width();
    const int h = frame.height();
    std::vector<int> depth(static_cast<std::size_t>(w * h), 0);
    const auto at = [&](int x, int y) -> int& {
        return depth[static_cast<std::size_t>(y * w + x)];
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (isBlack(sheet.pixel(frame.left() + x, frame.top() + y)))
                at(x, y) = 1 + std::min(x > 0 ? at(x - 1, y) : 0, y > 0 ? at(x, y - 1) : 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x)
            if (at(x, y) > 0)
                at(x, y) = std::min(at(x, y), 1 + std::min(x + 1 < w ? at(x + 1, y) : 0,
                                                           y + 1 < h ? at(x, y + 1) : 0));
    const int deepest = *std::max_element(depth.begin(), depth.end());
    int left = w, right = -1, top = h, bottom = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (at(x, y) > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    // Mean x of the pixels at least minDepth deep in rows top to lastRow.
    const auto meanX = [&](int minDepth, int lastRow) {
        double sum = 0, count = 0;
        for (int y = top; y <= lastRow; ++y)
            for (int x = left; x <= right; ++x)
                if (at(x, y) >= minDepth) {
                    sum += x;
                    ++count;
                }
        return sum / count;
    };
    if (deepest == 0) return 0;
    const double width = right - left + 1;
    const double centre = meanX(1, bottom);
    if (upright) return (meanX(1, top + (bottom - top) / 3) - centre) / width;
    const double core = meanX((deepest + 1) / 2, bottom);
    return (core - (left + right) / 2.0) / width + (core - centre) / width;
}

// Every frame of every turning swimmer leans clearly the way its strip
// swims; a picture the wrong way round scores the same with the other sign.
TEST(Facing, EverySwimmerHeadsTheWayItsStripSwims) {
    constexpr double kClearLead = 0.03;
    std::set<std::string> seen;
    for (const SheetSpec& s : standardSheets()) {
        if (s.strips != 2) continue;
        seen.insert(s.file);
        const QImage sheet = loadPicture(s.file);
        const bool firstRight = kFirstStripRight.contains(s.file);
        std::ostringstream wrong;
        for (int k = 0; k < s.columns; ++k) {
            const bool right = firstRight == (k < s.columns / 2);
            const double lead = heading(sheet, s.mask(k), s.file == kUpright) * (right ? 1 : -1);
            if (lead < kClearLead) wrong << " frame " << k << " (" << lead << ")";
        }
        EXPECT_EQ(wrong.str(), "") << s.file << " should face " << (firstRight ? "right" : "left")
                                   << " in its first strip";
    }
    for (const std::string& file : kFirstStripRight) EXPECT_TRUE(seen.contains(file)) << file;
    EXPECT_TRUE(seen.contains(kUpright));
}

}  // namespace
