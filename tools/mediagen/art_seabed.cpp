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

void drawClam(QPainter& p, const FrameInfo& f, const QColor& shell, const QColor& mantle) {
    const double open = f.progress();  // 0 shut .. 1 wide open
    const QColor rim = shell.darker(220);
    const QPointF hinge(5, 18);
    QPainterPath lower;
    lower.moveTo(hinge);
    lower.cubicTo(8, 27, 32, 28, 37, 18);
    // Scalloped lip.
    for (int i = 0; i < 6; ++i) {
        const double x0 = 37 - i * 5.33;
        lower.quadTo(x0 - 2.7, 16, x0 - 5.33, 18);
    }
    lower.closeSubpath();
    fillWithRim(p, lower,
                linear(QPointF(0, 17), QPointF(0, 27),
                       {{0.0, shell.lighter(120)}, {1.0, shell.darker(130)}}),
                rim);
    if (open > 0) {
        // Soft mantle and a pearl show between the shells.
        QPainterPath inside;
        inside.moveTo(hinge);
        inside.quadTo(20, 18 - 10 * open, 36, 18 - 12 * open);
        inside.lineTo(37, 18);
        inside.closeSubpath();
        fillWithRim(p, inside,
                    linear(QPointF(0, 6), QPointF(0, 18),
                           {{0.0, mantle.lighter(130)}, {1.0, mantle.darker(120)}}),
                    mantle.darker(200), 0.6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 200, 230));
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(14 + i * 5, 16.5 - open * (2 + i * 1.5)), 0.9, 0.9);
        if (open > 0.4)
            p.setBrush(radial(
                QPointF(23.5, 14.5), 3.0,
                {{0.0, Qt::white}, {0.7, QColor(235, 230, 220)}, {1.0, QColor(190, 180, 170)}}));
        if (open > 0.4) p.drawEllipse(QPointF(24, 15.5), 2.6, 2.6);
    }
    QPainterPath upper;
    upper.moveTo(hinge);
    upper.cubicTo(8, 8, 32, 7, 37, 18);
    for (int i = 0; i < 6; ++i) {
        const double x0 = 37 - i * 5.33;
        upper.quadTo(x0 - 2.7, 20, x0 - 5.33, 18);
    }
    upper.closeSubpath();
    p.save();
    p.translate(hinge);
    p.rotate(-26 * open);
    p.translate(-hinge);
    fillWithRim(p, upper,
                linear(QPointF(0, 8), QPointF(0, 19), {{0.0, shell.lighter(140)}, {1.0, shell}}),
                rim);
    p.setClipPath(upper);
    p.setPen(QPen(shell.darker(140), 0.8));
    for (int i = 0; i < 6; ++i) p.drawLine(hinge, QPointF(37 - i * 5.33 - 2.7, 19));
    p.restore();
}

}  // namespace

void largeClam(QPainter& p, const FrameInfo& f) {
    drawClam(p, f, QColor(170, 160, 130), QColor(120, 60, 170));
}

void smallClam(QPainter& p, const FrameInfo& f) {
    p.scale(30.0 / 40.0, 19.0 / 27.0);
    drawClam(p, f, QColor(190, 150, 120), QColor(40, 140, 120));
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
