#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "media_files.h"

using namespace media_test;

namespace {

// Each sheet holds just what the program draws from it, as its catalogue and
// animation routines say: the pieces' frames side by side from the left edge
// to the right, one piece after another, and as many mask rows as picture
// rows, under the pictures. A frame size or count changed in the catalogue
// alone draws parts of neighbouring frames, or leaves frames out.
TEST(Sheets, HoldJustWhatTheProgramDraws) {
    std::map<std::string, std::vector<SheetSpec>> byFile;
    for (const SheetSpec& s : standardSheets()) byFile[s.file].push_back(s);
    for (auto& [file, pieces] : byFile) {
        SCOPED_TRACE(file);
        const QImage sheet = loadPicture(file);
        std::sort(pieces.begin(), pieces.end(),
                  [](const SheetSpec& a, const SheetSpec& b) { return a.srcX < b.srcX; });
        int right = 0;
        for (const SheetSpec& s : pieces) {
            EXPECT_EQ(s.srcX, right) << s.name << " overlaps or leaves a gap";
            right = s.mask(s.columns - 1).right() + 1;
            EXPECT_EQ(sheet.height(), s.maskRow > 0 ? 2 * s.maskRow : s.frameHeight) << s.name;
            EXPECT_TRUE(s.maskRow == 0 || s.frameHeight <= s.maskRow) << s.name;
            if (&s != &pieces.front()) {  // the pillars: two different ones
                EXPECT_FALSE(sheet.copy(s.picture(0)) == sheet.copy(pieces.front().picture(0)));
            }
        }
        EXPECT_EQ(right, sheet.width());
    }
}

class Piece : public ::testing::TestWithParam<SheetSpec> {};

constexpr unsigned kTop = 1, kBottom = 2, kLeft = 4, kRight = 8;

// The frame edges a drawing may run into.
unsigned allowedEdges(const std::string& file) {
    static const std::map<std::string, unsigned> allowed{
        // Both columns stand on a flat plinth cut square at the frame's bottom.
        {"bv_pillar.bmp", kBottom},
        // The hook hangs from a fishing line the program draws from the
        // screen's top down into the hook's eye at the picture's top edge.
        {"bv_worm.bmp", kTop},
        // The diver hangs head first from the screen's top edge, where his
        // frame's top is: his body, air hose and lifeline rise out of it.
        {"bv_diverhead.bmp", kTop},
    };
    const auto found = allowed.find(file);
    return found == allowed.end() ? 0 : found->second;
}

// Every frame has a mask of pure black (opaque) and white (clear) pixels
// with something opaque in it, and a picture that is dark wherever the mask
// is clear (the mask is ANDed into the screen, then the picture ORed).
// The drawing stays inside its frame: an opaque pixel on the frame's outer
// ring shows as a straight cut through the picture wherever the frame ends.
// A turning swimmer's second strip mirrors the first, picture and mask
// alike; a piece of several frames moves.
TEST_P(Piece, FramesAreWholeOverMasksThatHideNothingAndMove) {
    const SheetSpec& s = GetParam();
    const QImage sheet = loadPicture(s.file);
    ASSERT_TRUE(sheet.rect().contains(s.mask(s.columns - 1)));
    const int perStrip = s.columns / s.strips;
    bool moves = perStrip == 1;
    std::ostringstream faults;
    std::vector<int> opaqueIn;
    for (int k = 0; k < s.columns; ++k) {
        const QPoint mask = s.mask(k).topLeft();
        const QPoint picture = s.picture(k).topLeft();
        int opaque = 0, grey = 0, lit = 0;
        unsigned edges = 0;
        for (int y = 0; y < s.frameHeight; ++y)
            for (int x = 0; x < s.frameWidth; ++x) {
                const QRgb m = sheet.pixel(mask + QPoint(x, y));
                grey += !isBlack(m) && !isWhite(m);
                lit += isWhite(m) && !isBlack(sheet.pixel(picture + QPoint(x, y)));
                if (!isBlack(m)) continue;
                ++opaque;
                edges |= (y == 0 ? kTop : 0u) | (y == s.frameHeight - 1 ? kBottom : 0u) |
                         (x == 0 ? kLeft : 0u) | (x == s.frameWidth - 1 ? kRight : 0u);
            }
        edges &= ~allowedEdges(s.file);
        opaqueIn.push_back(opaque);
        if (opaque == 0 || grey > 0 || lit > 0 || edges != 0)
            faults << "\n  frame " << k << ": " << opaque << " opaque, " << grey
                   << " grey mask pixels, " << lit << " lit under a clear mask, cut off at "
                   << ((edges & kTop) ? "top " : "") << ((edges & kBottom) ? "bottom " : "")
                   << ((edges & kLeft) ? "left " : "") << ((edges & kRight) ? "right" : "");
        if (k >= perStrip) continue;
        moves = moves || sheet.copy(s.picture(k)) != sheet.copy(s.picture(0));
        for (const QRect& first : {s.picture(k), s.mask(k)}) {
            const QRect second = first.translated(perStrip * s.frameWidth, 0);
            if (s.strips == 2 && sheet.copy(first).mirrored(true, false) != sheet.copy(second))
                faults << "\n  frame " << k << ": the second strip does not mirror it at "
                       << first.y();
        }
    }
    EXPECT_TRUE(faults.str().empty()) << s.file << faults.str();
    EXPECT_TRUE(moves) << s.file << " does not animate";
    // The clams' timed animation opens them: the last frame covers more.
    EXPECT_TRUE(s.file != "bv_clam.bmp" || opaqueIn.back() > opaqueIn.front()) << "not opening";
}

INSTANTIATE_TEST_SUITE_P(Pack, Piece, ::testing::ValuesIn(standardSheets()),
                         [](const ::testing::TestParamInfo<SheetSpec>& info) {
                             return info.param.name;
                         });

}  // namespace
