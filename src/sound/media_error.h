#pragma once
// Result codes of the media-control commands: 0 is success, every failure has
// its own nonzero number (the numbers the media control interface uses).

#include "platform/checked_arithmetic.h"

namespace bv {

enum MediaError : Long {
    kMediaOk = 0,
    kMediaUnrecognizedCommand = 261,
    kMediaHardwareFailure = 262,
    kMediaUnknownAlias = 263,
    kMediaNoSoundFont = 266,
    kMediaFileNotFound = 275,
    kMediaDuplicateAlias = 289,
    kMediaInvalidFile = 296,
};

}  // namespace bv
