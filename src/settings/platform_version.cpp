#include "settings/platform_version.h"

#include <algorithm>

#include "errors/error_handler.h"
#include "platform/platform_family.h"

namespace bv {

std::string GetVersion32() {
    // This system is a protected-mode, multi-user one: the session and the
    // screen locker guard the desktop, and the password services of the "95"
    // family (password dialog, task-switch blocking) do not exist. That is
    // the "NT" family's behaviour, so the rest of the program takes those
    // roads.
    return GuardedOr("System/GetVersion32", std::string(), [] { return std::string("NT"); });
}

void SetTFS(const std::string& action) {
    Guarded("System/SetTFS", [&] {
        if (WinVersion != "95" || UsePassword != 1) return;
        std::string lowered = action;
        std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](unsigned char c) {
            return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        });
        if (lowered == "disable")
            ScreenSaverRunningState = kTrue;
        else if (lowered == "enable")
            ScreenSaverRunningState = kFalse;
    });
}

}  // namespace bv
