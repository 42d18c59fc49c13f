// One tick of the full scene (every creature, both bubble streams, a centre
// piece, the reef, the clock) as a run composes it, only where the frame
// changed, and composed whole; beside the floor of a whole frame: one copy
// of the background into the back buffer and one copy of the back buffer
// out. The tick is reported as a fraction of the floor, "of_floor".
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <memory>

#include "platform/random.h"
#include "platform/surface_ops.h"
#include "scene/creatures.h"
#include "scene/main_timer.h"
#include "scene/offscreen_view.h"
#include "scene/properties.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "settings/folders.h"
#include "settings/settings_globals.h"
#include "startup/run_reset.h"
#include "startup/saver_start.h"
#include "surfaces/load_pics.h"

namespace bv {
namespace {

// Every creature selected, the mermaid as centre piece, on a screen of the given size.
std::unique_ptr<OffscreenSceneView> FullScene(int width, int height, bool wholeFrames) {
    ResetRunState();
    setenv("BLUVESSA_WINDOWS_DIR", BLUVESSA_MEDIA_WINDOWS_DIR, 1);
    GetDiectories();
    SetScreenSize(width, height);
    ResetRandomForTests(7);
    for (const Creature& creature : Creatures()) creature.record->Enabled = kTrue;
    Background.Choice = 1;
    CenterPiece.Choice = 5;
    SoundMode = kSoundNone;
    ShowClock = kTrue;
    ComposeWholeFrames = wholeFrames;
    Properties_Fish();
    Properties_Predator();
    Properties_Other();
    Properties_Scenery();
    LoadPics4ScreenSaver();
    auto view = std::make_unique<OffscreenSceneView>(width, height);
    ScreenSaver_Form_Initialize(*view);
    for (int settle = 0; settle < 20; ++settle) maintimer_Timer(*view);
    return view;
}

// One copy of the background into the back buffer and one copy of that out
// to a window's surface of its own.
void TwoFrameCopies(platform::Handle window) {
    platform::BitBlt(BufferDC, 0, 0, ScreenWidth, ScreenHeight, Background.DC, 0, 0,
                     platform::SRCCOPY);
    platform::BitBlt(window, 0, 0, ScreenWidth, ScreenHeight, BufferDC, 0, 0, platform::SRCCOPY);
}

struct Window {
    explicit Window(int width, int height)
        : handle(platform::CreateSurface(
              platform::Bitmap(width, height, platform::PixelFormat::TrueColour))) {}
    ~Window() { platform::DeleteSurface(handle); }
    platform::Handle handle;
};

double FloorSeconds(int width, int height) {
    const auto view = FullScene(width, height, true);
    const Window window(width, height);
    constexpr int kCopies = 50;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCopies; ++i) TwoFrameCopies(window.handle);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
           kCopies;
}

void Tick(benchmark::State& state, bool wholeFrames) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const double floor = FloorSeconds(width, height);
    const auto view = FullScene(width, height, wholeFrames);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) maintimer_Timer(*view);  // NOLINT(clang-analyzer-deadcode.DeadStores)
    const double tick =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
        static_cast<double>(state.iterations());
    state.counters["of_floor"] = tick / floor;
}

void BM_TickOnlyWhatChanged(benchmark::State& state) {
    Tick(state, false);
}
void BM_TickWholeFrame(benchmark::State& state) {
    Tick(state, true);
}

void BM_TwoFrameCopies(benchmark::State& state) {
    const auto view =
        FullScene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), true);
    const Window window(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        TwoFrameCopies(window.handle);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_TickOnlyWhatChanged)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickWholeFrame)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TwoFrameCopies)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bv

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);  // the clock label needs fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
