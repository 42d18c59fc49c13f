#pragma once
// The one record type for everything drawn, and fixed arrays of records used
// from index 1 (index 0 exists and is never used).

#include <array>
#include <cstddef>
#include <string>

#include "platform/checked_arithmetic.h"

namespace bv {

using SurfaceHandle = Long;  // 0 = no surface

struct Sprite {
    Long X = 0;
    Long Y = 0;
    Integer Height = 0;
    Integer Width = 0;
    Integer Frames = 0;
    Integer Frame = 0;
    SurfaceHandle DC = 0;
    Long SrcX = 0;
    Long SrcY = 0;
    Integer Enabled = kFalse;
    Integer DX = 0;
    Integer DY = 0;
    Integer FrameStep = 0;
    std::string FileName;
    Integer Choice = 0;
    Integer Installed = kFalse;
    std::string State;
    Integer BobPeriod = 0;
    Integer BobCount = 0;
};

// A group of records addressed as Group(i) with i from 1 to Count; element 1
// carries the group's Enabled, Installed and surface. An index outside the
// array is a run-time failure, as it would be for any array.
template <std::size_t Count>
class SpriteArray {
public:
    static constexpr int kLast = static_cast<int>(Count);

    constexpr Sprite& operator()(int index) { return members_[Checked(index)]; }
    constexpr const Sprite& operator()(int index) const { return members_[Checked(index)]; }

private:
    static constexpr std::size_t Checked(int index) {
        if (index < 0 || index > kLast) Fail(kSubscriptOutOfRange);
        return static_cast<std::size_t>(index);
    }
    std::array<Sprite, Count + 1> members_{};
};

}  // namespace bv
