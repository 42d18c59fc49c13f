#include <algorithm>
#include <cmath>

#include "art.h"
#include "fish_look.h"
#include "paint_kit.h"

namespace mediagen::art {

using Tail = FishLook::Tail;
using Pattern = FishLook::Pattern;

void tuna(QPainter& p, const FrameInfo& f) {
    FishLook look;
    look.tailX = 0.24;
    look.bodyHalf = 0.24;
    look.peakAt = 0.5;
    look.noseExp = 0.8;
    look.tailHalf = 0.12;
    look.top = QColor(22, 40, 92);
    look.bottom = QColor(214, 222, 230);
    look.fin = QColor(60, 70, 100);
    look.tail = Tail::Lunate;
    look.dorsalHeight = 0.16;
    look.analHeight = 0.12;
    look.eyeRadius = 0.07;
    look.finlets = true;
    drawFish(p, f, look);
}

void blueDevil(QPainter& p, const FrameInfo& f) {
    FishLook look;
    look.tailX = 0.28;
    look.bodyHalf = 0.28;
    look.noseExp = 0.55;
    look.top = QColor(18, 60, 210);
    look.bottom = QColor(70, 150, 255);
    look.fin = QColor(30, 90, 235);
    look.tail = Tail::Fork;
    look.pattern = Pattern::Spots;
    look.patternColour = QColor(150, 225, 255);
    look.patternCount = 6;
    look.dorsalHeight = 0.14;
    look.analHeight = 0.12;
    look.eyeRadius = 0.13;
    drawFish(p, f, look);
}

void emperorFish(QPainter& p, const FrameInfo& f) {
    // An emperor angelfish, drawn for its 31 x 20 frame: a deep blue disc
    // striped in yellow, a pale face with a dark mask, a dark bar behind the
    // gills and a small yellow tail. Head and fins carry the mass.
    const double swing = f.phase();
    const QColor blue(34, 70, 200);
    const QColor navy(14, 22, 80);
    const QColor yellow(255, 212, 50);
    const QColor rim(8, 14, 56);
    const double rimWidth = 0.7;

    const auto draw = [&](QPainter& q) {
        // Tail: a rounded fan, narrower than the head, that foreshortens as it beats.
        const double reach = 0.8 + 0.2 * std::cos(swing);
        const double tipX = 9.4 - 6.6 * reach;
        QPainterPath tail;
        tail.moveTo(10.0, 9.1);
        tail.cubicTo(8.0, 8.6, tipX + 2.0, 5.9, tipX + 0.9, 5.4);
        tail.cubicTo(tipX - 1.1, 7.4, tipX - 1.1, 12.6, tipX + 0.9, 14.6);
        tail.cubicTo(tipX + 2.0, 14.1, 8.0, 11.4, 10.0, 10.9);
        tail.closeSubpath();
        fillWithRim(q, tail,
                    linear(QPointF(tipX, 0), QPointF(9.8, 0),
                           {{0.0, yellow.lighter(112)}, {1.0, QColor(240, 165, 30)}}),
                    QColor(150, 90, 10), rimWidth);
        q.setPen(QPen(QColor(230, 150, 20), 0.5));
        for (const double y : {7.6, 12.4})
            q.drawLine(QPointF(9.4, 10 + (y - 10) * 0.3), QPointF(tipX + 0.8, y));

        // Dorsal and anal fins reach back past the body in rounded lobes.
        const double sway = 0.4 * std::sin(swing - 0.8);
        QPainterPath dorsal;
        dorsal.moveTo(24.6, 4.8);
        dorsal.cubicTo(22.0, 2.0, 16.0, 1.6, 12.0 + sway, 3.2);
        dorsal.quadTo(9.0 + sway, 4.6, 9.8, 8.0);
        dorsal.lineTo(14.0, 6.0);
        dorsal.closeSubpath();
        QPainterPath anal;
        anal.moveTo(22.0, 15.6);
        anal.cubicTo(18.0, 18.4, 14.0, 18.4, 11.6 + sway, 16.8);
        anal.quadTo(9.0 + sway, 15.4, 9.8, 12.0);
        anal.lineTo(14.0, 14.0);
        anal.closeSubpath();
        fillWithRim(q, dorsal,
                    linear(QPointF(0, 1.5), QPointF(0, 6),
                           {{0.0, QColor(150, 200, 255)}, {0.3, blue}, {1.0, blue.darker(120)}}),
                    rim, rimWidth);
        fillWithRim(q, anal,
                    linear(QPointF(0, 18), QPointF(0, 13),
                           {{0.0, QColor(120, 180, 250)}, {0.35, navy}, {1.0, navy}}),
                    rim, rimWidth);

        // The body: blunt head, deepest just behind the eye, a slim wrist.
        QPainterPath body;
        body.moveTo(28.8, 10.6);
        body.cubicTo(28.8, 8.0, 27.0, 4.6, 23.0, 4.2);
        body.cubicTo(18.0, 3.8, 12.6, 5.0, 9.4, 8.0);
        body.lineTo(9.4, 12.0);
        body.cubicTo(12.6, 15.0, 18.0, 16.4, 23.0, 15.8);
        body.cubicTo(26.4, 15.4, 28.4, 13.0, 28.8, 10.6);
        body.closeSubpath();
        fillWithRim(q, body, blue, rim, rimWidth);
        q.save();
        q.setClipPath(body);
        q.setPen(Qt::NoPen);
        // Yellow stripes one pixel wide on whole pixel rows, so that they stay
        // crisp at this size.
        q.setBrush(yellow);
        for (const double y : {5.0, 7.0, 9.0, 11.0, 13.0}) q.drawRect(QRectF(8.0, y, 13.0, 1.0));
        // Pale face, the dark mask over the eye and the dark bar behind the gills.
        q.setBrush(linear(QPointF(0, 4), QPointF(0, 16),
                          {{0.0, QColor(110, 160, 240)}, {1.0, QColor(190, 225, 250)}}));
        q.drawEllipse(QPointF(28.0, 10.2), 4.2, 6.2);
        QPainterPath mask;
        mask.moveTo(23.8, 3.6);
        mask.lineTo(25.8, 3.6);
        mask.lineTo(25.0, 11.4);
        mask.lineTo(23.2, 11.4);
        mask.closeSubpath();
        q.setBrush(navy);
        q.drawPath(mask);
        QPainterPath bar;
        bar.moveTo(20.0, 3.6);
        bar.lineTo(22.6, 3.6);
        bar.lineTo(22.0, 16.6);
        bar.lineTo(19.2, 16.6);
        bar.closeSubpath();
        q.setBrush(QColor(16, 18, 40));
        q.drawPath(bar);
        q.setPen(QPen(QColor(120, 200, 255), 0.6));
        q.drawLine(QPointF(22.9, 4.0), QPointF(22.3, 16.0));
        // Light from above, shade below.
        q.setPen(Qt::NoPen);
        q.setBrush(linear(QPointF(0, 4), QPointF(0, 16),
                          {{0.0, QColor(255, 255, 255, 60)},
                           {0.45, QColor(255, 255, 255, 0)},
                           {0.7, QColor(0, 0, 30, 0)},
                           {1.0, QColor(0, 0, 30, 70)}}));
        q.drawRect(QRectF(8, 3, 22, 14));
        q.restore();

        // Pectoral fin behind the bar, paddling.
        const double flap = std::sin(swing + 1.0);
        QPainterPath pectoral;
        pectoral.moveTo(19.0, 10.6);
        pectoral.quadTo(16.6, 9.6 + 0.8 * flap, 15.4, 11.4 + 1.0 * flap);
        pectoral.quadTo(16.8, 12.8, 19.0, 11.8);
        pectoral.closeSubpath();
        fillWithRim(q, pectoral, QColor(70, 110, 225), rim, 0.5);

        // Eye on the pale face, just ahead of the mask, and a small mouth.
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(10, 10, 20));
        q.drawEllipse(QPointF(25.9, 8.2), 1.25, 1.25);
        q.setBrush(Qt::white);
        q.drawEllipse(QPointF(26.3, 7.8), 0.5, 0.5);
        q.setPen(QPen(rim, 0.7, Qt::SolidLine, Qt::RoundCap));
        q.drawLine(QPointF(28.9, 11.0), QPointF(27.8, 11.5));
    };
    // The rear half of the body bends with the beat of the tail.
    drawBent(p, f.size, draw, [&](double x) {
        const double t = std::max(0.0, (18.0 - x) / 16.0);
        return 0.9 * t * t * std::sin(swing);
    });
}

void redFish(QPainter& p, const FrameInfo& f) {
    FishLook look;
    look.tailX = 0.28;
    look.bodyHalf = 0.27;
    look.noseExp = 0.7;
    look.top = QColor(200, 30, 36);
    look.bottom = QColor(255, 178, 160);
    look.fin = QColor(225, 60, 50);
    look.tail = Tail::Fork;
    look.dorsalHeight = 0.16;
    look.analHeight = 0.1;
    look.eyeRadius = 0.1;
    look.iris = QColor(180, 30, 20);
    look.spinyDorsal = true;
    drawFish(p, f, look);
}

void yellowFish(QPainter& p, const FrameInfo& f) {
    FishLook look;
    look.tailX = 0.26;
    look.bodyHalf = 0.33;
    look.peakAt = 0.45;
    look.noseExp = 0.9;
    look.tailHalf = 0.25;
    look.tailTipX = 0.06;  // the fan's edge stays clear of the frame
    look.top = QColor(245, 200, 10);
    look.bottom = QColor(255, 240, 110);
    look.fin = QColor(250, 215, 30);
    look.tail = Tail::Fan;
    look.dorsalHeight = 0.15;
    look.analHeight = 0.14;
    look.eyeRadius = 0.09;
    drawFish(p, f, look);
}

void angelFish(QPainter& p, const FrameInfo& f) {
    // A silver angelfish, drawn for its 40 x 42 frame: a round body under a
    // tall swept-back sail of dorsal and anal fin, black bars running on from
    // the body into the fins, long thin ventral fins and a tail with trailing
    // tips.
    const double swing = f.phase();
    const QColor silver(226, 230, 232);
    const QColor fin(196, 202, 208);
    const QColor bar(28, 28, 34);
    const QColor rim(70, 72, 80);
    const double rimWidth = 0.8;

    const auto draw = [&](QPainter& q) {
        // Tail: a fan, its upper and lower tips drawn out into points.
        const double reach = 0.82 + 0.18 * std::cos(swing);
        const double edgeX = 12.6 - 8.8 * reach;
        QPainterPath tail;
        tail.moveTo(13.0, 19.2);
        tail.cubicTo(11.0, 17.0, edgeX + 1.5, 13.6, edgeX - 1.2, 12.4);
        tail.cubicTo(edgeX + 0.8, 16.0, edgeX + 0.8, 26.0, edgeX - 1.2, 29.6);
        tail.cubicTo(edgeX + 1.5, 28.4, 11.0, 25.0, 13.0, 22.8);
        tail.closeSubpath();
        fillWithRim(q, tail,
                    linear(QPointF(edgeX, 0), QPointF(13, 0),
                           {{0.0, fin.lighter(110)}, {1.0, fin.darker(108)}}),
                    rim, rimWidth);
        q.save();
        q.setClipPath(tail);
        q.setPen(QPen(fin.darker(125), 0.5));
        for (const double y : {15.0, 18.0, 21.0, 24.0, 27.0})
            q.drawLine(QPointF(13.0, 21.0 + (y - 21.0) * 0.2), QPointF(edgeX, y));
        q.restore();

        // The sail: dorsal and anal fins sweeping up and back from the body.
        const double sway = 0.7 * std::sin(swing - 1.0);
        QPainterPath dorsal;
        dorsal.moveTo(28.0, 12.2);
        dorsal.cubicTo(23.0, 6.0, 15.0, 2.4, 7.0 + sway, 2.4);
        dorsal.cubicTo(11.0 + sway, 6.0, 13.8, 12.0, 13.0, 18.6);
        dorsal.lineTo(20.0, 14.0);
        dorsal.closeSubpath();
        QPainterPath anal;
        anal.moveTo(27.6, 29.8);
        anal.cubicTo(23.0, 36.0, 15.0, 39.6, 7.0 + sway, 39.6);
        anal.cubicTo(11.0 + sway, 36.0, 13.8, 30.0, 13.0, 23.4);
        anal.lineTo(20.0, 28.0);
        anal.closeSubpath();
        const QBrush finBrush = linear(QPointF(13, 0), QPointF(28, 0),
                                       {{0.0, fin.darker(105)}, {1.0, fin.lighter(108)}});
        fillWithRim(q, dorsal, finBrush, rim, rimWidth);
        fillWithRim(q, anal, finBrush, rim, rimWidth);

        QPainterPath body;
        body.moveTo(35.8, 20.8);
        body.cubicTo(34.8, 16.4, 31.4, 12.4, 26.4, 11.6);
        body.cubicTo(21.0, 10.8, 15.8, 14.6, 12.6, 19.0);
        body.lineTo(12.6, 23.0);
        body.cubicTo(15.8, 27.4, 21.0, 31.2, 26.4, 30.4);
        body.cubicTo(31.4, 29.6, 34.8, 25.4, 35.8, 20.8);
        body.closeSubpath();
        fillWithRim(q, body,
                    linear(QPointF(0, 11), QPointF(0, 31),
                           {{0.0, QColor(214, 206, 170)},
                            {0.3, silver.lighter(104)},
                            {0.75, silver},
                            {1.0, silver.darker(118)}}),
                    rim, rimWidth);

        // Fin rays, then the black bars over body and fins alike.
        const QPainterPath all = solidUnion(QPainterPath(body).united(dorsal).united(anal));
        q.save();
        q.setClipPath(all);
        q.setPen(QPen(fin.darker(118), 0.5));
        for (int i = 1; i < 6; ++i) {
            const double t = i / 6.0;
            q.drawLine(QPointF(26.0 - 11.0 * t, 12.6 + 4.0 * t),
                       QPointF(8.0 + sway + 4.0 * t, 2.8 + 9.0 * t));
            q.drawLine(QPointF(26.0 - 11.0 * t, 29.4 - 4.0 * t),
                       QPointF(8.0 + sway + 4.0 * t, 39.2 - 9.0 * t));
        }
        q.setPen(Qt::NoPen);
        q.setBrush(bar);
        const auto drawBar = [&](double topX, double bottomX, double width) {
            QPainterPath band;
            band.moveTo(topX - width / 2, 0);
            band.lineTo(topX + width / 2, 0);
            band.lineTo(bottomX + width / 2, 42);
            band.lineTo(bottomX - width / 2, 42);
            band.closeSubpath();
            q.drawPath(band);
        };
        drawBar(30.0, 29.0, 2.0);                // through the eye
        drawBar(19.4 + sway, 22.6, 3.0);         // down through both fins
        drawBar(14.2 + sway, 15.4 + sway, 1.8);  // across the wrist
        q.restore();
        q.save();
        q.setClipPath(body);
        q.setPen(Qt::NoPen);
        q.setBrush(linear(QPointF(0, 12), QPointF(0, 22),
                          {{0.0, QColor(255, 255, 255, 0)},
                           {0.6, QColor(255, 255, 255, 90)},
                           {1.0, QColor(255, 255, 255, 0)}}));
        q.drawEllipse(QPointF(26.0, 17.0), 7.5, 3.0);
        q.restore();

        // The long thin ventral fins trail from the chest past the anal fin.
        const double trail = std::sin(swing + 0.5);
        QPainterPath ventral;
        ventral.moveTo(28.4, 28.0);
        ventral.cubicTo(27.2, 32.0, 25.0 + trail * 0.6, 36.0, 22.4 + trail * 1.0, 39.4);
        q.strokePath(ventral, QPen(rim, 1.9, Qt::SolidLine, Qt::RoundCap));
        q.strokePath(ventral, QPen(QColor(240, 236, 220), 0.9, Qt::SolidLine, Qt::RoundCap));

        // Pectoral fin, paddling, and the red eye in its bar.
        const double flap = std::sin(swing + 1.2);
        QPainterPath pectoral;
        pectoral.moveTo(27.0, 22.6);
        pectoral.quadTo(23.6, 21.4 + 1.2 * flap, 21.8, 23.2 + 1.4 * flap);
        pectoral.quadTo(23.8, 25.2, 27.0, 24.0);
        pectoral.closeSubpath();
        fillWithRim(q, pectoral, QColor(240, 242, 244), silver.darker(125), 0.5);
        drawEye(q, QPointF(31.0, 18.0), 2.1, QColor(200, 40, 30));
        q.setPen(QPen(rim, 0.8, Qt::SolidLine, Qt::RoundCap));
        q.drawLine(QPointF(35.6, 21.2), QPointF(34.2, 21.8));
    };
    drawBent(p, f.size, draw, [&](double x) {
        const double t = std::max(0.0, (22.0 - x) / 20.0);
        return 1.2 * t * t * std::sin(swing);
    });
}

}  // namespace mediagen::art
