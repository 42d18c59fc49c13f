#pragma once

#include <QPainter>
#include <QPointF>
#include <vector>

namespace mediagen {

// Scaled fish tail along `spine` (hips first) ending in a two-lobed fluke.
void drawMermaidTail(QPainter& p, const std::vector<QPointF>& spine, double hipWidth);

// Long hair streaming from `crown` towards `flow`, waving with `phase`.
void drawFlowingHair(QPainter& p, QPointF crown, QPointF flow, double thickness, double phase);

// Two shells worn on the chest at `chest`, `span` apart.
void drawShellTop(QPainter& p, QPointF chest, double span);

}  // namespace mediagen
