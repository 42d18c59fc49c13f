#include <cmath>
#include <numbers>

#include "art.h"
#include "paint_kit.h"
#include "people_kit.h"

namespace mediagen::art {

void blowFish(QPainter& p, const FrameInfo& f) {
    const double t = f.progress();  // 0 slim .. 1 fully puffed
    // Fully puffed, spines and tail still clear the frame's edges.
    const QPointF c(31, 25);
    const double rx = 17 + 4 * t;
    const double ry = 11 + 7.5 * t;
    const double tailLength = 9 - 2 * t;  // tucked in a little as it swells
    const QColor top(214, 178, 92);
    const QColor rim = top.darker(230);

    // Tail and fins first.
    QPainterPath tail;
    const double tip = c.x() - rx - tailLength;
    tail.moveTo(c.x() - rx + 3, c.y());
    tail.quadTo(tip + 3, c.y() - 9, tip, c.y() - 7);
    tail.quadTo(tip + 3, c.y(), tip, c.y() + 7);
    tail.quadTo(tip + 3, c.y() + 9, c.x() - rx + 3, c.y());
    fillWithRim(p, tail, top.darker(110), rim);
    QPainterPath dorsal;
    dorsal.moveTo(c.x() - rx * 0.5, c.y() - ry * 0.85);
    dorsal.quadTo(c.x() - rx * 0.7, c.y() - ry - 6, c.x() - rx * 0.85, c.y() - ry * 0.5);
    fillWithRim(p, dorsal, top.darker(110), rim);

    // Spikes stand up as it inflates.
    if (t > 0) {
        p.save();
        p.setPen(QPen(top.darker(170), 1.0, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 22; ++i) {
            const double a = 2 * std::numbers::pi * i / 22.0;
            const QPointF on(c.x() + rx * std::cos(a), c.y() + ry * std::sin(a));
            const QPointF out(c.x() + (rx + 1 + 3 * t) * std::cos(a),
                              c.y() + (ry + 1 + 3 * t) * std::sin(a));
            p.drawLine(on, out);
        }
        p.restore();
    }
    QPainterPath body;
    body.addEllipse(c, rx, ry);
    fillWithRim(p, body,
                linear(QPointF(0, c.y() - ry), QPointF(0, c.y() + ry),
                       {{0.0, top},
                        {0.55, top.lighter(125)},
                        {0.7, QColor(248, 240, 210)},
                        {1.0, QColor(236, 226, 196)}}),
                rim);
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 40));
    for (int i = 0; i < 9; ++i) {
        const double a = -2.6 + i * 0.33;
        p.drawEllipse(QPointF(c.x() + rx * 0.7 * std::cos(a) - 2, c.y() + ry * 0.62 * std::sin(a)),
                      1.3 + t * 0.5, 1.3 + t * 0.5);
    }
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawEllipse(QPointF(c.x() + rx * 0.1, c.y() - ry * 0.55), rx * 0.5, ry * 0.2);
    p.restore();

    // Paddling pectoral fin, big eye and puckered mouth.
    const double flap = std::sin(f.phase()) * 2.0;
    QPainterPath pectoral;
    pectoral.moveTo(c.x() + rx * 0.3, c.y() + 2);
    pectoral.quadTo(c.x() + rx * 0.05, c.y() - 4 + flap, c.x() - rx * 0.05, c.y() + 3 + flap);
    pectoral.quadTo(c.x() + rx * 0.1, c.y() + 7, c.x() + rx * 0.3, c.y() + 4);
    fillWithRim(p, pectoral, QColor(240, 210, 130), rim, 0.8);
    drawEye(p, QPointF(c.x() + rx * 0.55, c.y() - ry * 0.35), 4.2, QColor(60, 120, 60));
    p.setPen(QPen(QColor(150, 60, 40), 1.2));
    p.setBrush(QColor(230, 120, 100));
    p.drawEllipse(QPointF(c.x() + rx - 0.5, c.y() + ry * 0.12), 1.6, 1.9);
}

void scubaDiver(QPainter& p, const FrameInfo& f) {
    // A diver gliding level, head first: fins kicking behind, the far arm
    // along the body, the near arm reaching forward with a torch; a black
    // mask with clear glass over the face and bubbles from the regulator.
    const double phase = f.phase();
    const QColor suit(40, 46, 62);
    const QColor rim(8, 8, 12);
    const QColor accent(40, 120, 220);
    const QColor skin(240, 196, 160);
    const auto bentLimb = [&](QPointF from, QPointF joint, QPointF to, double w0, double w1) {
        return taperedPath(sampleSpine(
                               [&](double t) {
                                   const QPointF a = from + (joint - from) * t;
                                   const QPointF b = joint + (to - joint) * t;
                                   return a + (b - a) * t;
                               },
                               12),
                           w0, w1);
    };

    // Legs with fins, kicking alternately; the far leg first.
    for (int leg = 0; leg < 2; ++leg) {
        const double kick = std::sin(phase + leg * std::numbers::pi) * 4.5;
        const QPointF hip(46, 32 + leg * 2);
        const QPointF knee(33, 32 + leg * 2 + kick * 0.5);
        const QPointF ankle(21, 32 + leg * 2 + kick * 1.1);
        const QColor tone = leg == 0 ? suit.darker(130) : suit;
        fillWithRim(p, bentLimb(hip, knee, ankle, 11, 7), tone, rim);
        QPainterPath fin;
        const double bend = kick * 0.8;
        fin.moveTo(ankle + QPointF(2, -3.5));
        fin.quadTo(ankle + QPointF(-6, -4 + bend * 0.3), ankle + QPointF(-14, -5 + bend));
        fin.lineTo(ankle + QPointF(-14, 3 + bend));
        fin.quadTo(ankle + QPointF(-6, 4 + bend * 0.3), ankle + QPointF(2, 3.5));
        fin.closeSubpath();
        fillWithRim(p, fin, leg == 0 ? QColor(200, 170, 20) : QColor(250, 215, 40), rim);
    }
    // Far arm along the body, hand resting by the hip.
    fillWithRim(p, bentLimb(QPointF(78, 29), QPointF(70, 35), QPointF(60, 36), 7, 6),
                suit.darker(125), rim);
    // Air tank on the back.
    QPainterPath tank;
    tank.addRoundedRect(QRectF(42, 13, 40, 11), 5, 5);
    fillWithRim(p, tank,
                linear(QPointF(0, 13), QPointF(0, 24),
                       {{0.0, QColor(255, 230, 90)},
                        {0.5, QColor(240, 190, 20)},
                        {1.0, QColor(170, 120, 10)}}),
                rim);
    p.setPen(QPen(QColor(120, 120, 130), 2));
    p.drawLine(QPointF(82, 18), QPointF(86, 18));
    // Torso.
    QPainterPath torso;
    torso.moveTo(44, 25);
    torso.cubicTo(58, 23, 74, 21.5, 84, 22);
    torso.cubicTo(90, 22.5, 91, 37, 85, 38.5);
    torso.cubicTo(74, 40, 58, 40, 44, 39.5);
    torso.cubicTo(38, 39, 38, 25.5, 44, 25);
    torso.closeSubpath();
    fillWithRim(
        p, torso,
        linear(QPointF(0, 22), QPointF(0, 40),
               {{0.0, suit.lighter(165)}, {0.45, suit.lighter(115)}, {1.0, suit.darker(115)}}),
        rim);
    p.setPen(QPen(accent, 2.0));
    p.drawLine(QPointF(46, 34), QPointF(82, 33));
    // Hose to the regulator.
    p.setPen(QPen(QColor(20, 20, 24), 2.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath hose;
    hose.moveTo(84, 17);
    hose.cubicTo(92, 13, 101, 22, 99, 32);
    p.drawPath(hose);
    // Hooded head.
    QPainterPath head;
    head.addEllipse(QPointF(92, 27), 9, 8.5);
    fillWithRim(p, head, radial(QPointF(90, 23), 10, {{0.0, suit.lighter(160)}, {1.0, suit}}), rim);
    // Mask: a black rubber frame, clear glass showing the eye, a glint.
    QPainterPath frame;
    frame.addRoundedRect(QRectF(93.5, 19.5, 10, 9), 3, 3);
    fillWithRim(p, frame, QColor(22, 24, 30), rim, 0.8);
    QPainterPath glass;
    glass.addRoundedRect(QRectF(95.2, 21.2, 7.2, 5.8), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(linear(QPointF(0, 21), QPointF(0, 27),
                      {{0.0, QColor(190, 230, 245)}, {1.0, QColor(120, 180, 210)}}));
    p.drawPath(glass);
    p.save();
    p.setClipPath(glass);
    p.setBrush(skin);
    p.drawEllipse(QRectF(94, 23.5, 9, 6));
    p.restore();
    drawEye(p, QPointF(99.5, 24), 1.7, QColor(60, 100, 160));
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawRect(QRectF(96, 21.8, 1.6, 1.6));
    p.setPen(QPen(QColor(250, 200, 40), 1.0));
    p.drawLine(QPointF(93.6, 24), QPointF(87, 24.8));
    // Regulator at the mouth.
    p.setPen(QPen(rim, 0.6));
    p.setBrush(QColor(90, 92, 104));
    p.drawEllipse(QPointF(100, 31.5), 2.6, 2.2);

    // Near arm reaching forward, sculling gently, a little torch in hand.
    const double scull = std::sin(phase) * 1.5;
    const QPointF shoulder(80, 31);
    const QPointF elbow(87, 39 + scull * 0.4);
    const QPointF hand(97, 39.5 + scull);
    const QPainterPath arm = bentLimb(shoulder, elbow, hand, 7.5, 6);
    fillWithRim(p, arm,
                linear(QPointF(0, 30), QPointF(0, 44), {{0.0, suit.lighter(170)}, {1.0, suit}}),
                rim);
    p.save();
    p.setClipPath(arm);
    p.setPen(QPen(accent, 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath sleeve;
    sleeve.moveTo(shoulder + QPointF(1, 1.5));
    sleeve.quadTo(elbow + QPointF(-1, 1.2), hand + QPointF(-3, 0.8));
    p.drawPath(sleeve);
    p.restore();
    QPainterPath torch;
    torch.addRoundedRect(QRectF(hand.x() - 1, hand.y() - 5.2, 9, 3.6), 1.2, 1.2);
    fillWithRim(p, torch, QColor(250, 200, 40), rim, 0.7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 200));
    p.drawEllipse(QPointF(hand.x() + 8.2, hand.y() - 3.4), 1.1, 1.6);
    p.setPen(QPen(skin.darker(140), 0.6));
    p.setBrush(skin);
    p.drawEllipse(hand + QPointF(0.5, -1.5), 2.8, 2.5);

    // Exhaled bubbles, rising a little further every frame.
    for (int k = 0; k < 4; ++k) {
        const double rise = std::fmod(f.index * 3.0 / f.count * 6.0 + k * 4.5, 18.0);
        const QPointF at(104 + std::sin(rise * 0.7 + k) * 1.5, 22 - rise);
        if (at.y() > 5) drawBubble(p, at, 1.4 + k % 2 * 0.6);
    }
}

}  // namespace mediagen::art
