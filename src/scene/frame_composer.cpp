#include "scene/frame_composer.h"

#include <algorithm>
#include <functional>

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
    noted_.push_back({0, painted.drawing, picture, maskPicture, std::move(painted.runs)});
}

const FrameComposer::OwnerStart* FrameComposer::StartOf(const std::vector<OwnerStart>& starts,
                                                        const void* owner) {
    const auto found = std::lower_bound(starts.begin(), starts.end(), owner,
                                        [](const OwnerStart& start, const void* wanted) {
                                            return std::less<const void*>()(start.owner, wanted);
                                        });
    return found != starts.end() && found->owner == owner ? &*found : nullptr;
}

void FrameComposer::NumberDrawings() {
    const auto startsHere = [&](std::size_t i) {
        return i == 0 || noted_[i].drawing.owner != noted_[i - 1].drawing.owner;
    };
    owners_.clear();
    for (std::size_t i = 0; i < noted_.size(); ++i)
        if (startsHere(i)) owners_.push_back({noted_[i].drawing.owner, i});
    // By owner, and for an owner that comes back later in the tick, its
    // first appearance only.
    std::sort(owners_.begin(), owners_.end(), [](const OwnerStart& a, const OwnerStart& b) {
        return a.owner != b.owner ? std::less<const void*>()(a.owner, b.owner) : a.first < b.first;
    });
    owners_.erase(
        std::unique(owners_.begin(), owners_.end(),
                    [](const OwnerStart& a, const OwnerStart& b) { return a.owner == b.owner; }),
        owners_.end());
    std::size_t first = 0;
    for (std::size_t i = 0; i < noted_.size(); ++i) {
        if (startsHere(i)) first = StartOf(owners_, noted_[i].drawing.owner)->first;
        noted_[i].ordinal = static_cast<int>(i - first);
    }
}

const FrameComposer::Noted* FrameComposer::Before(const Noted& now) const {
    const OwnerStart* start = StartOf(ownersBefore_, now.drawing.owner);
    if (start == nullptr) return nullptr;
    const std::size_t at = start->first + static_cast<std::size_t>(now.ordinal);
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
    followed_.assign(lastFrame_.size(), false);
    for (const Noted& now : noted_) {
        const Noted* before = Before(now);
        if (before == nullptr) {
            Changed(now.drawing.target);
            continue;
        }
        followed_[static_cast<std::size_t>(before - lastFrame_.data())] = true;
        if (before->drawing == now.drawing) continue;
        // Where it was and where it is, in one piece: they mostly overlap.
        Changed(now.drawing.target.united(before->drawing.target));
    }
    for (std::size_t i = 0; i < lastFrame_.size(); ++i)
        if (!followed_[i]) Changed(lastFrame_[i].drawing.target);
}

void FrameComposer::Compose(platform::Bitmap& buffer) {
    const int cellColumns = std::max((ScreenWidth + kCellSize - 1) / kCellSize, 0);
    const int cellRows = std::max((ScreenHeight + kCellSize - 1) / kCellSize, 0);
    partsByCell_.resize(static_cast<std::size_t>(cellColumns) * static_cast<std::size_t>(cellRows));
    for (std::vector<std::size_t>& cell : partsByCell_) cell.clear();
    const auto cellAt = [&](int column, int row) -> std::vector<std::size_t>& {
        return partsByCell_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cellColumns) +
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
        const int lastColumn = std::min(target.right() / kCellSize, cellColumns - 1);
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
    NumberDrawings();
    MarkChanges();
    if (platform::Bitmap* buffer = platform::FindSurface(BufferDC); buffer != nullptr)
        Compose(*buffer);
    lastFrame_.swap(noted_);
    ownersBefore_.swap(owners_);
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
    ownersBefore_.clear();
    paintedAreas_.Clear();
    haveLastFrame_ = false;
}

FrameComposer& TheFrameComposer() {
    static FrameComposer composer;
    return composer;
}

}  // namespace bv
