#include <array>
#include <cmath>
#include <numbers>

#include "art.h"
#include "paint_kit.h"
#include "prng.h"

namespace mediagen::art {
namespace {

QPainterPath claw(QPointF wrist, double angle, double open, double size) {
    // Two pincers hinged at the wrist, the upper one opening by `open` degrees.
    QPainterPath lower;
    lower.moveTo(0, 0);
    lower.cubicTo(size * 0.5, size * 0.35, size * 1.1, size * 0.3, size * 1.3, -size * 0.05);
    lower.quadTo(size * 0.7, size * 0.05, 0, -size * 0.15);
    lower.closeSubpath();
    QPainterPath upper;
    upper.moveTo(0, -size * 0.1);
    upper.cubicTo(size * 0.4, -size * 0.65, size * 1.0, -size * 0.55, size * 1.2, -size * 0.12);
    upper.quadTo(size * 0.6, -size * 0.2, 0, size * 0.1);
    upper.closeSubpath();
    QTransform upperTurn;
    upperTurn.rotate(-open);
    QPainterPath both = lower.united(upperTurn.map(upper));
    QTransform place;
    place.translate(wrist.x(), wrist.y());
    place.rotate(angle);
    return place.map(both);
}

}  // namespace

void crab(QPainter& p, const FrameInfo& f) {
    // Frame 7 rests; lower frames raise the eyes and claws, frame 0 is the
    // full threat display.
    const double t = double(f.count - 1 - f.index) / (f.count - 1);
    const QColor shell(214, 70, 40);
    const QColor rim = shell.darker(230);
    const QPointF body(30.5, 28);

    p.setPen(QPen(shell.darker(130), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const double side : {-1.0, 1.0}) {
        for (int i = 0; i < 4; ++i) {
            const QPointF hip(body.x() + side * (8 + i * 1.5), body.y() + 1 + i * 0.5);
            const QPointF knee(body.x() + side * (16 + i * 3), body.y() - 4 + i * 1.5);
            const QPointF foot(body.x() + side * (19 + i * 2.5), 39);
            p.drawPolyline(std::array<QPointF, 3>{hip, knee, foot}.data(), 3);
        }
    }
    // Arms and claws.
    for (const double side : {-1.0, 1.0}) {
        const QPointF shoulder(body.x() + side * 11, body.y() - 2);
        const QPointF elbow(body.x() + side * (17 + 2 * t), body.y() - 3 - 7 * t);
        const QPointF wrist(body.x() + side * (15 + 4 * t), body.y() - 9 - 11 * t);
        p.setPen(QPen(shell.darker(120), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(std::array<QPointF, 3>{shoulder, elbow, wrist}.data(), 3);
        // Built for the right claw and mirrored across the body for the left.
        QPainterPath pincer = claw(side > 0 ? wrist : QPointF(2 * body.x() - wrist.x(), wrist.y()),
                                   -60 - 20 * t, 8 + 30 * t, 7.5);
        if (side < 0) pincer = QTransform(-1, 0, 0, 1, 2 * body.x(), 0).map(pincer);
        fillWithRim(p, pincer,
                    linear(wrist - QPointF(0, 8), wrist + QPointF(0, 6),
                           {{0.0, shell.lighter(130)}, {1.0, shell.darker(115)}}),
                    rim, 0.8);
    }
    // Eye stalks rise with the display.
    for (const double side : {-1.0, 1.0}) {
        const QPointF base(body.x() + side * 3.5, body.y() - 6);
        const QPointF top(body.x() + side * (4 + t), body.y() - 9 - 6 * t);
        p.setPen(QPen(shell.darker(110), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(base, top);
        drawEye(p, top, 2.3, QColor(20, 20, 20));
    }
    QPainterPath carapace;
    carapace.moveTo(body.x() - 15, body.y() + 1);
    carapace.cubicTo(body.x() - 14, body.y() - 10, body.x() + 14, body.y() - 10, body.x() + 15,
                     body.y() + 1);
    carapace.cubicTo(body.x() + 12, body.y() + 8, body.x() - 12, body.y() + 8, body.x() - 15,
                     body.y() + 1);
    fillWithRim(p, carapace,
                radial(body + QPointF(-3, -6), 18,
                       {{0.0, shell.lighter(150)}, {0.6, shell}, {1.0, shell.darker(140)}}),
                rim);
    p.setPen(Qt::NoPen);
    p.setBrush(shell.lighter(170));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(body.x() - 8 + i * 4, body.y() - 3 - (i % 2) * 2), 1.1, 0.9);
    p.setPen(QPen(rim, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(body.x() - 3, body.y() - 1, 6, 4), 200 * 16, 140 * 16);
}

void eyes(QPainter& p, const FrameInfo& f) {
    // Frame 0 stares wide open; frame 5 is shut to a glowing slit.
    const double open = 1.0 - double(f.index) / (f.count - 1);
    for (const double cx : {8.0, 22.0}) {
        const double half = 0.9 + 4.6 * open;
        QPainterPath almond;
        almond.moveTo(cx - 6.5, 6.5);
        almond.quadTo(cx, 6.5 - 2 * half, cx + 6.5, 6.0);
        almond.quadTo(cx, 6.5 + 1.6 * half, cx - 6.5, 6.5);
        almond.closeSubpath();
        p.setPen(QPen(QColor(110, 10, 10), 1.0));
        p.setBrush(radial(QPointF(cx, 6.2), 6.5,
                          {{0.0, QColor(255, 250, 120)},
                           {0.6, QColor(240, 170, 20)},
                           {1.0, QColor(180, 40, 10)}}));
        p.drawPath(almond);
        if (open > 0.2) {
            p.save();
            p.setClipPath(almond);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(10, 0, 0));
            p.drawEllipse(QPointF(cx + 0.5, 6.2), 0.9, 4.0);
            p.setBrush(QColor(255, 255, 255, 200));
            p.drawEllipse(QPointF(cx + 2.2, 4.8), 0.8, 0.7);
            p.restore();
        }
    }
}

void worm(QPainter& p, const FrameInfo& f) {
    // The fishing line meets the hook's eye at x = 9.
    const QColor steel(170, 176, 186);
    QPainterPath hook;
    hook.moveTo(9, 1);
    hook.lineTo(9, 44);
    hook.cubicTo(9, 56, 24, 56, 24, 44);
    hook.lineTo(24, 38);
    p.setPen(QPen(steel.darker(150), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(QPen(steel, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(hook);
    p.setPen(QPen(steel.darker(150), 1.2));
    p.drawEllipse(QPointF(9, 2.5), 1.8, 1.8);
    p.drawLine(QPointF(24, 38), QPointF(21.5, 42));

    // Frame 0 hangs limp, 1 and 2 curl up, 3 is the wriggling rest pose and
    // 4 its twitch.
    struct Pose {
        double amplitude;
        double shift;
        double waves;
    };
    constexpr std::array<Pose, 5> poses{{{1.2, 0.0, 1.0},
                                         {3.5, 0.4, 1.2},
                                         {5.5, 0.8, 1.4},
                                         {7.5, 1.0, 1.6},
                                         {7.5, 1.0 + std::numbers::pi, 1.6}}};
    const Pose pose = poses[static_cast<std::size_t>(std::min(f.index, 4))];
    const auto spine = sampleSpine(
        [&](double s) {
            return QPointF(10 + 5 * s +
                               pose.amplitude * std::pow(s, 0.6) *
                                   std::sin(std::numbers::pi * pose.waves * 2 * s + pose.shift),
                           10 + 46 * s);
        },
        30);
    const QPainterPath body = taperedPath(spine, 6.0, 3.0);
    fillWithRim(p, body,
                linear(QPointF(4, 0), QPointF(22, 0),
                       {{0.0, QColor(190, 90, 100)},
                        {0.5, QColor(240, 150, 150)},
                        {1.0, QColor(180, 80, 90)}}),
                QColor(110, 40, 50), 0.8);
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(QColor(160, 70, 80), 0.7));
    for (std::size_t i = 2; i < spine.size(); i += 2)
        p.drawLine(spine[i] + QPointF(-4, -0.5), spine[i] + QPointF(4, 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 110, 120));
    p.drawEllipse(spine[8], 3.5, 2.5);  // the band
    p.restore();
    // The shank passes in front of the worm where it is threaded.
    p.setPen(QPen(steel, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 14), QPointF(9, 20));
}

namespace {

// One valve of a clam, hinge on the left, seen from the side: a fan of ribs
// ending in a scalloped lip along y = lipY, domed up (`bulge` < 0) or down.
QPainterPath valve(QPointF hinge, double lipY, double frontX, double bulge, int ribs) {
    QPainterPath path;
    path.moveTo(hinge);
    path.cubicTo(hinge.x() - 0.5, lipY + bulge * 0.95, frontX - 5.0, lipY + bulge * 1.2, frontX,
                 lipY);
    const double step = (frontX - hinge.x() - 2.0) / ribs;
    const double scallop = bulge < 0 ? 1.4 : -1.4;
    for (int i = 0; i < ribs; ++i) {
        const double x0 = frontX - i * step;
        path.quadTo(x0 - step / 2, lipY + scallop, x0 - step, lipY);
    }
    path.lineTo(hinge);
    path.closeSubpath();
    return path;
}

// Shades a valve: light from the upper left, ribs fanning from the hinge,
// two growth lines, and a dark rim.
void shadeValve(QPainter& p, const QPainterPath& shape, QPointF hinge, double lipY, double frontX,
                int ribs, const QColor& shell, bool upper) {
    const QColor rim = shell.darker(240);
    const QRectF box = shape.boundingRect();
    fillWithRim(p, shape,
                radial(QPointF(box.left() + box.width() * 0.4, box.top() + box.height() * 0.25),
                       box.width() * 0.7,
                       {{0.0, shell.lighter(upper ? 140 : 120)},
                        {0.55, shell},
                        {1.0, shell.darker(upper ? 135 : 160)}}),
                rim, 0.9);
    p.save();
    p.setClipPath(shape);
    // The ribs run from the hinge over the dome to the scallops of the lip;
    // seen from the side each is the valve's own arch, drawn shorter. The
    // bands between them are lit and shaded in turn.
    const double bulge = upper ? -9.6 : 7.4;
    const auto rib = [&](double reach) {
        const double sx = reach;
        const double sy = std::sqrt(reach);
        const double x1 = hinge.x() + (frontX - hinge.x()) * sx;
        QPainterPath arch;
        arch.moveTo(hinge);
        arch.cubicTo(hinge.x() - 0.5 * sx, lipY + bulge * 0.95 * sy, x1 - 5.0 * sx,
                     lipY + bulge * 1.2 * sy, x1, lipY);
        return arch;
    };
    for (int i = 0; i < ribs; ++i) {
        const double outer = 1.0 - double(i) / ribs;
        const double inner = 1.0 - double(i + 1) / ribs;
        QPainterPath band = rib(outer);
        band.connectPath(rib(inner).toReversed());
        band.closeSubpath();
        p.fillPath(band, i % 2 ? QColor(90, 30, 10, upper ? 55 : 70)
                               : QColor(255, 250, 235, upper ? 80 : 50));
    }
    p.setPen(QPen(shell.darker(150), 0.5));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i < ribs; ++i) p.drawPath(rib(1.0 - double(i) / ribs));
    p.restore();
}

void drawClam(QPainter& p, const FrameInfo& f, const QColor& shell, const QColor& mantle) {
    // Frame 0 is shut, the last wide open; the valve eases in and out of its travel.
    const double t = f.progress();
    const double open = t * t * (3.0 - 2.0 * t);
    const QPointF hinge(4.5, 18.5);
    const double lipY = 18.5;
    const double frontX = 36.5;
    constexpr int ribs = 7;
    const double angle = -27.0 * open;

    const QPainterPath lower = valve(hinge, lipY, frontX, 7.4, ribs);
    const QPainterPath upper = valve(hinge, lipY, frontX, -9.6, ribs);
    QTransform lift;
    lift.translate(hinge.x(), hinge.y());
    lift.rotate(angle);
    lift.translate(-hinge.x(), -hinge.y());

    if (open > 0) {
        // The inside: dark depths, the pearly inner face of the upper valve,
        // and the soft frilled mantle with the pearl resting on it.
        const QPointF upperLip = lift.map(QPointF(frontX, lipY));
        QPainterPath gap;
        gap.moveTo(hinge);
        gap.lineTo(upperLip);
        gap.quadTo(frontX + 1.0, (upperLip.y() + lipY) / 2, frontX, lipY);
        gap.closeSubpath();
        fillWithRim(p, gap,
                    linear(QPointF(0, upperLip.y()), QPointF(0, lipY),
                           {{0.0, mantle.darker(300)}, {1.0, mantle.darker(170)}}),
                    shell.darker(240), 0.7);
        // The pearly lining just inside the upper lip.
        p.setPen(QPen(QColor(240, 230, 245), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(hinge + (upperLip - hinge) * 0.35 + QPointF(0, 0.9),
                   upperLip + QPointF(-0.6, 0.9));
        QPainterPath frill;
        const double frillTop = lipY - 3.2 * open;
        frill.moveTo(hinge + QPointF(3, 0));
        for (int i = 0; i <= 10; ++i) {
            const double x = hinge.x() + 3 + (frontX - 1 - hinge.x() - 3) * i / 10.0;
            const double rise =
                frillTop + (lipY - frillTop) * std::pow(1.0 - double(i) / 10.0, 3.0);
            frill.lineTo(x, rise + (i % 2 ? 0.7 : -0.3) * open);
        }
        frill.lineTo(frontX - 1, lipY + 1);
        frill.lineTo(hinge.x() + 3, lipY + 1);
        frill.closeSubpath();
        fillWithRim(p, frill,
                    linear(QPointF(0, frillTop - 1), QPointF(0, lipY),
                           {{0.0, mantle.lighter(140)}, {1.0, mantle}}),
                    mantle.darker(200), 0.6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 230, 240));
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(17 + i * 4.5, lipY - 0.6 - open * (0.4 + i * 0.5)), 0.7, 0.7);
        if (open > 0.4) {
            const double size = 2.6 * std::min(1.0, (open - 0.4) / 0.3);
            const QPointF pearl(25.0, lipY - 1.6 - size);
            p.setBrush(radial(
                pearl + QPointF(-0.8, -0.9), size * 1.3,
                {{0.0, Qt::white}, {0.6, QColor(238, 232, 226)}, {1.0, QColor(180, 170, 175)}}));
            p.setPen(QPen(QColor(130, 120, 130), 0.5));
            p.drawEllipse(pearl, size, size);
        }
    }

    shadeValve(p, lower, hinge, lipY, frontX, ribs, shell.darker(108), false);
    p.save();
    p.setTransform(lift, true);
    shadeValve(p, upper, hinge, lipY, frontX, ribs, shell, true);
    p.restore();
}

}  // namespace

void largeClam(QPainter& p, const FrameInfo& f) {
    drawClam(p, f, QColor(226, 190, 146), QColor(130, 60, 180));
}

void smallClam(QPainter& p, const FrameInfo& f) {
    p.scale(30.0 / 40.0, 19.0 / 27.0);
    drawClam(p, f, QColor(240, 150, 120), QColor(30, 150, 130));
}

void anchor(QPainter& p, const FrameInfo& f) {
    // A tug on the chain rocks the anchor; it snaps back after frame 4.
    constexpr std::array<double, 5> tilt{0, -3, -6, -8, -9};
    const double angle = tilt[static_cast<std::size_t>(std::min(f.index, 4))];
    const QColor iron(96, 84, 76);
    const QColor rim = iron.darker(230);

    // Chain from the ring up and out of the picture.
    p.save();
    p.setPen(QPen(iron.darker(120), 2.0));
    p.setBrush(Qt::NoBrush);
    const QPointF ring(38 + angle * 0.9, 10);
    for (int i = 0; i < 6; ++i) {
        const QPointF link = ring + QPointF(5 + i * 6.2, -2 - i * (1.3 - angle * 0.05));
        p.drawEllipse(link, i % 2 ? 3.2 : 3.6, i % 2 ? 1.4 : 2.4);
    }
    p.restore();

    p.save();
    p.translate(38, 76);
    p.rotate(angle);
    p.translate(-38, -76);
    QPainterPath shape;
    shape.addEllipse(QPointF(38, 10), 5.5, 5.5);
    shape.addRoundedRect(QRectF(34.5, 14, 7, 58), 2, 2);
    shape.addRoundedRect(QRectF(21, 20, 34, 6), 3, 3);
    QPainterPath arms;
    arms.moveTo(11, 58);
    arms.quadTo(16, 79, 38, 79);
    arms.quadTo(60, 79, 65, 58);
    const QPainterPath armBand =
        QPainterPathStroker(QPen(Qt::black, 7, Qt::SolidLine, Qt::RoundCap)).createStroke(arms);
    shape.addPath(armBand);
    for (const double side : {-1.0, 1.0}) {
        QPainterPath fluke;
        const QPointF tip(38 + side * 29, 50);
        fluke.moveTo(tip);
        fluke.lineTo(tip + QPointF(side * 6, 13));
        fluke.lineTo(tip + QPointF(-side * 6, 11));
        fluke.closeSubpath();
        shape.addPath(fluke);
    }
    QPainterPath holeInRing;
    holeInRing.addEllipse(QPointF(38, 10), 2.6, 2.6);
    const QPainterPath solid = solidUnion(shape).subtracted(holeInRing);
    fillWithRim(p, solid,
                linear(QPointF(20, 0), QPointF(56, 0),
                       {{0.0, iron.lighter(130)}, {0.5, iron}, {1.0, iron.darker(140)}}),
                rim);
    p.setClipPath(solid);
    p.setPen(Qt::NoPen);
    Prng rust(7);
    for (int i = 0; i < 30; ++i) {
        p.setBrush(i % 3 ? QColor(150, 80, 40, 170) : QColor(220, 220, 200, 200));
        p.drawEllipse(QPointF(rust.range(10, 66), rust.range(4, 80)), rust.range(0.8, 2.2),
                      rust.range(0.8, 1.8));
    }
    p.restore();

    // The jolt stirs up sand.
    if (f.index >= 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 180, 140));
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(22 + i * 8 + f.index, 80 - (i % 2) * 2 - f.index * 0.6),
                          1.6 + f.index * 0.2, 1.3);
    }
}

void pillar(QPainter& p, const FrameInfo& f) {
    // Two ruined columns: an upright one and one broken off.
    const bool broken = f.index == 1;
    const QColor marble(226, 216, 196);
    const QColor rim = marble.darker(230);
    const double top = broken ? 44 : 4;
    QPainterPath shaft;
    if (broken) {
        shaft.moveTo(12, 150);
        shaft.lineTo(12, 52);
        shaft.lineTo(20, 44);
        shaft.lineTo(27, 55);
        shaft.lineTo(35, 41);
        shaft.lineTo(44, 50);
        shaft.lineTo(51, 46);
        shaft.lineTo(51, 150);
    } else {
        shaft.addRect(QRectF(12, 24, 39, 126));
    }
    shaft.closeSubpath();
    const QBrush stone =
        linear(QPointF(8, 0), QPointF(55, 0),
               {{0.0, marble.darker(135)}, {0.35, marble.lighter(108)}, {1.0, marble.darker(150)}});
    fillWithRim(p, shaft, stone, rim);
    p.save();
    p.setClipPath(shaft);
    p.setPen(QPen(marble.darker(150), 1.0));
    for (int i = 1; i < 6; ++i) p.drawLine(QPointF(12 + i * 6.5, top), QPointF(12 + i * 6.5, 150));
    Prng moss(broken ? 11 : 5);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 25; ++i) {
        p.setBrush(QColor(70 + moss.below(40), 120 + moss.below(40), 60, 200));
        p.drawEllipse(QPointF(moss.range(12, 51), 150 - std::pow(moss.unit(), 2.0) * 100),
                      moss.range(1.5, 4), moss.range(1, 3));
    }
    p.restore();
    if (!broken) {
        QPainterPath capital;
        capital.addRoundedRect(QRectF(4, 4, 55, 9), 2, 2);
        capital.addEllipse(QRectF(2, 10, 14, 14));
        capital.addEllipse(QRectF(47, 10, 14, 14));
        capital.addRect(QRectF(9, 13, 45, 11));
        fillWithRim(p, solidUnion(capital), stone, rim);
        p.setPen(QPen(rim, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(9, 17), 3.5, 3.5);
        p.drawEllipse(QPointF(54, 17), 3.5, 3.5);
    }
    QPainterPath base;
    base.addRoundedRect(QRectF(7, 148, 49, 8), 2, 2);
    base.addRoundedRect(QRectF(3, 156, 57, 12), 2, 2);
    fillWithRim(p, solidUnion(base), stone, rim);
    // Kelp curling up the column.
    const auto kelp = sampleSpine(
        [&](double t) { return QPointF(50 + 6 * std::sin(t * 9), 166 - t * (broken ? 95 : 120)); },
        30);
    fillWithRim(p, taperedPath(kelp, 4.0, 1.5), QColor(60, 140, 60), QColor(20, 60, 20), 0.7);
}

void bubble(QPainter& p, const FrameInfo& f) {
    drawBubble(p, QPointF(f.size.width() / 2.0, f.size.height() / 2.0), 4.2);
}

}  // namespace mediagen::art
