#include "settings/scale_setting.h"

#include "platform/text_number.h"
#include "settings/ini_access.h"

namespace bv {

Integer ReadScaleSetting() {
    const auto stored = ParseWholeNumber(GetIniData(kSettingsFileName, kSettingsSection, "scale"));
    if (!stored || *stored < 1 || *stored > kLargestScale || *stored != static_cast<int>(*stored))
        return kAutomaticScale;
    return static_cast<Integer>(*stored);
}

}  // namespace bv
