#pragma once
// Scaling pictures: a sharp whole-number enlargement for showing the scene's
// pixels as blocks, and a smooth scaling that covers an area for pictures
// drawn larger than the scene.

#include <QRect>

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

// The same from a picture given as rows, the bottom row first when bottomUp,
// sampled bilinearly. False, drawing nothing, where bilinear sampling does not
// fit: below half size, or into a target that is not true colour.
bool CoverWithRows(Bitmap& target, const QImage& rows, bool bottomUp);

}  // namespace bv::platform
