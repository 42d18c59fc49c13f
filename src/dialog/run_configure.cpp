#include "dialog/configuration_form.h"
#include "startup/run_state.h"
#include "startup/starter.h"

namespace bv {

// The dialog is the whole run in this mode; it shows itself when loaded and
// ends the process however it is closed.
void Run_Configure() {
    RunMode = kRunModeConfigure;
    auto* configuration = new Configuration;  // lives until the process ends
    configuration->Load();
}

}  // namespace bv
