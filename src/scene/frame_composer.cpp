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
    const BufferDrawing painted =
        trimToPaintedAreas_ ? paintedAreas_.Trimmed(drawing, picture, maskPicture) : drawing;
    if (painted.target.isEmpty()) return;
    const auto [first, isFirst] = firstOf_.try_emplace(drawing.owner, noted_.size());
    const int ordinal = static_cast<int>(noted_.size() - first->second);
    noted_.push_back({ordinal, painted, picture, maskPicture});
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

FrameComposer::Changes FrameComposer::Finish() {
    noting_ = false;
    MarkChanges();
    // Parts top to bottom: a drawing only looks at those that start between
    // the tallest part's height above its top edge and its bottom edge.
    const auto byTop = [](const QRect& a, const QRect& b) { return a.top() < b.top(); };
    std::sort(parts_.begin(), parts_.end(), byTop);
    int tallest = 0;
    for (const QRect& part : parts_) tallest = std::max(tallest, part.height());
    if (platform::Bitmap* buffer = platform::FindSurface(BufferDC); buffer != nullptr) {
        for (const Noted& noted : noted_) {
            const QRect& target = noted.drawing.target;
            const QRect reach(target.left(), target.top() - tallest, 1, 1);
            for (auto part = std::lower_bound(parts_.begin(), parts_.end(), reach, byTop);
                 part != parts_.end() && part->top() <= target.bottom(); ++part)
                if (Overlap(target, *part))
                    noted.drawing.Perform(*buffer, *part, noted.picture, noted.maskPicture);
        }
    }
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
