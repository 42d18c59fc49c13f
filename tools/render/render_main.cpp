// bluvessa-render: the scene of a full-screen run, drawn without a window.
#include <QApplication>
#include <QDir>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "errors/error_code.h"
#include "platform/random.h"
#include "render_options.h"
#include "scene/main_timer.h"
#include "scene/offscreen_view.h"
#include "scene/properties.h"
#include "scene/scene_globals.h"
#include "settings/folders.h"
#include "settings/scale_setting.h"
#include "settings/settings_globals.h"
#include "startup/read_settings.h"
#include "startup/run_state.h"
#include "startup/saver_start.h"
#include "startup/screen_size.h"
#include "surfaces/load_pics.h"

namespace {

// A hash of the window's pixels, in four lanes of two pixels each so that
// it keeps up with a large window: enough to tell frames apart.
std::uint64_t WindowHash(bv::OffscreenSceneView& view) {
    const bv::platform::Bitmap* window = bv::platform::FindSurface(view.FormDC());
    constexpr std::uint64_t kPrime = 0x9E3779B97F4A7C15ull;
    std::uint64_t a = 1, b = 2, c = 3, d = 4;
    for (int y = 0; window != nullptr && y < window->height(); ++y) {
        const bv::platform::Colour* row = window->trueColourRow(y);
        const auto pair = [&](int x) {
            return std::uint64_t{row[x]} | (std::uint64_t{row[x + 1]} << 32);
        };
        int x = 0;
        for (; x + 8 <= window->width(); x += 8) {
            a = (a ^ pair(x)) * kPrime;
            b = (b ^ pair(x + 2)) * kPrime;
            c = (c ^ pair(x + 4)) * kPrime;
            d = (d ^ pair(x + 6)) * kPrime;
        }
        for (; x < window->width(); ++x) a = (a ^ row[x]) * kPrime;
    }
    std::uint64_t hash = 0;
    for (std::uint64_t lane : {a, b, c, d}) hash = (hash ^ lane ^ (lane >> 31)) * 0x100000001B3ull;
    return hash;
}

bool Save(const QImage& image, const QString& path) {
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "bluvessa-render: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const auto options = bv::render::ParseRenderOptions(arguments);
    if (!options) {
        std::fputs(bv::render::kUsage, stderr);
        return 2;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);

    int failures = 0;
    bv::SetErrorReporter([&failures](const std::string& code) {
        std::fprintf(stderr, "%s\n", code.c_str());
        ++failures;
    });

    // The same start-up as a full-screen run, on a screen of the requested size.
    bv::RawCommandLine = "/s";
    bv::GetDiectories();
    const QSize devicePixels(options->width, options->height);
    bv::UseDrawingArea(
        devicePixels,
        bv::ChosenPixelScale(options->scale.value_or(bv::ReadScaleSetting()), devicePixels, 1.0));
    bv::Randomize();
    bv::X_GetData();
    bv::Properties_Fish();
    bv::Properties_Predator();
    bv::Properties_Other();
    bv::Properties_Scenery();
    bv::RunMode = bv::kRunModeScreenSaver;
    bv::SoundMode = 0;  // pictures only: the renderer makes no sound
    bv::ComposeWholeFrames = options->fullRedraw;
    bv::LoadPics4ScreenSaver();

    bv::OffscreenSceneView view(options->width, options->height);
    bv::ScreenSaver_Form_Initialize(view);
    if (options->every > 0 && !options->out.empty() &&
        !QDir().mkpath(QString::fromStdString(options->out))) {
        std::fprintf(stderr, "bluvessa-render: cannot make %s\n", options->out.c_str());
        return 1;
    }
    for (int tick = 1; tick <= options->ticks; ++tick) {
        bv::maintimer_Timer(view);
        if (options->hashes)
            std::printf("%d %016llx\n", tick, static_cast<unsigned long long>(WindowHash(view)));
        if (options->every > 0 && tick % options->every == 0) {
            const QString name = QStringLiteral("frame_%1.png").arg(tick, 5, 10, QChar('0'));
            if (!Save(view.Snapshot(), QDir(QString::fromStdString(options->out)).filePath(name)))
                return 1;
        }
    }
    if (options->every == 0 && !options->out.empty() &&
        !Save(view.Snapshot(), QString::fromStdString(options->out)))
        return 1;
    return failures > 0 ? 1 : 0;
}
