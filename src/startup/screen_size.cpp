#include "startup/screen_size.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "platform/x11_windows.h"
#include "scene/scene_globals.h"
#include "settings/scale_setting.h"
#include "startup/command_options.h"

namespace bv {

unsigned long HostSaverWindow() {
    if (const std::optional<unsigned long> given = ProcessCommandOptions().windowId) return *given;
    const char* named = std::getenv("XSCREENSAVER_WINDOW");
    if (named == nullptr || *named == 0) return 0;
    // xscreensaver writes the id in hexadecimal ("0x1e00007") or decimal.
    char* end = nullptr;
    const unsigned long id = std::strtoul(named, &end, 0);
    return (end != nullptr && *end == 0) ? id : 0;
}

QSize DrawingAreaPixels() {
    if (const unsigned long host = HostSaverWindow(); host != 0) {
        const platform::ClientRect rect =
            platform::GetClientRect(static_cast<platform::WindowId>(host));
        if (rect.right > 0 && rect.bottom > 0)
            return QSize(static_cast<int>(rect.right), static_cast<int>(rect.bottom));
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return QSize(0, 0);
    const qreal ratio = screen->devicePixelRatio();
    const QSize logical = screen->geometry().size();
    return QSize(static_cast<int>(std::lround(logical.width() * ratio)),
                 static_cast<int>(std::lround(logical.height() * ratio)));
}

double DrawingAreaPixelRatio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->devicePixelRatio() : 1.0;
}

int AutomaticPixelScale(int deviceHeight, double devicePixelRatio) {
    const int byDesktop = static_cast<int>(std::lround(devicePixelRatio));
    const int byHeight = deviceHeight / 1000;
    return std::clamp(std::max(byDesktop, byHeight), 1, static_cast<int>(kLargestScale));
}

int ChosenPixelScale(int chosen, QSize devicePixels, double devicePixelRatio) {
    if (chosen >= 1 && chosen <= kLargestScale) return chosen;
    return AutomaticPixelScale(devicePixels.height(), devicePixelRatio);
}

void UseDrawingArea(QSize devicePixels, int pixelScale) {
    PixelScale = ToInteger(std::clamp(pixelScale, 1, static_cast<int>(kLargestScale)));
    SetScreenSize(devicePixels.width() / PixelScale, devicePixels.height() / PixelScale);
}

}  // namespace bv
