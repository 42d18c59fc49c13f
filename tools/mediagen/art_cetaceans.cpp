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
    // A sperm whale: a great square-fronted head, a narrow lower jaw, a low
    // hump and knuckles along the back, drawn to fill its frame. The tail
    // beats up and down; the head stays level.
    const double w = f.size.width();
    const double h = f.size.height();
    const double sx = w / 129.0;
    const double sy = h / 73.0;
    const auto at = [&](double x, double y) { return QPointF(x * sx, y * sy); };
    const QColor back(70, 84, 108);
    const QColor side(104, 118, 140);
    const QColor belly(176, 184, 196);
    const QColor rim = back.darker(210);
    const double swing = f.phase();

    const auto draw = [&](QPainter& q) {
        // Flukes: two broad lobes swept back from the tail stock, trailing
        // the beat of the tail by a quarter stroke.
        q.save();
        q.translate(at(28, 38.5));
        q.rotate(-10.0 * std::cos(swing));
        q.translate(-at(28, 38.5));
        QPainterPath flukes;
        flukes.moveTo(at(29, 33));
        flukes.cubicTo(at(22, 29), at(16, 22), at(9, 17));
        flukes.cubicTo(at(12, 26), at(12, 33), at(17, 38.5));
        flukes.cubicTo(at(12, 44), at(12, 51), at(9, 60));
        flukes.cubicTo(at(16, 55), at(22, 48), at(29, 44));
        flukes.closeSubpath();
        fillWithRim(
            q, flukes,
            linear(at(0, 17), at(0, 60), {{0.0, side}, {0.5, back}, {1.0, back.darker(125)}}), rim,
            1.1);
        q.restore();

        // Far flipper, in shadow behind the body.
        QPainterPath farFlipper;
        farFlipper.moveTo(at(86, 50));
        farFlipper.cubicTo(at(84, 56), at(80, 60), at(75, 61));
        farFlipper.cubicTo(at(77, 57), at(79, 53), at(80, 50));
        farFlipper.closeSubpath();
        fillWithRim(q, farFlipper, back.darker(140), rim, 0.9);

        // The lower jaw: a narrow pale rod under the head.
        QPainterPath jaw;
        jaw.moveTo(at(84, 52));
        jaw.cubicTo(at(94, 51), at(106, 51), at(113, 51.5));
        jaw.cubicTo(at(115, 52), at(115, 55), at(112, 55.5));
        jaw.cubicTo(at(104, 56.5), at(92, 57), at(84, 56));
        jaw.closeSubpath();
        fillWithRim(q, jaw,
                    linear(at(0, 51), at(0, 57), {{0.0, QColor(236, 238, 240)}, {1.0, belly}}), rim,
                    0.9);

        // Head and body in one outline.
        QPainterPath body;
        body.moveTo(at(27, 32.5));
        body.cubicTo(at(38, 27), at(48, 17), at(62, 15));
        body.cubicTo(at(80, 12.5), at(100, 9), at(114, 9));
        body.cubicTo(at(122, 9), at(126, 15), at(126, 27));
        body.cubicTo(at(126, 39), at(123, 49), at(114, 50));
        body.cubicTo(at(104, 51), at(92, 50), at(86, 51));
        body.cubicTo(at(80, 59), at(62, 63), at(50, 59));
        body.cubicTo(at(40, 55), at(32, 48), at(27, 44.5));
        body.closeSubpath();
        fillWithRim(q, body, belly, rim, 1.2);
        q.save();
        q.setClipPath(body);
        q.setPen(Qt::NoPen);
        // Dark back over a lighter flank, the belly pale below.
        QPainterPath upper;
        upper.moveTo(0, 0);
        upper.lineTo(w, 0);
        upper.lineTo(w, 44 * sy);
        upper.cubicTo(at(100, 47), at(84, 50), at(70, 52));
        upper.cubicTo(at(54, 53), at(38, 46), at(0, 40));
        upper.closeSubpath();
        q.setBrush(
            linear(at(0, 9), at(0, 50), {{0.0, back.darker(115)}, {0.55, back}, {1.0, side}}));
        q.drawPath(upper);
        // The rounded block of the head catches the light along its top.
        q.setBrush(linear(at(0, 10), at(0, 26),
                          {{0.0, QColor(255, 255, 255, 90)}, {1.0, QColor(255, 255, 255, 0)}}));
        QPainterPath shine;
        shine.moveTo(at(70, 16));
        shine.cubicTo(at(86, 12), at(104, 10.5), at(116, 12));
        shine.cubicTo(at(122, 13), at(123, 19), at(121, 24));
        shine.cubicTo(at(110, 19), at(90, 18), at(70, 16));
        q.drawPath(shine);
        // Long wrinkles down the flank and knuckles along the tail.
        q.setPen(QPen(back.darker(135), 0.9, Qt::SolidLine, Qt::RoundCap));
        q.setBrush(Qt::NoBrush);
        for (int i = 0; i < 4; ++i) {
            const double y = 27 + i * 4.5;
            const double x = 44 + (i % 2) * 6;
            QPainterPath wrinkle;
            wrinkle.moveTo(at(x, y));
            wrinkle.cubicTo(at(x + 6, y - 1.5), at(x + 10, y + 1.5), at(x + 17, y));
            q.drawPath(wrinkle);
        }
        q.setPen(Qt::NoPen);
        q.setBrush(back.lighter(125));
        for (int i = 0; i < 4; ++i) {
            const double x = 50 - i * 6.5;
            q.drawEllipse(at(x, 19.5 + i * 3.3), 2.2 * sx, 1.2 * sy);
        }
        // The white lip above the jaw.
        q.setPen(QPen(QColor(240, 242, 244), 1.2, Qt::SolidLine, Qt::RoundCap));
        q.drawLine(at(88, 50.5), at(112, 49.8));
        q.restore();

        // The low hump on the back.
        QPainterPath hump;
        hump.moveTo(at(54, 17.5));
        hump.cubicTo(at(57, 12), at(62, 11.5), at(68, 15));
        hump.closeSubpath();
        fillWithRim(q, hump, back.darker(115), rim, 1.0);

        // Mouth line, blowhole and a small friendly eye near the corner of
        // the mouth.
        q.setPen(QPen(rim, 1.1, Qt::SolidLine, Qt::RoundCap));
        q.setBrush(Qt::NoBrush);
        QPainterPath mouth;
        mouth.moveTo(at(86, 51.5));
        mouth.cubicTo(at(96, 50.8), at(106, 50.8), at(114, 51.2));
        q.drawPath(mouth);
        QPainterPath smile;
        smile.moveTo(at(84, 49.5));
        smile.quadTo(at(86, 52.5), at(89, 51.6));
        q.drawPath(smile);
        q.setPen(QPen(back.darker(200), 1.2, Qt::SolidLine, Qt::RoundCap));
        q.drawLine(at(119, 10.5), at(122.5, 12));
        smallEye(q, at(92, 44), 2.6 * sy);
        q.setPen(QPen(rim, 0.8, Qt::SolidLine, Qt::RoundCap));
        q.drawArc(QRectF(at(89, 40.3), at(95, 44.5)), 20 * 16, 140 * 16);

        // Near flipper: a short rounded paddle behind the jaw.
        QPainterPath flipperNear;
        flipperNear.moveTo(at(90, 51));
        flipperNear.cubicTo(at(90, 57), at(86, 63), at(79, 65));
        flipperNear.cubicTo(at(76, 65.5), at(76, 62), at(80, 58));
        flipperNear.cubicTo(at(82, 55), at(83, 52), at(83, 50));
        flipperNear.closeSubpath();
        fillWithRim(q, flipperNear,
                    linear(at(0, 50), at(0, 65), {{0.0, side}, {1.0, back.darker(115)}}), rim, 1.0);
    };
    drawBent(p, f.size, draw, [&](double x) {
        // The tail beats from the middle of the body back; the head holds still.
        const double t = std::max(0.0, (62 * sx - x) / (62 * sx));
        return 8.0 * sy * t * t * std::sin(swing);
    });
}

void manatee(QPainter& p, const FrameInfo& f) {
    // A plump manatee: round paddle tail, wrinkled neck, a big soft whiskery
    // muzzle and broad flippers that scull as it swims.
    const double w = f.size.width();
    const double h = f.size.height();
    const double sx = w / 148.0;
    const double sy = h / 70.0;
    const auto at = [&](double x, double y) { return QPointF(x * sx, y * sy); };
    const QColor back(122, 116, 108);
    const QColor belly(176, 168, 156);
    const QColor rim = back.darker(210);
    const double swing = f.phase();
    const double scull = std::sin(swing + 0.8);

    const auto drawFlipper = [&](QPainter& q, QPointF root, double angle, double scale,
                                 const QColor& tone) {
        // A broad paddle with three fingernails along its rounded end; its
        // root is tucked into the body, so only the free edge is rimmed.
        QPainterPath free;
        free.moveTo(-2.5, -3.5);
        free.cubicTo(4, -5.5, 12, -6.5, 16, -3.5);
        free.cubicTo(19, -1, 19, 3.5, 15.5, 5);
        free.cubicTo(11, 6.5, 4, 5, -2.5, 3.5);
        QPainterPath paddle = free;
        paddle.cubicTo(-5, 2, -5, -2, -2.5, -3.5);
        q.save();
        q.translate(root);
        q.scale(sx * scale, sy * scale);
        q.rotate(angle);
        q.setPen(Qt::NoPen);
        q.setBrush(linear(QPointF(0, -6), QPointF(0, 6),
                          {{0.0, tone.lighter(112)}, {1.0, tone.darker(115)}}));
        q.drawPath(paddle);
        q.setPen(QPen(rim, 1.0 / (scale * sx), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        q.setBrush(Qt::NoBrush);
        q.drawPath(free);
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(236, 228, 210));
        for (int i = 0; i < 3; ++i)
            q.drawEllipse(QPointF(15.6 - i * 0.6, -2.6 + i * 2.6), 1.1, 0.9);
        q.restore();
    };

    const auto draw = [&](QPainter& q) {
        // Far flipper, in shadow behind the body.
        drawFlipper(q, at(104, 48), 48 + 16 * scull, 0.95, back.darker(135));

        // Round paddle tail, tilting as the tail beats.
        q.save();
        q.translate(at(34, 36));
        q.rotate(-12.0 * std::cos(swing));
        q.translate(-at(34, 36));
        QPainterPath paddle;
        paddle.moveTo(at(40, 31));
        paddle.cubicTo(at(28, 22), at(8, 19), at(5, 30));
        paddle.cubicTo(at(3, 38), at(6, 52), at(20, 51));
        paddle.cubicTo(at(30, 50), at(36, 45), at(40, 41));
        paddle.closeSubpath();
        fillWithRim(
            q, paddle,
            radial(at(18, 30), 22 * sx, {{0.0, back.lighter(118)}, {1.0, back.darker(118)}}), rim,
            1.1);
        q.setPen(QPen(back.darker(130), 0.8));
        q.setBrush(Qt::NoBrush);
        q.drawArc(QRectF(at(9, 27), at(30, 45)), 120 * 16, 120 * 16);
        q.restore();

        // Body, head and muzzle in one soft outline; its rear end slips into
        // the tail without a seam.
        QPainterPath edge;
        edge.moveTo(at(33, 42));
        edge.cubicTo(at(44, 49), at(60, 56), at(80, 57));
        edge.cubicTo(at(100, 58), at(116, 53), at(126, 47));
        edge.cubicTo(at(130, 48.5), at(137, 48.5), at(140, 45));
        edge.cubicTo(at(144, 40), at(143, 31), at(138, 28));
        edge.cubicTo(at(135, 26), at(133, 25), at(131, 24));
        edge.cubicTo(at(124, 18), at(114, 14), at(102, 13));
        edge.cubicTo(at(80, 11), at(50, 17), at(33, 30));
        QPainterPath body = edge;
        body.closeSubpath();
        q.setPen(Qt::NoPen);
        q.setBrush(belly);
        q.drawPath(body);
        q.save();
        q.setClipPath(body);
        q.setPen(Qt::NoPen);
        QPainterPath upper;
        upper.moveTo(0, 0);
        upper.lineTo(w, 0);
        upper.lineTo(w, 36 * sy);
        upper.cubicTo(at(120, 44), at(90, 47), at(60, 45));
        upper.cubicTo(at(48, 44), at(40, 40), at(0, 38));
        upper.closeSubpath();
        q.setBrush(linear(at(0, 12), at(0, 46),
                          {{0.0, back.darker(112)}, {0.6, back}, {1.0, back.lighter(112)}}));
        q.drawPath(upper);
        q.setBrush(linear(at(0, 13), at(0, 26),
                          {{0.0, QColor(255, 255, 255, 70)}, {1.0, QColor(255, 255, 255, 0)}}));
        q.drawEllipse(QRectF(at(50, 14), at(120, 30)));
        // Wrinkles round the neck and a few freckles of algae.
        q.setPen(QPen(back.darker(135), 0.9, Qt::SolidLine, Qt::RoundCap));
        q.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            QPainterPath crease;
            const double x = 108 + i * 4.5;
            crease.moveTo(at(x, 21 + i * 1.5));
            crease.cubicTo(at(x - 3, 29), at(x - 3, 36), at(x + 1, 44 - i));
            q.drawPath(crease);
        }
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(110, 130, 90, 150));
        for (const QPointF spot : {QPointF(62, 19), QPointF(70, 16.5), QPointF(77, 20),
                                   QPointF(55, 23), QPointF(86, 17)})
            q.drawEllipse(at(spot.x(), spot.y()), 1.6 * sx, 1.1 * sy);
        q.restore();

        // The big soft muzzle: a paler pad with whiskers, parted from the
        // face by a crease, and the nostrils on top.
        q.save();
        q.setClipPath(body);
        QPainterPath pad;
        pad.addEllipse(QRectF(at(126, 27), at(146, 50)));
        q.setPen(Qt::NoPen);
        q.setBrush(radial(at(135, 34), 13 * sx,
                          {{0.0, belly.lighter(110)}, {0.8, mix(belly, back, 0.3)}, {1.0, back}}));
        q.drawPath(pad);
        q.setPen(QPen(back.darker(150), 0.9, Qt::SolidLine, Qt::RoundCap));
        q.setBrush(Qt::NoBrush);
        q.drawArc(QRectF(at(126, 27), at(146, 50)), 110 * 16, 110 * 16);
        q.setPen(Qt::NoPen);
        q.setBrush(back.darker(190));
        for (const QPointF dot :
             {QPointF(131, 36), QPointF(134.5, 35), QPointF(138, 36.2), QPointF(132.5, 39.5),
              QPointF(136, 39), QPointF(139.5, 40), QPointF(134, 42.6)})
            q.drawEllipse(at(dot.x(), dot.y()), 0.6 * sx, 0.6 * sy);
        q.drawEllipse(at(139, 29.8), 1.2 * sx, 0.8 * sy);
        q.restore();
        q.setPen(QPen(rim, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        q.setBrush(Qt::NoBrush);
        q.drawPath(edge);
        q.setPen(QPen(rim, 0.9, Qt::SolidLine, Qt::RoundCap));
        QPainterPath lip;
        lip.moveTo(at(129, 46));
        lip.quadTo(at(134, 47.5), at(138.5, 45.5));
        q.drawPath(lip);
        // A small, sleepy, friendly eye.
        smallEye(q, at(121, 27.5), 2.1 * sy);
        q.setPen(QPen(rim, 0.9, Qt::SolidLine, Qt::RoundCap));
        q.drawArc(QRectF(at(118, 24.5), at(124, 28.5)), 20 * 16, 140 * 16);

        // Near flipper.
        drawFlipper(q, at(108, 48), 40 + 18 * scull, 1.1, back.lighter(104));
    };
    drawBent(p, f.size, draw, [&](double x) {
        const double t = std::max(0.0, (80 * sx - x) / (80 * sx));
        return 6.0 * sy * t * t * std::sin(swing);
    });
}

}  // namespace mediagen::art
