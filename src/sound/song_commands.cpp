#include "sound/song_commands.h"

#include "settings/settings_globals.h"
#include "sound/media_control.h"
#include "sound/sound_state.h"

namespace bv {
namespace {
std::string Alias(Integer song) {
    return "song" + std::to_string(song);
}
}  // namespace

std::string OpenSongCommand(Integer song) {
    const std::string file = AssetDir + "bv_song" + std::to_string(song) + ".Mid";
    return "open \"" + file + "\" type sequencer alias " + Alias(song);
}

std::string PlaySongCommand(Integer song) {
    return "play " + Alias(song) + " from 0";
}
std::string SongModeCommand(Integer song) {
    return "status " + Alias(song) + " mode";
}
std::string StopSongCommand(Integer song) {
    return "stop " + Alias(song);
}
std::string CloseSongCommand(Integer song) {
    return "close " + Alias(song);
}

void SendMediaCommand(const std::string& command) {
    MciResult = mciSendString(command, MciReply);
}

}  // namespace bv
