#pragma once
// Whether another Bluvessa process is running for this user.

namespace bv {

// The first process to ask holds a lock for its whole life; later ones see it
// held and get true.
bool AnotherInstanceRunning();

}  // namespace bv
