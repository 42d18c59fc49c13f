#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

#include "paint_kit.h"
#include "prng.h"
#include "scenery.h"
#include "scenery_canvas.h"

// The reef along the bottom of the screen. The scene repeats the picture
// left and right of the centred copy, so it is drawn as one period of an
// endless strip: everything that crosses an end comes back in at the other,
// and the columns next to the ends hold only the rock shelf, which runs flat
// across the join. Pieces the scene stands on the reef have rock to sit on.
namespace mediagen {
namespace {

constexpr double kWidth = 784;
constexpr double kHeight = 247;
// Corals and boulders keep this far from either end.
constexpr double kSeamMargin = 22;
// Room drawn beyond both ends so shading near the ends sees the neighbours.
constexpr double kPad = 120;

// Where the scene places pieces on the reef, in the reef's own coordinates.
const QRectF kLargeClam(640, 63, 40, 27);
const QRectF kSmallClamLeft(576, 87, 30, 19);
const QRectF kSmallClamRight(650, 127, 30, 19);
const QRectF kEyes(637, 197, 30, 12);
const QRectF kAnchor(67, 77, 76, 83);

struct Piece {
    QPainterPath path;
    QBrush brush;
    QColor rim;
    double rimWidth = 1.0;
};

// The top of the rock shelf: periodic in x with period kWidth and level
// where the ends meet, so the join runs flat.
double shelfTop(double x) {
    const double u = x / kWidth * 2 * std::numbers::pi;
    constexpr double a[] = {7, 5, 3};
    constexpr int k[] = {2, 5, 11};
    constexpr double phase[] = {0.7, 2.1, 0.3};
    double y = 184;
    double slopeAtJoin = 0;
    for (int i = 0; i < 3; ++i) {
        y -= a[i] * std::sin(u * k[i] + phase[i]);
        slopeAtJoin -= a[i] * k[i] * std::cos(phase[i]);
    }
    return y - slopeAtJoin * std::sin(u);
}

void branchingCoral(std::vector<Piece>& out, Prng& rng, QPointF base, const QColor& colour,
                    double size = 1.0) {
    QPainterPath coral;
    std::vector<std::tuple<QPointF, double, double, double, int>> stack{
        {base, -90.0, rng.range(28, 40) * size, 7.0 * std::sqrt(size), 0}};
    while (!stack.empty()) {
        auto [from, angle, length, width, depth] = stack.back();
        stack.pop_back();
        const double a = angle * std::numbers::pi / 180.0;
        const QPointF to = from + QPointF(std::cos(a), std::sin(a)) * length;
        coral.addPath(taperedPath({from, (from + to) / 2 + QPointF(rng.range(-2, 2), 0), to}, width,
                                  width * 0.7));
        if (depth < 3) {
            const int children = 2 + (rng.unit() < 0.3 ? 1 : 0);
            for (int c = 0; c < children; ++c)
                stack.emplace_back(to, angle + rng.range(-38, 38), length * rng.range(0.55, 0.75),
                                   width * 0.7, depth + 1);
        } else {
            coral.addEllipse(to, width * 0.55, width * 0.55);
        }
    }
    out.push_back({solidUnion(coral),
                   linear(base - QPointF(0, 90), base,
                          {{0.0, colour.lighter(140)}, {1.0, colour.darker(130)}}),
                   colour.darker(220), 1.0});
}

void seaFan(std::vector<Piece>& out, Prng& rng, QPointF base, const QColor& colour,
            double size = 1.0) {
    const double height = rng.range(70, 110) * size;
    const double width = rng.range(50, 80) * size;
    QPainterPath fan;
    for (int i = 0; i < 14; ++i) {
        const double t = (i + 0.5) / 14.0 - 0.5;
        const QPointF tip = base + QPointF(t * width, -height * (0.75 + 0.25 * std::cos(t * 3)));
        fan.addPath(QPainterPathStroker(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap))
                        .createStroke([&] {
                            QPainterPath twig;
                            twig.moveTo(base);
                            twig.quadTo(base + QPointF(t * width * 0.2, -height * 0.5), tip);
                            return twig;
                        }()));
    }
    // Cross-lacing gives the lattice look.
    for (int r = 1; r < 6; ++r) {
        QPainterPath lace;
        const double y = base.y() - height * r / 6.5;
        const double half = width * 0.5 * std::sqrt(double(r) / 6.0);
        lace.moveTo(base.x() - half, y + 4);
        lace.quadTo(base.x(), y - 4, base.x() + half, y + 4);
        fan.addPath(QPainterPathStroker(QPen(Qt::black, 1.0)).createStroke(lace));
    }
    out.push_back({solidUnion(fan), colour, colour.darker(200), 0.6});
}

void brainCoral(std::vector<Piece>& out, Prng& rng, QPointF base, const QColor& colour) {
    const double rx = rng.range(22, 34);
    const double ry = rx * 0.7;
    QPainterPath dome;
    dome.moveTo(base.x() - rx, base.y());
    dome.arcTo(QRectF(base.x() - rx, base.y() - ry, 2 * rx, 2 * ry), 180, -180);
    dome.closeSubpath();
    out.push_back({dome,
                   radial(base + QPointF(-rx * 0.3, -ry * 0.7), rx * 1.5,
                          {{0.0, colour.lighter(140)}, {1.0, colour.darker(140)}}),
                   colour.darker(220), 1.0});
    QPainterPath grooves;
    for (int i = 0; i < 5; ++i) {
        QPainterPath g;
        const double y = base.y() - ry * (0.15 + i * 0.17);
        const double half = rx * std::sqrt(1.0 - std::pow((base.y() - y) / ry, 2.0)) * 0.85;
        g.moveTo(base.x() - half, y);
        for (int k = 1; k <= 8; ++k)
            g.lineTo(base.x() - half + 2 * half * k / 8.0, y + ((k % 2) ? -2.0 : 2.0));
        grooves.addPath(QPainterPathStroker(QPen(Qt::black, 1.0)).createStroke(g));
    }
    out.push_back({grooves, colour.darker(160), colour.darker(160), 0.1});
}

void tubeSponge(std::vector<Piece>& out, Prng& rng, QPointF base, const QColor& colour) {
    for (int i = 0; i < 4; ++i) {
        const double h = rng.range(25, 55);
        const double x = base.x() + (i - 1.5) * 9 + rng.range(-2, 2);
        const double lean = rng.range(-6, 6);
        QPainterPath tube;
        tube.moveTo(x - 4.5, base.y());
        tube.lineTo(x - 5 + lean, base.y() - h);
        tube.lineTo(x + 5 + lean, base.y() - h);
        tube.lineTo(x + 4.5, base.y());
        tube.closeSubpath();
        out.push_back({tube,
                       linear(QPointF(x - 5, 0), QPointF(x + 5, 0),
                              {{0.0, colour.darker(130)},
                               {0.4, colour.lighter(120)},
                               {1.0, colour.darker(150)}}),
                       colour.darker(230), 0.9});
        QPainterPath mouth;
        mouth.addEllipse(QPointF(x + lean, base.y() - h), 5, 2);
        out.push_back({mouth, colour.darker(250), colour.darker(250), 0.5});
    }
}

void anemone(std::vector<Piece>& out, Prng& rng, QPointF base, const QColor& colour) {
    QPainterPath tentacles;
    for (int i = 0; i < 13; ++i) {
        const double a = (-160 + i * 140.0 / 12) * std::numbers::pi / 180.0;
        const double len = rng.range(14, 22);
        const double bend = rng.range(-0.4, 0.4);
        tentacles.addPath(taperedPath(sampleSpine(
                                          [&](double t) {
                                              return base +
                                                     QPointF(std::cos(a + bend * t) * len * t,
                                                             std::sin(a + bend * t) * len * t - 4);
                                          },
                                          8),
                                      3.4, 1.6));
    }
    out.push_back({solidUnion(tentacles),
                   linear(base - QPointF(0, 24), base, {{0.0, colour.lighter(150)}, {1.0, colour}}),
                   colour.darker(200), 0.7});
    QPainterPath column;
    column.addRoundedRect(QRectF(base.x() - 7, base.y() - 6, 14, 8), 3, 3);
    out.push_back({column, colour.darker(140), colour.darker(220), 0.8});
}

void kelp(std::vector<Piece>& out, Prng& rng, QPointF base, double height) {
    const double sway = rng.range(8, 16);
    const double phase = rng.range(0, 6.3);
    const auto spine = sampleSpine(
        [&](double t) { return base + QPointF(sway * std::sin(t * 4 + phase) * t, -height * t); },
        30);
    const QColor green(60 + rng.below(30), 120 + rng.below(40), 50);
    out.push_back({taperedPath(spine, 5, 2), green, green.darker(220), 0.8});
    for (std::size_t i = 4; i < spine.size(); i += 4) {
        const double side = (i / 4) % 2 ? 1.0 : -1.0;
        QPainterPath leaf;
        leaf.moveTo(spine[i]);
        leaf.quadTo(spine[i] + QPointF(side * 12, -4), spine[i] + QPointF(side * 16, -12));
        leaf.quadTo(spine[i] + QPointF(side * 4, -8), spine[i]);
        out.push_back({leaf, green.lighter(115), green.darker(220), 0.7});
    }
}

void starfish(std::vector<Piece>& out, QPointF centre, double size, double turn,
              const QColor& colour) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = turn + i * std::numbers::pi / 5;
        const double r = i % 2 ? size * 0.42 : size;
        const QPointF pt = centre + QPointF(std::cos(a), std::sin(a)) * r;
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    out.push_back({star, radial(centre, size, {{0.0, colour.lighter(140)}, {1.0, colour}}),
                   colour.darker(220), 0.8});
}

// The outcrop the clams sit on: a shoulder for the left small clam, a flat
// top for the large one, and a lip on its face for the right small one.
// Under it a cave, where the eyes peer out.
QPainterPath clamRock() {
    const double shoulder = kSmallClamLeft.bottom() - 3;
    const double summit = kLargeClam.bottom() - 3;
    QPainterPath rock;
    rock.setFillRule(Qt::WindingFill);
    rock.moveTo(520, 214);
    rock.cubicTo(530, 196, 536, 170, 546, 150);
    rock.cubicTo(552, 134, 548, 116, kSmallClamLeft.left() - 12, shoulder + 2);
    rock.quadTo(kSmallClamLeft.left() - 8, shoulder, kSmallClamLeft.left() - 2, shoulder);
    rock.cubicTo(kSmallClamLeft.center().x(), shoulder - 1, kSmallClamLeft.right(), shoulder - 1,
                 kSmallClamLeft.right() + 8, shoulder);
    rock.cubicTo(kLargeClam.left() - 12, shoulder, kLargeClam.left() - 16, summit + 6,
                 kLargeClam.left() - 8, summit + 1);
    rock.cubicTo(kLargeClam.left() + 6, summit - 1, kLargeClam.right() - 6, summit - 1,
                 kLargeClam.right() + 8, summit + 1);
    rock.cubicTo(kLargeClam.right() + 20, summit + 4, 706, 104, 708, 118);
    rock.cubicTo(712, 134, 704, 142, 714, 152);
    rock.cubicTo(726, 164, 742, 176, 748, 192);
    rock.cubicTo(752, 202, 752, 210, 752, 220);
    rock.lineTo(752, kHeight + 4);
    rock.lineTo(520, kHeight + 4);
    rock.closeSubpath();
    // Boulders leaning on its flanks.
    rock.addEllipse(QPointF(548, 176), 22, 26);
    rock.addEllipse(QPointF(730, 178), 20, 18);
    return rock;
}

QPainterPath rockMass() {
    QPainterPath mass;
    mass.setFillRule(Qt::WindingFill);
    // The shelf.
    mass.moveTo(-kPad, kHeight + 4);
    // NOLINTNEXTLINE(clang-analyzer-security.FloatLoopCounter): whole pixels are exact
    for (double x = -kPad; x <= kWidth + kPad; x += 2) mass.lineTo(x, shelfTop(x));
    mass.lineTo(kWidth + kPad, kHeight + 4);
    mass.closeSubpath();
    mass.addPath(clamRock());
    // A low flat slab for the anchor to rest on.
    QPainterPath slab;
    const double slabTop = kAnchor.bottom() - 3;
    slab.moveTo(48, 200);
    slab.cubicTo(52, 180, 60, slabTop + 3, 80, slabTop);
    slab.cubicTo(100, slabTop - 1, 122, slabTop - 1, 136, slabTop + 1);
    slab.cubicTo(156, slabTop + 4, 164, 180, 170, 200);
    slab.lineTo(166, 220);
    slab.lineTo(52, 220);
    slab.closeSubpath();
    mass.addPath(slab);
    // A second outcrop left of the pillars, so the clams' rock is not the
    // only one and the repeat does not stand out; loose boulders along the
    // shelf.
    QPainterPath outcrop;
    outcrop.moveTo(136, 214);
    outcrop.cubicTo(142, 186, 150, 160, 158, 140);
    outcrop.cubicTo(164, 122, 170, 108, 186, 104);
    outcrop.cubicTo(200, 100, 214, 106, 226, 100);
    outcrop.cubicTo(240, 94, 258, 100, 264, 116);
    outcrop.cubicTo(270, 132, 268, 150, 278, 164);
    outcrop.cubicTo(288, 178, 290, 196, 292, 214);
    outcrop.lineTo(292, kHeight + 4);
    outcrop.lineTo(136, kHeight + 4);
    outcrop.closeSubpath();
    mass.addPath(outcrop);
    for (const auto& [x, y, rx, ry] :
         std::initializer_list<std::tuple<double, double, double, double>>{
             {150, 190, 26, 20},
             {300, 196, 22, 14},
             {372, 200, 26, 15},
             {452, 196, 24, 15},
             {498, 204, 30, 18},
             {48, 214, 26, 16},
             {760 - kSeamMargin - 20, 206, 20, 13}})
        mass.addEllipse(QPointF(x, y), rx, ry);
    return mass;
}

// An elliptical swelling (or hollow) of the rock's relief with soft sides.
float swelling(double x, double y, QPointF centre, double rx, double ry) {
    const double dx = (x - centre.x()) / rx;
    const double dy = (y - centre.y()) / ry;
    const double d = std::sqrt(dx * dx + dy * dy);
    return float(1.0 - smoothStep(0.6f, 1.2f, float(d)));
}

// The lip under the right small clam stands out of the rock; the niche
// above it and the eyes' cave sink in.
const QPointF kLip(kSmallClamRight.center().x() + 3, kSmallClamRight.bottom() + 1);
const QPointF kNiche(kSmallClamRight.center().x() + 1, kSmallClamRight.center().y() - 1);

// A crevice in the second outcrop echoes the eyes' cave.
const QPointF kCrevice(218, 190);

float carving(double x, double y) {
    return 0.9f * swelling(x, y, kLip, 26, 5) - 0.5f * swelling(x, y, kNiche, 22, 14) -
           1.3f * swelling(x, y, kEyes.center(), 26, 15) - 1.0f * swelling(x, y, kCrevice, 20, 11);
}

QImage rockPicture() {
    Layer rock(QRectF(-kPad, 0, kWidth + 2 * kPad, kHeight), 1.0, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        for (const double shift : {-kWidth, 0.0, kWidth}) {
            p.save();
            p.translate(shift, 0);
            p.setBrush(linear(QPointF(0, 80), QPointF(0, kHeight),
                              {{0.0, QColor(150, 138, 126)},
                               {0.45, QColor(116, 104, 98)},
                               {1.0, QColor(52, 46, 52)}}));
            p.drawPath(rockMass());
            // The dark inside of the cave, the niche and the lip's lit top.
            p.setBrush(radial(kEyes.center(), 26,
                              {{0.0, QColor(8, 6, 10)},
                               {0.7, QColor(20, 16, 20)},
                               {1.0, QColor(60, 50, 50, 0)}}));
            p.drawEllipse(kEyes.center(), 26, 16);
            p.setBrush(radial(kCrevice, 20,
                              {{0.0, QColor(14, 10, 14)},
                               {0.7, QColor(28, 22, 26)},
                               {1.0, QColor(60, 50, 50, 0)}}));
            p.drawEllipse(kCrevice, 20, 12);
            p.setBrush(
                radial(kNiche, 22, {{0.0, QColor(40, 34, 38, 160)}, {1.0, QColor(40, 34, 38, 0)}}));
            p.drawEllipse(kNiche, 22, 14);
            p.setBrush(QColor(176, 164, 146));
            p.drawEllipse(kLip + QPointF(0, -2), 25, 3);
            p.restore();
        }
    });
    // Noise periodic over the reef's width: 784 = 20 cells of 39.2.
    constexpr double cell = kWidth / 20;
    Layer::Lighting light;
    light.roundness = 9;
    light.steepness = 14;
    light.ambient = 0.42f;
    light.diffuse = 0.85f;
    rock.relief(light, [&](double x, double y) {
        return 0.5f * fractalNoise(x / cell, y / 30.0, 3, 71, 20) +
               0.25f * (1.0f - std::abs(fractalNoise(x / (cell / 2), y / 14.0, 2, 72, 40))) +
               carving(x, y);
    });
    rock.shade([&](double x, double y, float depth, Tint& c) {
        // Coralline crusts and algae in patches, lit tops.
        const float crust = smoothStep(0.1f, 0.5f, fractalNoise(x / cell, y / 22.0, 3, 73, 20));
        const float algae =
            smoothStep(0.0f, 0.4f, fractalNoise(x / (cell / 2), y / 16.0, 2, 74, 40));
        const float top = std::exp(-depth / 7.0f);
        c = blend(c, Tint{176, 96, 128}, 0.45f * crust);
        c = blend(c, Tint{96, 140, 80}, 0.5f * algae * (0.3f + 0.7f * top));
        c = scaled(c, 1.0f + 0.3f * top);
    });
    return rock.image().copy(int(kPad), 0, int(kWidth), int(kHeight));
}

// What grows on and around the rock: behind it, then in front of it.
void reefLife(std::vector<Piece>& behind, std::vector<Piece>& front) {
    Prng rng(404);
    const QColor pink(240, 120, 110), amber(250, 170, 60), lemon(230, 210, 90), rose(220, 90, 150),
        violet(150, 60, 160), orange(230, 120, 40), crimson(200, 50, 80);
    // Kelp and fans behind the rock.
    for (const auto& [x, height] : std::initializer_list<std::pair<double, double>>{
             {34, 150}, {238, 120}, {528, 170}, {736, 130}})
        kelp(behind, rng, QPointF(x, shelfTop(x) + 10), height);
    seaFan(behind, rng, QPointF(272, shelfTop(272) + 6), violet, 0.8);
    seaFan(behind, rng, QPointF(544, 150), orange, 0.9);
    seaFan(behind, rng, QPointF(338, shelfTop(338) + 6), crimson, 0.6);
    seaFan(behind, rng, QPointF(160, 150), orange, 0.55);
    // Corals and sponges along the shelf, low where the pillars, the sign
    // and the centre piece stand.
    branchingCoral(behind, rng, QPointF(60, shelfTop(60) + 8), pink, 0.9);
    branchingCoral(behind, rng, QPointF(236, 104), lemon, 0.8);
    branchingCoral(behind, rng, QPointF(318, shelfTop(318) + 8), rose, 0.6);
    branchingCoral(behind, rng, QPointF(486, shelfTop(486) + 8), amber, 0.75);
    branchingCoral(behind, rng, QPointF(724, 176), pink, 0.7);
    tubeSponge(behind, rng, QPointF(280, shelfTop(280) + 8), orange);
    tubeSponge(behind, rng, QPointF(460, shelfTop(460) + 8), violet);
    tubeSponge(behind, rng, QPointF(700, 116), QColor(230, 130, 50));
    // In front: brain corals, anemones, starfish and encrusting life.
    brainCoral(front, rng, QPointF(196, 108), QColor(210, 190, 110));
    brainCoral(front, rng, QPointF(352, shelfTop(352) + 14), QColor(140, 190, 120));
    brainCoral(front, rng, QPointF(520, 210), QColor(210, 190, 110));
    brainCoral(front, rng, QPointF(96, 214), QColor(140, 190, 120));
    anemone(front, rng, QPointF(258, shelfTop(258) + 18), QColor(120, 220, 200));
    anemone(front, rng, QPointF(410, shelfTop(410) + 20), QColor(250, 100, 130));
    anemone(front, rng, QPointF(600, 206), QColor(120, 220, 200));
    anemone(front, rng, QPointF(742, 204), QColor(250, 100, 130));
    for (int i = 0; i < 220; ++i) {
        const double x = rng.range(kSeamMargin, kWidth - kSeamMargin);
        const double y = std::max(shelfTop(x), 150.0) + 8 + rng.range(0, 60);
        QPainterPath dot;
        dot.addEllipse(QPointF(x, y), rng.range(1.5, 3.5), rng.range(1, 2.2));
        const QColor c = i % 4 == 0 ? QColor(200, 120, 160)
                                    : QColor(70 + rng.below(40), 110 + rng.below(50), 70);
        front.push_back({dot, c, c, 0.1});
    }
    starfish(front, QPointF(154, 228), 8, 0.4, QColor(240, 110, 40));
    starfish(front, QPointF(446, 232), 9, 1.0, QColor(200, 60, 130));
    starfish(front, QPointF(688, 226), 7, 0.2, QColor(240, 110, 40));
}

void paintPieces(QPainter& p, const std::vector<Piece>& pieces) {
    // Each piece is drawn once per period, so one that crosses an end comes
    // back in at the other.
    for (const Piece& piece : pieces) {
        for (const double shift : {-kWidth, 0.0, kWidth}) {
            p.save();
            p.translate(shift, 0);
            fillWithRim(p, piece.path, piece.brush, piece.rim, piece.rimWidth);
            p.restore();
        }
    }
}

}  // namespace

QImage reefCoverage() {
    std::vector<Piece> behind;
    std::vector<Piece> front;
    reefLife(behind, front);
    QImage image(static_cast<int>(kWidth), static_cast<int>(kHeight),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintPieces(p, behind);
    p.drawImage(0, 0, rockPicture());
    paintPieces(p, front);
    return image;
}

}  // namespace mediagen
