#pragma once
// Scaling pictures: a sharp whole-number enlargement for showing the scene's
// pixels as blocks, and a smooth scaling that covers an area for pictures
// drawn larger than the scene.

#include <QRect>
#include <functional>

#include "platform/bitmap.h"

namespace bv::platform {

// Copies the width x height block of source at (sx, sy) into destination at
// (x, y), each source pixel becoming a scale x scale block: nearest pixel, no
// smoothing. Clipped at the edges of both pictures; pictures of different
// formats are converted on the way.
void ScaleUp(Bitmap& destination, int x, int y, const Bitmap& source, int sx, int sy, int width,
             int height, int scale);

// The pixels of `area` of the true-colour source enlarged scale times (each
// pixel a scale x scale block), row after row in target: for writing an
// enlarged picture straight where it goes. The area may start and end inside
// blocks, but must lie within the enlargement.
void CopyEnlarged(const Bitmap& source, int scale, const QRect& area, Colour* target);

// A true-colour width x height picture covered by source: scaled smoothly,
// keeping its aspect ratio, so that it fills the whole area, centred, with
// what overflows cropped.
Bitmap ScaledToCover(const Bitmap& source, int width, int height);

// The same over the whole of target, drawn into it. Down to half size the
// source is sampled bilinearly, which differs from averaging by a shade.
void CoverWith(Bitmap& target, const Bitmap& source);

// The same from a picture given row by row, its top row first: rowAt fills
// `row` with sourceWidth pixels of picture row y. For a source that is not a
// picture in memory (a file's rows), which would otherwise be decoded whole
// first. False, drawing nothing, where bilinear sampling does not fit: below
// half size, or into a target that is not true colour.
using RowSource = std::function<void(int y, Colour* row)>;
bool CoverWithRows(Bitmap& target, int sourceWidth, int sourceHeight, const RowSource& rowAt);

}  // namespace bv::platform
