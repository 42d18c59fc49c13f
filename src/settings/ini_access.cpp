#include "settings/ini_access.h"

#include "errors/error_handler.h"
#include "platform/case_insensitive_path.h"
#include "platform/profile_file.h"
#include "settings/settings_globals.h"

namespace bv {
namespace {

// The buffer the values are read into, terminator included.
constexpr std::size_t kValueCapacity = 128;

std::string SettingsFilePath(const std::string& fileName) {
    const bool hasFolder = fileName.find('/') != std::string::npos;
    return ResolveCaseInsensitive(hasFolder ? fileName : WindowsDir + fileName);
}

}  // namespace

std::string GetIniData(const std::string& fileName, const std::string& section,
                       const std::string& key) {
    return GuardedOr("System/GetIniData", std::string(), [&] {
        return ReadProfileString(SettingsFilePath(fileName), section, key, "", kValueCapacity);
    });
}

void PutIniData(const std::string& fileName, const std::string& section, const std::string& key,
                const std::string& value) {
    Guarded("System/PutIniData",
            [&] { WriteProfileString(SettingsFilePath(fileName), section, key, value); });
}

}  // namespace bv
