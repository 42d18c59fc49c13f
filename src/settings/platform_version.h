#pragma once
// The platform family, and the screen-saver-running state that blocks task
// switching on the family that has no protected sessions.

#include <string>

#include "platform/checked_arithmetic.h"

namespace bv {

// Whether the screen-saver-running state is on. Only the "95" family with
// password protection ever turns it on; no other code reads it here.
inline Integer ScreenSaverRunningState = kFalse;
inline void ResetScreenSaverRunningState() {
    ScreenSaverRunningState = kFalse;
}

// "95", "NT" or "Unknown".
std::string GetVersion32();

// "disable" turns the screen-saver-running state on and "enable" turns it off
// (in any mix of case), when WinVersion is "95" and UsePassword is 1; on any
// other platform, and for any other action, it does nothing.
void SetTFS(const std::string& action);

}  // namespace bv
