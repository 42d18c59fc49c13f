#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <functional>

#include "prng.h"
#include "scenery_canvas.h"

// The parts every backdrop is made of: open water lit from the surface, the
// sea bed in perspective, light shafts, drifting specks, and stone.
namespace mediagen::sea {

inline constexpr int kWidth = 2560;
inline constexpr int kHeight = 1440;
inline constexpr double kCentre = kWidth / 2.0;
inline const QRectF kWhole(0, 0, kWidth, kHeight);

// The water from the surface down, and where the far sea bed meets it.
struct Water {
    Tint surface;  // just under the surface, looking up
    Tint upper;    // a quarter of the way down
    Tint fog;      // looking straight out: what the distance fades to
    Tint deep;     // the bottom edge, looking down into the gloom
    double horizon;
    QPointF sun;  // where the light comes down from, above the picture
};

struct Bed {
    Tint sand;
    float ripples;  // strength of the sand ripples, 0..1
    float dapples;  // strength of the patches of light, 0..1
    double rippleSlant;
};

// The open water: brighter toward the surface and the sun, fading to the fog
// colour at the horizon and to gloom below. It is also the fog itself: what
// lies far away is mixed toward it.
Canvas waterPlate(const Water& water, std::uint32_t seed);

// The underside of the waves: soft bright cells along the top edge.
void surfaceShimmer(Canvas& picture, const Water& water, float strength, std::uint32_t seed);

// Shafts of light fanning down from the sun, soft-edged, fading out by `reach`.
void lightShafts(Canvas& picture, const Water& water, int count, double reach, const Tint& colour,
                 std::uint32_t seed);

// The sea bed from the horizon down: sand in perspective with soft ripples
// and patches of light, swallowed by the fog toward the horizon. `cover`
// scales how much of the bed shows (sand drifts over the feet of rocks).
void seaBed(Canvas& picture, const Canvas& fog, const Water& water, const Bed& bed,
            std::uint32_t seed, const std::function<float(int x, int y)>& cover = {});

// Sand banked up over whatever stands on the bed, in the ellipses given.
void sandDrifts(Canvas& picture, const Canvas& fog, const Water& water, const Bed& bed,
                std::uint32_t seed, std::initializer_list<QRectF> drifts);

// A soft dark patch on the sea bed under something resting on it.
void contactShadow(Canvas& picture, QRectF ellipse, float strength);

// Specks drifting in the water, and a few large soft ones close to the eye.
void marineSnow(Canvas& picture, int count, const Tint& colour, std::uint32_t seed);

void vignette(Canvas& picture, float strength);

// Silt hanging over the sea bed: a band of fog around row `centre` that
// softens where rocks meet the sand.
void siltBand(Canvas& picture, const Canvas& fog, double centre, double halfHeight, float strength);

// Haze for a piece at middle distance: `base` high up, thickening to
// `nearBed` between rows `from` and `to`, in the silt over the sea bed.
std::function<float(int, int)> hazeFor(float base, float nearBed, double from, double to);

// Stone: painted colours lit as a relief of rounded, creased rock, with a
// sheen where the surface faces up and patches of growth.
struct Stone {
    Layer::Lighting lighting;
    double mass = 0;        // when > 0, a second, broad rounding of the whole form
    float grain = 1.0f;     // how rough the relief is
    float sheen = 0.25f;    // light on surfaces facing up
    float sheenReach = 30;  // how far below an upper edge the sheen reaches
    double size = 1.0;      // scale of the features
    Tint growth{90, 120, 70};
    float growthAmount = 0.25f;
};
void rockFace(Layer& rock, std::uint32_t seed, const Stone& stone,
              const std::function<float(double x, double y)>& carving = {});

// A pinnacle of stacked, weathered blocks standing on `base`.
QPainterPath crag(QPointF base, double height, double width, std::uint32_t seed);

// A far range of hills along the horizon, drawn small and blurred.
void farRidge(Canvas& picture, const Canvas& fog, double baseY, double height, float haze,
              const QColor& colour, std::uint32_t seed, double roughness = 1.0);

// A strand of kelp: a swaying stem with leaves.
void drawKelp(QPainter& p, Prng& rng, QPointF base, double height, double width);

// A clump of long, ribbon-like blades of water weed.
void drawReeds(QPainter& p, Prng& rng, QPointF base, double height, double width);

}  // namespace mediagen::sea
