#include <cmath>
#include <numbers>

#include "art.h"
#include "paint_kit.h"
#include "people_kit.h"

namespace mediagen::art {

void blowFish(QPainter& p, const FrameInfo& f) {
    const double t = f.progress();  // 0 slim .. 1 fully puffed
    const QPointF c(31, 26);
    const double rx = 17 + 6 * t;
    const double ry = 11 + 11 * t;
    const QColor top(214, 178, 92);
    const QColor rim = top.darker(230);

    // Tail and fins first.
    QPainterPath tail;
    tail.moveTo(c.x() - rx + 3, c.y());
    tail.quadTo(c.x() - rx - 6, c.y() - 9, c.x() - rx - 9, c.y() - 7);
    tail.quadTo(c.x() - rx - 6, c.y(), c.x() - rx - 9, c.y() + 7);
    tail.quadTo(c.x() - rx - 6, c.y() + 9, c.x() - rx + 3, c.y());
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
            const QPointF out(c.x() + (rx + 1 + 4 * t) * std::cos(a),
                              c.y() + (ry + 1 + 4 * t) * std::sin(a));
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
    const double phase = f.phase();
    const QColor suit(30, 34, 44);
    const QColor rim(8, 8, 12);
    const QColor accent(40, 120, 220);

    // Legs with fins, kicking alternately; the far leg first.
    for (int leg = 0; leg < 2; ++leg) {
        const double kick = std::sin(phase + leg * std::numbers::pi) * 5.0;
        const QPointF hip(44, 31 + leg * 2);
        const QPointF knee(28, 31 + leg * 2 + kick * 0.5);
        const QPointF ankle(15, 31 + leg * 2 + kick * 1.2);
        const QColor tone = leg == 0 ? suit.darker(130) : suit;
        fillWithRim(p,
                    taperedPath(sampleSpine(
                                    [&](double t) {
                                        const QPointF a = hip + (knee - hip) * t;
                                        const QPointF b = knee + (ankle - knee) * t;
                                        return a + (b - a) * t;
                                    },
                                    12),
                                11, 7),
                    tone, rim);
        QPainterPath fin;
        const double bend = kick * 0.9;
        fin.moveTo(ankle + QPointF(2, -3.5));
        fin.quadTo(ankle + QPointF(-6, -4 + bend * 0.3), ankle + QPointF(-14, -5 + bend));
        fin.lineTo(ankle + QPointF(-14, 3 + bend));
        fin.quadTo(ankle + QPointF(-6, 4 + bend * 0.3), ankle + QPointF(2, 3.5));
        fin.closeSubpath();
        fillWithRim(p, fin, leg == 0 ? QColor(200, 170, 20) : QColor(250, 215, 40), rim);
    }
    // Air tank on the back.
    QPainterPath tank;
    tank.addRoundedRect(QRectF(42, 12, 40, 11), 5, 5);
    fillWithRim(p, tank,
                linear(QPointF(0, 12), QPointF(0, 23),
                       {{0.0, QColor(255, 230, 90)},
                        {0.5, QColor(240, 190, 20)},
                        {1.0, QColor(170, 120, 10)}}),
                rim);
    p.setPen(QPen(QColor(120, 120, 130), 2));
    p.drawLine(QPointF(82, 17), QPointF(86, 17));
    // Torso.
    const std::vector<QPointF> torso{{44, 31}, {58, 30}, {72, 29}, {84, 29}};
    fillWithRim(p, taperedPath(torso, 15, 17),
                linear(QPointF(0, 22), QPointF(0, 38), {{0.0, suit.lighter(140)}, {1.0, suit}}),
                rim);
    p.setPen(QPen(accent, 2.0));
    p.drawLine(QPointF(46, 33), QPointF(82, 32));
    // Hose to the mouthpiece.
    p.setPen(QPen(QColor(20, 20, 24), 2.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath hose;
    hose.moveTo(84, 16);
    hose.cubicTo(92, 12, 100, 22, 98, 31);
    p.drawPath(hose);
    // Arm held along the body.
    fillWithRim(p, taperedPath({{80, 31}, {74, 37}, {66, 38}}, 7, 5.5), suit.lighter(115), rim);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 196, 160));
    p.drawEllipse(QPointF(64.5, 38), 2.8, 2.5);
    // Hooded head and mask.
    QPainterPath head;
    head.addEllipse(QPointF(92, 27), 9, 8.5);
    fillWithRim(p, head, radial(QPointF(90, 23), 10, {{0.0, suit.lighter(160)}, {1.0, suit}}), rim);
    QPainterPath mask;
    mask.addRoundedRect(QRectF(93, 20, 9, 8), 2.5, 2.5);
    fillWithRim(p, mask, QColor(240, 196, 160), QColor(230, 60, 40), 1.6);
    drawEye(p, QPointF(98.5, 23.5), 2.0, QColor(60, 100, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRect(QRectF(94.5, 21, 2.5, 2));
    p.setBrush(QColor(70, 70, 80));
    p.drawEllipse(QPointF(99.5, 31), 2.6, 2.2);

    // Exhaled bubbles, rising a little further every frame.
    for (int k = 0; k < 4; ++k) {
        const double rise = std::fmod(f.index * 3.0 / f.count * 6.0 + k * 4.5, 18.0);
        const QPointF at(103 + std::sin(rise * 0.7 + k) * 2.0, 20 - rise);
        if (at.y() > 2) drawBubble(p, at, 1.4 + k % 2 * 0.6);
    }
}

}  // namespace mediagen::art
