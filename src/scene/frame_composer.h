#pragma once
// Frames that cost only what changed. While a tick composes its frame, every
// drawing into the back buffer is noted instead of done. Set against the
// drawings of the last frame, the notes tell which parts of the frame can
// have changed: wherever a drawing appeared, went or differs from the one it
// follows (another place, frame or picture). A pixel outside those parts
// saw the same drawings in the same order over the same background, so it
// is as it was. Only inside them is the background restored and every
// drawing done again, in its order; only they go to the window.
//
// The parts are the changed drawings' painted areas (see painted_area.h),
// which may overlap: the drawings are done one after another over every
// part they touch, and each kind of drawing gives the same pixel when done
// twice in a row, so an overlap costs time, never a wrong pixel. The window
// is handed the same parts as a few strips' runs (see changed_strips.h).

#include <QRect>
#include <memory>
#include <utility>
#include <vector>

#include "scene/buffer_drawing.h"
#include "scene/changed_strips.h"
#include "scene/painted_area.h"

namespace bv {

class FrameComposer {
public:
    // From now on drawings are noted, not done.
    void Begin();
    bool Noting() const { return noting_; }
    void Note(const BufferDrawing& drawing);

    struct Changes {
        std::vector<QRect> parts;  // what was composed anew, possibly overlapping
        std::vector<QRect> bands;  // the same, as runs of strips, y-x banded
    };

    // Ends the noting and composes, in the back buffer, the parts of the frame
    // that changed since the last finished frame (the whole frame after a
    // Forget), all inside the screen. Nothing changed: none.
    Changes Finish();

    // A tick that failed: its notes are dropped; the last finished frame is
    // still what the buffer and the window show.
    void Abandon();

    // The next frame is composed whole.
    void Forget();

private:
    // Which drawing is which, tick to tick: its owner and the how-manyeth of
    // that owner's drawings in the tick it is. An owner's drawings follow one
    // another, and owners draw in a fixed order.
    struct Noted {
        int ordinal = 0;
        BufferDrawing drawing;
        const platform::Bitmap* picture;
        const platform::Bitmap* maskPicture;
        std::shared_ptr<const platform::MaskedRuns> runs;  // a trimmed sprite frame's
    };

    // Where an owner's first drawing stands in its frame's drawings.
    struct OwnerStart {
        const void* owner;
        std::size_t first;
    };
    // Finds each owner's first drawing in this tick and numbers its drawings from it.
    void NumberDrawings();
    static const OwnerStart* StartOf(const std::vector<OwnerStart>& starts, const void* owner);
    void MarkChanges();
    void Changed(const QRect& area);
    // Does every drawing over every changed part it meets.
    void Compose(platform::Bitmap& buffer);
    // The last frame's drawing with the same owner and ordinal, or nullptr.
    const Noted* Before(const Noted& now) const;

    bool noting_ = false;
    bool trimToPaintedAreas_ = false;  // the buffer is in true colour
    bool haveLastFrame_ = false;
    std::vector<Noted> noted_;      // this tick's, in drawing order
    std::vector<Noted> lastFrame_;  // the last finished frame's, in drawing order
    // Where each owner's first drawing stands in noted_ and in lastFrame_,
    // by owner: looked up by halves, and no allocation from tick to tick.
    std::vector<OwnerStart> owners_;
    std::vector<OwnerStart> ownersBefore_;
    std::vector<bool> followed_;  // which of lastFrame_ a drawing of this tick follows
    std::vector<QRect> parts_;
    // Which parts reach into each square cell of the screen: a drawing looks
    // only at the parts of the cells it covers, not at all of them.
    static constexpr int kCellSize = 64;
    std::vector<std::vector<std::size_t>> partsByCell_;
    ChangedStrips strips_;
    PaintedAreas paintedAreas_;
};

// The one composer of the scene.
FrameComposer& TheFrameComposer();

}  // namespace bv
