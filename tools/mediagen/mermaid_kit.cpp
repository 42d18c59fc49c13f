#include "mermaid_kit.h"

#include <cmath>
#include <numbers>

#include "paint_kit.h"

namespace mediagen {

namespace {
const QColor tailColour(30, 160, 140);
const QColor hairColour(196, 70, 40);
}  // namespace

void drawMermaidTail(QPainter& p, const std::vector<QPointF>& spine, double hipWidth) {
    const QPointF end = spine.back();
    const QPointF before = spine[spine.size() - 3];
    const double angle = std::atan2(end.y() - before.y(), end.x() - before.x());
    const double size = hipWidth * 1.2;
    p.save();
    p.translate(end);
    p.rotate(angle * 180.0 / std::numbers::pi);
    QPainterPath fluke;
    fluke.moveTo(-1, 0);
    fluke.cubicTo(size * 0.4, -size * 0.2, size * 0.8, -size * 0.7, size * 1.0, -size * 0.75);
    fluke.quadTo(size * 0.55, -size * 0.1, size * 0.55, 0);
    fluke.quadTo(size * 0.55, size * 0.1, size * 1.0, size * 0.75);
    fluke.cubicTo(size * 0.8, size * 0.7, size * 0.4, size * 0.2, -1, 0);
    fillWithRim(p, fluke,
                linear(QPointF(0, -size), QPointF(0, size),
                       {{0.0, tailColour.lighter(130)}, {1.0, tailColour.darker(120)}}),
                tailColour.darker(220));
    p.restore();

    const QPainterPath tail = taperedPath(spine, hipWidth, hipWidth * 0.22);
    fillWithRim(p, tail,
                linear(spine.front(), spine.back(),
                       {{0.0, tailColour.lighter(115)}, {1.0, tailColour.darker(110)}}),
                tailColour.darker(220));
    // Scales: little arcs along the tail.
    p.save();
    p.setClipPath(tail);
    p.setPen(QPen(tailColour.lighter(150), 0.7));
    p.setBrush(Qt::NoBrush);
    for (std::size_t i = 1; i + 1 < spine.size(); i += 2) {
        const double r = hipWidth * 0.18;
        for (int k = -1; k <= 1; ++k)
            p.drawArc(QRectF(spine[i].x() - r + k * r * 1.6, spine[i].y() - r + k * r * 0.8, 2 * r,
                             2 * r),
                      200 * 16, 140 * 16);
    }
    p.restore();
}

void drawFlowingHair(QPainter& p, QPointF crown, QPointF flow, double thickness, double phase) {
    const QPointF dir = flow - crown;
    const double len = std::hypot(dir.x(), dir.y());
    const QPointF normal(-dir.y() / len, dir.x() / len);
    for (int strand = 0; strand < 4; ++strand) {
        const double lane = (strand - 1.5) * thickness * 0.35;
        const auto spine = sampleSpine(
            [&](double t) {
                const double wave =
                    thickness * 0.5 * t * std::sin(phase - t * 2.0 * std::numbers::pi + strand);
                return crown + dir * t * (0.85 + 0.05 * strand) +
                       normal * (lane * (0.4 + t) + wave);
            },
            16);
        fillWithRim(p, taperedPath(spine, thickness * 0.55, thickness * 0.12),
                    strand % 2 ? hairColour : hairColour.lighter(115), hairColour.darker(170), 0.7);
    }
}

void drawShellTop(QPainter& p, QPointF chest, double span) {
    for (const double side : {-0.5, 0.5}) {
        const QPointF c = chest + QPointF(side * span, 0);
        QPainterPath shell;
        shell.moveTo(c + QPointF(0, span * 0.35));
        shell.arcTo(QRectF(c.x() - span * 0.45, c.y() - span * 0.4, span * 0.9, span * 0.8), 200,
                    -220);
        shell.closeSubpath();
        fillWithRim(
            p, shell,
            radial(c, span * 0.5, {{0.0, QColor(250, 190, 220)}, {1.0, QColor(200, 90, 160)}}),
            QColor(120, 40, 90), 0.7);
    }
}

}  // namespace mediagen
