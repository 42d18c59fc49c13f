#pragma once
// Frame scripts keyed to the tick counters: a list of inclusive tick windows,
// each with the change it makes to a record's frame, and what happens at any
// other tick. The windows of one script never overlap; the first that holds
// the tick wins.

#include <cstdint>
#include <optional>
#include <span>

#include "platform/checked_arithmetic.h"

namespace bv {

enum class TickClock { Long, Short };  // LongTick 0-1000 or ShortTick 0-100

Integer Now(TickClock clock);

struct FrameChange {
    enum class Kind { StepBy, SetTo };
    Kind kind;
    Integer amount;

    Integer AppliedTo(Integer frame) const {
        return kind == Kind::SetTo ? amount : ToInteger(std::int64_t{frame} + amount);
    }
};

constexpr FrameChange StepBy(Integer amount) {
    return {FrameChange::Kind::StepBy, amount};
}
constexpr FrameChange SetTo(Integer frame) {
    return {FrameChange::Kind::SetTo, frame};
}

struct TickWindow {
    Integer first;
    Integer last;
    FrameChange change;
    int member = 1;  // which record of a group the change is for
};

struct FrameScript {
    std::span<const TickWindow> windows;
    std::optional<FrameChange> otherwise;  // at a tick outside every window
};

struct ScriptedChange {
    int member;
    FrameChange change;
};

// The change the script makes at this tick, if any.
std::optional<ScriptedChange> ChangeAt(const FrameScript& script, Integer tick);

}  // namespace bv
