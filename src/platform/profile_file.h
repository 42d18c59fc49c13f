#pragma once
// The profile service: single values read from and written to an INI file by
// section and key, as the settings need them. Names match without regard to
// case; the file's other lines are never touched; a failed read gives the
// default and a failed write leaves the file as it was.

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace bv {

// The value of key in section of the file at path, blanks around it and one
// pair of enclosing quotes removed, cut to capacity - 1 bytes (never inside a
// UTF-8 character). defaultValue, cut the same way, when the file, the section
// or the key is missing or the file cannot be read.
std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t capacity);

// Sets key in section of the file at path, creating the file (and its
// folder), the section or the key as needed. The new file replaces the old one
// whole. Returns false when nothing was written: the file exists but cannot be
// read, the names cannot be written, or the folder is not writable; *failure,
// when asked for, then holds the reason.
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value, std::error_code* failure = nullptr);

}  // namespace bv
