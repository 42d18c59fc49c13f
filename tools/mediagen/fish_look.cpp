#include "fish_look.h"

#include <algorithm>
#include <cmath>

#include "body_shape.h"
#include "paint_kit.h"

namespace mediagen {
namespace {

QPainterPath tailFin(const FishLook& look, const BodyShape& body, double w, double swing) {
    const double baseX = body.tailX + 1.5;
    const double reach = 0.75 + 0.25 * std::cos(swing);
    const double tipX = baseX - (baseX - w * look.tailTipX) * reach;
    const double spread = body.halfHeight * (look.tail == FishLook::Tail::Fan ? 1.05 : 1.25);
    const double top = body.midY - spread;
    const double bottom = body.midY + spread;
    QPainterPath fin;
    fin.moveTo(baseX, body.midY - body.halfHeight * look.tailHalf);
    switch (look.tail) {
        case FishLook::Tail::Fork:
            fin.quadTo(baseX - (baseX - tipX) * 0.5, top + spread * 0.2, tipX, top);
            fin.quadTo(tipX + (baseX - tipX) * 0.35, body.midY - spread * 0.2,
                       tipX + (baseX - tipX) * 0.45, body.midY);
            fin.quadTo(tipX + (baseX - tipX) * 0.35, body.midY + spread * 0.2, tipX, bottom);
            fin.quadTo(baseX - (baseX - tipX) * 0.5, bottom - spread * 0.2, baseX,
                       body.midY + body.halfHeight * look.tailHalf);
            break;
        case FishLook::Tail::Fan:
            fin.quadTo(baseX - (baseX - tipX) * 0.6, top, tipX, top + spread * 0.2);
            fin.quadTo(tipX - (baseX - tipX) * 0.15, body.midY, tipX, bottom - spread * 0.2);
            fin.quadTo(baseX - (baseX - tipX) * 0.6, bottom, baseX,
                       body.midY + body.halfHeight * look.tailHalf);
            break;
        case FishLook::Tail::Lunate:
            fin.quadTo(baseX - (baseX - tipX) * 0.4, top + spread * 0.3, tipX, top - spread * 0.1);
            fin.quadTo(tipX + (baseX - tipX) * 0.55, body.midY, tipX, bottom + spread * 0.1);
            fin.quadTo(baseX - (baseX - tipX) * 0.4, bottom - spread * 0.3, baseX,
                       body.midY + body.halfHeight * look.tailHalf);
            break;
    }
    fin.closeSubpath();
    return fin;
}

// A fin along the back or belly from u0 to u1, raised by `height` (negative
// upwards), its tip trailing behind the rear end.
QPainterPath edgeFin(const BodyShape& body, double u0, double u1, double height, bool onTop) {
    const auto edge = [&](double u) {
        return QPointF(body.xAt(u), onTop ? body.topAt(u) + 1 : body.bottomAt(u) - 1);
    };
    const double sign = onTop ? -1.0 : 1.0;
    const QPointF back = edge(u0);
    const QPointF front = edge(u1);
    const QPointF tip(body.xAt(u0 - 0.12),
                      (onTop ? body.topAt(u0) : body.bottomAt(u0)) + sign * height);
    QPainterPath fin;
    fin.moveTo(front);
    fin.cubicTo(front + QPointF(0, sign * height * 0.9),
                QPointF(body.xAt((u0 + u1) / 2), back.y() + sign * height * 1.05), tip);
    fin.quadTo(back + QPointF(-1, sign * height * 0.2), back);
    fin.closeSubpath();
    return fin;
}

}  // namespace

void drawFish(QPainter& p, const FrameInfo& f, const FishLook& look) {
    const double w = f.size.width();
    const double h = f.size.height();
    BodyShape body;
    body.tailX = w * look.tailX;
    body.noseX = w * 0.97;
    body.midY = h * 0.5;
    body.halfHeight = h * look.bodyHalf;
    body.peakAt = look.peakAt;
    body.tailHalf = look.tailHalf;
    body.noseExp = look.noseExp;
    const double swing = f.phase();
    const QColor rim = look.top.darker(230);
    const double rimWidth = std::clamp(h / 40.0, 0.6, 1.1);

    const auto draw = [&](QPainter& q) {
        const QBrush finBrush = linear(QPointF(0, 0), QPointF(0, h),
                                       {{0.0, look.fin.lighter(115)}, {1.0, look.fin.darker(115)}});
        fillWithRim(q, tailFin(look, body, w, swing), finBrush, rim, rimWidth);
        fillWithRim(q, edgeFin(body, 0.15, 0.72, h * look.dorsalHeight, true), finBrush, rim,
                    rimWidth);
        fillWithRim(q, edgeFin(body, 0.15, 0.45, h * look.analHeight, false), finBrush, rim,
                    rimWidth);
        if (look.spinyDorsal) {
            q.save();
            q.setPen(QPen(look.fin.darker(150), rimWidth * 0.8));
            for (int i = 0; i < 6; ++i) {
                const double u = 0.35 + i * 0.06;
                q.drawLine(
                    QPointF(body.xAt(u), body.topAt(u)),
                    QPointF(body.xAt(u - 0.03), body.topAt(u) - h * look.dorsalHeight * 0.9));
            }
            q.restore();
        }

        if (look.finlets) {
            // Little yellow finlets between the second dorsal and the tail.
            for (int i = 0; i < 5; ++i) {
                const double u = 0.03 + i * 0.045;
                for (const bool top : {true, false}) {
                    const double edge = top ? body.topAt(u) : body.bottomAt(u);
                    const double out = top ? -h * 0.07 : h * 0.07;
                    QPainterPath finlet;
                    finlet.moveTo(body.xAt(u + 0.03), edge - out * 0.2);
                    finlet.lineTo(body.xAt(u - 0.01), edge + out);
                    finlet.lineTo(body.xAt(u), edge - out * 0.2);
                    fillWithRim(q, finlet, QColor(250, 210, 40), rim, rimWidth * 0.6);
                }
            }
        }
        const QPainterPath outline = body.outline();
        fillWithRim(
            q, outline,
            linear(QPointF(0, body.midY - body.halfHeight), QPointF(0, body.midY + body.halfHeight),
                   {{0.0, look.top}, {0.45, mix(look.top, look.bottom, 0.55)}, {1.0, look.bottom}}),
            rim, rimWidth);
        q.save();
        q.setClipPath(outline);
        q.setPen(Qt::NoPen);
        q.setBrush(look.patternColour);
        for (int i = 0; i < look.patternCount; ++i) {
            switch (look.pattern) {
                case FishLook::Pattern::Bars: {
                    const double u = 0.2 + 0.62 * (i + 0.5) / look.patternCount;
                    q.drawRect(QRectF(body.xAt(u) - w * 0.035, 0, w * 0.07, h));
                    break;
                }
                case FishLook::Pattern::Stripes: {
                    const double y = body.midY - body.halfHeight +
                                     2.0 * body.halfHeight * (i + 0.6) / (look.patternCount + 0.2);
                    QPainterPath stripe;
                    stripe.moveTo(body.xAt(0.05), y + h * 0.04);
                    stripe.quadTo(body.xAt(0.5), y - h * 0.05, body.xAt(0.95), y + h * 0.02);
                    q.strokePath(stripe, QPen(look.patternColour, std::max(1.0, h * 0.05)));
                    break;
                }
                case FishLook::Pattern::Spots: {
                    const double u = 0.2 + 0.6 * ((i * 37) % 11) / 10.0;
                    const double v = ((i * 53) % 7) / 6.0 - 0.5;
                    q.drawEllipse(QPointF(body.xAt(u), body.midY + v * body.halfHeight * 1.3),
                                  h * 0.035, h * 0.035);
                    break;
                }
                case FishLook::Pattern::None:
                    break;
            }
        }
        // Shine along the upper flank, shade under the belly.
        q.setBrush(linear(QPointF(0, body.midY - body.halfHeight), QPointF(0, body.midY),
                          {{0.0, QColor(255, 255, 255, 0)},
                           {0.5, QColor(255, 255, 255, 70)},
                           {1.0, QColor(255, 255, 255, 0)}}));
        q.drawEllipse(QRectF(body.xAt(0.25), body.midY - body.halfHeight * 0.8,
                             body.xAt(0.85) - body.xAt(0.25), body.halfHeight * 0.7));
        q.setPen(QPen(look.top.darker(160), rimWidth));
        q.setBrush(Qt::NoBrush);
        const double gillX = body.xAt(0.74);
        q.drawArc(QRectF(gillX - body.halfHeight * 0.5, body.midY - body.halfHeight * 0.65,
                         body.halfHeight, body.halfHeight * 1.3),
                  -70 * 16, 140 * 16);
        q.restore();

        // Pectoral fin that paddles with the swim.
        const QPointF root(body.xAt(0.7), body.midY + body.halfHeight * 0.2);
        const double flap = std::sin(swing + 1.0);
        QPainterPath pectoral;
        pectoral.moveTo(root);
        pectoral.quadTo(root + QPointF(-w * 0.1, -h * 0.02 + flap * h * 0.04),
                        root + QPointF(-w * 0.13, h * 0.06 + flap * h * 0.05));
        pectoral.quadTo(root + QPointF(-w * 0.06, h * 0.12), root + QPointF(0, h * 0.04));
        pectoral.closeSubpath();
        fillWithRim(q, pectoral, look.fin.lighter(120), rim, rimWidth * 0.8);

        drawEye(q, QPointF(body.xAt(0.86), body.midY - body.halfHeight * 0.22),
                std::max(1.6, h * look.eyeRadius), look.iris);
        q.setPen(QPen(look.top.darker(250), rimWidth, Qt::SolidLine, Qt::RoundCap));
        q.drawLine(QPointF(w * 0.97, body.midY + body.halfHeight * 0.12),
                   QPointF(w * 0.93, body.midY + body.halfHeight * 0.2));
    };
    drawBent(p, f.size, draw, [&](double x) {
        const double t = std::max(0.0, (w * 0.6 - x) / (w * 0.6));
        return h * 0.07 * t * t * std::sin(swing);
    });
}

}  // namespace mediagen
