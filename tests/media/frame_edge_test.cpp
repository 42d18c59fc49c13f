#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "media_files.h"

using namespace media_test;

namespace {

// A sprite is drawn at its frame's rectangle, so an opaque mask pixel on the
// frame's outer edge shows as a straight cut through the picture wherever the
// frame ends (or, for pieces standing on the screen's bottom, as a drawing
// running into the screen's edge). Only the edges listed here may be touched.
enum Edge : unsigned { kTop = 1, kBottom = 2, kLeft = 4, kRight = 8 };

const std::map<std::string, unsigned>& allowedEdges() {
    static const std::map<std::string, unsigned> allowed{
        // Both columns stand on a flat plinth cut square at the frame's bottom.
        {"bv_pillar.bmp", kBottom},
    };
    return allowed;
}

// The frames of one mask row: `count` frames side by side from `origin`.
struct MaskFrames {
    std::string file;
    QPoint origin;
    QSize frame;
    int count;
};

std::vector<MaskFrames> everySpriteMask() {
    std::vector<MaskFrames> out;
    for (const SheetSpec& s : standardSheets())
        out.push_back({s.file, QPoint(0, s.frameHeight), QSize(s.frameWidth, s.frameHeight),
                       s.frames * (s.layout == Layout::TwoStrips ? 2 : 1)});
    out.push_back({"bv_clam.bmp", QPoint(0, 27), QSize(40, 27), 5});
    out.push_back({"bv_clam.bmp", QPoint(200, 27), QSize(30, 19), 5});
    out.push_back({"bv_scubadude.bmp", QPoint(276, 0), QSize(92, 155), 1});
    return out;
}

// The edges of `frame` holding an opaque mask pixel, each with its first such pixel.
std::string touchedEdges(const QImage& sheet, const QRect& frame, unsigned allowed) {
    std::ostringstream out;
    const auto scan = [&](Edge edge, const char* name, QPoint from, QPoint step, int length) {
        if (allowed & edge) return;
        for (int i = 0; i < length; ++i) {
            const QPoint at = from + step * i;
            if (isBlack(sheet.pixel(at))) {
                out << " " << name << " at (" << at.x() - frame.left() << ", "
                    << at.y() - frame.top() << ")";
                return;
            }
        }
    };
    scan(kTop, "top", frame.topLeft(), QPoint(1, 0), frame.width());
    scan(kBottom, "bottom", frame.bottomLeft(), QPoint(1, 0), frame.width());
    scan(kLeft, "left", frame.topLeft(), QPoint(0, 1), frame.height());
    scan(kRight, "right", frame.topRight(), QPoint(0, 1), frame.height());
    return out.str();
}

TEST(FrameEdges, NoSpriteIsCutOffByItsFrame) {
    for (const MaskFrames& m : everySpriteMask()) {
        const QImage sheet = loadPicture(m.file);
        ASSERT_FALSE(sheet.isNull());
        const auto found = allowedEdges().find(m.file);
        const unsigned allowed = found == allowedEdges().end() ? 0 : found->second;
        for (int k = 0; k < m.count; ++k) {
            const QRect frame(m.origin + QPoint(k * m.frame.width(), 0), m.frame);
            ASSERT_TRUE(sheet.rect().contains(frame)) << m.file << " frame " << k;
            const std::string touched = touchedEdges(sheet, frame, allowed);
            EXPECT_EQ(touched, "") << m.file << " frame " << k << " (" << m.frame.width() << "x"
                                   << m.frame.height() << ") touches its edge:" << touched;
        }
    }
}

}  // namespace
