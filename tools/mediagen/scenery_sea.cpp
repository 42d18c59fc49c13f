#include "scenery_sea.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <ranges>
#include <vector>

#include "paint_kit.h"

namespace mediagen::sea {
namespace {

const QSize kSize(kWidth, kHeight);

double horizonAt(const Water& water, double x) {
    return water.horizon + 9 * std::sin(x / 410.0 + 1.0) + 5 * std::sin(x / 170.0 + 2.0);
}

}  // namespace

Canvas waterPlate(const Water& water, std::uint32_t seed) {
    Canvas plate(kSize);
    const float quarter = kHeight * 0.25f;
    const float horizon = float(water.horizon);
    std::vector<Tint> rows(kHeight);
    std::vector<float> sunRows(kHeight);
    for (int y = 0; y < kHeight; ++y) {
        const float fy = float(y);
        if (fy < quarter)
            rows[y] = blend(water.surface, water.upper,
                            smoothStep(0, quarter, fy) * 0.9f + fy / quarter * 0.1f);
        else if (fy < horizon)
            rows[y] = blend(water.upper, water.fog, (fy - quarter) / (horizon - quarter));
        else
            rows[y] =
                blend(water.fog, water.deep, std::pow((fy - horizon) / (kHeight - horizon), 0.8f));
        sunRows[y] = std::exp(-fy / 520.0f) * 0.45f;
    }
    std::vector<float> sunColumns(kWidth);
    std::vector<float> sideColumns(kWidth);
    for (int x = 0; x < kWidth; ++x) {
        const float dx = float((x - water.sun.x()) / 1100.0);
        sunColumns[x] = std::exp(-dx * dx);
        const float side = float((x - kCentre) / kCentre);
        sideColumns[x] = 1.0f - 0.16f * side * side;
    }
    const CoarseField murk(kWhole, 16, [&](double x, double y) {
        return 0.035f * fractalNoise(x / 700.0, y / 380.0, 2, seed);
    });
    const Tint sunlit = scaled(water.surface, 1.12f);
    plate.shade([&](int x, int y, Tint& c) {
        c = blend(rows[y], sunlit, sunColumns[x] * sunRows[y]);
        c = scaled(c, sideColumns[x] + murk.at(x, y));
    });
    return plate;
}

void surfaceShimmer(Canvas& picture, const Water& water, float strength, std::uint32_t seed) {
    const int reach = 360;
    const CoarseField cells(QRectF(0, 0, kWidth, reach), 4, [&](double x, double y) {
        return fractalNoise(x / 240.0, y / (46.0 + y * 0.25), 3, seed);
    });
    const Tint bright = scaled(water.surface, 1.25f);
    for (int y = 0; y < reach; ++y) {
        const float fade = std::pow(1.0f - float(y) / reach, 2.2f) * strength;
        for (int x = 0; x < kWidth; ++x) {
            Tint& c = picture.at(x, y);
            c = blend(c, bright, smoothStep(0.0f, 0.55f, cells.at(x, y)) * fade);
        }
    }
}

void lightShafts(Canvas& picture, const Water& water, int count, double reach, const Tint& colour,
                 std::uint32_t seed) {
    Prng rng(seed);
    Layer rays(kWhole.adjusted(-80, -80, 80, 80), 1.0 / 8, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        const QPointF sun = water.sun;
        for (int i = 0; i < count; ++i) {
            const double angle = rng.range(-0.62, 0.62);
            const double spread = rng.range(0.006, 0.03);
            const double strength = rng.range(0.25, 1.0);
            const double end = reach * rng.range(0.6, 1.0);
            const double length = (end - sun.y()) / std::cos(angle) * 1.05;
            const auto along = [&](double a) {
                return sun + QPointF(std::sin(a), std::cos(a)) * length;
            };
            QPainterPath ray;
            ray.moveTo(sun);
            ray.lineTo(along(angle - spread));
            ray.lineTo(along(angle + spread));
            ray.closeSubpath();
            p.setBrush(linear(QPointF(0, 0), QPointF(0, end),
                              {{0.0, QColor(255, 255, 255, int(255 * strength))},
                               {0.45, QColor(255, 255, 255, int(150 * strength))},
                               {1.0, QColor(255, 255, 255, 0)}}));
            p.drawPath(ray);
        }
    });
    rays.blur(14, true);
    picture.glow(rays, colour);
}

void seaBed(Canvas& picture, const Canvas& fog, const Water& water, const Bed& bed,
            std::uint32_t seed, const std::function<float(int x, int y)>& cover) {
    const double span = kHeight - water.horizon;
    // Ground coordinates: z grows into the distance, gx across.
    const auto ground = [&](double x, double y, double& gx, double& z) {
        const double d = std::max(0.0, y - horizonAt(water, x));
        z = 240.0 / (d + 24.0);
        gx = (x - kCentre) * z / 240.0;
    };
    const QRectF area(0, water.horizon - 40, kWidth, kHeight - water.horizon + 40);
    const CoarseField warp(area, 3, [&](double x, double y) {
        double gx, z;
        ground(x, y, gx, z);
        return 2.4f * fractalNoise(gx * 2.2, z * 3.0, 2, seed);
    });
    const CoarseField mottles(area, 4, [&](double x, double y) {
        double gx, z;
        ground(x, y, gx, z);
        return fractalNoise(gx * 0.9, z * 1.4, 3, seed + 7);
    });
    const CoarseField dapples(area, 3, [&](double x, double y) {
        double gx, z;
        ground(x, y, gx, z);
        return smoothStep(0.15f, 0.6f, fractalNoise(gx * 3.0, z * 5.0, 2, seed + 11));
    });
    for (int x = 0; x < kWidth; ++x) {
        const double top = horizonAt(water, x);
        for (int y = std::max(0, int(top) - 24); y < kHeight; ++y) {
            const double d = y - top;
            float opacity = smoothStep(-14, 20, float(d));
            if (cover) opacity *= cover(x, y);
            if (opacity <= 0.0f) continue;
            const double near = std::clamp(d / span, 0.0, 1.0);
            const double z = 240.0 / (std::max(d, 0.0) + 24.0);
            const double gx = (x - kCentre) * z / 240.0;
            // Ripples fade out where they would be finer than a few pixels.
            const double period =
                0.055 * (std::max(d, 0.0) + 24.0) * (std::max(d, 0.0) + 24.0) / 240.0;
            const float rippleFade = smoothStep(7, 24, float(period));
            const double phase =
                (z + gx * bed.rippleSlant) / 0.055 * 2 * std::numbers::pi + warp.at(x, y);
            const float ripple = rippleFade > 0 ? wave(phase) * bed.ripples * rippleFade : 0.0f;
            const float dapple = dapples.at(x, y) * bed.dapples * float(1.0 - near * 0.6);
            const float light = 0.98f - 0.32f * float(near) + 0.07f * ripple +
                                0.08f * mottles.at(x, y) + 0.16f * dapple;
            const float far = float(1.0 - near);
            Tint own =
                blend(scaled(bed.sand, light), fog.at(x, y), 0.08f + 0.86f * far * far * far);
            Tint& c = picture.at(x, y);
            c = blend(c, own, opacity);
        }
    }
}

void sandDrifts(Canvas& picture, const Canvas& fog, const Water& water, const Bed& bed,
                std::uint32_t seed, std::initializer_list<QRectF> drifts) {
    QRectF bounds;
    for (const QRectF& drift : drifts) bounds = bounds.united(drift);
    Layer mask(bounds.adjusted(-80, -80, 80, 80), 0.25, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (const QRectF& drift : drifts) p.drawEllipse(drift);
    });
    mask.blur(18, true);
    seaBed(picture, fog, water, bed, seed, [&](int x, int y) {
        float px[4];
        mask.sample(x + 0.5, y + 0.5, px);
        return px[3];
    });
}

void contactShadow(Canvas& picture, QRectF ellipse, float strength) {
    Layer shadow(ellipse.adjusted(-60, -40, 60, 40), 0.25, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, int(255 * strength)));
        p.drawEllipse(ellipse);
    });
    shadow.blur(16, true);
    picture.over(shadow);
}

void marineSnow(Canvas& picture, int count, const Tint& colour, std::uint32_t seed) {
    Prng rng(seed);
    Layer specks(kWhole, 1.0, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < count; ++i) {
            const QPointF at(rng.range(0, kWidth), rng.range(0, kHeight));
            const double r = rng.range(1.2, 3.2);
            const int alpha = int(rng.range(0.15, 0.55) * 255);
            p.setBrush(radial(
                at, r, {{0.0, QColor(255, 255, 255, alpha)}, {1.0, QColor(255, 255, 255, 0)}}));
            p.drawEllipse(at, r, r);
        }
    });
    picture.glow(specks, scaled(colour, 0.4f));
    Layer motes(kWhole, 0.25, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < count / 14; ++i) {
            const QPointF at(rng.range(0, kWidth), rng.range(0, kHeight * 0.8));
            const double r = rng.range(5, 13);
            p.setBrush(QColor(255, 255, 255, int(rng.range(0.05, 0.14) * 255)));
            p.drawEllipse(at, r, r);
        }
    });
    motes.blur(5, true);
    picture.glow(motes, colour);
}

void vignette(Canvas& picture, float strength) {
    picture.shade([&](int x, int y, Tint& c) {
        const float dx = float((x - kCentre) / kCentre);
        const float dy = float((y - kHeight * 0.42) / (kHeight * 0.58));
        const float r = std::sqrt(dx * dx * 0.8f + dy * dy);
        c = scaled(c, 1.0f - strength * smoothStep(0.6f, 1.35f, r));
    });
}

void siltBand(Canvas& picture, const Canvas& fog, double centre, double halfHeight,
              float strength) {
    const int top = std::max(0, int(centre - 3 * halfHeight));
    const int bottom = std::min(kHeight, int(centre + 3 * halfHeight));
    for (int y = top; y < bottom; ++y) {
        const double t = (y - centre) / halfHeight;
        const float w = strength * float(std::exp(-t * t));
        for (int x = 0; x < kWidth; ++x)
            picture.at(x, y) = blend(picture.at(x, y), fog.at(x, y), w);
    }
}

std::function<float(int, int)> hazeFor(float base, float nearBed, double from, double to) {
    return [=](int, int y) {
        return base + (nearBed - base) * smoothStep(float(from), float(to), float(y));
    };
}

void rockFace(Layer& rock, std::uint32_t seed, const Stone& stone,
              const std::function<float(double x, double y)>& carving) {
    const double s = stone.size;
    const CoarseField broad(rock.area(), 6, [&](double x, double y) {
        return fractalNoise(x / (260.0 * s), y / (170.0 * s), 4, seed);
    });
    const CoarseField creases(rock.area(), 3, [&](double x, double y) {
        return 1.0f - std::abs(fractalNoise(x / (110.0 * s), y / (80.0 * s), 3, seed + 1));
    });
    const CoarseField patches(rock.area(), 6, [&](double x, double y) {
        return fractalNoise(x / (90.0 * s), y / (60.0 * s), 3, seed + 2);
    });
    if (stone.mass > 0) {
        Layer::Lighting broadLight = stone.lighting;
        broadLight.roundness = stone.mass;
        broadLight.steepness = float(stone.lighting.steepness * stone.mass / 30.0);
        broadLight.ambient = 0.45f;
        broadLight.diffuse = 0.75f;
        rock.relief(broadLight, {});
    }
    rock.relief(stone.lighting, [&](double x, double y) {
        return stone.grain * (0.6f * broad.at(x, y) + 0.3f * creases.at(x, y)) +
               (carving ? carving(x, y) : 0.0f);
    });
    rock.shade([&](double x, double y, float depth, Tint& c) {
        const float top = std::exp(-depth / stone.sheenReach);
        const float patch = smoothStep(0.0f, 0.5f, patches.at(x, y));
        const float k = 0.92f + 0.2f * broad.at(x, y) + stone.sheen * top;
        c = blend(c, scaled(stone.growth, 0.5f + 0.5f * c.g / 160.0f),
                  stone.growthAmount * patch * (0.4f + 0.6f * top));
        c = scaled(c, std::max(0.1f, k));
    });
}

QPainterPath crag(QPointF base, double height, double width, std::uint32_t seed) {
    // A tapering tower, its sides stepping in at ledges, on a flared foot.
    Prng rng(seed);
    const int levels = 6;
    const double lean = rng.range(-0.2, 0.2) * width;
    std::vector<QPointF> left;
    std::vector<QPointF> right;
    for (int i = 0; i < levels; ++i) {
        const double t = double(i) / levels;
        const double y = base.y() - height * t;
        const double half = width * 0.5 * (1.0 - 0.75 * std::pow(t, 0.9));
        const double x = base.x() + lean * t;
        const double step = height / levels;
        const double l = x - half * rng.range(0.85, 1.15);
        const double r = x + half * rng.range(0.85, 1.15);
        left.emplace_back(l, y);
        left.emplace_back(l + half * rng.range(0.0, 0.2), y - step * rng.range(0.5, 0.9));
        right.emplace_back(r, y);
        right.emplace_back(r - half * rng.range(0.0, 0.2), y - step * rng.range(0.5, 0.9));
    }
    QPainterPath path;
    path.moveTo(base.x() - width * 0.8, base.y() + 12);
    path.quadTo(base.x() - width * 0.55, base.y(), left.front().x(), left.front().y() - 10);
    for (const QPointF& q : left) path.lineTo(q);
    path.lineTo(base.x() + lean + rng.range(-0.1, 0.1) * width, base.y() - height);
    for (const QPointF& q : std::views::reverse(right)) path.lineTo(q);
    path.quadTo(base.x() + width * 0.55, base.y(), base.x() + width * 0.8, base.y() + 12);
    path.closeSubpath();
    return roughened(roughened(path, width * 0.04, width * 0.7, seed), std::min(6.0, width * 0.03),
                     44, seed + 1);
}

void farRidge(Canvas& picture, const Canvas& fog, double baseY, double height, float haze,
              const QColor& colour, std::uint32_t seed, double roughness) {
    Layer ridge(QRectF(0, baseY - height * 1.6, kWidth, kHeight - baseY + height * 1.6), 0.25,
                [&](QPainter& p) {
                    QPainterPath hills;
                    hills.moveTo(-20, kHeight);
                    for (int x = -20; x <= kWidth + 20; x += 8) {
                        const double n = fractalNoise(x / 520.0, 0.5, 4, seed) * roughness;
                        hills.lineTo(x, baseY - height * (0.55 + 0.8 * n));
                    }
                    hills.lineTo(kWidth + 20, kHeight);
                    hills.closeSubpath();
                    p.setPen(Qt::NoPen);
                    p.setBrush(colour);
                    p.drawPath(hills);
                });
    ridge.blur(6);
    picture.over(ridge, &fog, [haze](int, int) { return haze; });
}

void drawKelp(QPainter& p, Prng& rng, QPointF base, double height, double width) {
    const double sway = rng.range(-60, 60);
    const double phase = rng.range(0, 6.3);
    const auto spine = sampleSpine(
        [&](double t) {
            return base + QPointF(sway * t * t + 14 * std::sin(t * 5 + phase) * t, -height * t);
        },
        40);
    p.drawPath(taperedPath(spine, width, width * 0.4));
    for (std::size_t i = 3; i + 1 < spine.size(); i += 2) {
        const double side = (i / 2) % 2 ? 1.0 : -1.0;
        const double size = width * rng.range(2.5, 4.5) * (1.0 - double(i) / spine.size() * 0.5);
        QPainterPath leaf;
        leaf.moveTo(spine[i]);
        leaf.quadTo(spine[i] + QPointF(side * size * 0.9, -size * 0.2),
                    spine[i] + QPointF(side * size * 1.3, -size * 1.1));
        leaf.quadTo(spine[i] + QPointF(side * size * 0.2, -size * 0.7), spine[i]);
        p.drawPath(leaf);
    }
}

void drawReeds(QPainter& p, Prng& rng, QPointF base, double height, double width) {
    const int blades = 8 + rng.below(7);
    const double lean = rng.range(-0.5, 0.5);
    for (int i = 0; i < blades; ++i) {
        const double h = height * rng.range(0.45, 1.0);
        const double spread = (i - (blades - 1) / 2.0) / blades;
        const double bend = (lean + spread * 1.6 + rng.range(-0.3, 0.3)) * h * 0.6;
        const QPointF foot = base + QPointF(rng.range(-1.5, 1.5) * width, 0);
        const double flutter = rng.range(0, 6.3);
        p.drawPath(taperedPath(
            sampleSpine(
                [&](double t) {
                    return foot + QPointF(bend * t * t + 6 * std::sin(t * 7 + flutter) * t, -h * t);
                },
                30),
            width * rng.range(0.8, 1.2), 0.8));
    }
}

}  // namespace mediagen::sea
