#include "errors/error_handler.h"
#include "settings/settings_globals.h"
#include "startup/ghost_form.h"
#include "startup/starter.h"

namespace bv {

void Run_WebSite(Integer mode) {
    Guarded("Starter/Run_WebSite", [mode] {
        RunMode = mode;
        auto* ghost = new Ghost;  // never shown nor freed: its load ends the process
        ghost->Load();
    });
}

}  // namespace bv
