// Song 3: a swaying waltz in A minor: vibraphone tune, piano oom-pah-pah,
// pizzicato bass and held strings.
#include "songs.h"

namespace mediagen {

Score coralWaltz() {
    Score s("Coral Waltz", 150, 3, 3, 2);
    const int vibes = s.instrument("Vibraphone", 0, 11, 100, 70);
    const int piano = s.instrument("Piano", 1, 0, 85, 54);
    const int bass = s.instrument("Pizzicato", 2, 45, 100, 64);
    const int strings = s.instrument("Strings", 3, 49, 70, 40);

    const std::vector<std::string> partA{"Am", "Am", "Dm", "E7", "Am", "F", "E7", "Am"};
    const std::vector<std::string> partB{"C", "G", "Dm", "Am", "F", "C", "Dm", "Am"};
    const char* tuneA =
        "E5:2 C5:1  A4:1 B4:1 C5:1  D5:2 F5:1  E5:2 G#4:1  A4:1 C5:1 E5:1  A5:2 F5:1  E5:1 D5:1 "
        "B4:1  A4:3";
    const char* tuneB =
        "G5:2 E5:1  D5:2 B4:1  F5:1 E5:1 D5:1  C5:2 A4:1  C5:1 F5:1 A5:1  G5:2 E5:1  F5:1 D5:1 "
        "B4:1  A4:3";

    const std::vector<Score::Hit> oomPah{{1, 0.8}, {2, 0.8, -6}};
    const std::vector<Score::Hit> held{{0, 2.9}};
    const std::vector<Score::BassNote> oom{{0, 0, 0.9}};

    double at = 0;
    for (int round = 0; round < 3; ++round) {
        for (const auto* part : {&partA, &partA, &partB, &partA}) {
            s.chords(piano, at, *part, 3, oomPah, 57, 55);
            s.chords(strings, at, *part, 3, held, 64, round == 1 ? 62 : 48);
            s.bass(bass, at, *part, 3, oom, 33, 85);
            s.melody(vibes, at, part == &partA ? tuneA : tuneB, 78,
                     round == 1 && part == &partB ? 12 : 0);
            at += 24;
        }
    }
    s.chords(strings, at, {"Am"}, 3, {{0, 5.8}}, 57, 60);
    s.bass(bass, at, {"Am"}, 3, {{0, 0, 2.8}}, 33, 80);
    s.melody(vibes, at, "A5:6", 70);
    return s;
}

}  // namespace mediagen
