// The preview box's animation: ten frames a second of the selected tab's
// preview record, drawn through the back buffer by the scene's routines.

#include <QTabWidget>

#include "dialog/configuration_form.h"
#include "dialog/picture_box.h"
#include "dialog/preview_routines.h"
#include "errors/error_handler.h"
#include "platform/surface_ops.h"
#include "scene/records.h"
#include "scene/scene_globals.h"

namespace bv {

void Configuration::Timer1_Timer() {
    const int tab = Tabs->currentIndex();
    // "Options" and "About" have no preview: nothing is drawn, the counters rest.
    PreviewPicture->setVisible(tab <= kMoreStuffTab);
    switch (tab) {
        case kSceneryTab:
            RunScenery();
            break;
        case kLargeFishTab:
            RunPredators();
            break;
        case kCoralFishTab:
            RunFish();
            break;
        case kMoreStuffTab:
            RunOther();
            break;
        default:
            break;
    }
}

void Configuration::RunTicker() {
    ShortTick = ToInteger(ShortTick + 1);
    if (ShortTick == 100) ShortTick = 0;
    LongTick = ToInteger(LongTick + 1);
    if (LongTick == 1000) LongTick = 0;
}

// The scenery keeps the place its list gave it.
void Configuration::RunScenery() {
    Guarded("Configuration/RunScenery", [&] {
        RunTicker();
        DrawPreviewFrame(kSceneryTab);
    });
}

void Configuration::RunPredators() {
    Guarded("Configuration/RunPredators", [&] { RunCreatureTab(kLargeFishTab); });
}

void Configuration::RunFish() {
    Guarded("Configuration/RunFish", [&] { RunCreatureTab(kCoralFishTab); });
}

void Configuration::RunOther() {
    Guarded("Configuration/RunOther", [&] { RunCreatureTab(kMoreStuffTab); });
}

// Creatures animate in place: whatever their routine does to the position
// lasts only until the next tick.
void Configuration::RunCreatureTab(ConfigurationTab tab) {
    RunTicker();
    Sprite& record = PreviewRecordOf(tab);
    record.X = RoundToLong(PreviewPicture->ScaleWidth() / 2.0 - record.Width / 2.0);
    record.Y = RoundToLong(PreviewPicture->ScaleHeight() / 2.0 - record.Height / 2.0);
    DrawPreviewFrame(tab);
}

// Only the box-sized corner of the screen-sized back buffer is used; the
// copy into the box is clipped by the box.
void Configuration::DrawPreviewFrame(ConfigurationTab tab) {
    Sprite& record = PreviewRecordOf(tab);
    platform::BitBlt(BufferDC, 0, 0, PreviewPicture->ScaleWidth(), PreviewPicture->ScaleHeight(), 0,
                     0, 0, platform::BLACKNESS);
    PreviewPicture->Cls();
    PreviewRoutineFor(tab, record.FileName)(record);
    platform::BitBlt(PreviewPicture->hDC(), 0, 0, ScreenWidth, ScreenHeight, BufferDC, 0, 0,
                     platform::SRCCOPY);
    PreviewPicture->Refresh();
}

}  // namespace bv
