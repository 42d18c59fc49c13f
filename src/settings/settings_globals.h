#pragma once
// The folders, the run's mode and the user's settings, read once at start-up.

#include <array>
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

enum SoundModeValue : Integer {
    kSoundNone = 0,
    kSoundMusic = 1,
    kSoundEffect = 2,
};

inline constexpr Integer kSongCount = 6;  // songs 0 to 5

// The choices the settings dialog's lists offer: 0 (none) to the last.
inline constexpr Integer kLastBackground = 3;
inline constexpr Integer kLastCentrePiece = 7;

inline Integer RunMode = kRunModeNone;

inline std::string WindowsDir;  // always ends in "/"
inline std::string AssetDir;    // WindowsDir + "Zentrova/Bluvessa/"

inline Integer Speed = 0;  // frame interval in milliseconds
inline Integer ShowMessage = kFalse;
inline std::string MessageText;
inline Integer SoundMode = kSoundNone;  // a SoundModeValue
inline std::array<Integer, static_cast<std::size_t>(kSongCount)> SongEnabled{};
inline Integer ShowClock = kFalse;

// Back to the values before anything was read.
inline void ResetSettingsGlobals() {
    RunMode = kRunModeNone;
    WindowsDir.clear();
    AssetDir.clear();
    Speed = 0;
    ShowMessage = kFalse;
    MessageText.clear();
    SoundMode = kSoundNone;
    SongEnabled.fill(kFalse);
    ShowClock = kFalse;
}

}  // namespace bv
