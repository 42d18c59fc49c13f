#pragma once
// Single values of the settings file. A file name without a folder lies in
// the Windows folder, and it is found there without regard to case.

#include <optional>
#include <string>

namespace bv {

inline constexpr char kSettingsFileName[] = "zentrova.ini";
inline constexpr char kSettingsSection[] = "Bluvessa";

// The value of key in section, at most 127 characters; "" when the file, the
// section or the key is missing.
std::string GetIniData(const std::string& fileName, const std::string& section,
                       const std::string& key);

// A value the settings file did not take.
struct IniWriteFailure {
    std::string path;    // the file, its folder included
    std::string reason;  // the system's words for it, e.g. "Permission denied"
};

// Writes one value at once, creating the file, the section or the key as
// needed. Returns what went wrong when the value could not be written (the
// file system refused it, or a failure was reported on the way); nothing when
// it was written.
[[nodiscard]] std::optional<IniWriteFailure> PutIniData(const std::string& fileName,
                                                        const std::string& section,
                                                        const std::string& key,
                                                        const std::string& value);

}  // namespace bv
