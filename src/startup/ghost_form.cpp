#include "startup/ghost_form.h"

#include "errors/bug_report_form.h"
#include "platform/web_browser.h"
#include "settings/settings_globals.h"
#include "startup/cleanup.h"

namespace bv {

void Ghost::Form_Load() {
    if (RunMode == kRunModeSupportPage)
        platform::OpenInBrowser(std::string(kMakerSite) + "/support.htm");
    else if (RunMode == kRunModeHomePage)
        platform::OpenInBrowser(std::string(kMakerSite) + "/");
    X_Cleanup_And_End();
}

}  // namespace bv
