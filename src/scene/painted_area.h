#pragma once
// Where a drawing can change the buffer at all. A sprite frame is a block
// whose margins are see-through: white in the mask and black in the picture,
// which leaves every pixel under them as it was. The painted area is the
// smallest block holding every pixel that can change; a drawing cut down to
// it gives the buffer exactly what the whole drawing gives, and the frame
// composer has that much less to restore, redraw and show when it moves.
// Seen once with its area, a sprite frame's runs (platform/masked_runs.h)
// then draw it without going through the see-through pixels left inside.

#include <QRect>
#include <memory>
#include <unordered_map>

#include "platform/masked_runs.h"
#include "scene/buffer_drawing.h"

namespace bv {

// A drawing cut down to its painted area, and for a sprite frame its runs
// over that area, to draw it by.
struct PaintedDrawing {
    BufferDrawing drawing;
    std::shared_ptr<const platform::MaskedRuns> runs;  // null: drawn as it is
};

class PaintedAreas {
public:
    // The drawing cut down to its painted area in a true-colour buffer (an
    // empty target when it changes nothing). Drawings it cannot see into
    // stay whole: a fill, a copy, one from pictures not in true colour or
    // whose block reaches past their edges.
    PaintedDrawing Trimmed(const BufferDrawing& drawing, const platform::Bitmap* picture,
                           const platform::Bitmap* maskPicture);

    // Forgets what it learnt: the pictures may be others from now on.
    void Clear() { known_.clear(); }

private:
    // A frame is known by its pictures, blocks and kind: the pictures drawn
    // from do not change while the scene runs.
    struct Key {
        BufferDrawing::Kind kind;
        SurfaceHandle source;
        SurfaceHandle mask;
        int sourceX, sourceY, maskX, maskY, width, height;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    struct Seen {
        QRect bounds;  // the painted area, relative to the block's top-left corner
        std::shared_ptr<const platform::MaskedRuns> runs;
    };
    std::unordered_map<Key, Seen, KeyHash> known_;
};

}  // namespace bv
