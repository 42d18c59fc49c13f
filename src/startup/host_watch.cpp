#include "startup/host_watch.h"

#include "startup/cleanup.h"

namespace bv {

void WatchHostWindow(QTimer& watch, platform::WindowId host) {
    watch.disconnect();
    watch.setInterval(kHostWatchIntervalMs);
    QObject::connect(&watch, &QTimer::timeout, [host] {
        if (!platform::WindowExists(host)) X_Cleanup_And_End();
    });
    watch.start();
}

}  // namespace bv
