#include "platform/clock_text.h"

#include <QTime>
#include <ctime>

namespace bv {
std::string LocalTimeText() {
    // The clock asks on every frame, and the toolkit's local time reads the
    // time-zone file each time; the text can only change with the second.
    static std::time_t askedAt = -1;
    static std::string text;
    const std::time_t now = std::time(nullptr);
    if (now != askedAt) {
        text = QTime::currentTime().toString(QStringLiteral("h:mm AP")).toStdString();
        askedAt = now;
    }
    return text;
}
}  // namespace bv
