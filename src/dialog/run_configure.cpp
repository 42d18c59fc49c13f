#include "dialog/run_configure.h"

#include "dialog/configuration_form.h"
#include "settings/settings_globals.h"

namespace bv {

// The dialog is the whole run in this mode; it shows itself when loaded and
// ends the process however it is closed.
void Run_Configure() {
    RunMode = kRunModeConfigure;
    auto* configuration = new Configuration;  // never freed, on purpose: the run ends the process
    configuration->Load();
}

}  // namespace bv
