#pragma once

#include <filesystem>
#include <vector>

#include "score.h"

namespace mediagen {

// The six songs, in file-number order.
Score tideBallad();      // 0: a calm ballad
Score harbourJig();      // 1: a sea jig in 6/8
Score lagoonBossa();     // 2: a bossa
Score coralWaltz();      // 3: a waltz
Score abyssDrift();      // 4: a slow ambient piece
Score sunlitShallows();  // 5: a calm island lullaby

std::vector<Score> allSongs();
void writeSong(const Score& song, const std::filesystem::path& path);

}  // namespace mediagen
