#include "songs.h"

namespace mediagen {

std::vector<Score> allSongs() {
    std::vector<Score> songs;
    songs.push_back(tideBallad());
    songs.push_back(harbourJig());
    songs.push_back(lagoonBossa());
    songs.push_back(coralWaltz());
    songs.push_back(abyssDrift());
    songs.push_back(sunlitShallows());
    return songs;
}

void writeSong(const Score& song, const std::filesystem::path& path) {
    song.write(path);
}

}  // namespace mediagen
