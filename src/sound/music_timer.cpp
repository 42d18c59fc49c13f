#include <QTimer>

#include "errors/error_handler.h"
#include "sound/song_commands.h"
#include "sound/song_rotation.h"
#include "sound/sound_control.h"
#include "sound/sound_state.h"

namespace bv {

void MusicTimer_Timer(QTimer& musicTimer) {
    Guarded("ScreenSaver/MusicTimer", [&] {
        SendMediaCommand(SongModeCommand(SongIndex));
        if (MciResult != 0) return;  // asked again at the next check
        if (!MciReply.starts_with("stopped")) return;
        if (!PlayFirstPlayableSong(NextSongNumber(SongIndex))) musicTimer.stop();
    });
}

}  // namespace bv
