#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>
#include <vector>

#include "media_files.h"

using namespace media_test;

namespace {

enum class Facing { Right, Left };

// How a swimmer carries itself: level ones lead with their thick body, the
// upright sea horses with the snout at the top.
enum class Posture { Level, Upright };

struct Heading {
    const char* file;
    Facing firstStrip;  // the second strip faces the other way
    Posture posture = Posture::Level;
};

// Which way each turning creature's first strip faces: the way its swim
// routine moves it while it shows that strip.
constexpr Heading kHeadings[] = {
    {"bv_shark.bmp", Facing::Right},
    {"bv_hammerhead.bmp", Facing::Right},
    {"bv_manatee.bmp", Facing::Right},
    {"bv_whale.bmp", Facing::Right},
    {"bv_Dolphin.bmp", Facing::Left},
    {"bv_tigershark.bmp", Facing::Left},
    {"bv_octopus.bmp", Facing::Left},
    {"bv_orca.bmp", Facing::Left},
    {"bv_swimmaid.bmp", Facing::Left},
    {"bv_tuna.bmp", Facing::Left},
    {"bv_scubadiver.bmp", Facing::Left},
    {"bv_bluedevil.bmp", Facing::Left},
    {"bv_angelfish.bmp", Facing::Left},
    {"bv_emperorfish.bmp", Facing::Left},
    {"bv_redfish.bmp", Facing::Left},
    {"bv_yellowfish.bmp", Facing::Left},
    {"bv_swimhorse.bmp", Facing::Left, Posture::Upright},
    {"bv_blowfish.bmp", Facing::Left},
};

// The lower envelope of parabolas: squared distance along one line of
// samples `f` (0 at sources, huge elsewhere), exact.
std::vector<double> squaredDistanceAlong(const std::vector<double>& f) {
    const int n = static_cast<int>(f.size());
    const auto at = [&](int i) { return f[static_cast<std::size_t>(i)]; };
    std::vector<int> v(f.size(), 0);
    std::vector<double> z(f.size() + 1, 0);
    const double inf = std::numeric_limits<double>::infinity();
    int k = 0;
    z[0] = -inf;
    z[1] = inf;
    const auto meet = [&](int q, int p) {
        return ((at(q) + double(q) * q) - (at(p) + double(p) * p)) / (2.0 * (q - p));
    };
    for (int q = 1; q < n; ++q) {
        double s = meet(q, v[static_cast<std::size_t>(k)]);
        while (s <= z[static_cast<std::size_t>(k)]) {
            --k;
            s = meet(q, v[static_cast<std::size_t>(k)]);
        }
        ++k;
        v[static_cast<std::size_t>(k)] = q;
        z[static_cast<std::size_t>(k)] = s;
        z[static_cast<std::size_t>(k) + 1] = inf;
    }
    std::vector<double> d(f.size());
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[static_cast<std::size_t>(k) + 1] < q) ++k;
        const int p = v[static_cast<std::size_t>(k)];
        d[static_cast<std::size_t>(q)] = double(q - p) * (q - p) + at(p);
    }
    return d;
}

// Squared distance from every pixel of a width x height grid to the nearest
// pixel where `source` is set.
std::vector<double> squaredDistanceTo(const std::vector<char>& source, int width, int height) {
    std::vector<double> d(source.size());
    for (std::size_t i = 0; i < source.size(); ++i) d[i] = source[i] ? 0.0 : 1e12;
    const auto index = [&](int x, int y) { return static_cast<std::size_t>(y * width + x); };
    std::vector<double> line;
    for (int x = 0; x < width; ++x) {
        line.clear();
        for (int y = 0; y < height; ++y) line.push_back(d[index(x, y)]);
        line = squaredDistanceAlong(line);
        for (int y = 0; y < height; ++y) d[index(x, y)] = line[static_cast<std::size_t>(y)];
    }
    for (int y = 0; y < height; ++y) {
        line.clear();
        for (int x = 0; x < width; ++x) line.push_back(d[index(x, y)]);
        line = squaredDistanceAlong(line);
        for (int x = 0; x < width; ++x) d[index(x, y)] = line[static_cast<std::size_t>(x)];
    }
    return d;
}

// How strongly the opaque shape in a mask frame heads to the right
// (negative: to the left), in parts of its width. A swimmer's thick body
// leads and its thin parts trail: the core (where the body is at least
// 0.7 times as thick as at its thickest) lies ahead of the middle of the
// outline, and ahead of the thin parts (tail fins, flukes, trailing arms,
// hair), which are whatever a disc of the core's size cannot reach.
double heading(const QImage& sheet, const QRect& frame) {
    const int w = frame.width();
    const int h = frame.height();
    // Pad by one clear pixel so the frame edge counts as outside.
    const int pw = w + 2;
    const int ph = h + 2;
    std::vector<char> clear(static_cast<std::size_t>(pw * ph), 1);
    int left = w;
    int right = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (isBlack(sheet.pixel(frame.left() + x, frame.top() + y))) {
                clear[static_cast<std::size_t>((y + 1) * pw + x + 1)] = 0;
                left = std::min(left, x + 1);
                right = std::max(right, x + 1);
            }
    if (right < left) return 0;
    const std::vector<double> inside = squaredDistanceTo(clear, pw, ph);
    const double thickest = std::sqrt(*std::max_element(inside.begin(), inside.end()));
    const double radius = 0.7 * thickest;
    std::vector<char> core(clear.size(), 0);
    double coreX = 0;
    double coreCount = 0;
    for (std::size_t i = 0; i < clear.size(); ++i)
        if (!clear[i] && std::sqrt(inside[i]) >= radius) {
            core[i] = 1;
            coreX += double(i % static_cast<std::size_t>(pw));
            ++coreCount;
        }
    const std::vector<double> fromCore = squaredDistanceTo(core, pw, ph);
    double thinX = 0;
    double thinCount = 0;
    for (std::size_t i = 0; i < clear.size(); ++i)
        if (!clear[i] && std::sqrt(fromCore[i]) > radius) {
            thinX += double(i % static_cast<std::size_t>(pw));
            ++thinCount;
        }
    const double width = right - left + 1;
    const double coreCentre = coreX / coreCount;
    const double aheadOfMiddle = (coreCentre - (left + right) / 2.0) / width;
    const double aheadOfThin = thinCount > 0 ? (coreCentre - thinX / thinCount) / width : 0.0;
    return aheadOfMiddle + aheadOfThin;
}

// How strongly the top third of an upright shape (its head) lies right of
// the whole shape's middle (negative: to the left), in parts of its width.
double headLead(const QImage& sheet, const QRect& frame) {
    int top = frame.height(), bottom = -1, left = frame.width(), right = -1;
    double sumX = 0, count = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if (isBlack(sheet.pixel(frame.left() + x, frame.top() + y))) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
                sumX += x;
                ++count;
            }
    if (count == 0) return 0;
    double headX = 0, headCount = 0;
    for (int y = top; y <= top + (bottom - top) / 3; ++y)
        for (int x = left; x <= right; ++x)
            if (isBlack(sheet.pixel(frame.left() + x, frame.top() + y))) {
                headX += x;
                ++headCount;
            }
    return (headX / headCount - sumX / count) / (right - left + 1);
}

const SheetSpec* specOf(const std::string& file) {
    for (const SheetSpec& s : standardSheets())
        if (s.file == file) return &s;
    return nullptr;
}

TEST(Facing, EverySwimmerHeadsTheWayItsStripSwims) {
    // Every frame must lean clearly one way; a picture the wrong way round
    // scores the same amount with the opposite sign.
    constexpr double kClearLead = 0.05;
    for (const Heading& heading_ : kHeadings) {
        const SheetSpec* spec = specOf(heading_.file);
        ASSERT_NE(spec, nullptr) << heading_.file;
        ASSERT_EQ(spec->layout, Layout::TwoStrips) << heading_.file;
        const QImage sheet = loadPicture(spec->file);
        std::ostringstream wrong;
        for (int strip = 0; strip < 2; ++strip) {
            const bool right = (heading_.firstStrip == Facing::Right) == (strip == 0);
            for (int k = 0; k < spec->frames; ++k) {
                const QRect frame((strip * spec->frames + k) * spec->frameWidth, spec->frameHeight,
                                  spec->frameWidth, spec->frameHeight);
                const double lead = (heading_.posture == Posture::Upright ? headLead(sheet, frame)
                                                                          : heading(sheet, frame)) *
                                    (right ? 1 : -1);
                if (lead < kClearLead)
                    wrong << " strip " << strip + 1 << " frame " << k << " (" << lead << ")";
            }
        }
        EXPECT_EQ(wrong.str(), "")
            << spec->file << " should face "
            << (heading_.firstStrip == Facing::Right ? "right" : "left") << " in strip 1";
    }
}

}  // namespace
