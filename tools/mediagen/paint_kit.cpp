#include "paint_kit.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace mediagen {

QColor mix(const QColor& a, const QColor& b, double t) {
    const auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QLinearGradient linear(QPointF from, QPointF to,
                       std::initializer_list<std::pair<double, QColor>> stops) {
    QLinearGradient gradient(from, to);
    for (const auto& [at, colour] : stops) gradient.setColorAt(at, colour);
    return gradient;
}

QRadialGradient radial(QPointF centre, double radius,
                       std::initializer_list<std::pair<double, QColor>> stops) {
    QRadialGradient gradient(centre, radius);
    for (const auto& [at, colour] : stops) gradient.setColorAt(at, colour);
    return gradient;
}

namespace {

// The straight-sided outline around a centre line, ends left open.
QPainterPath taperOutline(const std::vector<QPointF>& spine, double startWidth, double endWidth) {
    QPainterPath path;
    const std::size_t n = spine.size();
    std::vector<QPointF> left;
    std::vector<QPointF> right;
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF a = spine[i == 0 ? 0 : i - 1];
        const QPointF b = spine[i + 1 < n ? i + 1 : n - 1];
        QPointF d = b - a;
        const double len = std::hypot(d.x(), d.y());
        d = len > 0 ? d / len : QPointF(1, 0);
        const QPointF normal(-d.y(), d.x());
        const double w = (startWidth + (endWidth - startWidth) * double(i) / double(n - 1)) / 2.0;
        left.push_back(spine[i] + normal * w);
        right.push_back(spine[i] - normal * w);
    }
    path.moveTo(left.front());
    for (std::size_t i = 1; i < n; ++i) path.lineTo(left[i]);
    path.lineTo(right.back());
    for (std::size_t i = n - 1; i-- > 0;) path.lineTo(right[i]);
    path.closeSubpath();
    return path;
}

}  // namespace

QPainterPath taperedPath(const std::vector<QPointF>& spine, double startWidth, double endWidth) {
    if (spine.size() < 2) return QPainterPath();
    // The sides and the round ends are united separately: added to one path,
    // an end turning the other way round from the sides (as it does when the
    // centre line runs right to left) would cancel out where they overlap.
    QPainterPath ends;
    ends.addEllipse(spine.front(), startWidth / 2.0, startWidth / 2.0);
    ends.addEllipse(spine.back(), endWidth / 2.0, endWidth / 2.0);
    return solidUnion(taperOutline(spine, startWidth, endWidth)).united(solidUnion(ends));
}

QPainterPath solidUnion(QPainterPath path) {
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

std::vector<QPointF> sampleSpine(const std::function<QPointF(double)>& at, int samples) {
    std::vector<QPointF> points;
    for (int i = 0; i <= samples; ++i) points.push_back(at(double(i) / samples));
    return points;
}

void drawEye(QPainter& p, QPointF centre, double radius, const QColor& iris) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 240));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(radial(centre, radius * 0.75, {{0.0, iris.lighter(160)}, {1.0, iris}}));
    p.drawEllipse(centre, radius * 0.72, radius * 0.72);
    p.setBrush(QColor(8, 8, 12));
    p.drawEllipse(centre, radius * 0.42, radius * 0.42);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(centre + QPointF(radius * 0.28, -radius * 0.3), radius * 0.22, radius * 0.22);
    p.restore();
}

void drawBubble(QPainter& p, QPointF centre, double radius) {
    p.save();
    p.setPen(QPen(QColor(210, 240, 255), std::max(0.8, radius * 0.18)));
    p.setBrush(radial(
        centre + QPointF(radius * 0.2, radius * 0.25), radius,
        {{0.0, QColor(40, 90, 140)}, {0.8, QColor(90, 160, 210)}, {1.0, QColor(180, 225, 250)}}));
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(centre + QPointF(-radius * 0.35, -radius * 0.35), radius * 0.28, radius * 0.22);
    p.restore();
}

void fillWithRim(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& rim,
                 double rimWidth) {
    p.save();
    p.setPen(QPen(rim, rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void drawBent(QPainter& p, QSizeF size, const std::function<void(QPainter&)>& draw,
              const std::function<double(double)>& offsetAtX) {
    const QTransform scale = p.transform();
    const double factor = scale.m11();
    const int w = static_cast<int>(std::ceil(size.width() * factor));
    const int h = static_cast<int>(std::ceil(size.height() * factor));
    QImage flat(w, h, QImage::Format_ARGB32_Premultiplied);
    flat.fill(Qt::transparent);
    {
        QPainter inner(&flat);
        inner.setRenderHint(QPainter::Antialiasing);
        inner.scale(factor, factor);
        draw(inner);
    }
    QImage bent(w, h, QImage::Format_ARGB32_Premultiplied);
    bent.fill(Qt::transparent);
    for (int x = 0; x < w; ++x) {
        const double shift = offsetAtX((x + 0.5) / factor) * factor;
        const int whole = static_cast<int>(std::floor(shift));
        const double frac = shift - whole;
        for (int y = 0; y < h; ++y) {
            // Linear blend of the two source rows that land on this pixel.
            const int y0 = y - whole - 1;
            const int y1 = y - whole;
            const QRgb a = (y0 >= 0 && y0 < h) ? flat.pixel(x, y0) : 0;
            const QRgb b = (y1 >= 0 && y1 < h) ? flat.pixel(x, y1) : 0;
            const auto blend = [frac](int ca, int cb) {
                return static_cast<int>(std::lround(ca * frac + cb * (1.0 - frac)));
            };
            bent.setPixel(x, y,
                          qRgba(blend(qRed(a), qRed(b)), blend(qGreen(a), qGreen(b)),
                                blend(qBlue(a), qBlue(b)), blend(qAlpha(a), qAlpha(b))));
        }
    }
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, bent);
    p.restore();
}

}  // namespace mediagen
