#include <algorithm>
#include <cmath>
#include <numbers>

#include "art.h"
#include "paint_kit.h"

namespace mediagen::art {

void octopus(QPainter& p, const FrameInfo& f) {
    const double w = f.size.width();
    const double h = f.size.height();
    const double phase = f.phase();
    const double pulse = 0.5 + 0.5 * std::sin(phase);  // arms spread, mantle squeezes
    const QColor skin(206, 78, 56);
    const QColor rim = skin.darker(220);
    const QPointF root(w * 0.6, h * 0.56);

    // Eight arms trailing behind, far ones first and darker; a travelling
    // wave runs down each arm and on into its tip, which curls one way and
    // the other like the end of a whip. The outer arms lean to curling in
    // towards the others.
    for (int layer = 0; layer < 2; ++layer) {
        for (int i = 0; i < 4; ++i) {
            const int arm = layer * 4 + i;
            const double fan = (i - 1.5) / 1.5;  // -1 top .. 1 bottom
            // Short enough to stay in the frame, curled or not.
            const double length = w * (0.465 + 0.045 * ((arm * 5) % 3));
            const double spread = h * (0.1 + 0.18 * pulse) * fan + h * 0.04 * layer;
            const double lag = arm * 0.9;
            const auto at = [&](double t) {
                const double wave =
                    h * 0.075 * t * std::sin(phase - t * 2.6 * std::numbers::pi + lag);
                return QPointF(root.x() - length * t, root.y() + spread * std::sin(t * 1.6) + wave);
            };
            // How far round the tip turns by its end, up (positive) or down;
            // the centre line bends ever more sharply from `curlFrom` on.
            const double inward = std::abs(fan) > 0.5 ? (fan > 0 ? 0.5 : -0.5) : 0.0;
            const double turn =
                std::numbers::pi * (inward + 0.35 * std::sin(phase - 2.2 * std::numbers::pi + lag));
            const double curlFrom = 0.72 + 0.04 * ((arm * 7) % 3);
            constexpr int samples = 28;
            std::vector<QPointF> spine{at(0)};
            for (int k = 1; k <= samples; ++k) {
                const double t0 = double(k - 1) / samples;
                const double t1 = double(k) / samples;
                const QPointF step = at(t1) - at(t0);
                const double u = std::clamp(((t0 + t1) / 2 - curlFrom) / (1 - curlFrom), 0.0, 1.0);
                const double bend = turn * u * u;
                const double c = std::cos(bend);
                const double s = std::sin(bend);
                spine.push_back(spine.back() +
                                QPointF(step.x() * c - step.y() * s, step.x() * s + step.y() * c));
            }
            const QColor tone = layer == 0 ? skin.darker(135) : skin;
            fillWithRim(p, taperedPath(spine, h * 0.13, h * 0.03),
                        linear(QPointF(0, root.y() - h * 0.3), QPointF(0, root.y() + h * 0.3),
                               {{0.0, tone.lighter(110)}, {1.0, tone.darker(110)}}),
                        rim, 0.9);
            if (layer == 1) {
                p.save();
                p.setPen(QPen(QColor(230, 160, 140), 0.7));
                p.setBrush(QColor(250, 200, 180));
                for (int s = 2; s < 20; s += 3) {
                    const QPointF pt = spine[s];
                    const double r = h * 0.022 * (1.0 - s / 28.0) + 0.6;
                    p.drawEllipse(pt + QPointF(0, h * 0.04 * (1.0 - s / 28.0)), r, r);
                }
                p.restore();
            }
        }
    }

    // Mantle, squeezing as it jets.
    p.save();
    p.translate(w * 0.78, h * 0.4);
    p.rotate(-18);
    const double rx = w * 0.17 * (1.0 - 0.06 * pulse);
    const double ry = h * 0.3 * (1.0 - 0.08 * pulse);
    QPainterPath mantle;
    mantle.addEllipse(QPointF(0, 0), rx, ry);
    fillWithRim(p, mantle,
                radial(QPointF(rx * 0.2, -ry * 0.4), rx * 1.3,
                       {{0.0, skin.lighter(140)}, {0.6, skin}, {1.0, skin.darker(140)}}),
                rim, 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(skin.lighter(160));
    for (int i = 0; i < 7; ++i)
        p.drawEllipse(QPointF(rx * (0.5 - 0.17 * i) + (i % 2) * 3, -ry * 0.4 + (i % 3) * ry * 0.3),
                      1.6, 1.3);
    p.restore();

    // Head between mantle and arms, with two big eyes.
    QPainterPath head;
    head.addEllipse(QPointF(w * 0.63, h * 0.55), w * 0.09, h * 0.17);
    fillWithRim(p, head,
                radial(QPointF(w * 0.62, h * 0.5), w * 0.1,
                       {{0.0, skin.lighter(120)}, {1.0, skin.darker(115)}}),
                rim, 1.0);
    drawEye(p, QPointF(w * 0.665, h * 0.48), h * 0.075, QColor(200, 160, 30));
    drawEye(p, QPointF(w * 0.6, h * 0.5), h * 0.06, QColor(200, 160, 30));
}

}  // namespace mediagen::art
