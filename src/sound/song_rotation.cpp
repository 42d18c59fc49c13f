#include "sound/song_rotation.h"

#include "settings/settings_globals.h"
#include "sound/song_commands.h"
#include "sound/sound_state.h"

namespace bv {

Integer NextSongNumber(Integer song) {
    const Integer next = ToInteger(song + 1);
    return next >= kSongCount ? Integer{0} : next;
}

bool PlayFirstPlayableSong(Integer first) {
    Integer song = first;
    for (Integer tried = 0; tried < kSongCount; ++tried, song = NextSongNumber(song)) {
        if (SongEnabled.at(song) == kFalse) continue;
        SendMediaCommand(PlaySongCommand(song));
        if (MciResult == 0) {
            SongIndex = song;
            return true;
        }
    }
    return false;
}

}  // namespace bv
