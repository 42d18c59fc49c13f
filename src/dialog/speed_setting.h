#pragma once
// The speed scroll bar runs from "Slow" on the left to "Fast" on the right;
// the stored speed is the scene's frame interval in milliseconds.

namespace bv {

// maximum - position, but never 0: the right end stores 1 ms.
inline int StoredSpeed(int position, int maximum) {
    return position == maximum ? 1 : maximum - position;
}

}  // namespace bv
