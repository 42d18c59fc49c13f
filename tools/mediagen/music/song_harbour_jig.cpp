// Song 1: a lively sea jig in 6/8, G major: fiddle, accordion, bass and a
// frame-drum pulse.
#include "songs.h"

namespace mediagen {

Score harbourJig() {
    // Six quavers a bar: three quarter-note beats, felt as two dotted beats.
    Score s("Harbour Jig", 168, 3, 6, 3);
    const int fiddle = s.instrument("Fiddle", 0, 40, 105, 76);
    const int accordion = s.instrument("Accordion", 1, 21, 80, 48);
    const int bass = s.instrument("Bass", 2, 32, 95, 64);
    const int drums = s.instrument("Drums", Score::kDrumChannel, 0, 80, 64);

    const std::vector<std::string> partA{"G", "C", "G", "D", "G", "C", "D", "G"};
    const std::vector<std::string> partB{"Em", "C", "G", "D", "Em", "C", "D", "G"};
    const char* tuneA =
        "G4:.5 B4:.5 D5:.5 G5:1 D5:.5  E5:.5 D5:.5 C5:.5 E5:1 C5:.5  B4:.5 D5:.5 G4:.5 B4:.5 A4:.5 "
        "G4:.5  A4:1 F#4:.5 D4:1.5 "
        "G4:.5 A4:.5 B4:.5 D5:.5 B4:.5 G4:.5  C5:.5 E5:.5 G5:.5 E5:1 C5:.5  D5:.5 C5:.5 B4:.5 "
        "A4:.5 F#4:.5 A4:.5  G4:1.5 G4:1.5";
    const char* tuneB =
        "E5:.5 F#5:.5 G5:.5 B5:1 G5:.5  E5:.5 G5:.5 E5:.5 C5:1 E5:.5  D5:.5 B4:.5 G4:.5 D5:1 B4:.5 "
        " A4:.5 B4:.5 C5:.5 D5:1.5 "
        "G5:.5 F#5:.5 E5:.5 B4:1 E5:.5  C5:.5 D5:.5 E5:.5 G5:1 E5:.5  F#5:.5 E5:.5 D5:.5 A4:.5 "
        "C5:.5 F#4:.5  G4:1.5 r:1.5";

    const std::vector<Score::Hit> squeeze{{0, 1.2, 8}, {1.5, 1.2}};
    const std::vector<Score::BassNote> bounce{{0, 0, 1.2}, {1.5, 2, 1.2}};
    const std::vector<Score::DrumLine> pulse{
        {36, "X..x..", 80}, {45, "x.xx.x", 60}, {42, "..x..x", 50}};

    double at = 0;
    s.drums(drums, at, 2, {{45, "x.xx.x", 60}});
    at += 6;
    for (int round = 0; round < 3; ++round) {
        for (const auto* part : {&partA, &partA, &partB, &partB}) {
            const char* tune = part == &partA ? tuneA : tuneB;
            s.chords(accordion, at, *part, 3, squeeze, 55, 58);
            s.bass(bass, at, *part, 3, bounce, 31, 85);
            s.drums(drums, at, 8, pulse);
            // The last round is played an octave up for a bright finish.
            s.melody(fiddle, at, tune, 84, round == 2 ? 12 : 0);
            at += 24;
        }
    }
    s.chords(accordion, at, {"G"}, 3, {{0, 2.8, 10}}, 55, 60);
    s.bass(bass, at, {"G"}, 3, {{0, 0, 2.8}}, 31, 90);
    s.melody(fiddle, at, "G5:3", 90);
    return s;
}

}  // namespace mediagen
