#include "people_kit.h"

#include "paint_kit.h"

namespace mediagen {

QColor skinShade(const QColor& skin) {
    return skin.darker(135);
}

void drawFace(QPainter& p, QPointF c, double r, const FaceLook& look) {
    p.save();
    const QColor rim = skinShade(look.skin).darker(150);
    if (look.hair_style == FaceLook::Hair::Long) {
        p.setPen(QPen(look.hair.darker(140), 0.8));
        p.setBrush(look.hair);
        p.drawEllipse(QRectF(c.x() - r * 1.1, c.y() - r * 1.1, r * 2.2, r * 2.5));
    }
    p.setPen(QPen(rim, 0.8));
    p.setBrush(radial(c + QPointF(-r * 0.3, -r * 0.3), r * 1.4,
                      {{0.0, look.skin.lighter(110)}, {1.0, skinShade(look.skin)}}));
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(look.hair);
    switch (look.hair_style) {
        case FaceLook::Hair::Short:
        case FaceLook::Hair::Long:
            p.drawChord(QRectF(c.x() - r * 1.02, c.y() - r * 1.08, r * 2.04, r * 1.5), 0, 180 * 16);
            break;
        case FaceLook::Hair::Slick:
            p.drawChord(QRectF(c.x() - r * 1.02, c.y() - r * 1.05, r * 2.04, r * 1.2), 10 * 16,
                        170 * 16);
            p.setBrush(look.hair.lighter(150));
            p.drawEllipse(QRectF(c.x() - r * 0.4, c.y() - r * 0.95, r * 0.5, r * 0.15));
            break;
        case FaceLook::Hair::None:
            break;
    }
    // Eyes.
    const double eyeY = c.y() - r * 0.05;
    for (const double side : {-1.0, 1.0}) {
        const QPointF eye(c.x() + side * r * 0.38, eyeY);
        if (look.mood == FaceLook::Mood::Sleepy) {
            p.setPen(QPen(QColor(40, 25, 15), std::max(0.8, r * 0.1), Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(eye.x() - r * 0.18, eye.y() - r * 0.12, r * 0.36, r * 0.24), 180 * 16,
                      180 * 16);
            p.setPen(Qt::NoPen);
            continue;
        }
        const double er = look.mood == FaceLook::Mood::Surprised ? r * 0.22 : r * 0.18;
        p.setBrush(QColor(252, 252, 252));
        p.drawEllipse(eye, er, er * 1.15);
        p.setBrush(QColor(30, 20, 15));
        p.drawEllipse(eye + QPointF(look.lookX * er * 0.45, er * 0.1), er * 0.55, er * 0.62);
        p.setBrush(Qt::white);
        p.drawEllipse(eye + QPointF(look.lookX * er * 0.45 + er * 0.2, -er * 0.15), er * 0.2,
                      er * 0.2);
        if (look.mood == FaceLook::Mood::Worried) {
            p.setPen(
                QPen(look.hair.darker(120), std::max(0.8, r * 0.08), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(eye + QPointF(-side * r * 0.2, -r * 0.22),
                       eye + QPointF(side * r * 0.12, -r * 0.34));
            p.setPen(Qt::NoPen);
        }
    }
    // Cheeks and mouth.
    p.setBrush(QColor(240, 120, 110, 90));
    p.drawEllipse(c + QPointF(-r * 0.55, r * 0.3), r * 0.16, r * 0.1);
    p.drawEllipse(c + QPointF(r * 0.55, r * 0.3), r * 0.16, r * 0.1);
    p.setPen(QPen(QColor(120, 40, 30), std::max(0.8, r * 0.09), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    switch (look.mood) {
        case FaceLook::Mood::Smile:
        case FaceLook::Mood::Sleepy:
            p.drawArc(QRectF(c.x() - r * 0.35, c.y() + r * 0.1, r * 0.7, r * 0.45), 200 * 16,
                      140 * 16);
            break;
        case FaceLook::Mood::Worried:
            p.drawArc(QRectF(c.x() - r * 0.25, c.y() + r * 0.45, r * 0.5, r * 0.3), 20 * 16,
                      140 * 16);
            break;
        case FaceLook::Mood::Surprised:
            p.setBrush(QColor(90, 20, 20));
            p.drawEllipse(c + QPointF(0, r * 0.5), r * 0.14, r * 0.18);
            break;
    }
    p.restore();
}

}  // namespace mediagen
