#include "platform/clock_text.h"

#include <QTime>

namespace bv {
std::string LocalTimeText() {
    return QTime::currentTime().toString(QStringLiteral("h:mm AP")).toStdString();
}
}  // namespace bv
