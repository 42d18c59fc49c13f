#include "startup/read_settings.h"

#include <string>

#include "errors/error_handler.h"
#include "platform/text_number.h"
#include "scene/creatures.h"
#include "scene/records.h"
#include "settings/ini_access.h"
#include "settings/settings_globals.h"

namespace bv {
namespace {

constexpr Integer kFirstRunBackground = 1;
constexpr Integer kFirstRunCenterPiece = 5;
constexpr Integer kFirstRunSpeed = 70;
constexpr Integer kFirstRunSoundMode = kSoundEffect;

std::string ReadText(const std::string& key) {
    return GetIniData(kSettingsFileName, kSettingsSection, key);
}

// Fails with an overflow when the rounded value does not fit an Integer.
Integer ReadInteger(const std::string& key) {
    return RoundToInteger(Val(ReadText(key)));
}

// Sets the flag for a positive value and leaves it as it is otherwise.
void ReadFlag(const std::string& key, Integer& flag) {
    if (Val(ReadText(key)) > 0) flag = kTrue;
}

void ApplyFirstRunValues() {
    Background.Choice = kFirstRunBackground;
    CenterPiece.Choice = kFirstRunCenterPiece;
    for (const Creature& creature : Creatures())
        if (creature.onAtFirstRun) creature.record->Enabled = kTrue;
    Speed = kFirstRunSpeed;
    SoundMode = kFirstRunSoundMode;
}

void ReadStoredValues() {
    Background.Choice = ReadInteger("background");
    CenterPiece.Choice = ReadInteger("centerpiece");
    for (const Creature& creature : Creatures()) ReadFlag(creature.key, creature.record->Enabled);
    Speed = ReadInteger("speed");
    ReadFlag("message", ShowMessage);
    MessageText = ReadText("messagetext");
    SoundMode = ReadInteger("sound");
    if (SoundMode == kSoundMusic) {
        for (std::size_t song = 0; song < SongEnabled.size(); ++song)
            ReadFlag("song" + std::to_string(song), SongEnabled[song]);
    }
    ReadFlag("clock", ShowClock);
}

}  // namespace

void X_GetData() {
    Guarded("Starter/X_GetData", [&] {
        const double firstRun = Val(ReadText("firstrun"));
        Foreground.Choice = 0;
        if (firstRun > 0)
            ReadStoredValues();
        else
            ApplyFirstRunValues();
    });
}

}  // namespace bv
