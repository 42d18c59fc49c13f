#pragma once
// Which platform family runs the program, and its screen-saver password flag.

#include <string>

#include "platform/checked_arithmetic.h"

namespace bv {

inline std::string WinVersion;   // "95", "NT" or "Unknown"
inline Integer UsePassword = 0;  // on "95" only: 1 when the saver is password-protected

inline void ResetPlatformFamily() {
    WinVersion.clear();
    UsePassword = 0;
}

}  // namespace bv
