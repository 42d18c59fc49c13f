#include "scene/painted_area.h"

#include <algorithm>

namespace bv {
namespace {

using platform::Bitmap;
using platform::Colour;

// Whether an AND or an OR pixel leaves every buffer pixel (0xFFRRGGBB) as it
// was: ANDing white, ORing black. (A sprite frame's pixels: platform/masked_runs.h.)
bool AndKeeps(Colour source) {
    return source == platform::kWhite;
}
bool OrKeeps(Colour source) {
    return (source & platform::kRgbBits) == 0;
}

bool BlockInside(const Bitmap& picture, QPoint at, QSize size) {
    return picture.format() == platform::PixelFormat::TrueColour && !picture.isEmptyDefault() &&
           at.x() >= 0 && at.y() >= 0 && at.x() <= picture.width() - size.width() &&
           at.y() <= picture.height() - size.height();
}

// The smallest block, relative to the drawing's own, outside which every
// pixel passes keeps(column, row).
template <typename Keeps>
QRect BoundsOfChanges(QSize size, Keeps keeps) {
    int left = size.width(), right = -1, top = size.height(), bottom = -1;
    for (int row = 0; row < size.height(); ++row) {
        for (int column = 0; column < size.width(); ++column) {
            if (keeps(column, row)) continue;
            left = std::min(left, column);
            right = std::max(right, column);
            top = std::min(top, row);
            bottom = row;
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect PaintedBounds(const BufferDrawing& drawing, const Bitmap& picture) {
    const QSize size = drawing.target.size();
    const auto pixel = [&](int column, int row) {
        return picture.trueColourRow(drawing.sourceAt.y() + row)[drawing.sourceAt.x() + column];
    };
    switch (drawing.kind) {
        case BufferDrawing::Kind::kAnd:
            return BoundsOfChanges(
                size, [&](int column, int row) { return AndKeeps(pixel(column, row)); });
        case BufferDrawing::Kind::kOr:
            return BoundsOfChanges(
                size, [&](int column, int row) { return OrKeeps(pixel(column, row)); });
        default:
            return QRect(QPoint(0, 0), size);
    }
}

}  // namespace

std::size_t PaintedAreas::KeyHash::operator()(const Key& key) const {
    std::size_t hash = static_cast<std::size_t>(key.kind);
    for (const long long part :
         {static_cast<long long>(key.source), static_cast<long long>(key.mask),
          static_cast<long long>(key.sourceX), static_cast<long long>(key.sourceY),
          static_cast<long long>(key.maskX), static_cast<long long>(key.maskY),
          static_cast<long long>(key.width), static_cast<long long>(key.height)})
        hash = hash * 1000003u ^ static_cast<std::size_t>(part);
    return hash;
}

PaintedDrawing PaintedAreas::Trimmed(const BufferDrawing& drawing, const Bitmap* picture,
                                     const Bitmap* maskPicture) {
    using Kind = BufferDrawing::Kind;
    const bool masked = drawing.kind == Kind::kMasked;
    if (drawing.kind != Kind::kMasked && drawing.kind != Kind::kAnd && drawing.kind != Kind::kOr)
        return {drawing, nullptr};
    const QSize size = drawing.target.size();
    if (picture == nullptr || !BlockInside(*picture, drawing.sourceAt, size) ||
        (masked && (maskPicture == nullptr || !BlockInside(*maskPicture, drawing.maskAt, size))))
        return {drawing, nullptr};

    const Key key{drawing.kind,
                  drawing.source,
                  masked ? drawing.mask : 0,
                  drawing.sourceAt.x(),
                  drawing.sourceAt.y(),
                  masked ? drawing.maskAt.x() : 0,
                  masked ? drawing.maskAt.y() : 0,
                  size.width(),
                  size.height()};
    auto found = known_.find(key);
    if (found == known_.end()) {
        // A scene has a few hundred frames; anything far beyond that is not
        // worth keeping.
        constexpr std::size_t kMostKept = 1 << 14;
        if (known_.size() >= kMostKept) known_.clear();
        Seen seen;
        if (masked) {
            // A sprite frame's runs find its painted area on the way.
            auto runs = std::make_shared<const platform::MaskedRuns>(
                *maskPicture, drawing.maskAt, *picture, drawing.sourceAt, size);
            seen.bounds = runs->Bounds();
            if (!seen.bounds.isEmpty()) seen.runs = std::move(runs);
        } else {
            seen.bounds = PaintedBounds(drawing, *picture);
        }
        found = known_.emplace(key, std::move(seen)).first;
    }
    const QRect& bounds = found->second.bounds;
    PaintedDrawing trimmed{drawing, found->second.runs};
    trimmed.drawing.target =
        bounds.isEmpty() ? QRect() : bounds.translated(drawing.target.topLeft());
    trimmed.drawing.sourceAt += bounds.topLeft();
    if (masked) trimmed.drawing.maskAt += bounds.topLeft();
    return trimmed;
}

}  // namespace bv
