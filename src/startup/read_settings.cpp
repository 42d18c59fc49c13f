#include "startup/read_settings.h"

#include <functional>
#include <optional>
#include <string>

#include "errors/error_handler.h"
#include "platform/text_number.h"
#include "scene/creatures.h"
#include "scene/records.h"
#include "settings/ini_access.h"
#include "settings/setting_warning.h"
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

// The leading number of the text rounded into an Integer; nothing when it
// does not fit one.
std::optional<Integer> IntegerOf(const std::string& text) {
    try {
        return RoundToInteger(Val(text));
    } catch (const RuntimeFailure&) {
        return std::nullopt;
    }
}

// An Integer key: its stored value when `usable` takes it, otherwise the
// first-run value, which the user is told about.
Integer ReadInteger(const std::string& key, Integer firstRun,
                    const std::function<bool(Integer)>& usable) {
    const std::string text = ReadText(key);
    const std::optional<Integer> value = IntegerOf(text);
    if (value && usable(*value)) return *value;
    WarnUnusableSetting(key, text, firstRun);
    return firstRun;
}

std::function<bool(Integer)> Between(Integer low, Integer high) {
    return [low, high](Integer value) { return low <= value && value <= high; };
}

// Sets the flag for a positive value and leaves it as it is otherwise; a
// number too large for any use gives the flag its first-run value.
void ReadFlag(const std::string& key, Integer& flag, bool onAtFirstRun) {
    const std::string text = ReadText(key);
    try {
        if (Val(text) > 0) flag = kTrue;
    } catch (const RuntimeFailure&) {
        WarnUnusableSetting(key, text, onAtFirstRun ? 1 : 0);
        flag = Flag(onAtFirstRun);
    }
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
    Background.Choice = ReadInteger("background", kFirstRunBackground, Between(0, kLastBackground));
    CenterPiece.Choice =
        ReadInteger("centerpiece", kFirstRunCenterPiece, Between(0, kLastCentrePiece));
    for (const Creature& creature : Creatures())
        ReadFlag(creature.key, creature.record->Enabled, creature.onAtFirstRun);
    // Any interval a timer takes; 0 or less would stop the scene.
    Speed = ReadInteger("speed", kFirstRunSpeed, Between(1, 32767));
    ReadFlag("message", ShowMessage, false);
    MessageText = ReadText("messagetext");
    SoundMode = ReadInteger("sound", kFirstRunSoundMode, Between(kSoundNone, kSoundEffect));
    if (SoundMode == kSoundMusic) ReadSongChoices();
    ReadFlag("clock", ShowClock, false);
}

}  // namespace

void ReadSongChoices() {
    for (std::size_t song = 0; song < SongEnabled.size(); ++song)
        ReadFlag("song" + std::to_string(song), SongEnabled[song], false);
}

// Whether the settings dialog has saved: "firstrun" greater than 0.
bool SavedBefore() {
    const std::string text = ReadText("firstrun");
    try {
        return Val(text) > 0;
    } catch (const RuntimeFailure&) {
        WarnUnusableSetting("firstrun", text, 0);
        return false;
    }
}

void X_GetData() {
    Guarded("Starter/X_GetData", [&] {
        Foreground.Choice = 0;
        if (SavedBefore())
            ReadStoredValues();
        else
            ApplyFirstRunValues();
    });
}

}  // namespace bv
