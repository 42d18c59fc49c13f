#include "scenery_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mediagen {
namespace {

std::uint32_t hashOf(std::int64_t x, std::int64_t y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

float latticeValue(std::int64_t x, std::int64_t y, std::uint32_t seed) {
    return static_cast<float>(hashOf(x, y, seed) * (2.0 / 4294967296.0) - 1.0);
}

// One pass of a running-mean filter of half-width `k` over `n` values spaced
// `stride` apart; outside the line counts as transparent.
void boxPass(float* line, int n, int stride, int k, std::vector<double>& sums) {
    sums.assign(static_cast<std::size_t>(n) + 1, 0.0);
    for (int i = 0; i < n; ++i)
        sums[i + 1] = sums[i] + line[static_cast<std::ptrdiff_t>(i) * stride];
    const double norm = 1.0 / (2 * k + 1);
    for (int i = 0; i < n; ++i) {
        const int lo = std::max(0, i - k);
        const int hi = std::min(n, i + k + 1);
        line[static_cast<std::ptrdiff_t>(i) * stride] =
            static_cast<float>((sums[hi] - sums[lo]) * norm);
    }
}

// The same filter down every column of a plane of `width` x `height` pixels
// of `stride` floats each, on the float at `channel`; it walks the rows in
// order, which keeps the memory traffic sequential.
void columnPass(float* data, int width, int height, int stride, int channel, int k,
                std::vector<float>& copy, std::vector<double>& running) {
    const std::size_t w = static_cast<std::size_t>(width);
    copy.resize(w * height);
    for (std::size_t i = 0; i < copy.size(); ++i) copy[i] = data[i * stride + channel];
    running.assign(w, 0.0);
    for (int r = 0; r <= std::min(k, height - 1); ++r)
        for (std::size_t x = 0; x < w; ++x) running[x] += copy[r * w + x];
    const double norm = 1.0 / (2 * k + 1);
    for (int y = 0; y < height; ++y) {
        float* row = data + y * w * stride + channel;
        for (std::size_t x = 0; x < w; ++x) row[x * stride] = static_cast<float>(running[x] * norm);
        if (y + k + 1 < height)
            for (std::size_t x = 0; x < w; ++x) running[x] += copy[(y + k + 1) * w + x];
        if (y - k >= 0)
            for (std::size_t x = 0; x < w; ++x) running[x] -= copy[(y - k) * w + x];
    }
}

// Box filters of half-width `k`, `passes` times each way, on one channel of
// a plane.
void blurPlane(float* data, int width, int height, int stride, int channel, int k, int passes) {
    std::vector<double> sums;
    std::vector<float> copy;
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < height; ++y)
            boxPass(data + static_cast<std::size_t>(y) * width * stride + channel, width, stride, k,
                    sums);
        columnPass(data, width, height, stride, channel, k, copy, sums);
    }
}

}  // namespace

Tint tint(const QColor& c) {
    return {float(c.red()), float(c.green()), float(c.blue())};
}

Tint blend(const Tint& a, const Tint& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Tint scaled(const Tint& c, float k) {
    return {c.r * k, c.g * k, c.b * k};
}

float smoothStep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

float wave(double phase) {
    const double turns = phase * (0.5 / std::numbers::pi);
    const float t = static_cast<float>(turns - std::floor(turns));
    return t < 0.5f ? 16.0f * t * (0.5f - t) : -16.0f * (t - 0.5f) * (1.0f - t);
}

float valueNoise(double x, double y, std::uint32_t seed, int period) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    std::int64_t x0 = static_cast<std::int64_t>(fx);
    std::int64_t x1 = x0 + 1;
    const std::int64_t y0 = static_cast<std::int64_t>(fy);
    if (period > 0) {
        x0 = ((x0 % period) + period) % period;
        x1 = ((x1 % period) + period) % period;
    }
    const float tx = static_cast<float>(x - fx);
    const float ty = static_cast<float>(y - fy);
    const float sx = tx * tx * (3 - 2 * tx);
    const float sy = ty * ty * (3 - 2 * ty);
    const float top =
        latticeValue(x0, y0, seed) + (latticeValue(x1, y0, seed) - latticeValue(x0, y0, seed)) * sx;
    const float bottom = latticeValue(x0, y0 + 1, seed) +
                         (latticeValue(x1, y0 + 1, seed) - latticeValue(x0, y0 + 1, seed)) * sx;
    return top + (bottom - top) * sy;
}

float fractalNoise(double x, double y, int octaves, std::uint32_t seed, int period) {
    float sum = 0;
    float norm = 0;
    float amplitude = 1;
    double frequency = 1;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * valueNoise(x * frequency, y * frequency, seed + 977u * o,
                                      period > 0 ? static_cast<int>(period * frequency) : 0);
        norm += amplitude;
        amplitude *= 0.5f;
        frequency *= 2;
    }
    return sum / norm;
}

CoarseField::CoarseField(QRectF area, double spacing,
                         const std::function<float(double x, double y)>& f)
    : area_(area),
      spacing_(spacing),
      columns_(static_cast<int>(std::ceil(area.width() / spacing)) + 2),
      rows_(static_cast<int>(std::ceil(area.height() / spacing)) + 2),
      values_(static_cast<std::size_t>(columns_) * rows_) {
    for (int j = 0; j < rows_; ++j)
        for (int i = 0; i < columns_; ++i)
            values_[static_cast<std::size_t>(j) * columns_ + i] =
                f(area.x() + i * spacing, area.y() + j * spacing);
}

float CoarseField::at(double x, double y) const {
    const double u = std::clamp((x - area_.x()) / spacing_, 0.0, columns_ - 1.001);
    const double v = std::clamp((y - area_.y()) / spacing_, 0.0, rows_ - 1.001);
    const int i = static_cast<int>(u);
    const int j = static_cast<int>(v);
    const float tx = static_cast<float>(u - i);
    const float ty = static_cast<float>(v - j);
    const float* row = &values_[static_cast<std::size_t>(j) * columns_ + i];
    const float top = row[0] + (row[1] - row[0]) * tx;
    const float bottom = row[columns_] + (row[columns_ + 1] - row[columns_]) * tx;
    return top + (bottom - top) * ty;
}

QPainterPath roughened(const QPainterPath& path, double amplitude, double wavelength,
                       std::uint32_t seed) {
    QPainterPath out;
    out.setFillRule(path.fillRule());
    const double step = std::max(1.0, wavelength / 8.0);
    int ring = 0;
    for (const QPolygonF& polygon : path.toFillPolygons()) {
        // Resample evenly along the outline, then push each point along the
        // outline's normal.
        std::vector<QPointF> points;
        double carried = 0;
        for (int i = 0; i + 1 < polygon.size(); ++i) {
            const QPointF a = polygon[i];
            const QPointF b = polygon[i + 1];
            const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
            double t = carried;
            while (t < length) {
                points.push_back(a + (b - a) * (t / length));
                t += step;
            }
            carried = t - length;
        }
        const std::size_t n = points.size();
        if (n < 3) continue;
        for (std::size_t i = 0; i < n; ++i) {
            const QPointF d = points[(i + 1) % n] - points[(i + n - 1) % n];
            const double len = std::max(1e-9, std::hypot(d.x(), d.y()));
            const QPointF normal(-d.y() / len, d.x() / len);
            const double s = double(i) * step / wavelength;
            const double push = amplitude * fractalNoise(s, ring * 13.7, 4, seed) * 1.6;
            const QPointF q = points[i] + normal * push;
            if (i == 0)
                out.moveTo(q);
            else
                out.lineTo(q);
        }
        out.closeSubpath();
        ++ring;
    }
    return out;
}

Layer::Layer(QRectF area, double scale, const std::function<void(QPainter&)>& draw)
    : area_(area),
      scale_(scale),
      width_(std::max(1, static_cast<int>(std::ceil(area.width() * scale)))),
      height_(std::max(1, static_cast<int>(std::ceil(area.height() * scale)))),
      originX_(static_cast<int>(std::floor(area.x()))),
      originY_(static_cast<int>(std::floor(area.y()))) {
    QImage image(width_, height_, QImage::Format_RGBA64_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(scale, scale);
        p.translate(-area.topLeft());
        draw(p);
    }
    pixels_.resize(static_cast<std::size_t>(width_) * height_ * 4);
    float* out = pixels_.data();
    for (int y = 0; y < height_; ++y) {
        const auto* line = reinterpret_cast<const QRgba64*>(image.constScanLine(y));
        for (int x = 0; x < width_; ++x, out += 4) {
            const QRgba64 px = line[x];
            out[0] = px.red() * (255.0f / 65535.0f);
            out[1] = px.green() * (255.0f / 65535.0f);
            out[2] = px.blue() * (255.0f / 65535.0f);
            out[3] = px.alpha() * (1.0f / 65535.0f);
        }
    }
    findSpans();
}

void Layer::findSpans() {
    spans_.assign(static_cast<std::size_t>(height_), {0, 0});
    for (int y = 0; y < height_; ++y) {
        const float* row = &pixels_[static_cast<std::size_t>(y) * width_ * 4];
        int first = 0;
        while (first < width_ && row[first * 4 + 3] <= 0.0f) ++first;
        int last = width_;
        while (last > first && row[(last - 1) * 4 + 3] <= 0.0f) --last;
        spans_[static_cast<std::size_t>(y)] = {first, last};
    }
}

void Layer::blur(double radius, bool alphaOnly) {
    const int k = static_cast<int>(std::lround(radius * scale_));
    if (k < 1) return;
    for (int c = alphaOnly ? 3 : 0; c < 4; ++c)
        blurPlane(pixels_.data(), width_, height_, 4, c, k, 3);
    findSpans();
}

void Layer::relief(const Lighting& lighting,
                   const std::function<float(double x, double y)>& bumps) {
    const std::size_t count = static_cast<std::size_t>(width_) * height_;
    std::vector<float> height(count);
    for (std::size_t i = 0; i < count; ++i) height[i] = pixels_[i * 4 + 3];
    const int k = std::max(1, static_cast<int>(std::lround(lighting.roundness * scale_ / 1.7)));
    blurPlane(height.data(), width_, height_, 1, 0, k, 3);
    if (bumps) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * width_ + x;
                if (pixels_[i * 4 + 3] > 0.0f)
                    height[i] +=
                        bumps(area_.x() + (x + 0.5) / scale_, area_.y() + (y + 0.5) / scale_);
            }
        // Bumps interpolated from a coarse grid bend at its lines; a slight
        // blur keeps the slopes, and so the light, continuous.
        blurPlane(height.data(), width_, height_, 1, 0, 2, 2);
    }
    const float norm =
        1.0f / std::sqrt(lighting.lightX * lighting.lightX + lighting.lightY * lighting.lightY +
                         lighting.lightZ * lighting.lightZ);
    const float lx = lighting.lightX * norm, ly = lighting.lightY * norm,
                lz = lighting.lightZ * norm;
    const float slope = lighting.steepness * static_cast<float>(scale_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * width_ + x;
            float* px = &pixels_[i * 4];
            if (px[3] <= 0.0f) continue;
            const std::size_t left = static_cast<std::size_t>(y) * width_ + std::max(0, x - 1);
            const std::size_t right =
                static_cast<std::size_t>(y) * width_ + std::min(width_ - 1, x + 1);
            const std::size_t up = static_cast<std::size_t>(std::max(0, y - 1)) * width_ + x;
            const std::size_t down =
                static_cast<std::size_t>(std::min(height_ - 1, y + 1)) * width_ + x;
            const float nx = -(height[right] - height[left]) * 0.5f * slope;
            const float ny = -(height[down] - height[up]) * 0.5f * slope;
            const float len = std::sqrt(nx * nx + ny * ny + 1.0f);
            const float lambert = std::max(0.0f, (nx * lx + ny * ly + lz) / len);
            const float k2 = lighting.ambient + lighting.diffuse * lambert;
            px[0] *= k2;
            px[1] *= k2;
            px[2] *= k2;
        }
    }
}

void Layer::shade(
    const std::function<void(double x, double y, float depth, Tint& colour)>& recolour) {
    std::vector<float> depth(static_cast<std::size_t>(width_), 0.0f);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            float* px = &pixels_[(static_cast<std::size_t>(y) * width_ + x) * 4];
            const float a = px[3];
            depth[x] = a >= 0.5f ? depth[x] + static_cast<float>(1.0 / scale_) : 0.0f;
            if (a <= 0.0f) continue;
            Tint c{px[0] / a, px[1] / a, px[2] / a};
            recolour(area_.x() + (x + 0.5) / scale_, area_.y() + (y + 0.5) / scale_, depth[x], c);
            px[0] = std::clamp(c.r, 0.0f, 255.0f) * a;
            px[1] = std::clamp(c.g, 0.0f, 255.0f) * a;
            px[2] = std::clamp(c.b, 0.0f, 255.0f) * a;
        }
    }
}

QImage Layer::image() const {
    QImage out(width_, height_, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height_; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width_; ++x) {
            const float* px = &pixels_[(static_cast<std::size_t>(y) * width_ + x) * 4];
            const auto level = [](float v) {
                return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
            };
            const int a = level(px[3] * 255.0f);
            line[x] = qRgba(std::min(a, level(px[0])), std::min(a, level(px[1])),
                            std::min(a, level(px[2])), a);
        }
    }
    return out;
}

bool Layer::alignedOneToOne() const {
    return scale_ == 1.0 && area_.x() == originX_ && area_.y() == originY_;
}

void Layer::sample(double x, double y, float out[4]) const {
    const double lx = (x - area_.x()) * scale_ - 0.5;
    const double ly = (y - area_.y()) * scale_ - 0.5;
    const int x0 = static_cast<int>(std::floor(lx));
    const int y0 = static_cast<int>(std::floor(ly));
    const float tx = static_cast<float>(lx - x0);
    const float ty = static_cast<float>(ly - y0);
    out[0] = out[1] = out[2] = out[3] = 0;
    const int xs[2] = {x0, x0 + 1};
    const int ys[2] = {y0, y0 + 1};
    const float wx[2] = {1 - tx, tx};
    const float wy[2] = {1 - ty, ty};
    for (int j = 0; j < 2; ++j) {
        if (ys[j] < 0 || ys[j] >= height_ || wy[j] == 0) continue;
        for (int i = 0; i < 2; ++i) {
            if (xs[i] < 0 || xs[i] >= width_ || wx[i] == 0) continue;
            const float w = wx[i] * wy[j];
            const float* px = &pixels_[(static_cast<std::size_t>(ys[j]) * width_ + xs[i]) * 4];
            for (int c = 0; c < 4; ++c) out[c] += px[c] * w;
        }
    }
}

Canvas::Canvas(QSize size)
    : size_(size), pixels_(static_cast<std::size_t>(size.width()) * size.height()) {}

void Canvas::shade(const std::function<void(int x, int y, Tint& colour)>& recolour) {
    for (int y = 0; y < size_.height(); ++y)
        for (int x = 0; x < size_.width(); ++x) recolour(x, y, at(x, y));
}

// The columns of picture row y that layer may paint, as [first, last).
std::pair<int, int> Canvas::columnsOf(const Layer& layer, int y, const QRect& bounds) const {
    const double ly = (y + 0.5 - layer.area_.y()) * layer.scale_ - 0.5;
    const int y0 = static_cast<int>(std::floor(ly));
    int first = layer.width_;
    int last = 0;
    for (const int row : {y0, y0 + 1}) {
        if (row < 0 || row >= layer.height_) continue;
        const auto [a, b] = layer.spans_[static_cast<std::size_t>(row)];
        if (a >= b) continue;
        first = std::min(first, a - 1);
        last = std::max(last, b + 1);
    }
    if (first >= last) return {0, 0};
    const int x0 = static_cast<int>(std::floor(layer.area_.x() + first / layer.scale_));
    const int x1 = static_cast<int>(std::ceil(layer.area_.x() + (last + 1) / layer.scale_));
    return {std::max(bounds.left(), x0), std::min(bounds.right() + 1, x1)};
}

void Canvas::over(const Layer& layer, const Canvas* fog,
                  const std::function<float(int x, int y)>& haze) {
    const QRect bounds = layer.area().toAlignedRect().intersected(QRect(QPoint(0, 0), size_));
    const QRect inside =
        bounds.intersected(QRect(int(layer.area().x()), int(layer.area().y()),
                                 int(layer.area().width()), int(layer.area().height())));
    const bool direct = layer.alignedOneToOne();
    float px[4];
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        const auto [from, to] = columnsOf(layer, y, bounds);
        for (int x = from; x < to; ++x) {
            if (direct) {
                if (!inside.contains(x, y)) continue;
                const float* q = layer.pixelAt(x, y);
                px[0] = q[0], px[1] = q[1], px[2] = q[2], px[3] = q[3];
            } else {
                layer.sample(x + 0.5, y + 0.5, px);
            }
            const float a = px[3];
            if (a <= 0.0f) continue;
            if (fog != nullptr && haze) {
                const float h = std::clamp(haze(x, y), 0.0f, 1.0f);
                const Tint& f = fog->at(x, y);
                px[0] += (f.r * a - px[0]) * h;
                px[1] += (f.g * a - px[1]) * h;
                px[2] += (f.b * a - px[2]) * h;
            }
            Tint& c = at(x, y);
            c.r = px[0] + c.r * (1 - a);
            c.g = px[1] + c.g * (1 - a);
            c.b = px[2] + c.b * (1 - a);
        }
    }
}

void Canvas::glow(const Layer& light, const Tint& colour) {
    const QRect bounds = light.area().toAlignedRect().intersected(QRect(QPoint(0, 0), size_));
    const bool direct = light.alignedOneToOne();
    const QRect inside =
        bounds.intersected(QRect(int(light.area().x()), int(light.area().y()),
                                 int(light.area().width()), int(light.area().height())));
    float px[4];
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        const auto [from, to] = columnsOf(light, y, bounds);
        for (int x = from; x < to; ++x) {
            if (direct) {
                if (!inside.contains(x, y)) continue;
                px[3] = light.pixelAt(x, y)[3];
            } else {
                light.sample(x + 0.5, y + 0.5, px);
            }
            if (px[3] <= 0.0f) continue;
            Tint& c = at(x, y);
            c.r += colour.r * px[3];
            c.g += colour.g * px[3];
            c.b += colour.b * px[3];
        }
    }
}

QImage Canvas::toImage(std::uint32_t seed) const {
    QImage image(size_, QImage::Format_RGB32);
    for (int y = 0; y < size_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size_.width(); ++x) {
            const Tint& c = at(x, y);
            const std::uint32_t h = hashOf(x, y, seed);
            const auto channel = [](float v, std::uint32_t bits) {
                const float u = static_cast<float>(bits & 0x3FF) / 1024.0f;
                return std::clamp(static_cast<int>(std::floor(v + u)), 0, 255);
            };
            line[x] = qRgb(channel(c.r, h), channel(c.g, h >> 10), channel(c.b, h >> 20));
        }
    }
    return image;
}

}  // namespace mediagen
