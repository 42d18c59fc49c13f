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

    // Draws the block, placed at `at` in a buffer of opaque pixels, only
    // inside area: exactly what MaskedPaint leaves there. The pictures and
    // their blocks are those the runs were seen in.
    void Paint(Bitmap& destination, QPoint at, const QRect& area, const Bitmap& mask, QPoint maskAt,
               const Bitmap& image, QPoint imageAt) const;

private:
    struct Run {
        int begin;
        int end;      // exclusive
        bool copies;  // every pixel in it is the picture's own
    };
    QSize size_;
    std::vector<Run> runs_;
    std::vector<std::size_t> rowStarts_;  // row r's runs are [rowStarts_[r], rowStarts_[r + 1])
};

}  // namespace bv::platform
