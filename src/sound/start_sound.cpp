#include <QTimer>
#include <algorithm>

#include "platform/wave_player.h"
#include "settings/settings_globals.h"
#include "sound/load_sound.h"
#include "sound/song_commands.h"
#include "sound/song_rotation.h"
#include "sound/sound_control.h"
#include "sound/sound_state.h"

namespace bv {
namespace {

void StartMusic(QTimer& musicTimer) {
    for (SongIndex = 0; SongIndex < kSongCount; ++SongIndex) {
        if (SongEnabled.at(SongIndex) != kFalse) SendMediaCommand(OpenSongCommand(SongIndex));
    }
    SongIndex = 0;
    const bool anyEnabled = std::any_of(SongEnabled.begin(), SongEnabled.end(),
                                        [](Integer enabled) { return enabled != kFalse; });
    if (anyEnabled) musicTimer.start();
    if (musicTimer.isActive() && !PlayFirstPlayableSong(SongIndex)) musicTimer.stop();
}

void StartSoundEffect() {
    std::string path = AssetDir + "bv_soundfx.wav";
    SoundData = LoadSound(path);
    // A missing file has set SoundMode to 0; a damaged one just stays silent.
    if (SoundMode == 2) PlayLoopingWave(SoundData);
}

}  // namespace

void StartSound(QTimer& musicTimer) {
    switch (SoundMode) {
        case 1:
            StartMusic(musicTimer);
            break;
        case 2:
            StartSoundEffect();
            break;
        default:
            break;
    }
}

}  // namespace bv
