#include <QTimer>
#include <algorithm>

#include "settings/settings_globals.h"
#include "sound/load_sound.h"
#include "sound/song_commands.h"
#include "sound/song_rotation.h"
#include "sound/sound_control.h"
#include "sound/sound_state.h"
#include "sound/wave_player.h"

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
    SoundData = LoadSound(AssetDir + "bv_soundfx.wav");
    // A missing file has turned the sound off; a damaged one just stays silent.
    if (SoundMode == kSoundEffect) PlayLoopingWave(SoundData);
}

}  // namespace

void StartSound(QTimer& musicTimer) {
    switch (SoundMode) {
        case kSoundMusic:
            StartMusic(musicTimer);
            break;
        case kSoundEffect:
            StartSoundEffect();
            break;
        default:
            break;
    }
}

}  // namespace bv
