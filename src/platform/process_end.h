#pragma once
// Ending the process. Tests replace the ender to watch the way out instead
// of leaving the test program.

#include <functional>

namespace bv::platform {

using ProcessEnder = std::function<void(int status)>;
void SetProcessEnder(ProcessEnder ender);

// Ends the process with the status; returns only when a test's ender does.
void EndProcess(int status);

}  // namespace bv::platform
