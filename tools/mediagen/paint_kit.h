#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRadialGradient>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace mediagen {

QColor mix(const QColor& a, const QColor& b, double t);

QLinearGradient linear(QPointF from, QPointF to,
                       std::initializer_list<std::pair<double, QColor>> stops);
QRadialGradient radial(QPointF centre, double radius,
                       std::initializer_list<std::pair<double, QColor>> stops);

// A closed outline around a centre line whose width runs from `startWidth`
// to `endWidth`, round at both ends and solid whichever way the centre line
// runs: arms, tails, worms, kelp and limbs.
QPainterPath taperedPath(const std::vector<QPointF>& spine, double startWidth, double endWidth);

// The union of all the shapes added to `path`, overlaps filled rather than
// cancelled out.
QPainterPath solidUnion(QPainterPath path);

// Centre line sampled from a function of t in [0, 1].
std::vector<QPointF> sampleSpine(const std::function<QPointF(double)>& at, int samples = 24);

// A glossy eye: iris ring, pupil and a highlight.
void drawEye(QPainter& p, QPointF centre, double radius, const QColor& iris = QColor(40, 30, 10));

// A translucent-looking air bubble with rim and highlight.
void drawBubble(QPainter& p, QPointF centre, double radius);

// Fills `path` with `fill` and strokes a thin darker rim for readability on
// any background.
void fillWithRim(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& rim,
                 double rimWidth = 1.0);

// A patch of sea-bed sand, an ellipse filling `area`, for a piece to stand on.
void drawSandPatch(QPainter& p, QRectF area);

// The front of the sand patch in `area` banked up against the foot of whatever
// stands on it: the patch's part below a low mound rising to `crest` between
// `from` and `to`, grained and strewn with pebbles. Drawn over the piece, it
// sinks the piece into the sand; `foot` (the piece's outline) darkens where
// it meets the sand.
void drawSandDrift(QPainter& p, QRectF area, const QPainterPath& foot, double from, double to,
                   double crest);

// Draws `draw` onto an offscreen canvas of `size` and pastes it with every
// column x shifted down by offsetAtX(x) pixels: bends bodies into a wave.
void drawBent(QPainter& p, QSizeF size, const std::function<void(QPainter&)>& draw,
              const std::function<double(double)>& offsetAtX);

}  // namespace mediagen
