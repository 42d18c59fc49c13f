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
enum EdgeBit : unsigned { kTop = 1, kBottom = 2, kLeft = 4, kRight = 8 };

const std::map<std::string, unsigned>& allowedEdges() {
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
    return allowed;
}

// The frames of one mask row: `count` frames side by side from `origin`.
struct MaskFrames {
    std::string name;
    std::string file;
    QPoint origin;
    QSize frame;
    int count;
};

void PrintTo(const MaskFrames& m, std::ostream* out) {
    *out << m.name;
}

std::vector<MaskFrames> everySpriteMask() {
    std::vector<MaskFrames> out;
    for (const SheetSpec& s : standardSheets())
        out.push_back({s.file.substr(3, s.file.size() - 7), s.file, QPoint(0, s.frameHeight),
                       QSize(s.frameWidth, s.frameHeight),
                       s.frames * (s.layout == Layout::TwoStrips ? 2 : 1)});
    out.push_back({"largeclam", "bv_clam.bmp", QPoint(0, 27), QSize(40, 27), 5});
    out.push_back({"smallclam", "bv_clam.bmp", QPoint(200, 27), QSize(30, 19), 5});
    out.push_back({"scubadude", "bv_scubadude.bmp", QPoint(276, 0), QSize(92, 155), 1});
    return out;
}

class FrameEdges : public ::testing::TestWithParam<MaskFrames> {};

// Every frame's outer ring of mask pixels is clear, but on the allowed edges.
// One line per edge touched: in how many frames, and the first pixel found.
TEST_P(FrameEdges, KeepTheDrawingInside) {
    const MaskFrames& m = GetParam();
    const QImage sheet = loadPicture(m.file);
    ASSERT_FALSE(sheet.isNull());
    const auto found = allowedEdges().find(m.file);
    const unsigned allowed = found == allowedEdges().end() ? 0 : found->second;
    struct Side {
        unsigned bit;
        const char* name;
        QPoint (*start)(const QRect&);
        QPoint step;
        bool alongWidth;
    };
    const Side sides[] = {
        {kTop, "top", [](const QRect& r) { return r.topLeft(); }, QPoint(1, 0), true},
        {kBottom, "bottom", [](const QRect& r) { return r.bottomLeft(); }, QPoint(1, 0), true},
        {kLeft, "left", [](const QRect& r) { return r.topLeft(); }, QPoint(0, 1), false},
        {kRight, "right", [](const QRect& r) { return r.topRight(); }, QPoint(0, 1), false},
    };
    std::ostringstream report;
    for (const Side& edge : sides) {
        if (allowed & edge.bit) continue;
        int frames = 0;
        std::string first;
        for (int k = 0; k < m.count; ++k) {
            const QRect frame(m.origin + QPoint(k * m.frame.width(), 0), m.frame);
            ASSERT_TRUE(sheet.rect().contains(frame)) << m.file << " frame " << k;
            const int length = edge.alongWidth ? frame.width() : frame.height();
            for (int i = 0; i < length; ++i) {
                const QPoint at = edge.start(frame) + edge.step * i;
                if (!isBlack(sheet.pixel(at))) continue;
                if (frames++ == 0) {
                    std::ostringstream where;
                    where << "frame " << k << " at (" << at.x() - frame.left() << ", "
                          << at.y() - frame.top() << ")";
                    first = where.str();
                }
                break;
            }
        }
        if (frames > 0)
            report << "\n  " << edge.name << " edge in " << frames << " of " << m.count
                   << " frames, first " << first;
    }
    EXPECT_EQ(report.str(), "") << m.file << " (" << m.frame.width() << "x" << m.frame.height()
                                << " frames) is cut off by its frame:" << report.str();
}

INSTANTIATE_TEST_SUITE_P(Pack, FrameEdges, ::testing::ValuesIn(everySpriteMask()),
                         [](const ::testing::TestParamInfo<MaskFrames>& info) {
                             return info.param.name;
                         });

}  // namespace
