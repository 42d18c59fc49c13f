#include "platform/web_browser.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>
#include <cstdlib>

namespace bv::platform {

void OpenInBrowser(const std::string& url) {
    if (const char* recorder = std::getenv("BLUVESSA_URL_RECORDER");
        recorder != nullptr && *recorder != 0) {
        QFile file(QString::fromLocal8Bit(recorder));
        if (file.open(QIODevice::Append | QIODevice::Text)) file.write((url + "\n").c_str());
        return;
    }
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

}  // namespace bv::platform
