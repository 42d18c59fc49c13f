#pragma once

#include <QColor>
#include <QPainter>
#include <QSizeF>

#include "prng.h"

namespace mediagen {

// Building blocks of the small undersea pictures (the dialog's previews).
void paintWater(QPainter& p, QSizeF size, const QColor& top, const QColor& bottom);
void paintLightRays(QPainter& p, QSizeF size, Prng& rng, int count, const QColor& colour);
void paintParticles(QPainter& p, QSizeF size, Prng& rng, int count, const QColor& colour);

}  // namespace mediagen
