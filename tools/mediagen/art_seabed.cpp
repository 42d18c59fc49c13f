#include <algorithm>
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
            // Feet a little above the frame's bottom, which is the screen's.
            const QPointF foot(body.x() + side * (19 + i * 2.5), 36.6);
            p.drawPolyline(std::array<QPointF, 3>{hip, knee, foot}.data(), 3);
        }
    }
    // Arms and claws.
    for (const double side : {-1.0, 1.0}) {
        const QPointF shoulder(body.x() + side * 11, body.y() - 2);
        const QPointF elbow(body.x() + side * (17 + 2 * t), body.y() - 3 - 6 * t);
        const QPointF wrist(body.x() + side * (15 + 4 * t), body.y() - 9 - 8 * t);
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
        const double half = 0.9 + 3.6 * open;  // wide open still clears the frame's top
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
    // An old anchor standing on its crown, its chain run from the ring down
    // to the sea bed beside it. A nudge rocks it back over frames 1 to 4,
    // the chain drawing tighter, and it settles again in a puff of sand.
    constexpr std::array<double, 5> tilt{0, -3, -6, -8, -9};
    const double angle = tilt[static_cast<std::size_t>(std::min(f.index, 4))];
    const QColor iron(92, 88, 92);
    const QColor rim = iron.darker(250);
    const QColor rust(168, 92, 48);
    const QPointF pivot(38, 78);
    QTransform rock;
    rock.translate(pivot.x(), pivot.y());
    rock.rotate(angle);
    rock.translate(-pivot.x(), -pivot.y());

    // Shading across a member: lit on its left flank, dark on its right.
    const auto across = [&](double x0, double x1) {
        return linear(QPointF(x0, 0), QPointF(x1, 0),
                      {{0.0, iron.lighter(115)},
                       {0.3, iron.lighter(150)},
                       {0.65, iron},
                       {1.0, iron.darker(150)}});
    };
    const auto down = [&](double y0, double y1) {
        return linear(QPointF(0, y0), QPointF(0, y1),
                      {{0.0, iron.lighter(150)}, {0.5, iron}, {1.0, iron.darker(150)}});
    };

    p.save();
    p.setTransform(rock, true);
    // Arms curving up from the crown, each ending in a broad fluke.
    QPainterPath arms;
    arms.moveTo(13.6, 56.0);
    arms.cubicTo(15.0, 70.0, 26.0, 76.0, 38.0, 76.0);
    arms.cubicTo(50.0, 76.0, 61.0, 70.0, 62.4, 56.0);
    QPainterPath lowerPart = solidUnion(
        QPainterPathStroker(QPen(Qt::black, 5.4, Qt::SolidLine, Qt::RoundCap)).createStroke(arms));
    for (const double side : {-1.0, 1.0}) {
        // The fluke: an arrowhead on the arm's end, pointing up and out.
        const QPointF end(38 + side * 24.4, 56.0);
        const QPointF dir(side * 0.1, -1.0);
        const QPointF out(side * 1.0, 0.1);
        QPainterPath fluke;
        fluke.moveTo(end + dir * 8.5 + out * 1.2);
        fluke.quadTo(end + dir * 3.0 + out * 5.5, end - dir * 2.0 + out * 5.2);
        fluke.quadTo(end + out * 1.0, end - dir * 3.0);
        fluke.quadTo(end - out * 2.0, end - dir * 1.5 - out * 4.6);
        fluke.quadTo(end + dir * 3.0 - out * 4.0, end + dir * 8.5 + out * 1.2);
        fluke.closeSubpath();
        // United shape by shape: the mirrored fluke winds the other way.
        lowerPart = lowerPart.united(solidUnion(fluke));
    }
    QPainterPath crown;
    crown.addEllipse(QPointF(38, 74.5), 4.4, 3.4);
    lowerPart = lowerPart.united(crown);
    fillWithRim(p, lowerPart, down(50, 80), rim, 1.0);
    p.save();
    p.setClipPath(lowerPart);
    p.strokePath(arms.translated(0, -1.3),
                 QPen(QColor(255, 255, 255, 60), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.restore();

    QPainterPath shank;
    shank.addRoundedRect(QRectF(35.0, 12.0, 6.0, 62.0), 2.5, 2.5);
    fillWithRim(p, shank, across(35, 41), rim, 1.0);
    // The stock, across the top, with a ball on each end.
    QPainterPath stock;
    stock.addRoundedRect(QRectF(20.0, 17.0, 36.0, 4.6), 2.0, 2.0);
    stock.addEllipse(QPointF(19.6, 19.3), 3.0, 3.0);
    stock.addEllipse(QPointF(56.4, 19.3), 3.0, 3.0);
    const QPainterPath stockShape = solidUnion(stock);
    fillWithRim(p, stockShape, down(16, 22.5), rim, 1.0);
    // The ring at the head.
    QPainterPath ring;
    ring.addEllipse(QPointF(38, 8.2), 4.8, 4.8);
    QPainterPath hole;
    hole.addEllipse(QPointF(38, 8.2), 2.4, 2.4);
    const QPainterPath ringShape = ring.subtracted(hole);
    fillWithRim(p, ringShape, across(33, 43), rim, 1.0);

    // Rust streaks and a few barnacles, in fixed places.
    const QPainterPath body =
        solidUnion(QPainterPath(lowerPart).united(shank).united(stockShape).united(ringShape));
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(rust.red(), rust.green(), rust.blue(), 170));
    p.drawEllipse(QPointF(39.5, 30.0), 1.3, 4.0);
    p.drawEllipse(QPointF(37.0, 52.0), 1.2, 5.0);
    p.drawEllipse(QPointF(29.0, 19.8), 3.5, 1.2);
    p.drawEllipse(QPointF(21.0, 70.0), 3.0, 1.5);
    p.drawEllipse(QPointF(58.0, 66.0), 1.6, 3.0);
    p.drawEllipse(QPointF(40.0, 76.0), 3.0, 1.4);
    for (const QPointF at : {QPointF(45.0, 74.6), QPointF(48.4, 73.6), QPointF(52.0, 19.6)}) {
        p.setBrush(QColor(236, 230, 214));
        p.drawEllipse(at, 1.5, 1.3);
        p.setBrush(QColor(90, 80, 70));
        p.drawEllipse(at, 0.55, 0.5);
    }
    p.restore();

    // The chain drops slack from the ring past the shank and runs out
    // across the sand to the right.
    const QPointF top = rock.map(QPointF(40.8, 11.2));
    QPainterPath run;
    run.moveTo(top);
    run.cubicTo(top + QPointF(5.0, 20.0), QPointF(44.0, 76.0), QPointF(54.0, 78.2));
    run.lineTo(72.0, 78.6);
    std::vector<QPointF> line;
    for (int i = 0; i <= 100; ++i) line.push_back(run.pointAtPercent(i / 100.0));
    double walked = 0;
    int link = 0;
    for (std::size_t i = 1; i < line.size(); ++i) {
        const QPointF step = line[i] - line[i - 1];
        const double length = std::hypot(step.x(), step.y());
        // NOLINTNEXTLINE(clang-analyzer-security.FloatLoopCounter): a distance walked
        for (walked += length; walked >= 3.6; walked -= 3.6, ++link) {
            const QPointF at = line[i] - step * ((walked - 3.6) / length);
            p.save();
            p.translate(at);
            p.rotate(std::atan2(step.y(), step.x()) * 180.0 / std::numbers::pi);
            QPainterPath shape;
            if (link % 2 == 0) {
                shape.addEllipse(QPointF(0, 0), 2.9, 1.9);
                QPainterPath inside;
                inside.addEllipse(QPointF(0, 0), 1.4, 0.6);
                shape = shape.subtracted(inside);
            } else {
                shape.addRoundedRect(QRectF(-2.9, -0.8, 5.8, 1.6), 0.8, 0.8);
            }
            fillWithRim(p, shape, link % 2 ? iron.darker(115) : iron.lighter(120), rim, 0.7);
            p.restore();
        }
    }

    // The jolt stirs up little clouds of sand either side of the crown.
    if (f.index >= 2) {
        const double grow = (f.index - 1) / 3.0;
        p.setPen(Qt::NoPen);
        for (const double side : {-1.0, 1.0}) {
            for (int i = 0; i < 3; ++i) {
                const QPointF at(38 + side * (8 + i * 4.5 + 3 * grow), 78.5 - i * 1.2 - grow * 1.5);
                p.setBrush(i == 1 ? QColor(226, 210, 168) : QColor(204, 186, 140));
                p.drawEllipse(at, 1.6 + grow * 1.4 - i * 0.2, 1.1 + grow * 0.8);
            }
        }
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
    // An 11 x 10 bubble: a clean round outline a pixel inside the frame, a
    // bright rim, clear blue inside and a highlight at the upper left.
    const QPointF centre(f.size.width() / 2.0, f.size.height() / 2.0);
    const double rx = 4.45;
    const double ry = 4.25;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 236, 255));
    p.drawEllipse(centre, rx, ry);
    p.setBrush(radial(
        centre + QPointF(0.6, 0.8), rx,
        {{0.0, QColor(60, 130, 196)}, {0.7, QColor(96, 168, 222)}, {1.0, QColor(150, 206, 244)}}));
    p.drawEllipse(centre, rx - 1.0, ry - 1.0);
    p.setBrush(Qt::white);
    p.drawEllipse(centre + QPointF(-1.6, -1.5), 1.2, 0.9);
    p.setBrush(QColor(220, 244, 255));
    p.drawEllipse(centre + QPointF(1.9, 1.8), 0.6, 0.5);
    p.restore();
}

}  // namespace mediagen::art
