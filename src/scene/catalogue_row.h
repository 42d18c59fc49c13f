#pragma once
// One row of the creature catalogue: which records a creature uses, its
// sprite sheet, its start frame and steps, and how it is placed when the scene
// starts. The set-up procedures are tables of these rows.

#include <cstddef>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "platform/checked_arithmetic.h"
#include "scene/sprite.h"

namespace bv {

// The records a row sets up: a single record, or every member of a group.
using Records = std::vector<Sprite*>;

inline Records Single(Sprite& record) {
    return {&record};
}

template <std::size_t Count>
Records AllOf(SpriteArray<Count>& group) {
    Records members;
    for (int i = 1; i <= SpriteArray<Count>::kLast; ++i) members.push_back(&group(i));
    return members;
}

// Start frame of a row whose records each draw their own frame at random.
inline constexpr Integer kRandomFrame = -1;

// Placed anywhere from half a screen off the left edge to half a screen off
// the right edge, and anywhere above the swim bottom.
struct FreeSwimmer {};

// A school member's place and bobbing relative to the leader (member 1).
struct SchoolMember {
    Integer dx;
    Integer dy;
    Integer ownDY;
    Integer bobPeriod;  // 0: the member never reverses its own DY
};

enum class LeaderDepth {
    kAnywhere,   // like a free swimmer
    kLowerHalf,  // between half the swim bottom and the swim bottom
};

// One formation row per member, member 1 first.
struct School {
    std::span<const SchoolMember> formation;
    LeaderDepth leaderDepth = LeaderDepth::kAnywhere;
};

// A coordinate measured from a point of the screen: the value is
// screen size x fraction + offset, computed in floating point and rounded.
struct ScreenOffset {
    double fraction;
    double offset;
};

constexpr ScreenOffset FromEdge(double offset) {
    return {0.0, offset};
}
constexpr ScreenOffset FromCentre(double offset) {
    return {0.5, offset};
}
constexpr ScreenOffset AboveBottom(double distance) {
    return {1.0, -distance};
}

// Stands still at a place that follows the screen size.
struct Fixed {
    ScreenOffset x;
    ScreenOffset y;
    Long srcX = 0;          // sheets holding more than one piece
    Integer frameStep = 0;  // back-and-forth animations start forwards with 1
};

// Waits just above the top edge, anywhere across the visible width.
struct Dropper {
    const char* state = "";
};

enum class BubbleColumn { kLeftSixth, kRightSixth };

// A stream of one-frame bubbles rising in one sixth of the screen; the first
// half of the stream drifts by the row's DX, the second half the other way.
struct BubbleStream {
    BubbleColumn column;
};

using Placement = std::variant<FreeSwimmer, School, Fixed, Dropper, BubbleStream>;

struct CatalogueRow {
    Records records;
    std::string fileName;
    Integer width;
    Integer height;
    Integer frames;
    Integer startFrame;  // a frame, or kRandomFrame
    Integer dx;
    Integer dy;
    Placement placement;
};

}  // namespace bv
