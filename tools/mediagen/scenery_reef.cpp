#include <cmath>
#include <numbers>
#include <vector>

#include "paint_kit.h"
#include "prng.h"
#include "scenery.h"

namespace mediagen {
namespace {

constexpr double kWidth = 784;
constexpr double kHeight = 247;

struct Piece {
    QPainterPath path;
    QBrush brush;
    QColor rim;
    double rimWidth = 1.0;
};

// Periodic in x with period kWidth, so the reef tiles without a seam.
double rockTop(double x) {
    const double u = x / kWidth * 2 * std::numbers::pi;
    return 182 - 18 * std::sin(u * 3 + 0.7) - 10 * std::sin(u * 7 + 2.1) -
           5 * std::sin(u * 17 + 0.3);
}

void branchingCoral(std::vector<Piece>& out, Prng& rng, QPointF base, const QColor& colour) {
    QPainterPath coral;
    std::vector<std::tuple<QPointF, double, double, double, int>> stack{
        {base, -90.0, rng.range(28, 40), 7.0, 0}};
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

void seaFan(std::vector<Piece>& out, Prng& rng, QPointF base, const QColor& colour) {
    const double height = rng.range(70, 110);
    const double width = rng.range(50, 80);
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

void kelp(std::vector<Piece>& out, Prng& rng, QPointF base) {
    const double height = rng.range(100, 160);
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

std::vector<Piece> reefPieces() {
    Prng rng(404);
    std::vector<Piece> back;
    std::vector<Piece> middle;
    std::vector<Piece> front;

    for (int i = 0; i < 9; ++i) {
        const double x = (i + rng.unit()) * kWidth / 9;
        kelp(back, rng, QPointF(x, rockTop(x) + 10));
    }
    const QColor fanColours[] = {QColor(150, 60, 160), QColor(230, 120, 40), QColor(200, 50, 80)};
    for (int i = 0; i < 5; ++i) {
        const double x = (i + rng.unit()) * kWidth / 5;
        seaFan(back, rng, QPointF(x, rockTop(x) + 6), fanColours[i % 3]);
    }
    const QColor coralColours[] = {QColor(240, 120, 110), QColor(250, 170, 60),
                                   QColor(230, 210, 90), QColor(220, 90, 150)};
    for (int i = 0; i < 9; ++i) {
        const double x = (i + rng.unit()) * kWidth / 9;
        branchingCoral(middle, rng, QPointF(x, rockTop(x) + 8), coralColours[i % 4]);
    }
    for (int i = 0; i < 5; ++i) {
        const double x = (i + rng.unit()) * kWidth / 5;
        tubeSponge(middle, rng, QPointF(x, rockTop(x) + 8),
                   i % 2 ? QColor(160, 70, 170) : QColor(230, 130, 50));
    }
    // The rock shelf itself.
    QPainterPath shelf;
    shelf.moveTo(-30, kHeight + 2);
    for (double x = -30; x <= kWidth + 30; x += 3) shelf.lineTo(x, rockTop(x));
    shelf.lineTo(kWidth + 30, kHeight + 2);
    shelf.closeSubpath();
    front.push_back(
        {shelf,
         linear(
             QPointF(0, 150), QPointF(0, kHeight),
             {{0.0, QColor(120, 110, 100)}, {0.5, QColor(80, 72, 70)}, {1.0, QColor(40, 36, 40)}}),
         QColor(30, 26, 24), 1.2});
    for (int i = 0; i < 14; ++i) {
        const double x = rng.range(0, kWidth);
        const double r = rng.range(14, 30);
        QPainterPath boulder;
        boulder.addEllipse(QPointF(x, rockTop(x) + r * 0.8 + rng.range(0, 30)), r * 1.3, r);
        front.push_back({boulder,
                         radial(QPointF(x - r * 0.4, rockTop(x)), r * 2.2,
                                {{0.0, QColor(150, 140, 126)}, {1.0, QColor(60, 54, 56)}}),
                         QColor(30, 26, 24), 1.0});
    }
    for (int i = 0; i < 6; ++i) {
        const double x = (i + rng.unit()) * kWidth / 6;
        brainCoral(front, rng, QPointF(x, rockTop(x) + 14),
                   i % 2 ? QColor(210, 190, 110) : QColor(140, 190, 120));
    }
    for (int i = 0; i < 5; ++i) {
        const double x = (i + rng.unit()) * kWidth / 5;
        anemone(front, rng, QPointF(x, rockTop(x) + 22),
                i % 2 ? QColor(250, 100, 130) : QColor(120, 220, 200));
    }
    // Moss and encrusting life on the shelf.
    for (int i = 0; i < 260; ++i) {
        const double x = rng.range(0, kWidth);
        const double y = rockTop(x) + 6 + rng.range(0, 60);
        QPainterPath dot;
        dot.addEllipse(QPointF(x, y), rng.range(1.5, 4), rng.range(1, 2.5));
        const QColor c = i % 4 == 0 ? QColor(200, 120, 160)
                                    : QColor(70 + rng.below(40), 110 + rng.below(50), 70);
        front.push_back({dot, c, c, 0.1});
    }
    for (int i = 0; i < 4; ++i) {
        const double x = (i + rng.unit()) * kWidth / 4;
        starfish(front, QPointF(x, rockTop(x) + 30 + rng.range(0, 30)), rng.range(7, 11),
                 rng.range(0, 1.2), i % 2 ? QColor(240, 110, 40) : QColor(200, 60, 130));
    }
    std::vector<Piece> all = std::move(back);
    all.insert(all.end(), middle.begin(), middle.end());
    all.insert(all.end(), front.begin(), front.end());
    return all;
}

}  // namespace

QImage reefCoverage() {
    QImage image(static_cast<int>(kWidth), static_cast<int>(kHeight),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Each piece is drawn once per period so whatever crosses an edge comes
    // back in at the other.
    for (const Piece& piece : reefPieces()) {
        for (const double shift : {-kWidth, 0.0, kWidth}) {
            p.save();
            p.translate(shift, 0);
            fillWithRim(p, piece.path, piece.brush, piece.rim, piece.rimWidth);
            p.restore();
        }
    }
    return image;
}

}  // namespace mediagen
