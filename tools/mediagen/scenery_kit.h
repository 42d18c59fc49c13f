#pragma once

#include <QColor>
#include <QPainter>
#include <QSizeF>

#include "prng.h"

namespace mediagen {

// Building blocks of the undersea backdrops.
void paintWater(QPainter& p, QSizeF size, const QColor& top, const QColor& bottom);
void paintLightRays(QPainter& p, QSizeF size, Prng& rng, int count, const QColor& colour);
// A band of hills whose top runs around `baseY` with the given roughness;
// colours fade from `colour` at the top edge to `shadow` at the bottom.
void paintRidge(QPainter& p, QSizeF size, Prng& rng, double baseY, double amplitude,
                const QColor& colour, const QColor& shadow);
void paintSeaFloor(QPainter& p, QSizeF size, double topY, const QColor& sand, Prng& rng);
void paintParticles(QPainter& p, QSizeF size, Prng& rng, int count, const QColor& colour);

}  // namespace mediagen
