#pragma once

namespace bv {

// The common way out of every mode: releases every surface, shows the
// pointer, restores the system state, stops the sound of a full-screen run
// and ends the process with status 0.
void X_Cleanup_And_End();

}  // namespace bv
