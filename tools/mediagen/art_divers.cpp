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
    // An old copper diving helmet peering in from the top of the screen; in
    // frames 1 to 6 the diver glances about and breathes out a stream of
    // bubbles.
    const QPointF centre(62, 74);
    const double r = 50;
    QPainterPath breastplate;
    breastplate.moveTo(6, 150);
    breastplate.quadTo(10, 112, 62, 110);
    breastplate.quadTo(114, 112, 118, 150);
    breastplate.closeSubpath();
    fillWithRim(p, breastplate,
                linear(QPointF(0, 110), QPointF(0, 150),
                       {{0.0, copper.lighter(120)}, {1.0, copper.darker(140)}}),
                copper.darker(250), 1.2);
    for (int i = 0; i < 6; ++i) bolt(p, QPointF(16 + i * 18.5, 140 - std::abs(i - 2.5) * 4), 3);

    QPainterPath dome;
    dome.addEllipse(centre, r, r * 0.98);
    fillWithRim(p, dome,
                radial(centre + QPointF(-18, -22), r * 1.5,
                       {{0.0, QColor(255, 220, 160)},
                        {0.35, copper.lighter(110)},
                        {0.8, copper.darker(120)},
                        {1.0, copper.darker(180)}}),
                copper.darker(260), 1.4);
    // Side ports and the exhaust valve.
    for (const double side : {-1.0, 1.0}) {
        const QPointF port(centre.x() + side * 40, centre.y() + 4);
        p.setPen(QPen(brass.darker(160), 1.0));
        p.setBrush(brass);
        p.drawEllipse(port, 10, 12);
        p.setBrush(radial(port, 8, {{0.0, QColor(120, 170, 190)}, {1.0, QColor(30, 60, 80)}}));
        p.drawEllipse(port, 7, 9);
    }
    p.setPen(QPen(brass.darker(180), 1.0));
    p.setBrush(brass);
    p.drawRoundedRect(QRectF(centre.x() + 28, centre.y() - 52, 12, 10), 2, 2);

    // Front window with the diver's face.
    const QPointF window(centre.x(), centre.y() + 4);
    p.setPen(QPen(brass.darker(180), 1.2));
    p.setBrush(radial(window - QPointF(8, 8), 40,
                      {{0.0, QColor(255, 240, 180)}, {1.0, brass.darker(120)}}));
    p.drawEllipse(window, 30, 30);
    p.setBrush(QColor(40, 70, 90));
    p.drawEllipse(window, 24, 24);
    const int k = f.index;
    constexpr std::array<double, 8> glance{0, -0.9, -0.9, 0, 0.9, 0.9, 0.3, 0};
    FaceLook face;
    face.hair_style = FaceLook::Hair::None;
    face.mood = (k >= 1 && k <= 6) ? FaceLook::Mood::Surprised : FaceLook::Mood::Smile;
    face.lookX = glance[static_cast<std::size_t>(k % 8)];
    p.save();
    QPainterPath glass;
    glass.addEllipse(window, 24, 24);
    p.setClipPath(glass);
    drawFace(p, window + QPointF(0, 3), 20, face);
    p.setPen(QPen(QColor(90, 50, 20), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(window.x() - 9, window.y() + 6, 9, 5), 0, 180 * 16);
    p.drawArc(QRectF(window.x(), window.y() + 6, 9, 5), 0, 180 * 16);
    // Reflection on the glass.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QRectF(window.x() - 20, window.y() - 20, 18, 12));
    p.restore();
    // Guard bars across the window.
    p.setPen(QPen(brass.darker(140), 2.4, Qt::SolidLine, Qt::RoundCap));
    for (const double dx : {-9.0, 9.0})
        p.drawLine(QPointF(window.x() + dx, window.y() - 23),
                   QPointF(window.x() + dx, window.y() + 23));
    for (int i = 0; i < 8; ++i) {
        const double a = i * 3.14159265 / 4;
        bolt(p, window + QPointF(27 * std::cos(a), 27 * std::sin(a)), 2.2);
    }
    // Bubbles from the valve, rising further each frame of the breath.
    if (k >= 1) {
        for (int b = 0; b < k && b < 6; ++b) {
            const double rise = (k - b) * 5.5;
            drawBubble(
                p, QPointF(centre.x() + 36 + (b % 2) * 4 + rise * 0.35, centre.y() - 54 - rise + 6),
                2.2 + (b % 3) * 0.8);
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
        fillWithRim(p,
                    solidTaperedPath(
                        {{cx + side * 8, 96}, {cx + side * 9, 116}, {cx + side * 9, 137}}, 13, 10),
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
    fillWithRim(p, solidTaperedPath({{cx - 16, 54}, {cx - 24, 74}, {cx - 22, 94}}, 9, 8),
                suit.lighter(120), rim);
    p.setPen(QPen(QColor(150, 110, 80), 0.7));
    p.setBrush(skin);
    p.drawEllipse(QPointF(cx - 22, 97), 4, 4);
    // The other is raised, upper arm out to the side, forearm up.
    const QPointF shoulder(cx + 15, 55);
    const QPointF elbow(cx + 29, 45);
    fillWithRim(p,
                solidTaperedPath({shoulder, (shoulder + elbow) / 2 + QPointF(1, 1), elbow}, 9, 8.5),
                suit.lighter(120), rim);
    constexpr std::array<double, 3> tilts{0.0, 20.0, -20.0};
    const auto handAt = [&](double tilt) {
        const double a = tilt * std::numbers::pi / 180.0;
        return elbow + QPointF(14 * std::sin(a), -14 * std::cos(a));
    };
    const auto forearm = [&](double tilt) {
        const QPointF hand = handAt(tilt);
        QPainterPath shape = solidTaperedPath({elbow, (elbow + hand) / 2, hand}, 8.5, 7.5);
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
    fillWithRim(p, solidTaperedPath({elbow, (elbow + hand) / 2, hand}, 8.5, 7.5), suit.lighter(120),
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
