#include "settings/settings_globals.h"
#include "sound/song_commands.h"
#include "sound/sound_control.h"
#include "sound/sound_state.h"
#include "sound/wave_player.h"

namespace bv {
namespace {

// Every alias is asked, opened or not: one that never was only fails.
void StopAndCloseSongs() {
    for (Integer song = 0; song < kSongCount; ++song) {
        SendMediaCommand(SongModeCommand(song));
        if (MciReply.starts_with("playing")) SendMediaCommand(StopSongCommand(song));
        SendMediaCommand(SongModeCommand(song));
        if (MciReply.starts_with("stopped")) SendMediaCommand(CloseSongCommand(song));
    }
}

}  // namespace

void StopSoundAtEnd() {
    if (SoundMode == kSoundMusic) StopAndCloseSongs();
    if (SoundMode == kSoundEffect) StopLoopingWave();
}

}  // namespace bv
