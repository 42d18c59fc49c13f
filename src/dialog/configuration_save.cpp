// "&Apply": every control's state into the settings file, then the end.

#include <QCheckBox>
#include <QScrollBar>
#include <optional>
#include <string>
#include <utility>

#include "dialog/configuration_form.h"
#include "dialog/drop_down_list.h"
#include "dialog/save_failure.h"
#include "dialog/speed_setting.h"
#include "errors/error_handler.h"
#include "settings/ini_access.h"

namespace bv {
namespace {

// The first value the file does not take ends the save: the ones after it
// would meet the same refusal.
struct SaveRefused {
    IniWriteFailure failure;
};

void Store(const std::string& key, const std::string& value) {
    if (std::optional<IniWriteFailure> failure =
            PutIniData(kSettingsFileName, kSettingsSection, key, value))
        throw SaveRefused{std::move(*failure)};
}

void Store(const std::string& key, int number) {
    Store(key, std::to_string(number));
}

void Store(const std::string& key, const QCheckBox& check) {
    Store(key, check.isChecked() ? "1" : "0");
}

}  // namespace

// Each value goes to the file at once; after a failure the keys already
// written stay written and the dialog stays open. A value the file does not
// take is told to the user, naming the file and the reason, so that they can
// try again or cancel.
void Configuration::Command2_Click() {
    Guarded("Configuration/Command2_Click", [&] {
        try {
            Store("firstrun", "1");
            Store("centerpiece", CheckCenterPiece->ListIndex());
            Store("background", CheckBackground->ListIndex());
            Store("foreground", CheckForeGround->ListIndex());
            WriteCreatureChoices();
            Store("speed", StoredSpeed(speedchk->value(), speedchk->maximum()));
            Store("sound", SoundCheck->ListIndex());
            WriteSongChoices();
            Store("message", *messagecheck);
            Store("clock", *clockcheck);
            Store("scale", CreatureSize->ListIndex());
        } catch (const SaveRefused& refused) {
            ShowSaveFailure(*this, refused.failure);
            return;
        }
        Unload();
    });
}

void Configuration::WriteCreatureChoices() {
    const auto creatures = Creatures();
    for (std::size_t i = 0; i < creatures.size(); ++i)
        Store(creatures[i].SavedKey(), *creatureChecks_[i]);
}

// Written whatever the sound type; they are only read back for music.
void Configuration::WriteSongChoices() {
    for (std::size_t i = 0; i < songchk.size(); ++i) Store("song" + std::to_string(i), *songchk[i]);
}

}  // namespace bv
