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

std::optional<IniWriteFailure> PutIniData(const std::string& fileName, const std::string& section,
                                          const std::string& key, const std::string& value) {
    // Stays when the write is cut short by a failure, which has been reported.
    std::optional<IniWriteFailure> failure =
        IniWriteFailure{fileName, "the write was cut short by an error"};
    Guarded("System/PutIniData", [&] {
        const std::string path = SettingsFilePath(fileName);
        std::error_code why;
        if (WriteProfileString(path, section, key, value, &why))
            failure.reset();
        else
            failure = IniWriteFailure{path, why.message()};
    });
    return failure;
}

}  // namespace bv
