#include "sound/load_sound.h"

#include "errors/error_handler.h"
#include "platform/case_insensitive_path.h"
#include "platform/whole_file.h"
#include "settings/folders.h"
#include "settings/settings_globals.h"

namespace bv {

std::string LoadSound(const std::string& path) {
    return GuardedOr("System/LoadSound", std::string(), [&] {
        if (FileInstallCheck(path) == kFalse) {
            SoundMode = kSoundNone;
            return std::string();
        }
        // A file that vanished or cannot be read since the check stays silent.
        WholeFileRead file = ReadWholeFile(ResolveCaseInsensitive(path));
        std::string& bytes = file.bytes;
        const std::size_t first = bytes.find_first_not_of(' ');
        if (first == std::string::npos) return std::string();
        bytes.erase(bytes.find_last_not_of(' ') + 1);
        bytes.erase(0, first);
        return std::move(bytes);
    });
}

}  // namespace bv
