#pragma once
// Single values of the settings file. A file name without a folder lies in
// the Windows folder, and it is found there without regard to case.

#include <string>

namespace bv {

inline constexpr char kSettingsFileName[] = "zentrova.ini";
inline constexpr char kSettingsSection[] = "Bluvessa";

// The value of key in section, at most 127 characters; "" when the file, the
// section or the key is missing.
std::string GetIniData(const std::string& fileName, const std::string& section,
                       const std::string& key);

// Writes one value, creating the file, the section or the key as needed. A
// write the file system refuses is lost without a word.
void PutIniData(const std::string& fileName, const std::string& section, const std::string& key,
                const std::string& value);

}  // namespace bv
