#include "settings/setting_warning.h"

#include <cstdio>
#include <string>

#include "settings/ini_access.h"

namespace bv {

void WarnUnusableSetting(std::string_view key, std::string_view found, long usedInstead) {
    std::fprintf(stderr, "bluvessa: %s: %.*s=%.*s cannot be used; using %ld instead\n",
                 kSettingsFileName, static_cast<int>(key.size()), key.data(),
                 static_cast<int>(found.size()), found.data(), usedInstead);
}

}  // namespace bv
