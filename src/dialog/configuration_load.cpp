// Loading the settings dialog: every stored setting into its control, and
// the surfaces the preview draws with.

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>

#include "dialog/configuration_form.h"
#include "dialog/drop_down_list.h"
#include "dialog/preview_animations.h"
#include "errors/error_handler.h"
#include "platform/center_form.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "settings/scale_setting.h"
#include "settings/setting_warning.h"
#include "settings/settings_globals.h"
#include "surfaces/memory_surfaces.h"
#include "surfaces/surface_globals.h"

namespace bv {
// The speed the scroll bar can show: one slower than its slow end shows at
// that end, and the user is told.
Integer Configuration::ShownSpeed() const {
    if (Speed <= speedchk->maximum()) return Speed;
    WarnUnusableSetting("speed", std::to_string(Speed), speedchk->maximum());
    return static_cast<Integer>(speedchk->maximum());
}

// The settings have been read with every value the controls can show.
void Configuration::Form_Load() {
    Guarded("Configuration/Form_Load", [&] {
        CenterForm(*this);
        CheckForeGround->SetListIndex(0);
        CheckBackground->SetListIndex(Background.Choice);
        CheckCenterPiece->SetListIndex(CenterPiece.Choice);
        ShowCreatureChoices();
        speedchk->setValue(speedchk->maximum() - ShownSpeed());
        ShowSoundChoices();
        if (ShowMessage == kTrue) {
            messagecheck->setChecked(true);
            changebutton->setEnabled(true);
        }
        if (ShowClock == kTrue) clockcheck->setChecked(true);
        CreatureSize->SetListIndex(ReadScaleSetting());
        PreparePreview();
        show();
    });
}

// A creature whose picture is missing cannot be chosen, whatever the settings say.
void Configuration::ShowCreatureChoices() {
    const auto creatures = Creatures();
    for (std::size_t i = 0; i < creatures.size(); ++i) {
        const Sprite& record = *creatures[i].record;
        if (record.Enabled == kTrue && record.Installed == kTrue)
            creatureChecks_[i]->setChecked(true);
        if (record.Installed == kFalse) creatureChecks_[i]->setEnabled(false);
    }
}

void Configuration::ShowSoundChoices() {
    SoundCheck->SetListIndex(SoundMode);
    if (SoundMode == kSoundMusic) {
        for (std::size_t i = 0; i < songchk.size(); ++i) {
            songchk[i]->setEnabled(true);
            if (SongEnabled[i] == kTrue) songchk[i]->setChecked(true);
        }
    } else if (SoundMode == kSoundEffect) {
        for (QCheckBox* song : songchk) song->setEnabled(false);
    }
}

// The preview composes in a screen-sized back buffer, like the scene, and
// starts every tab with its placeholder picture.
void Configuration::PreparePreview() {
    RemoveDC(PaletteDC);
    PaletteDC = GenerateDC(AssetDir + "bv_palette.bmp");
    RemoveDC(BufferDC);
    BufferDC = GenerateBufferDC(ScreenWidth, ScreenHeight, PaletteDC);
    Properties_Preview();
    for (Sprite* preview : {&PreviewScenery, &PreviewOther1, &PreviewOther2, &PreviewOther3}) {
        RemoveDC(preview->DC);
        preview->DC = GenerateDC(AssetDir + preview->FileName);
    }
}

}  // namespace bv
