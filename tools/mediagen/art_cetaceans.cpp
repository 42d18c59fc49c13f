#include <algorithm>
#include <cmath>

#include "art.h"
#include "body_shape.h"
#include "paint_kit.h"

namespace mediagen::art {
namespace {

struct Colours {
    QColor back;
    QColor belly;
    QColor rim() const { return back.darker(200); }
};

enum class Tail { Flukes, Paddle };

// Mammals beat their tails up and down: the hind body bends in a vertical
// wave while `extras` adds each animal's fins, face and markings.
void drawMammal(QPainter& p, const FrameInfo& f, const BodyShape& body, const Colours& c, Tail tail,
                double beat, const std::function<void(QPainter&)>& behind,
                const std::function<void(QPainter&)>& extras) {
    const double w = f.size.width();
    const double h = f.size.height();
    const double swing = f.phase();
    const auto draw = [&](QPainter& q) {
        behind(q);
        const double baseX = body.tailX + 4;
        if (tail == Tail::Flukes) {
            QPainterPath flukes;
            flukes.moveTo(baseX, body.topAt(0.03));
            flukes.cubicTo(baseX - w * 0.08, body.midY - h * 0.02, w * 0.05, body.midY - h * 0.16,
                           w * 0.01, body.midY - h * 0.13);
            flukes.quadTo(w * 0.06, body.midY, w * 0.01, body.midY + h * 0.13);
            flukes.cubicTo(w * 0.05, body.midY + h * 0.16, baseX - w * 0.08, body.midY + h * 0.02,
                           baseX, body.bottomAt(0.03));
            flukes.closeSubpath();
            fillWithRim(q, flukes,
                        linear(QPointF(0, body.midY - h * 0.15), QPointF(0, body.midY + h * 0.15),
                               {{0.0, c.back}, {1.0, c.back.darker(130)}}),
                        c.rim());
        } else {
            QPainterPath paddle;
            paddle.addEllipse(
                QRectF(w * 0.01, body.midY - h * 0.2, (baseX - w * 0.01) + w * 0.04, h * 0.36));
            fillWithRim(q, paddle,
                        radial(QPointF(w * 0.09, body.midY - h * 0.05), w * 0.14,
                               {{0.0, c.back.lighter(115)}, {1.0, c.back.darker(120)}}),
                        c.rim());
        }
        const QPainterPath outline = body.outline();
        fillWithRim(q, outline, c.belly, c.rim());
        q.save();
        q.setClipPath(outline);
        q.setPen(Qt::NoPen);
        q.setBrush(linear(QPointF(0, body.midY - body.halfHeight),
                          QPointF(0, body.midY + body.halfHeight * 0.4),
                          {{0.0, c.back.darker(120)}, {0.7, c.back}, {1.0, c.back.lighter(112)}}));
        QPainterPath back;
        back.moveTo(0, 0);
        back.lineTo(w, 0);
        back.lineTo(w, body.midY + h * 0.04);
        back.cubicTo(w * 0.75, body.midY + h * 0.14, w * 0.45, body.midY + h * 0.02, 0,
                     body.midY + h * 0.02);
        back.closeSubpath();
        q.drawPath(back);
        q.setBrush(linear(QPointF(0, body.topAt(0.6)), QPointF(0, body.midY),
                          {{0.0, QColor(255, 255, 255, 70)}, {1.0, QColor(255, 255, 255, 0)}}));
        q.drawEllipse(QRectF(body.xAt(0.3), body.topAt(0.6) + 1, body.xAt(0.85) - body.xAt(0.3),
                             body.halfHeight * 0.7));
        q.restore();
        extras(q);
    };
    drawBent(p, f.size, draw, [&](double x) {
        const double t = std::max(0.0, (w * 0.6 - x) / (w * 0.6));
        return h * beat * t * t * std::sin(swing) - h * beat * 0.1 * std::sin(swing);
    });
}

QPainterPath flipper(QPointF root, QPointF tip, double width) {
    const QPointF d = tip - root;
    const QPointF n(-d.y() / std::hypot(d.x(), d.y()), d.x() / std::hypot(d.x(), d.y()));
    QPainterPath path;
    path.moveTo(root + n * width);
    path.quadTo(root + d * 0.6 + n * width * 1.1, tip);
    path.quadTo(root + d * 0.5 - n * width * 0.6, root - n * width * 0.5);
    path.closeSubpath();
    return path;
}

QPainterPath sweptFin(QPointF back, QPointF front, QPointF tip) {
    QPainterPath path;
    path.moveTo(front);
    path.cubicTo(front + (tip - front) * 0.3 + QPointF(-2, -4), tip + QPointF(4, 2), tip);
    path.quadTo((back + tip) / 2 + QPointF(4, 0), back);
    path.closeSubpath();
    return path;
}

void smallEye(QPainter& q, QPointF at, double r) {
    q.save();
    q.setPen(Qt::NoPen);
    q.setBrush(QColor(20, 20, 26));
    q.drawEllipse(at, r, r * 0.85);
    q.setBrush(QColor(255, 255, 255, 230));
    q.drawEllipse(at + QPointF(r * 0.3, -r * 0.3), r * 0.35, r * 0.35);
    q.restore();
}

}  // namespace

void dolphin(QPainter& p, const FrameInfo& f) {
    const double w = f.size.width();
    const double h = f.size.height();
    BodyShape body{w * 0.17, w * 0.9, h * 0.52, h * 0.19, 0.5, 0.14, 0.42, 0.9};
    const Colours c{QColor(92, 114, 140), QColor(226, 232, 238)};
    drawMammal(
        p, f, body, c, Tail::Flukes, 0.16,
        [&](QPainter& q) {
            fillWithRim(q,
                        flipper(QPointF(body.xAt(0.7), body.midY + h * 0.08),
                                QPointF(body.xAt(0.58), h * 0.9), h * 0.05),
                        c.back.darker(150), c.rim());
            // The beak goes in behind the head so the melon overlaps its root.
            QPainterPath beak;
            beak.addEllipse(QRectF(w * 0.8, body.midY - h * 0.0, w * 0.19, h * 0.085));
            fillWithRim(q, beak,
                        linear(QPointF(0, body.midY), QPointF(0, body.midY + h * 0.085),
                               {{0.0, c.back}, {1.0, c.belly}}),
                        c.rim());
        },
        [&](QPainter& q) {
            fillWithRim(q,
                        sweptFin(QPointF(body.xAt(0.4), body.topAt(0.4) + 3),
                                 QPointF(body.xAt(0.58), body.topAt(0.58) + 3),
                                 QPointF(body.xAt(0.38), body.topAt(0.45) - h * 0.24)),
                        c.back.darker(110), c.rim());
            q.save();
            q.setPen(QPen(c.back.darker(230), 1.2, Qt::SolidLine, Qt::RoundCap));
            q.setBrush(Qt::NoBrush);
            QPainterPath smile;
            smile.moveTo(w * 0.985, body.midY + h * 0.05);
            smile.quadTo(w * 0.9, body.midY + h * 0.07, w * 0.845, body.midY + h * 0.02);
            q.drawPath(smile);
            q.restore();
            smallEye(q, QPointF(w * 0.83, body.midY - h * 0.02), h * 0.03);
            fillWithRim(q,
                        flipper(QPointF(body.xAt(0.74), body.midY + h * 0.1),
                                QPointF(body.xAt(0.62), h * 0.92), h * 0.055),
                        linear(QPointF(0, body.midY), QPointF(0, h),
                               {{0.0, c.back}, {1.0, c.back.darker(130)}}),
                        c.rim());
        });
}

void orca(QPainter& p, const FrameInfo& f) {
    const double w = f.size.width();
    const double h = f.size.height();
    BodyShape body{w * 0.18, w * 0.985, h * 0.6, h * 0.2, 0.5, 0.14, 0.55, 0.95};
    const Colours c{QColor(24, 26, 34), QColor(240, 242, 244)};
    drawMammal(
        p, f, body, c, Tail::Flukes, 0.13,
        [&](QPainter& q) {
            fillWithRim(q,
                        flipper(QPointF(body.xAt(0.7), body.midY + h * 0.08),
                                QPointF(body.xAt(0.6), h * 0.93), h * 0.06),
                        c.back, QColor(0, 0, 0));
        },
        [&](QPainter& q) {
            // Tall straight dorsal fin.
            QPainterPath dorsal;
            dorsal.moveTo(body.xAt(0.42), body.topAt(0.42) + 3);
            dorsal.lineTo(body.xAt(0.45), h * 0.04);
            dorsal.quadTo(body.xAt(0.5), h * 0.2, body.xAt(0.62), body.topAt(0.62) + 3);
            dorsal.closeSubpath();
            fillWithRim(q, dorsal,
                        linear(QPointF(body.xAt(0.42), 0), QPointF(body.xAt(0.6), 0),
                               {{0.0, QColor(40, 42, 52)}, {1.0, QColor(16, 16, 22)}}),
                        QColor(0, 0, 0));
            q.save();
            q.setClipPath(body.outline());
            q.setPen(Qt::NoPen);
            // Grey saddle behind the fin, white eye patch and white flank.
            q.setBrush(QColor(150, 156, 166));
            q.drawEllipse(QRectF(body.xAt(0.3), body.topAt(0.4) - 3, w * 0.16, h * 0.1));
            q.setBrush(QColor(244, 246, 248));
            q.drawEllipse(QRectF(body.xAt(0.75), body.midY - h * 0.1, w * 0.12, h * 0.07));
            QPainterPath flank;
            flank.moveTo(body.xAt(0.2), body.bottomAt(0.2));
            flank.quadTo(body.xAt(0.3), body.midY - h * 0.02, body.xAt(0.42), body.midY + h * 0.04);
            flank.lineTo(body.xAt(0.42), body.bottomAt(0.42) + 2);
            flank.closeSubpath();
            q.drawPath(flank);
            q.restore();
            smallEye(q, QPointF(body.xAt(0.9), body.midY - h * 0.02), h * 0.022);
            fillWithRim(q,
                        flipper(QPointF(body.xAt(0.74), body.midY + h * 0.1),
                                QPointF(body.xAt(0.64), h * 0.97), h * 0.07),
                        QColor(30, 32, 40), QColor(0, 0, 0));
        });
}

void whale(QPainter& p, const FrameInfo& f) {
    const double w = f.size.width();
    const double h = f.size.height();
    BodyShape body{w * 0.18, w * 0.99, h * 0.42, h * 0.22, 0.55, 0.13, 0.45, 1.05};
    const Colours c{QColor(58, 74, 98), QColor(198, 206, 214)};
    drawMammal(
        p, f, body, c, Tail::Flukes, 0.15,
        [&](QPainter& q) {
            fillWithRim(q,
                        flipper(QPointF(body.xAt(0.72), body.midY + h * 0.1),
                                QPointF(body.xAt(0.5), h * 0.86), h * 0.05),
                        QColor(150, 160, 172), c.rim());
        },
        [&](QPainter& q) {
            QPainterPath hump;
            hump.moveTo(body.xAt(0.3), body.topAt(0.3) + 2);
            hump.quadTo(body.xAt(0.34), body.topAt(0.34) - h * 0.1, body.xAt(0.42),
                        body.topAt(0.42) + 2);
            fillWithRim(q, hump, c.back.darker(110), c.rim());
            q.save();
            q.setClipPath(body.outline());
            // Throat grooves.
            q.setPen(QPen(c.belly.darker(150), 0.9));
            for (int i = 0; i < 5; ++i) {
                const double y = body.midY + h * (0.1 + i * 0.035);
                q.drawLine(QPointF(body.xAt(0.58), y), QPointF(body.xAt(0.96), y - h * 0.03));
            }
            // Knobbly head.
            q.setPen(Qt::NoPen);
            q.setBrush(c.back.lighter(135));
            for (int i = 0; i < 6; ++i)
                q.drawEllipse(QPointF(body.xAt(0.82 + i * 0.03), body.topAt(0.82 + i * 0.03) + 2.5),
                              1.1, 1.1);
            q.setPen(QPen(c.back.darker(200), 1.2, Qt::SolidLine, Qt::RoundCap));
            q.drawLine(QPointF(body.xAt(0.99), body.midY + h * 0.04),
                       QPointF(body.xAt(0.74), body.midY + h * 0.07));
            q.restore();
            smallEye(q, QPointF(body.xAt(0.76), body.midY + h * 0.0), h * 0.028);
            // Long white flipper, the humpback's mark.
            fillWithRim(q,
                        flipper(QPointF(body.xAt(0.7), body.midY + h * 0.12),
                                QPointF(body.xAt(0.4), h * 0.95), h * 0.06),
                        linear(QPointF(0, body.midY), QPointF(0, h),
                               {{0.0, QColor(220, 226, 232)}, {1.0, QColor(170, 180, 192)}}),
                        c.rim());
        });
}

void manatee(QPainter& p, const FrameInfo& f) {
    const double w = f.size.width();
    const double h = f.size.height();
    BodyShape body{w * 0.2, w * 0.97, h * 0.5, h * 0.27, 0.45, 0.35, 0.32, 0.95};
    const Colours c{QColor(118, 112, 104), QColor(168, 160, 148)};
    drawMammal(
        p, f, body, c, Tail::Paddle, 0.12,
        [&](QPainter& q) {
            fillWithRim(q,
                        flipper(QPointF(body.xAt(0.78), body.midY + h * 0.1),
                                QPointF(body.xAt(0.7), h * 0.96), h * 0.06),
                        c.back.darker(140), c.rim());
        },
        [&](QPainter& q) {
            q.save();
            q.setClipPath(body.outline());
            q.setPen(QPen(c.back.darker(140), 0.8));
            // Wrinkles and a scar or two.
            for (int i = 0; i < 7; ++i) {
                const double x = body.xAt(0.25 + i * 0.09);
                q.drawArc(QRectF(x, body.midY - h * 0.22, w * 0.05, h * 0.4), 60 * 16, 60 * 16);
            }
            q.setPen(QPen(QColor(200, 196, 186), 1.0));
            q.drawLine(QPointF(body.xAt(0.4), body.topAt(0.4) + 4),
                       QPointF(body.xAt(0.48), body.topAt(0.48) + 6));
            q.restore();
            // Square whiskered snout.
            QPainterPath snout;
            snout.addRoundedRect(QRectF(body.xAt(0.88), body.midY - h * 0.06, w * 0.1, h * 0.22), 5,
                                 5);
            fillWithRim(q, snout,
                        linear(QPointF(0, body.midY - h * 0.05), QPointF(0, body.midY + h * 0.16),
                               {{0.0, c.back.lighter(110)}, {1.0, c.belly}}),
                        c.rim());
            q.setPen(QPen(c.back.darker(200), 0.7));
            for (int i = 0; i < 5; ++i)
                q.drawPoint(QPointF(body.xAt(0.92) + i * 2.2, body.midY + h * 0.04 + (i % 2) * 2));
            q.setPen(QPen(c.back.darker(220), 1.2, Qt::SolidLine, Qt::RoundCap));
            q.drawLine(QPointF(body.xAt(0.93), body.midY + h * 0.12),
                       QPointF(w * 0.975, body.midY + h * 0.11));
            smallEye(q, QPointF(body.xAt(0.85), body.midY - h * 0.07), h * 0.025);
            fillWithRim(q,
                        flipper(QPointF(body.xAt(0.8), body.midY + h * 0.12),
                                QPointF(body.xAt(0.74), h * 0.98), h * 0.07),
                        c.back.darker(115), c.rim());
            q.setPen(Qt::NoPen);
            q.setBrush(QColor(220, 214, 200));
            for (int i = 0; i < 3; ++i)
                q.drawEllipse(QPointF(body.xAt(0.745) + i * 2.0, h * 0.95 - i * 1.5), 0.9, 0.9);
        });
}

}  // namespace mediagen::art
