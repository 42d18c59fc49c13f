#include "scene/frame_composer.h"

#include <algorithm>

#include "platform/surface_table.h"
#include "scene/scene_globals.h"

namespace bv {
namespace {

bool Overlap(const QRect& a, const QRect& b) {
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() &&
           b.top() <= a.bottom();
}

}  // namespace

void FrameComposer::Begin() {
    noted_.clear();
    firstOf_.clear();
    // White and black keep a pixel only in true colour; a buffer of palette
    // indices keeps every drawing whole.
    const platform::Bitmap* buffer = platform::FindSurface(BufferDC);
    trimToPaintedAreas_ =
        buffer != nullptr && buffer->format() == platform::PixelFormat::TrueColour;
    noting_ = true;
}

void FrameComposer::Note(const BufferDrawing& drawing) {
    if (!drawing.DrawsSomething()) return;
    const platform::Bitmap* picture = platform::FindSurface(drawing.source);
    const platform::Bitmap* maskPicture = platform::FindSurface(drawing.mask);
    // Only where it can change a pixel: a sprite's see-through margins
    // neither need restoring nor showing when it moves.
    PaintedDrawing painted = trimToPaintedAreas_
                                 ? paintedAreas_.Trimmed(drawing, picture, maskPicture)
                                 : PaintedDrawing{drawing, nullptr};
    if (painted.drawing.target.isEmpty()) return;
    const auto [first, isFirst] = firstOf_.try_emplace(drawing.owner, noted_.size());
    const int ordinal = static_cast<int>(noted_.size() - first->second);
    noted_.push_back({ordinal, painted.drawing, picture, maskPicture, std::move(painted.runs)});
}

const FrameComposer::Noted* FrameComposer::Before(const Noted& now) const {
    const auto first = firstBefore_.find(now.drawing.owner);
    if (first == firstBefore_.end()) return nullptr;
    const std::size_t at = first->second + static_cast<std::size_t>(now.ordinal);
    if (at >= lastFrame_.size()) return nullptr;
    const Noted& candidate = lastFrame_[at];
    return candidate.drawing.owner == now.drawing.owner && candidate.ordinal == now.ordinal
               ? &candidate
               : nullptr;
}

void FrameComposer::Changed(const QRect& area) {
    const QRect part = area.intersected(QRect(0, 0, ScreenWidth, ScreenHeight));
    if (part.isEmpty()) return;
    parts_.push_back(part);
    strips_.Add(part);
}

void FrameComposer::MarkChanges() {
    parts_.clear();
    strips_.Reset(ScreenWidth, ScreenHeight);
    if (!haveLastFrame_) {
        Changed(QRect(0, 0, ScreenWidth, ScreenHeight));
        return;
    }
    std::vector<bool> followed(lastFrame_.size(), false);
    for (const Noted& now : noted_) {
        const Noted* before = Before(now);
        if (before == nullptr) {
            Changed(now.drawing.target);
            continue;
        }
        followed[static_cast<std::size_t>(before - lastFrame_.data())] = true;
        if (before->drawing == now.drawing) continue;
        // Where it was and where it is, in one piece: they mostly overlap.
        Changed(now.drawing.target.united(before->drawing.target));
    }
    for (std::size_t i = 0; i < lastFrame_.size(); ++i)
        if (!followed[i]) Changed(lastFrame_[i].drawing.target);
}

void FrameComposer::Compose(platform::Bitmap& buffer) {
    cellColumns_ = std::max((ScreenWidth + kCellSize - 1) / kCellSize, 0);
    const int cellRows = std::max((ScreenHeight + kCellSize - 1) / kCellSize, 0);
    partsByCell_.resize(static_cast<std::size_t>(cellColumns_) *
                        static_cast<std::size_t>(cellRows));
    for (std::vector<std::size_t>& cell : partsByCell_) cell.clear();
    const auto cellAt = [&](int column, int row) -> std::vector<std::size_t>& {
        return partsByCell_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cellColumns_) +
                            static_cast<std::size_t>(column)];
    };
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        const QRect& part = parts_[i];
        for (int row = part.top() / kCellSize; row <= part.bottom() / kCellSize; ++row)
            for (int column = part.left() / kCellSize; column <= part.right() / kCellSize; ++column)
                cellAt(column, row).push_back(i);
    }

    for (const Noted& noted : noted_) {
        const QRect& target = noted.drawing.target;
        const int firstRow = std::max(target.top(), 0) / kCellSize;
        const int lastRow = std::min(target.bottom() / kCellSize, cellRows - 1);
        const int firstColumn = std::max(target.left(), 0) / kCellSize;
        const int lastColumn = std::min(target.right() / kCellSize, cellColumns_ - 1);
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int column = firstColumn; column <= lastColumn; ++column) {
                for (const std::size_t i : cellAt(column, row)) {
                    const QRect& part = parts_[i];
                    // A drawing meets a part in every cell they share; it is
                    // done over the part in the one where their overlap starts.
                    if (Overlap(target, part) &&
                        std::max(target.top(), part.top()) / kCellSize == row &&
                        std::max(target.left(), part.left()) / kCellSize == column)
                        noted.drawing.Perform(buffer, part, noted.picture, noted.maskPicture,
                                              noted.runs.get());
                }
            }
        }
    }
}

FrameComposer::Changes FrameComposer::Finish() {
    noting_ = false;
    MarkChanges();
    if (platform::Bitmap* buffer = platform::FindSurface(BufferDC); buffer != nullptr)
        Compose(*buffer);
    lastFrame_.swap(noted_);
    firstBefore_.swap(firstOf_);
    noted_.clear();
    haveLastFrame_ = true;
    return {parts_, strips_.IsEmpty() ? std::vector<QRect>() : strips_.Bands()};
}

void FrameComposer::Abandon() {
    noting_ = false;
    noted_.clear();
}

void FrameComposer::Forget() {
    Abandon();
    lastFrame_.clear();
    firstBefore_.clear();
    paintedAreas_.Clear();
    haveLastFrame_ = false;
}

FrameComposer& TheFrameComposer() {
    static FrameComposer composer;
    return composer;
}

}  // namespace bv
