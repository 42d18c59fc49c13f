#pragma once
// What the profile reader gives back for a value the writer stored: one line,
// cut at a NUL, blanks trimmed, one pair of enclosing quotes removed.

#include <algorithm>
#include <string>

inline std::string AsReadBack(std::string value) {
    value = value.substr(0, value.find('\0'));
    std::replace_if(
        value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    const std::size_t first = value.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    value = value.substr(first, value.find_last_not_of(" \t") - first + 1);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}
