#pragma once
// State the start-up shares with every mode.

#include <cstdint>
#include <string>

#include "platform/checked_arithmetic.h"

namespace bv {

enum RunModeValue : Integer {
    kRunModeNone = 0,
    kRunModeScreenSaver = 1,
    kRunModeConfigure = 2,
    kRunModePassword = 3,
    kRunModePreview = 4,
    kRunModeSupportPage = 6,
    kRunModeHomePage = 7,
};

inline std::string CommandLine;     // trimmed and lower-cased
inline std::string CommandSwitch;   // its first two characters
inline std::string RawCommandLine;  // as the process received it
inline std::uint32_t DisplayPropertiesWnd = 0;
inline Integer RunMode = kRunModeNone;

inline std::string WinVersion;  // "95", "NT" or "Unknown"
inline Integer UsePassword = 0;

}  // namespace bv
