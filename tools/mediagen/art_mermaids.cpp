#include <cmath>
#include <numbers>

#include "art.h"
#include "mermaid_kit.h"
#include "paint_kit.h"
#include "people_kit.h"

namespace mediagen::art {
namespace {

const QColor skin(242, 200, 168);
const QColor skinRim = QColor(242, 200, 168).darker(170);

void limb(QPainter& p, QPointF from, QPointF elbow, QPointF to, double width) {
    std::vector<QPointF> spine;
    for (int i = 0; i <= 12; ++i) {
        const double t = i / 12.0;
        // Quadratic through the elbow.
        const QPointF a = from + (elbow - from) * t;
        const QPointF b = elbow + (to - elbow) * t;
        spine.push_back(a + (b - a) * t);
    }
    fillWithRim(p, taperedPath(spine, width, width * 0.7), skin, skinRim, 0.8);
}

}  // namespace

void swimMaid(QPainter& p, const FrameInfo& f) {
    // Swimming level, head first: her tail beats up and down behind her, her
    // hair streams back and her front arm strokes ahead of her.
    const double phase = f.phase();
    const double w = f.size.width();
    const double h = f.size.height();
    const QPointF neck(w * 0.7, h * 0.44);
    const QPointF tailEnd(w * 0.22, h * 0.53);
    const QPointF along = tailEnd - neck;
    const auto at = [&](double t) {
        // The body bends in a wave that grows towards the tail; the chest
        // stays nearly still.
        const double wave =
            h * 0.055 * std::pow(t, 1.8) * std::sin(phase - t * 2.0 * std::numbers::pi);
        return neck + along * t + QPointF(0, wave);
    };
    const double stroke = std::sin(phase);

    drawFlowingHair(p, neck + QPointF(w * 0.08, -h * 0.07), neck + QPointF(-w * 0.3, h * 0.015),
                    w * 0.085, phase);
    // Back arm sweeping along her side.
    limb(p, at(0.04), at(0.16) + QPointF(0, h * 0.035),
         at(0.26) + QPointF(0, h * 0.03 + stroke * h * 0.01), w * 0.045);
    std::vector<QPointF> torso;
    for (int i = 0; i <= 10; ++i) torso.push_back(at(0.0 + 0.36 * i / 10.0));
    fillWithRim(p, taperedPath(torso, w * 0.1, w * 0.115),
                linear(neck, at(0.36), {{0.0, skin}, {1.0, skin.darker(108)}}), skinRim, 0.8);
    // The tail starts over her hips, its first row of scales a frilled edge.
    std::vector<QPointF> tailSpine;
    for (int i = 0; i <= 24; ++i) tailSpine.push_back(at(0.31 + 0.69 * i / 24.0));
    drawMermaidTail(p, tailSpine, w * 0.125);
    drawShellTop(p, at(0.1) + QPointF(0, h * 0.012), w * 0.07);
    // Front arm reaching ahead and pulling back with the stroke.
    const QPointF shoulder = at(0.04);
    const QPointF hand = neck + QPointF(w * (0.19 - 0.05 * stroke), h * (0.035 + 0.02 * stroke));
    limb(p, shoulder, (shoulder + hand) / 2 + QPointF(0, h * 0.03), hand, w * 0.045);
    FaceLook face;
    face.hair_style = FaceLook::Hair::Long;
    face.hair = QColor(196, 70, 40);
    face.lookX = 0.8;
    drawFace(p, neck + QPointF(w * 0.07, -h * 0.045), w * 0.075, face);
}

void mermaid(QPainter& p, const FrameInfo& f) {
    const double phase = f.phase();
    const double w = f.size.width();
    const double h = f.size.height();

    // The boulder she rests on, bedded in a patch of sand.
    const QRectF sand(w * 0.04, h * 0.895, w * 0.92, h * 0.085);
    drawSandPatch(p, sand);
    QPainterPath rock;
    rock.moveTo(w * 0.1, h * 0.92);
    rock.cubicTo(w * 0.04, h * 0.72, w * 0.28, h * 0.6, w * 0.5, h * 0.62);
    rock.cubicTo(w * 0.72, h * 0.6, w * 0.93, h * 0.72, w * 0.88, h * 0.92);
    rock.cubicTo(w * 0.86, h * 0.985, w * 0.12, h * 0.985, w * 0.1, h * 0.92);
    rock.closeSubpath();
    fillWithRim(p, rock,
                linear(QPointF(0, h * 0.6), QPointF(0, h * 0.95),
                       {{0.0, QColor(130, 120, 110)}, {1.0, QColor(70, 64, 60)}}),
                QColor(40, 36, 34));
    p.save();
    p.setClipPath(rock);
    p.setPen(Qt::NoPen);
    // Light on its crown, a crack, lichen and moss.
    p.setBrush(radial(QPointF(w * 0.42, h * 0.64), w * 0.3,
                      {{0.0, QColor(255, 250, 235, 60)}, {1.0, QColor(255, 250, 235, 0)}}));
    p.drawRect(QRectF(0, 0, w, h));
    p.setBrush(QColor(200, 196, 170, 70));
    for (const QPointF fleck : {QPointF(0.2, 0.78), QPointF(0.27, 0.84), QPointF(0.58, 0.74),
                                QPointF(0.66, 0.82), QPointF(0.8, 0.8), QPointF(0.45, 0.86)})
        p.drawEllipse(QPointF(w * fleck.x(), h * fleck.y()), w * 0.012, h * 0.01);
    p.setPen(QPen(QColor(40, 36, 34, 170), 0.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath crack;
    crack.moveTo(w * 0.6, h * 0.66);
    crack.lineTo(w * 0.63, h * 0.74);
    crack.lineTo(w * 0.61, h * 0.8);
    crack.lineTo(w * 0.64, h * 0.88);
    p.drawPath(crack);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 140, 70));
    p.drawEllipse(QPointF(w * 0.3, h * 0.66), w * 0.1, h * 0.05);
    p.drawEllipse(QPointF(w * 0.7, h * 0.68), w * 0.08, h * 0.04);
    p.restore();
    drawSandDrift(p, sand, rock, w * 0.14, w * 0.84, h * 0.905);

    // Tail lying along the rock, its end swaying over the edge.
    const QPointF hip(w * 0.39, h * 0.6);
    const auto at = [&](double t) {
        const double sway = h * 0.09 * std::pow(t, 2.0) * std::sin(phase);
        return QPointF(hip.x() + w * 0.4 * t, hip.y() + h * 0.02 * t - h * 0.28 * t * t + sway);
    };
    drawMermaidTail(p, sampleSpine(at, 20), w * 0.11);

    const QPointF neck(w * 0.33, h * 0.3);
    drawFlowingHair(p, neck + QPointF(0, -h * 0.1), neck + QPointF(-w * 0.08, h * 0.3), w * 0.075,
                    phase);
    // Arm propped on the rock behind her.
    limb(p, neck + QPointF(-w * 0.03, h * 0.04), neck + QPointF(-w * 0.1, h * 0.18),
         QPointF(w * 0.21, h * 0.6), w * 0.04);
    fillWithRim(p,
                taperedPath(sampleSpine([&](double t) { return neck + (hip - neck) * t; }, 8),
                            w * 0.09, w * 0.1),
                linear(neck, hip, {{0.0, skin}, {1.0, skin.darker(108)}}), skinRim, 0.8);
    drawShellTop(p, neck + QPointF(w * 0.02, h * 0.08), w * 0.06);
    // The other hand waves lazily.
    const double wave = std::sin(phase) * h * 0.03;
    limb(p, neck + QPointF(w * 0.04, h * 0.04), neck + QPointF(w * 0.14, h * 0.02),
         neck + QPointF(w * 0.18, -h * 0.12 + wave), w * 0.035);
    FaceLook face;
    face.hair_style = FaceLook::Hair::Long;
    face.hair = QColor(196, 70, 40);
    face.mood = FaceLook::Mood::Smile;
    face.lookX = 0.3;
    drawFace(p, neck + QPointF(0, -h * 0.09), w * 0.065, face);
}

}  // namespace mediagen::art
