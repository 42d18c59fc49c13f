#include <algorithm>
#include <cmath>

#include "art.h"
#include "body_shape.h"
#include "paint_kit.h"

namespace mediagen::art {
namespace {

struct SharkLook {
    QColor back;
    QColor belly;
    double noseExp = 0.9;
    double dorsalHeight = 0.3;  // of the frame height
    bool stripes = false;
    bool hammer = false;
};

QPainterPath caudalFin(const BodyShape& body, double w, double h, double swing) {
    const double baseX = body.tailX + 3;
    const double reach = 0.8 + 0.2 * std::cos(swing);
    const double tipX = baseX - (baseX - w * 0.02) * reach;
    QPainterPath fin;
    fin.moveTo(baseX, body.topAt(0.02) + 1);
    fin.quadTo(baseX - (baseX - tipX) * 0.45, body.midY - h * 0.2, tipX, h * 0.1);
    fin.quadTo(baseX - (baseX - tipX) * 0.55, body.midY - h * 0.05, baseX - (baseX - tipX) * 0.62,
               body.midY + h * 0.04);
    fin.quadTo(baseX - (baseX - tipX) * 0.7, body.midY + h * 0.2, tipX + w * 0.07 * reach, h * 0.8);
    fin.quadTo(baseX - (baseX - tipX) * 0.3, body.midY + h * 0.18, baseX, body.bottomAt(0.02) - 1);
    fin.closeSubpath();
    return fin;
}

QPainterPath fin(QPointF baseBack, QPointF baseFront, QPointF tip, double sweep) {
    QPainterPath path;
    path.moveTo(baseFront);
    path.quadTo((baseFront + tip) / 2 + QPointF(sweep, 0), tip);
    path.quadTo((baseBack + tip) / 2 + QPointF(sweep * 0.4, 0), baseBack);
    path.closeSubpath();
    return path;
}

// The hammerhead's head seen a little from above and in front: a flat wing
// across the snout whose far lobe (up and back, smaller) sits behind the
// head and whose near lobe (down and forward, larger) lies over it. Points
// are relative to `at`, in frame pixels scaled by `s`.
void drawHammer(QPainter& q, QPointF at, double s, const SharkLook& look, bool nearSide) {
    const auto pt = [&](double x, double y) { return at + QPointF(x * s, y * s); };
    const QColor top = look.back.lighter(114);
    const QColor edge = look.back.darker(145);
    const QColor rim = look.back.darker(220);
    const QColor iris(150, 110, 30);
    q.save();
    if (!nearSide) {
        QPainterPath far;
        far.moveTo(pt(-12, -2));
        far.cubicTo(pt(-12, -8), pt(-13, -14), pt(-13.5, -17));
        far.cubicTo(pt(-14, -22), pt(-9, -23.5), pt(-6, -21.5));
        far.cubicTo(pt(-2, -15), pt(3, -9), pt(7, -2));
        far.closeSubpath();
        fillWithRim(q, far,
                    linear(pt(-14, 0), pt(6, 0), {{0.0, look.back.darker(125)}, {1.0, top}}), rim);
        // The thickness of the plate shows as a dark band along the front edge.
        q.setPen(QPen(edge, 1.5 * s, Qt::SolidLine, Qt::RoundCap));
        QPainterPath front;
        front.moveTo(pt(-6.5, -20.5));
        front.cubicTo(pt(-2.5, -15), pt(2.5, -9), pt(6, -3));
        q.drawPath(front);
        drawEye(q, pt(-10.8, -19), 1.8 * s, iris);
        q.restore();
        return;
    }
    // The near lobe grows out of the head without a seam: fill it, then rim
    // only its free edges.
    QPainterPath outer;
    outer.moveTo(pt(-13, 7));
    outer.cubicTo(pt(-4, 11), pt(1, 16), pt(3.5, 21));
    outer.cubicTo(pt(5, 26.5), pt(13, 27.5), pt(14.5, 23.5));
    outer.cubicTo(pt(15.5, 20), pt(13, 15), pt(11, 8));
    outer.cubicTo(pt(9.5, 3), pt(8, -1), pt(6.5, -3));
    QPainterPath hammer = outer;
    hammer.cubicTo(pt(5, -5.5), pt(1, -6.5), pt(-3, -6));
    hammer.lineTo(pt(-14, -3));
    hammer.closeSubpath();
    q.setPen(Qt::NoPen);
    q.setBrush(linear(pt(-12, -4), pt(12, 22),
                      {{0.0, look.back}, {0.5, top}, {1.0, look.back.lighter(106)}}));
    q.drawPath(hammer);
    q.setClipPath(hammer);
    // Pale underside peeping out below the lobe, the dark front face of the
    // plate along its leading edge, a sheen along its top.
    QPainterPath under;
    under.moveTo(pt(-14, 7.5));
    under.cubicTo(pt(-4, 11.5), pt(3, 17.5), pt(5.5, 22.5));
    under.lineTo(pt(3, 26));
    under.lineTo(pt(-15, 11));
    under.closeSubpath();
    q.setBrush(mix(look.belly, look.back, 0.35));
    q.drawPath(under);
    q.setPen(QPen(edge, 2.2 * s, Qt::SolidLine, Qt::RoundCap));
    QPainterPath front;
    front.moveTo(pt(6.8, -2.5));
    front.cubicTo(pt(8.5, 0), pt(10, 4), pt(11.5, 9));
    front.cubicTo(pt(13, 15), pt(15, 19), pt(14.8, 22.5));
    q.drawPath(front);
    q.setPen(QPen(QColor(255, 255, 255, 80), 1.3 * s, Qt::SolidLine, Qt::RoundCap));
    QPainterPath sheen;
    sheen.moveTo(pt(1, -2));
    sheen.cubicTo(pt(4, 4), pt(7, 11), pt(9, 17));
    q.drawPath(sheen);
    q.setClipping(false);
    q.setPen(QPen(rim, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    q.setBrush(Qt::NoBrush);
    q.drawPath(outer);
    // Nostril groove and the big near eye at the end of the lobe.
    q.setPen(QPen(edge.darker(130), 0.9 * s, Qt::SolidLine, Qt::RoundCap));
    q.drawLine(pt(7.5, 2), pt(9, 6));
    q.restore();
    drawEye(q, pt(10.6, 21.8), 2.8 * s, iris);
}

void drawShark(QPainter& p, const FrameInfo& f, const SharkLook& look) {
    const double w = f.size.width();
    const double h = f.size.height();
    BodyShape body;
    body.tailX = w * 0.2;
    body.noseX = look.hammer ? w * 0.9 : w * 0.985;
    body.midY = look.hammer ? h * 0.52 : h * 0.5;
    body.halfHeight = h * 0.19;
    body.peakAt = 0.52;
    body.tailHalf = 0.2;
    body.noseExp = look.noseExp;
    body.belly = 0.85;
    const double swing = f.phase();
    const QColor rim = look.back.darker(220);
    const QColor finColour = look.back.darker(115);

    const QPointF hammerAt(body.xAt(0.97), body.midY - h * 0.01);
    const double hammerScale = h / 71.0;

    const auto draw = [&](QPainter& q) {
        if (look.hammer) drawHammer(q, hammerAt, hammerScale, look, false);
        // Far-side pectoral fin, in shadow.
        fillWithRim(q,
                    fin(QPointF(body.xAt(0.62), body.midY + h * 0.08),
                        QPointF(body.xAt(0.7), body.midY + h * 0.06),
                        QPointF(body.xAt(0.58), h * 0.84), -w * 0.02),
                    finColour.darker(140), rim);
        fillWithRim(
            q, caudalFin(body, w, h, swing),
            linear(QPointF(0, 0), QPointF(0, h), {{0.0, finColour}, {1.0, finColour.lighter(130)}}),
            rim);
        // Dorsal, second dorsal and anal fins.
        fillWithRim(q,
                    fin(QPointF(body.xAt(0.42), body.topAt(0.42) + 2),
                        QPointF(body.xAt(0.6), body.topAt(0.6) + 2),
                        QPointF(body.xAt(0.42), body.topAt(0.5) - h * look.dorsalHeight), w * 0.03),
                    finColour, rim);
        fillWithRim(q,
                    fin(QPointF(body.xAt(0.1), body.topAt(0.1) + 1),
                        QPointF(body.xAt(0.17), body.topAt(0.17) + 1),
                        QPointF(body.xAt(0.09), body.topAt(0.12) - h * 0.07), 0),
                    finColour, rim);
        fillWithRim(q,
                    fin(QPointF(body.xAt(0.12), body.bottomAt(0.12) - 1),
                        QPointF(body.xAt(0.2), body.bottomAt(0.2) - 1),
                        QPointF(body.xAt(0.1), body.bottomAt(0.14) + h * 0.07), 0),
                    finColour, rim);

        // Countershaded body: pale belly, darker back with a soft edge.
        const QPainterPath outline = body.outline();
        fillWithRim(q, outline, look.belly, rim);
        q.save();
        q.setClipPath(outline);
        q.setPen(Qt::NoPen);
        q.setBrush(linear(QPointF(0, body.midY - body.halfHeight), QPointF(0, body.midY + h * 0.08),
                          {{0.0, look.back.darker(125)},
                           {0.55, look.back},
                           {0.85, look.back.lighter(115)},
                           {1.0, mix(look.back, look.belly, 0.5)}}));
        QPainterPath back;
        back.moveTo(0, 0);
        back.lineTo(w, 0);
        back.lineTo(w, body.midY + h * 0.02);
        back.cubicTo(w * 0.7, body.midY + h * 0.1, w * 0.45, body.midY - h * 0.02, 0,
                     body.midY + h * 0.04);
        back.closeSubpath();
        q.drawPath(back);
        if (look.stripes) {
            q.setBrush(look.back.darker(170));
            for (int i = 0; i < 9; ++i) {
                const double u = 0.12 + i * 0.075;
                const double x = body.xAt(u);
                QPainterPath bar;
                bar.moveTo(x, body.topAt(u) - 2);
                bar.quadTo(x + w * 0.012, body.midY - h * 0.05, x - w * 0.006,
                           body.midY + h * 0.02);
                bar.lineTo(x - w * 0.018, body.midY + h * 0.01);
                bar.quadTo(x - w * 0.004, body.midY - h * 0.06, x - w * 0.014, body.topAt(u) - 2);
                bar.closeSubpath();
                q.drawPath(bar);
            }
        }
        // A sheen along the back.
        q.setBrush(linear(QPointF(0, body.topAt(0.6)), QPointF(0, body.midY),
                          {{0.0, QColor(255, 255, 255, 60)}, {1.0, QColor(255, 255, 255, 0)}}));
        q.drawEllipse(QRectF(body.xAt(0.25), body.topAt(0.6) + 1, body.xAt(0.9) - body.xAt(0.25),
                             body.halfHeight * 0.8));
        // Gill slits.
        q.setPen(QPen(look.back.darker(200), std::max(0.8, h * 0.012)));
        q.setBrush(Qt::NoBrush);
        for (int i = 0; i < 5; ++i) {
            const double x = body.xAt(0.74 + i * 0.025);
            q.drawArc(QRectF(x - w * 0.02, body.midY - h * 0.07, w * 0.03, h * 0.16), -60 * 16,
                      120 * 16);
        }
        // Mouth.
        q.setPen(QPen(look.back.darker(260), std::max(1.0, h * 0.02), Qt::SolidLine, Qt::RoundCap));
        QPainterPath mouth;
        mouth.moveTo(body.xAt(0.95), body.bottomAt(0.95) - 1.5);
        mouth.quadTo(body.xAt(0.88), body.bottomAt(0.88) - 0.5, body.xAt(0.83),
                     body.bottomAt(0.83) - h * 0.05);
        q.drawPath(mouth);
        q.restore();

        // Near-side pectoral fin.
        fillWithRim(q,
                    fin(QPointF(body.xAt(0.66), body.midY + h * 0.1),
                        QPointF(body.xAt(0.76), body.midY + h * 0.08),
                        QPointF(body.xAt(0.6), h * 0.94), -w * 0.025),
                    linear(QPointF(0, body.midY), QPointF(0, h),
                           {{0.0, finColour}, {1.0, finColour.darker(120)}}),
                    rim);

        if (look.hammer) {
            drawHammer(q, hammerAt, hammerScale, look, true);
        } else {
            const QPointF eye(body.xAt(0.885), body.midY - h * 0.055);
            q.setPen(Qt::NoPen);
            q.setBrush(QColor(15, 15, 20));
            q.drawEllipse(eye, h * 0.04, h * 0.034);
            q.setBrush(QColor(255, 255, 255, 220));
            q.drawEllipse(eye + QPointF(h * 0.012, -h * 0.012), h * 0.013, h * 0.013);
        }
    };
    drawBent(p, f.size, draw, [&](double x) {
        const double t = std::max(0.0, (w * 0.55 - x) / (w * 0.55));
        return h * 0.08 * t * t * std::sin(swing);
    });
}

}  // namespace

void shark(QPainter& p, const FrameInfo& f) {
    drawShark(p, f, SharkLook{QColor(92, 110, 128), QColor(236, 236, 228), 1.1, 0.3});
}

void tigerShark(QPainter& p, const FrameInfo& f) {
    drawShark(p, f, SharkLook{QColor(120, 118, 96), QColor(232, 228, 210), 0.7, 0.28, true});
}

void hammerhead(QPainter& p, const FrameInfo& f) {
    drawShark(p, f,
              SharkLook{QColor(104, 120, 132), QColor(232, 234, 230), 0.6, 0.28, false, true});
}

}  // namespace mediagen::art
