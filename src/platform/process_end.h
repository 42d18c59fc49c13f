#pragma once
// Ending the run and the process. Every mode ends through one way out that
// the start-up installs; forms of the lower layers end the run through it
// without knowing what it releases. Tests replace the process ender to watch
// the way out instead of leaving the test program.

#include <functional>

namespace bv::platform {

using ProcessEnder = std::function<void(int status)>;
void SetProcessEnder(ProcessEnder ender);

// Ends the process with the status; returns only when a test's ender does.
void EndProcess(int status);

// The common way out of every mode (releasing, restoring, then ending the
// process); without one installed, EndRun just ends the process with 0.
void SetRunEnding(std::function<void()> ending);
void EndRun();

}  // namespace bv::platform
