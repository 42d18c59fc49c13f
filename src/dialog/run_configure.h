#pragma once

namespace bv {

// The settings dialog as the whole run: it shows itself and ends the process
// however it is closed.
void Run_Configure();

}  // namespace bv
