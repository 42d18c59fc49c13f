// Song 5: an upbeat brass march in B flat with snare, bass drum and tuba.
#include "songs.h"

namespace mediagen {

Score reefParade() {
    Score s("Reef Parade", 120, 4, 4, 2);
    const int trumpet = s.instrument("Trumpet", 0, 56, 105, 70);
    const int brass = s.instrument("Brass", 1, 61, 85, 50);
    const int tuba = s.instrument("Tuba", 2, 58, 100, 64);
    const int piccolo = s.instrument("Piccolo", 3, 72, 70, 90);
    const int drums = s.instrument("Drums", Score::kDrumChannel, 0, 85, 64);

    const std::vector<std::string> partA{"Bb", "F", "Bb", "F7", "Bb", "Eb", "F7", "Bb"};
    const std::vector<std::string> partB{"Eb", "Bb", "F", "Bb", "Eb", "Bb", "F7", "Bb"};
    const char* tuneA =
        "F4:1 Bb4:1 D5:1.5 Bb4:.5  C5:1 A4:1 F4:2  D5:.75 D5:.25 D5:1 F5:1 D5:1  C5:3 r:1 "
        "Bb4:1 D5:1 F5:1.5 D5:.5  G5:1 Eb5:1 Bb4:2  A4:1 C5:1 Eb5:1 A4:1  Bb4:3 r:1";
    const char* tuneB =
        "G4:1 Bb4:1 Eb5:2  D5:1 Bb4:1 F4:2  A4:.75 A4:.25 C5:1 F5:1.5 Eb5:.5  D5:3 r:1 "
        "Eb5:1 G5:1 Bb5:1.5 G5:.5  F5:1 D5:1 Bb4:2  G4:1 E5:1 F5:1 A4:1  Bb4:2 r:2";
    // A piccolo descant for the second time through.
    const char* descant =
        "D6:2 F6:2  C6:2 A5:2  Bb5:1 D6:1 F6:2  Eb6:4  D6:2 F6:2  Eb6:2 G6:2  F6:2 Eb6:2  D6:4";

    const std::vector<Score::Hit> offBeats{{1, 0.5}, {3, 0.5}};
    const std::vector<Score::BassNote> oomPah{{0, 0, 0.9}, {2, 2, 0.9}};
    const std::vector<Score::DrumLine> march{
        {36, "x.......x.......", 85}, {38, "....x..x....x.xx", 75}, {42, "x.x.x.x.x.x.x.x.", 40}};

    double at = 0;
    s.drums(drums, at, 2, {{38, "x.x.x.x.xxxxX...", 75}, {36, "x.......x.......", 85}});
    at += 8;
    for (int round = 0; round < 2; ++round) {
        for (const auto* part : {&partA, &partA, &partB, &partA}) {
            s.chords(brass, at, *part, 4, offBeats, 58, 66);
            s.bass(tuba, at, *part, 4, oomPah, 34, 90);
            s.drums(drums, at, 8, march);
            s.drums(drums, at, 1, {{49, "X...............", 80}});
            s.melody(trumpet, at, part == &partA ? tuneA : tuneB, 88);
            if (round == 1 && part == &partA) s.melody(piccolo, at, descant, 62);
            at += 32;
        }
    }
    s.chords(brass, at, {"F7", "Bb"}, 4, {{0, 1.8, 10}}, 58, 75);
    s.bass(tuba, at, {"F7", "Bb"}, 4, {{0, 0, 1.8}}, 34, 95);
    s.melody(trumpet, at, "A4:1 C5:1 Eb5:2 Bb4:2 r:2", 95);
    s.drums(drums, at, 2, {{38, "xxxxxxxxX.......", 70}, {49, "........X.......", 95}});
    return s;
}

}  // namespace mediagen
