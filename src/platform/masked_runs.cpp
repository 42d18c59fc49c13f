#include "platform/masked_runs.h"

#include <algorithm>
#include <cstring>

#include "platform/raster.h"

namespace bv::platform {

bool MaskedPixelKeeps(Colour mask, Colour image) {
    return (mask & kRgbBits) == kRgbBits && (image & kRgbBits) == 0 &&
           ((mask | image) >> 24) == 0xFF;
}

bool MaskedPixelCopies(Colour mask, Colour image) {
    // (buffer & mask) | image is the image whatever the buffer holds.
    return (mask & ~image) == 0;
}

MaskedRuns::MaskedRuns(const Bitmap& mask, QPoint maskAt, const Bitmap& image, QPoint imageAt,
                       QSize size) {
    int left = size.width(), right = 0, top = -1, bottom = -1;  // right: exclusive
    std::vector<std::size_t> rowStarts;
    rowStarts.reserve(static_cast<std::size_t>(size.height()) + 1);
    for (int row = 0; row < size.height(); ++row) {
        rowStarts.push_back(runs_.size());
        const Colour* maskRow = mask.trueColourRow(maskAt.y() + row) + maskAt.x();
        const Colour* imageRow = image.trueColourRow(imageAt.y() + row) + imageAt.x();
        for (int column = 0; column < size.width();) {
            if (MaskedPixelKeeps(maskRow[column], imageRow[column])) {
                ++column;
                continue;
            }
            Run run{column, column, true};
            for (; run.end < size.width() && !MaskedPixelKeeps(maskRow[run.end], imageRow[run.end]);
                 ++run.end)
                run.copies = run.copies && MaskedPixelCopies(maskRow[run.end], imageRow[run.end]);
            runs_.push_back(run);
            column = run.end;
            left = std::min(left, run.begin);
            right = std::max(right, run.end);
            if (top < 0) top = row;
            bottom = row;
        }
    }
    rowStarts.push_back(runs_.size());
    if (top < 0) {
        runs_.clear();
        rowStarts_ = {0};
        return;
    }
    // From here on, relative to the painted area.
    bounds_ = QRect(left, top, right - left, bottom - top + 1);
    for (Run& run : runs_) {
        run.begin -= left;
        run.end -= left;
    }
    rowStarts_.assign(rowStarts.begin() + top, rowStarts.begin() + bottom + 2);
}

void MaskedRuns::Paint(Bitmap& destination, QPoint at, const QRect& area, const Bitmap& mask,
                       QPoint maskAt, const Bitmap& image, QPoint imageAt) const {
    const QRect drawn =
        area & QRect(at, bounds_.size()) & QRect(0, 0, destination.width(), destination.height());
    const int first = drawn.left() - at.x();
    const int last = drawn.right() - at.x() + 1;  // exclusive
    for (int y = drawn.top(); y <= drawn.bottom(); ++y) {
        const auto row = static_cast<std::size_t>(y - at.y());
        Colour* targetRow = destination.trueColourRow(y);
        const Colour* imageRow = image.trueColourRow(imageAt.y() + y - at.y());
        const Colour* maskRow = mask.trueColourRow(maskAt.y() + y - at.y());
        for (std::size_t i = rowStarts_[row]; i < rowStarts_[row + 1]; ++i) {
            const int begin = std::max(runs_[i].begin, first);
            const int end = std::min(runs_[i].end, last);
            if (begin >= end) continue;
            Colour* target = targetRow + at.x() + begin;
            const Colour* imagePixels = imageRow + imageAt.x() + begin;
            if (runs_[i].copies)
                std::memcpy(target, imagePixels,
                            sizeof(Colour) * static_cast<std::size_t>(end - begin));
            else
                PaintThroughMask(target, maskRow + maskAt.x() + begin, imagePixels, end - begin);
        }
    }
}

}  // namespace bv::platform
