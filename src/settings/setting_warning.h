#pragma once
// Telling the user about a stored setting that cannot be used.

#include <string_view>

namespace bv {

// One line on standard error: the key, the value found in the settings file,
// and the value used instead.
void WarnUnusableSetting(std::string_view key, std::string_view found, long usedInstead);

}  // namespace bv
