#pragma once
// The command line as the start-up keeps it for every mode, and the windows
// it names.

#include <cstdint>
#include <string>

#include "platform/checked_arithmetic.h"
#include "platform/x11_windows.h"

namespace bv {

inline std::string CommandLine;     // trimmed and lower-cased
inline std::string CommandSwitch;   // its first two characters
inline std::string RawCommandLine;  // as the process received it
inline std::uint32_t DisplayPropertiesWnd = 0;

inline Long PreviewParent = 0;  // the host window of a preview
inline platform::ClientRect PreviewRect;
inline Long PasswordParent = 0;  // the window a password change was asked from

inline void ResetRunStartState() {
    CommandLine.clear();
    CommandSwitch.clear();
    RawCommandLine.clear();
    DisplayPropertiesWnd = 0;
    PreviewParent = 0;
    PreviewRect = {};
    PasswordParent = 0;
}

}  // namespace bv
