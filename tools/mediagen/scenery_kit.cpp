#include "scenery_kit.h"

#include <cmath>
#include <numbers>

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

void paintRidge(QPainter& p, QSizeF size, Prng& rng, double baseY, double amplitude,
                const QColor& colour, const QColor& shadow) {
    const double a1 = rng.range(0, 6.3), a2 = rng.range(0, 6.3), a3 = rng.range(0, 6.3);
    const double f1 = rng.range(1.0, 2.0), f2 = rng.range(3.0, 5.0), f3 = rng.range(9.0, 14.0);
    QPainterPath ridge;
    ridge.moveTo(0, size.height());
    for (int x = 0; x <= size.width(); x += 4) {
        const double u = x / size.width() * 2 * std::numbers::pi;
        const double y =
            baseY - amplitude * (0.55 * std::sin(u * f1 + a1) + 0.3 * std::sin(u * f2 + a2) +
                                 0.15 * std::sin(u * f3 + a3));
        ridge.lineTo(x, y);
    }
    ridge.lineTo(size.width(), size.height());
    ridge.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(linear(QPointF(0, baseY - amplitude), QPointF(0, size.height()),
                      {{0.0, colour}, {1.0, shadow}}));
    p.drawPath(ridge);
    p.restore();
}

void paintSeaFloor(QPainter& p, QSizeF size, double topY, const QColor& sand, Prng& rng) {
    QPainterPath floor;
    floor.moveTo(0, size.height());
    for (int x = 0; x <= size.width(); x += 8)
        floor.lineTo(x, topY + 6 * std::sin(x * 0.013) + 3 * std::sin(x * 0.041 + 1.0));
    floor.lineTo(size.width(), size.height());
    floor.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(linear(QPointF(0, topY), QPointF(0, size.height()),
                      {{0.0, sand}, {1.0, sand.darker(190)}}));
    p.drawPath(floor);
    p.setClipPath(floor);
    // Ripples catching the light.
    p.setPen(QPen(sand.lighter(125), 1.2));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 90; ++i) {
        const double x = rng.range(0, size.width());
        const double y = rng.range(topY, size.height());
        const double len = rng.range(10, 30) * (0.5 + (y - topY) / (size.height() - topY));
        p.drawArc(QRectF(x, y, len, 4), 0, 180 * 16);
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
