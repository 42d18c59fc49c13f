#include <array>
#include <cmath>

#include "art.h"
#include "paint_kit.h"
#include "people_kit.h"

namespace mediagen::art {
namespace {

const QColor brass(200, 150, 60);
const QColor copper(184, 110, 60);

void bolt(QPainter& p, QPointF at, double r) {
    p.save();
    p.setPen(QPen(brass.darker(200), 0.6));
    p.setBrush(radial(at - QPointF(r * 0.3, r * 0.3), r * 1.2,
                      {{0.0, QColor(255, 235, 170)}, {1.0, brass.darker(130)}}));
    p.drawEllipse(at, r, r);
    p.restore();
}

}  // namespace

void diverHead(QPainter& p, const FrameInfo& f) {
    // A hard-hat diver let down head first from the boat above, peering
    // into the scene upside down: his body, air hose and lifeline run up
    // out of the top edge. In frames 1 to 6 he glances about and breathes
    // out a stream of bubbles.
    const QColor canvas(150, 138, 108);
    const QColor rubber(46, 44, 40);
    const QColor rope(196, 170, 110);
    const int k = f.index;

    // Lifeline and air hose, up to the surface.
    p.setPen(QPen(rope.darker(160), 4.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath line;
    line.moveTo(30, 50);
    line.cubicTo(24, 34, 18, 18, 16, -2);
    p.drawPath(line);
    p.setPen(QPen(rope, 3.0, Qt::DotLine, Qt::RoundCap));
    p.drawPath(line);
    QPainterPath hose;
    hose.moveTo(98, 62);
    hose.cubicTo(118, 56, 116, 30, 112, -2);
    p.setPen(QPen(rubber.darker(140), 9.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(hose);
    p.setPen(QPen(rubber.lighter(170), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(hose.translated(-2, 0));

    // The body above, in a canvas suit with a lead belt.
    QPainterPath torso;
    torso.moveTo(36, -2);
    torso.lineTo(94, -2);
    torso.cubicTo(98, 16, 104, 34, 106, 50);
    torso.lineTo(24, 50);
    torso.cubicTo(26, 34, 32, 16, 36, -2);
    torso.closeSubpath();
    fillWithRim(
        p, torso,
        linear(QPointF(24, 0), QPointF(106, 0),
               {{0.0, canvas.darker(125)}, {0.45, canvas.lighter(112)}, {1.0, canvas.darker(140)}}),
        canvas.darker(260), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 76));
    p.drawRect(QRectF(33, 10, 64, 8));
    p.setBrush(brass);
    p.drawRoundedRect(QRectF(60, 9, 10, 10), 2, 2);

    // Arms reaching down beside the helmet, mittened hands steadying it.
    const double wave = (k >= 1 && k <= 6) ? std::sin(k * 1.1) * 4 : 0;
    for (const double side : {-1.0, 1.0}) {
        const QPointF shoulder(65 + side * 38, 46);
        const QPointF elbow(65 + side * 56, 78);
        const QPointF hand(65 + side * 47, 106 + (side > 0 ? -wave : 0));
        fillWithRim(p,
                    taperedPath(sampleSpine(
                                    [&](double t) {
                                        return t < 0.5 ? shoulder + (elbow - shoulder) * (t * 2)
                                                       : elbow + (hand - elbow) * ((t - 0.5) * 2);
                                    },
                                    10),
                                15, 11),
                    canvas.darker(112), canvas.darker(260), 1.0);
        QPainterPath mitten;
        mitten.addEllipse(hand + QPointF(side * -2, 5), 7, 8.5);
        mitten.addEllipse(hand + QPointF(side * -8, 1), 3, 4.5);
        fillWithRim(p, solidUnion(mitten), QColor(70, 60, 50), QColor(30, 24, 20), 1.0);
    }

    // The corselet, upside down: its bolted rim at the top, the helmet below.
    QPainterPath corselet;
    corselet.moveTo(20, 46);
    corselet.quadTo(65, 38, 110, 46);
    corselet.quadTo(112, 64, 65, 74);
    corselet.quadTo(18, 64, 20, 46);
    corselet.closeSubpath();
    fillWithRim(p, corselet,
                linear(QPointF(0, 40), QPointF(0, 74),
                       {{0.0, copper.darker(130)}, {1.0, copper.lighter(120)}}),
                copper.darker(250), 1.2);
    for (int i = 0; i < 6; ++i) bolt(p, QPointF(27 + i * 15.2, 47 + std::abs(i - 2.5) * 0.8), 2.6);

    // The helmet, crown down.
    const QPointF centre(65, 104);
    const double r = 40;
    QPainterPath dome;
    dome.addEllipse(centre, r * 0.98, r);
    fillWithRim(p, dome,
                radial(centre + QPointF(-14, 16), r * 1.5,
                       {{0.0, QColor(255, 220, 160)},
                        {0.35, copper.lighter(110)},
                        {0.8, copper.darker(120)},
                        {1.0, copper.darker(180)}}),
                copper.darker(260), 1.4);
    for (const double side : {-1.0, 1.0}) {
        const QPointF port(centre.x() + side * 32, centre.y() - 4);
        p.setPen(QPen(brass.darker(160), 1.0));
        p.setBrush(brass);
        p.drawEllipse(port, 8, 10);
        p.setBrush(radial(port, 7, {{0.0, QColor(120, 170, 190)}, {1.0, QColor(30, 60, 80)}}));
        p.drawEllipse(port, 5.5, 7.5);
    }
    // The exhaust valve near the crown.
    p.setPen(QPen(brass.darker(180), 1.0));
    p.setBrush(brass);
    const QPointF valve(centre.x() + 24, centre.y() + 30);
    p.drawRoundedRect(QRectF(valve.x() - 5, valve.y() - 4, 10, 9), 2, 2);

    // Front window with the diver's face, upside down.
    const QPointF window(centre.x(), centre.y() + 2);
    p.setPen(QPen(brass.darker(180), 1.2));
    p.setBrush(radial(window + QPointF(-6, 6), 32,
                      {{0.0, QColor(255, 240, 180)}, {1.0, brass.darker(120)}}));
    p.drawEllipse(window, 25, 25);
    p.setBrush(QColor(40, 70, 90));
    p.drawEllipse(window, 20, 20);
    constexpr std::array<double, 8> glance{0, -0.9, -0.9, 0, 0.9, 0.9, 0.3, 0};
    FaceLook face;
    face.hair_style = FaceLook::Hair::None;
    face.mood = (k >= 1 && k <= 6) ? FaceLook::Mood::Surprised : FaceLook::Mood::Smile;
    // Turned over, the face's left is the screen's right.
    face.lookX = -glance[static_cast<std::size_t>(k % 8)];
    p.save();
    QPainterPath glass;
    glass.addEllipse(window, 20, 20);
    p.setClipPath(glass);
    p.translate(window);
    p.rotate(180);
    drawFace(p, QPointF(0, 2), 17, face);
    p.setPen(QPen(QColor(90, 50, 20), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(-7, 5, 7, 4), 0, 180 * 16);
    p.drawArc(QRectF(0, 5, 7, 4), 0, 180 * 16);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QRectF(window.x() + 2, window.y() + 4, 14, 9));
    for (int i = 0; i < 8; ++i) {
        const double a = i * 3.14159265 / 4;
        bolt(p, window + QPointF(22.5 * std::cos(a), 22.5 * std::sin(a)), 1.9);
    }

    // Breath bubbles from the valve, rising up past the body.
    if (k >= 1) {
        for (int b = 0; b < k && b < 6; ++b) {
            const double rise = (k - b) * 11.0;
            drawBubble(p, valve + QPointF(8 + (b % 2) * 4 + std::sin(rise * 0.2) * 2, -rise),
                       2.0 + (b % 3) * 0.8);
        }
    }
}

void scubaDude(QPainter& p, const FrameInfo& f) {
    // Standing on the sea bed, waving hello. The three frames share one
    // outline (the sheet has a single mask): frame 0 holds the hand up, frames
    // 1 and 2 flick it out and in. Every frame fills the sweep of all three
    // hands, a pale blur of motion wherever its own hand is not.
    const QColor suit(34, 38, 50);
    const QColor rim(8, 8, 12);
    const QColor skin(240, 196, 160);
    const double cx = 46;
    // Fins.
    for (const double side : {-1.0, 1.0}) {
        QPainterPath fin;
        fin.moveTo(cx + side * 6, 136);
        fin.lineTo(cx + side * 25, 148);
        fin.quadTo(cx + side * 15, 152, cx + side * 3, 149.5);
        fin.closeSubpath();
        fillWithRim(p, fin, QColor(250, 200, 30), rim);
    }
    // Tank behind the shoulders.
    QPainterPath tank;
    tank.addRoundedRect(QRectF(cx - 21, 44, 42, 46), 8, 8);
    fillWithRim(p, tank,
                linear(QPointF(cx - 21, 0), QPointF(cx + 21, 0),
                       {{0.0, QColor(170, 120, 10)},
                        {0.5, QColor(255, 220, 80)},
                        {1.0, QColor(170, 120, 10)}}),
                rim);
    // Legs and body.
    for (const double side : {-1.0, 1.0})
        fillWithRim(
            p,
            taperedPath({{cx + side * 8, 96}, {cx + side * 9, 116}, {cx + side * 9, 137}}, 13, 10),
            suit, rim);
    QPainterPath torso;
    torso.addRoundedRect(QRectF(cx - 17, 48, 34, 52), 10, 10);
    fillWithRim(
        p, torso,
        linear(QPointF(cx - 17, 0), QPointF(cx + 17, 0), {{0.0, suit.lighter(150)}, {1.0, suit}}),
        rim);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 120, 220));
    p.drawRect(QRectF(cx - 17, 62, 34, 3));
    p.setBrush(QColor(230, 200, 40));
    p.drawRect(QRectF(cx - 17, 90, 34, 5));
    // One arm hangs at his side.
    fillWithRim(p, taperedPath({{cx - 16, 54}, {cx - 24, 74}, {cx - 22, 94}}, 9, 8),
                suit.lighter(120), rim);
    p.setPen(QPen(QColor(150, 110, 80), 0.7));
    p.setBrush(skin);
    p.drawEllipse(QPointF(cx - 22, 97), 4, 4);
    // The other is raised, upper arm out to the side, forearm up.
    const QPointF shoulder(cx + 15, 55);
    const QPointF elbow(cx + 29, 45);
    fillWithRim(p, taperedPath({shoulder, (shoulder + elbow) / 2 + QPointF(1, 1), elbow}, 9, 8.5),
                suit.lighter(120), rim);
    constexpr std::array<double, 3> tilts{0.0, 20.0, -20.0};
    const auto handAt = [&](double tilt) {
        const double a = tilt * std::numbers::pi / 180.0;
        return elbow + QPointF(14 * std::sin(a), -14 * std::cos(a));
    };
    const auto forearm = [&](double tilt) {
        const QPointF hand = handAt(tilt);
        QPainterPath shape = taperedPath({elbow, (elbow + hand) / 2, hand}, 8.5, 7.5);
        QPainterPath palm;
        palm.addEllipse(hand + QPointF(0, -2), 5.2, 5.8);
        return shape.united(palm);
    };
    QPainterPath sweep;
    for (const double tilt : tilts) sweep = sweep.united(forearm(tilt));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 228, 246));
    p.drawPath(sweep);
    const double tilt = tilts[static_cast<std::size_t>(f.index % 3)];
    const QPointF hand = handAt(tilt);
    fillWithRim(p, taperedPath({elbow, (elbow + hand) / 2, hand}, 8.5, 7.5), suit.lighter(120),
                rim);
    p.save();
    p.translate(hand);
    p.rotate(tilt);
    p.setPen(QPen(QColor(150, 110, 80), 0.7));
    p.setBrush(skin);
    p.drawEllipse(QPointF(-4, 0.5), 1.8, 3.0);
    p.drawEllipse(QPointF(0, -2), 4.2, 5.0);
    p.setPen(QPen(QColor(170, 120, 90), 0.6));
    for (const double x : {-1.6, 0.4, 2.4}) p.drawLine(QPointF(x, -6.6), QPointF(x, -4));
    p.restore();
    // Hooded head with mask: a black rubber frame, clear glass.
    QPainterPath hood;
    hood.addEllipse(QPointF(cx, 30), 17, 19);
    fillWithRim(p, hood, radial(QPointF(cx - 6, 22), 22, {{0.0, suit.lighter(170)}, {1.0, suit}}),
                rim);
    QPainterPath mask;
    mask.addRoundedRect(QRectF(cx - 13, 17, 26, 20), 7, 7);
    fillWithRim(p, mask, QColor(120, 170, 200), QColor(16, 18, 24), 2.4);
    FaceLook face;
    face.hair_style = FaceLook::Hair::None;
    face.mood = FaceLook::Mood::Smile;
    face.lookX = f.index == 1 ? 0.8 : (f.index == 2 ? 0.3 : 0.5);
    p.save();
    p.setClipPath(mask);
    drawFace(p, QPointF(cx, 30), 14, face);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawEllipse(QRectF(cx - 11, 18, 9, 6));
    p.restore();
    p.setPen(QPen(QColor(250, 200, 40), 1.2));
    p.drawLine(QPointF(cx - 16.5, 26), QPointF(cx - 13.5, 26));
    p.drawLine(QPointF(cx + 13.5, 26), QPointF(cx + 16.5, 26));
    p.setPen(QPen(QColor(20, 20, 24), 1.0));
    p.setBrush(QColor(80, 80, 90));
    p.drawEllipse(QPointF(cx, 42), 5, 4);
}

}  // namespace mediagen::art
