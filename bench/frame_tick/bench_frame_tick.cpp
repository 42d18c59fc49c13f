// One full tick of the scene (every creature, both bubble streams, a centre
// piece, the reef) beside the floor for the same screen: one copy of the
// background into the back buffer and one copy of the back buffer out.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

#include "platform/random.h"
#include "platform/surface_ops.h"
#include "scene/all_records.h"
#include "scene/creatures.h"
#include "scene/main_timer.h"
#include "scene/offscreen_view.h"
#include "scene/properties.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "settings/folders.h"
#include "settings/settings_globals.h"
#include "startup/saver_start.h"
#include "surfaces/load_pics.h"
#include "surfaces/release_surfaces.h"

namespace bv {
namespace {

// Every creature selected, the mermaid as centre piece, on a screen of the given size.
std::unique_ptr<OffscreenSceneView> FullScene(int width, int height) {
    ReleaseEverySurface();
    setenv("BLUVESSA_WINDOWS_DIR", BLUVESSA_MEDIA_WINDOWS_DIR, 1);
    GetDiectories();
    SetScreenSize(width, height);
    ResetRandomForTests(7);
    for (const Creature& creature : Creatures()) creature.record->Enabled = kTrue;
    Background.Choice = 1;
    CenterPiece.Choice = 5;
    SoundMode = 0;
    Properties_Fish();
    Properties_Predator();
    Properties_Other();
    Properties_Scenery();
    LoadPics4ScreenSaver();
    auto view = std::make_unique<OffscreenSceneView>(width, height);
    ShowClock = kTrue;
    ScreenSaver_Form_Initialize(*view);
    return view;
}

void BM_FullTick(benchmark::State& state) {
    const auto view = FullScene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) maintimer_Timer(*view);
    state.SetItemsProcessed(state.iterations());
}

void BM_TwoFrameCopies(benchmark::State& state) {
    const auto view = FullScene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        platform::BitBlt(BufferDC, 0, 0, ScreenWidth, ScreenHeight, Background.DC, 0, 0,
                         platform::SRCCOPY);
        platform::BitBlt(view->FormDC(), 0, 0, ScreenWidth, ScreenHeight, BufferDC, 0, 0,
                         platform::SRCCOPY);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_FullTick)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
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
