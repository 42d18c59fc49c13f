#include "startup/host_watch.h"

#include <memory>

#include "startup/cleanup.h"

namespace bv {

void WatchHostWindow(QTimer& watch, platform::WindowId host) {
    watch.disconnect();
    watch.setInterval(kHostWatchIntervalMs);
    auto looking = std::make_shared<platform::ForeignWindowWatch>(host);
    QObject::connect(&watch, &QTimer::timeout, [looking] {
        if (looking->Gone()) X_Cleanup_And_End();
    });
    watch.start();
}

}  // namespace bv
