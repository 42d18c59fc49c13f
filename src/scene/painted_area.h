#pragma once
// Where a drawing can change the buffer at all. A sprite frame is a block
// whose margins are see-through: white in the mask and black in the picture,
// which leaves every pixel under them as it was. The painted area is the
// smallest block holding every pixel that can change; a drawing cut down to
// it gives the buffer exactly what the whole drawing gives, and the frame
// composer has that much less to restore, redraw and show when it moves.

#include <QRect>
#include <unordered_map>

#include "scene/buffer_drawing.h"

namespace bv {

class PaintedAreas {
public:
    // The drawing cut down to its painted area in a true-colour buffer (an
    // empty target when it changes nothing). Drawings it cannot see into
    // stay whole: a fill, a copy, one from pictures not in true colour or
    // whose block reaches past their edges.
    BufferDrawing Trimmed(const BufferDrawing& drawing, const platform::Bitmap* picture,
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
    // Painted areas relative to the block's top-left corner.
    std::unordered_map<Key, QRect, KeyHash> known_;
};

}  // namespace bv
