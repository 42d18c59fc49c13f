// Song 4: a slow ambient drift: warm pad, choir, a low drone and sparse
// bell notes, no drums.
#include "songs.h"

namespace mediagen {

Score abyssDrift() {
    Score s("Abyss Drift", 56, 4, 4, 2);
    const int bell = s.instrument("Bells", 0, 14, 90, 84);
    const int pad = s.instrument("Warm Pad", 1, 89, 90, 44);
    const int choir = s.instrument("Choir", 2, 52, 60, 64);
    const int drone = s.instrument("Drone", 3, 43, 80, 64);

    const std::vector<std::string> progression{"Cmaj7", "Am7", "Fmaj7", "G",
                                               "Em7",   "Am7", "Dm7",   "G"};
    const char* tune =
        "E5:3 G5:1 B5:4  A5:2 G5:2 E5:4  F5:3 E5:1 C5:4  D5:3 B4:1 G4:4 "
        "B4:2 D5:2 G5:4  E5:2 C5:2 A4:4  F5:2 A5:2 C6:4  B5:2 A5:2 D5:4";
    const char* echo =
        "r:4 E5:4  r:4 C5:4  r:4 A4:4  r:4 B4:4  r:4 G4:4  r:4 E4:4  r:4 A4:4  r:4 G4:4";

    double at = 0;
    for (int pass = 0; pass < 2; ++pass) {
        s.chords(pad, at, progression, 8, {{0, 7.9}}, 52, 64);
        s.chords(choir, at, progression, 8, {{2, 5.8}}, 64, pass == 0 ? 40 : 55);
        s.bass(drone, at, progression, 8, {{0, 0, 7.9}}, 36, 70);
        s.melody(bell, at, pass == 0 ? tune : echo, 70);
        if (pass == 1) s.melody(bell, at + 2, tune, 55, -12);
        at += 64;
    }
    s.chords(pad, at, {"Cmaj7"}, 8, {{0, 7.9}}, 52, 55);
    s.bass(drone, at, {"Cmaj7"}, 8, {{0, 0, 7.9}}, 36, 60);
    s.melody(bell, at, "E5:2 B5:6", 60);
    return s;
}

}  // namespace mediagen
