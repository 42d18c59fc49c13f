// Song 2: a gentle bossa in F: flute over nylon guitar, bass, rim and shaker.
#include "songs.h"

namespace mediagen {

Score lagoonBossa() {
    Score s("Lagoon Bossa", 128, 4, 4, 2);
    const int flute = s.instrument("Flute", 0, 73, 100, 80);
    const int guitar = s.instrument("Nylon Guitar", 1, 24, 95, 44);
    const int bass = s.instrument("Bass", 2, 32, 100, 64);
    const int drums = s.instrument("Percussion", Score::kDrumChannel, 0, 75, 64);

    const std::vector<std::string> partA{"Fmaj7", "Fmaj7", "Gm7", "C7", "Am7", "D7", "Gm7", "C7"};
    const std::vector<std::string> partB{"Bbmaj7", "Bbm6", "Am7",   "D7",
                                         "Gm7",    "C7",   "Fmaj7", "Fmaj7"};
    const char* tuneA =
        "A4:1.5 G4:.5 A4:1 C5:1  E5:3 r:1  D5:1.5 C5:.5 Bb4:1 D5:1  G4:3 r:1 "
        "C5:1.5 B4:.5 C5:1 E5:1  F#5:2 D5:2  F5:1.5 E5:.5 D5:1 Bb4:1  C5:3 r:1";
    const char* tuneB =
        "D5:1.5 F5:.5 A5:2  G5:1.5 F5:.5 Db5:2  C5:1.5 E5:.5 G5:1 E5:1  F#5:1.5 E5:.5 D5:2 "
        "Bb4:1 D5:1 F5:1 E5:1  D5:1.5 C5:.5 Bb4:1 G4:1  A4:4  r:4";

    // The guitar's syncopated comp and the bass's root-fifth step.
    const std::vector<Score::Hit> comp{{0, 1.2, 6}, {1.5, 0.4}, {2.5, 1.2}, {3.5, 0.4, -6}};
    const std::vector<Score::BassNote> step{{0, 0, 1.4}, {1.5, 2, 0.4}, {2, 2, 1.4}, {3.5, 0, 0.4}};
    const std::vector<Score::DrumLine> groove{
        {36, "x..xx..xx..xx..x", 70}, {37, "x..x..x...x..x..", 65}, {70, "xoxoxoxoxoxoxoxo", 60}};

    double at = 0;
    s.chords(guitar, at, {"Fmaj7", "Gm7", "C7", "Fmaj7"}, 4, comp, 53, 62);
    s.bass(bass, at, {"Fmaj7", "Gm7", "C7", "Fmaj7"}, 4, step, 29, 80);
    s.drums(drums, at, 4, {{70, "xoxoxoxoxoxoxoxo", 55}});
    at += 16;
    for (int round = 0; round < 3; ++round) {
        for (const auto* part : {&partA, &partB}) {
            s.chords(guitar, at, *part, 4, comp, 53, 62);
            s.bass(bass, at, *part, 4, step, 29, 82);
            s.drums(drums, at, 8, groove);
            s.melody(flute, at, part == &partA ? tuneA : tuneB, 80 + round * 4,
                     round == 1 ? 12 : 0);
            at += 32;
        }
    }
    s.chords(guitar, at, {"Gm7", "C7", "Fmaj7"}, 4, comp, 53, 55);
    s.bass(bass, at, {"Gm7", "C7", "Fmaj7"}, 4, step, 29, 75);
    s.melody(flute, at, "D5:2 Bb4:2 E5:2 C5:2 A4:4", 72);
    return s;
}

}  // namespace mediagen
