#include "scenery_kit.h"

#include "paint_kit.h"

namespace mediagen {

void paintWater(QPainter& p, QSizeF size, const QColor& top, const QColor& bottom) {
    p.fillRect(QRectF(QPointF(0, 0), size),
               linear(QPointF(0, 0), QPointF(0, size.height()),
                      {{0.0, top}, {0.55, mix(top, bottom, 0.6)}, {1.0, bottom}}));
}

void paintLightRays(QPainter& p, QSizeF size, Prng& rng, int count, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(-0.1, 1.0) * size.width();
        const double width = rng.range(12, 40);
        const double slant = rng.range(0.15, 0.35) * size.height();
        const double reach = rng.range(0.6, 1.0) * size.height();
        QColor c = colour;
        c.setAlpha(static_cast<int>(rng.range(0.4, 1.0) * colour.alpha()));
        QColor clear = c;
        clear.setAlpha(0);
        QPainterPath ray;
        ray.moveTo(x, 0);
        ray.lineTo(x + width, 0);
        ray.lineTo(x + width * 2.2 + slant, reach);
        ray.lineTo(x + slant, reach);
        ray.closeSubpath();
        p.setBrush(linear(QPointF(0, 0), QPointF(0, reach), {{0.0, c}, {1.0, clear}}));
        p.drawPath(ray);
    }
    p.restore();
}

void paintParticles(QPainter& p, QSizeF size, Prng& rng, int count, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        QColor c = colour;
        c.setAlpha(static_cast<int>(rng.range(0.3, 1.0) * colour.alpha()));
        p.setBrush(c);
        const double r = rng.range(0.5, 1.6);
        p.drawEllipse(QPointF(rng.range(0, size.width()), rng.range(0, size.height())), r, r);
    }
    p.restore();
}

}  // namespace mediagen
