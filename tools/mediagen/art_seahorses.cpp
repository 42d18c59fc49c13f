#include <cmath>

#include "art.h"
#include "paint_kit.h"

namespace mediagen::art {
namespace {

// A sea horse designed in a 40 x 45 box, snout to the right.
void drawSeaHorse(QPainter& p, double phase, const QColor& colour) {
    const QColor rim = colour.darker(230);
    const double bob = std::sin(phase) * 1.0;
    p.translate(0, bob);

    // Fluttering dorsal fin behind the back.
    const double flutter = 0.6 + 0.4 * std::sin(phase * 2.0);
    QPainterPath fin;
    fin.moveTo(15, 18);
    fin.quadTo(15 - 7 * flutter, 22, 14, 28);
    fin.closeSubpath();
    fillWithRim(p, fin, colour.lighter(150), rim, 0.6);

    // Curled tail.
    const double curl = std::sin(phase) * 0.15;
    const auto tailAt = [&](double t) {
        if (t < 0.5) {
            const double u = t / 0.5;
            return QPointF(22 - 7 * u, 28 + 10 * u);
        }
        const double a = (t - 0.5) / 0.5 * 4.2 + curl;  // spiral inwards
        const double r = 5.0 * (1.0 - (t - 0.5) * 1.3);
        return QPointF(19 - r * std::cos(a), 38 - r * std::sin(a) + 0.5);
    };
    const auto tail = sampleSpine(tailAt, 30);
    const QBrush body =
        linear(QPointF(10, 0), QPointF(30, 0),
               {{0.0, colour.darker(120)}, {0.6, colour}, {1.0, colour.lighter(135)}});
    fillWithRim(p, taperedPath(tail, 8, 1.6), body, rim, 0.7);
    // Trunk with its rounded belly.
    const std::vector<QPointF> trunk{{20, 10}, {22, 14}, {24, 19}, {24.5, 24}, {22, 29}};
    fillWithRim(p, taperedPath(trunk, 7, 8.5), body, rim, 0.7);
    QPainterPath belly;
    belly.addEllipse(QPointF(24.5, 22), 4.5, 6.5);
    fillWithRim(p, belly, body, rim, 0.7);
    // Ridges across the body.
    p.setPen(QPen(colour.darker(150), 0.7));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(19 + i * 0.6, 13 + i * 3),
                   QPointF(27 - (i > 3 ? i - 3 : 0), 14 + i * 3));
    // Head, snout and crown.
    QPainterPath head;
    head.addEllipse(QPointF(21, 8.5), 5, 4.5);
    head.addPath(taperedPath({{23, 9}, {27, 10}, {31.5, 11.5}}, 3.6, 2.6));
    QPainterPath crown;
    crown.moveTo(17.5, 6);
    crown.lineTo(18.5, 1.5);
    crown.lineTo(20.5, 4);
    crown.lineTo(21.5, 1);
    crown.lineTo(23, 5);
    head.addPath(crown);
    fillWithRim(p, solidUnion(head), body, rim, 0.7);
    drawEye(p, QPointF(21.5, 8), 1.9, QColor(30, 90, 40));
    p.translate(0, -bob);
}

}  // namespace

void seaHorse(QPainter& p, const FrameInfo& f) {
    p.scale(f.size.width() / 40.0, f.size.height() / 45.0);
    drawSeaHorse(p, f.phase(), QColor(240, 150, 40));
}

void swimHorse(QPainter& p, const FrameInfo& f) {
    // Leaning into the swim: tilted forwards, shrunk into the small frame.
    p.translate(f.size.width() * 0.5, f.size.height() * 0.5);
    p.rotate(28);
    p.scale(0.44, 0.44);
    p.translate(-22, -23);
    drawSeaHorse(p, f.phase(), QColor(250, 120, 150));
}

}  // namespace mediagen::art
