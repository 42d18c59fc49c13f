#include "paint_kit.h"

#include <QImage>
#include <algorithm>
#include <cmath>

#include "prng.h"

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

QLinearGradient sandShade(QRectF area) {
    return linear(area.topLeft(), area.bottomLeft(),
                  {{0.0, QColor(222, 204, 156)}, {1.0, QColor(170, 150, 104)}});
}

const QColor sandRim(130, 110, 70);

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

void drawSandPatch(QPainter& p, QRectF area) {
    QPainterPath sand;
    sand.addEllipse(area);
    fillWithRim(p, sand, sandShade(area), sandRim, 0.8);
}

void drawSandDrift(QPainter& p, QRectF area, const QPainterPath& foot, double from, double to,
                   double crest) {
    const double middle = area.center().y();
    QPainterPath mound;
    mound.moveTo(area.left() - 1, area.bottom() + 1);
    mound.lineTo(area.left() - 1, middle + 1);
    mound.cubicTo(from - 4, middle, from, crest, (from + to) / 2, crest);
    mound.cubicTo(to, crest, to + 4, middle, area.right() + 1, middle + 1);
    mound.lineTo(area.right() + 1, area.bottom() + 1);
    mound.closeSubpath();
    QPainterPath patch;
    patch.addEllipse(area);
    const QPainterPath drift = patch.intersected(mound);
    p.save();
    p.setClipPath(foot);
    p.setPen(Qt::NoPen);
    p.setBrush(linear(QPointF(0, crest - 10), QPointF(0, crest + 2),
                      {{0.0, QColor(0, 0, 0, 0)}, {1.0, QColor(20, 16, 8, 110)}}));
    p.drawRect(QRectF(area.left(), crest - 10, area.width(), area.bottom() - crest + 10));
    p.restore();
    fillWithRim(p, drift,
                linear(QPointF(0, crest), QPointF(0, area.bottom()),
                       {{0.0, QColor(232, 216, 170)}, {1.0, QColor(176, 156, 110)}}),
                sandRim, 0.8);
    // Grains and a few pebbles on the sand.
    p.save();
    p.setClipPath(drift);
    p.setPen(Qt::NoPen);
    Prng grains(7);
    for (int i = 0; i < 60; ++i) {
        const bool dark = grains.unit() < 0.6;
        p.setBrush(dark ? QColor(150, 128, 86, 150) : QColor(250, 240, 205, 160));
        p.drawEllipse(
            QPointF(grains.range(area.left(), area.right()), grains.range(crest, area.bottom())),
            0.6, 0.45);
    }
    const QColor stones[] = {QColor(150, 140, 128), QColor(120, 104, 90), QColor(196, 184, 166)};
    for (int i = 0; i < 5; ++i) {
        const double x = from + (to - from) * (0.1 + 0.2 * i) + grains.range(-3, 3);
        const QPointF at(x, crest + 3.5 + grains.range(0, 4));
        const QColor stone = stones[i % 3];
        p.setBrush(stone.darker(130));
        p.drawEllipse(at + QPointF(0.3, 0.4), 1.9, 1.3);
        p.setBrush(stone);
        p.drawEllipse(at, 1.7, 1.1);
        p.setBrush(stone.lighter(135));
        p.drawEllipse(at + QPointF(-0.5, -0.4), 0.7, 0.45);
    }
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
