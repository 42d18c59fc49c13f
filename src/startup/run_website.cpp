#include "errors/error_handler.h"
#include "startup/ghost_form.h"
#include "startup/run_state.h"
#include "startup/starter.h"

namespace bv {

void Run_WebSite(Integer mode) {
    Guarded("Starter/Run_WebSite", [mode] {
        RunMode = mode;
        auto* ghost = new Ghost;  // never shown; its load ends the process
        ghost->Load();
    });
}

}  // namespace bv
