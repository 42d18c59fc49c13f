#include "platform/process_end.h"

#include <unistd.h>

#include <cstdio>
#include <utility>

namespace bv::platform {
namespace {
ProcessEnder& Ender() {
    static ProcessEnder ender;
    return ender;
}

std::function<void()>& Ending() {
    static std::function<void()> ending;
    return ending;
}
}  // namespace

void SetProcessEnder(ProcessEnder ender) {
    Ender() = std::move(ender);
}

void EndProcess(int status) {
    if (Ender()) {
        Ender()(status);
        return;
    }
    std::fflush(nullptr);
    // Every surface and sound is released by now; skipping static destructors
    // keeps a toolkit in the middle of an event from tearing down under us.
    _exit(status);
}

void SetRunEnding(std::function<void()> ending) {
    Ending() = std::move(ending);
}

void EndRun() {
    if (Ending())
        Ending()();
    else
        EndProcess(0);
}

}  // namespace bv::platform
