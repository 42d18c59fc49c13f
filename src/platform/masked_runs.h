#pragma once
// A block drawn through a mask (the mask ANDed, then the picture ORed), seen
// once as runs. In a sprite frame nearly every pixel either leaves an opaque
// buffer pixel as it was (white in the mask, black in the picture) or simply
// becomes the picture's pixel (the mask has nothing the picture lacks). Drawn
// as runs, the first are skipped and the second copied from the picture,
// without reading the mask; only a run holding other pixels goes through it.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

#include "platform/bitmap.h"

namespace bv::platform {

// Whether a masked pixel leaves every opaque buffer pixel (0xFFRRGGBB) as it was.
bool MaskedPixelKeeps(Colour mask, Colour image);
// Whether a masked pixel turns every buffer pixel into the picture's own.
bool MaskedPixelCopies(Colour mask, Colour image);

class MaskedRuns {
public:
    // The runs of the size block at maskAt in mask and at imageAt in image,
    // both true colour and holding the block.
    MaskedRuns(const Bitmap& mask, QPoint maskAt, const Bitmap& image, QPoint imageAt, QSize size);

    // The block's painted area: the smallest block, relative to its top-left
    // corner, outside which every pixel leaves an opaque buffer pixel as it
    // was. Empty when they all do.
    const QRect& Bounds() const { return bounds_; }

    // Draws the painted area, its corner placed at `at` in a buffer of
    // opaque pixels, only inside area: exactly what MaskedPaint of the whole
    // block leaves there. maskAt and imageAt are the painted area's corner
    // in the pictures the runs were seen in.
    void Paint(Bitmap& destination, QPoint at, const QRect& area, const Bitmap& mask, QPoint maskAt,
               const Bitmap& image, QPoint imageAt) const;

private:
    struct Run {
        int begin;
        int end;      // exclusive
        bool copies;  // every pixel in it is the picture's own
    };
    QRect bounds_;
    std::vector<Run> runs_;  // their columns relative to the painted area
    // Row r of the painted area has runs [rowStarts_[r], rowStarts_[r + 1]).
    std::vector<std::size_t> rowStarts_;
};

}  // namespace bv::platform
