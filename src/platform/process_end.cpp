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

}  // namespace bv::platform
