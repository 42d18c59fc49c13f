#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace bv {
namespace {

std::string LockPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder = (runtime != nullptr && *runtime != 0) ? runtime : "/tmp";
    return folder + "/bluvessa-" + std::to_string(getuid()) + ".lock";
}

}  // namespace

bool AnotherInstanceRunning() {
    static const bool running = [] {
        // The descriptor stays open (and the lock held) until the process ends.
        const int fd = open(LockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) return false;
        return flock(fd, LOCK_EX | LOCK_NB) != 0;
    }();
    return running;
}

}  // namespace bv
