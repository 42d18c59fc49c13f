// Song 5: a sunny island lullaby in E flat. A kalimba tune over rippling
// marimba, a warm pad, fretless bass and soft hand percussion; an ocarina
// sings a middle strain, then hums below the tune when it comes back.
#include "songs.h"

namespace mediagen {

Score sunlitShallows() {
    Score s("Sunlit Shallows", 92, 4, 4, 2);
    const int kalimba = s.instrument("Kalimba", 0, 108, 110, 76, 60);
    const int marimba = s.instrument("Marimba", 1, 12, 110, 48, 50);
    const int pad = s.instrument("Pad", 2, 88, 96, 64, 70);
    const int bass = s.instrument("Fretless Bass", 3, 35, 100, 64);
    const int ocarina = s.instrument("Ocarina", 4, 79, 96, 84, 70);
    const int drums = s.instrument("Hand Percussion", Score::kDrumChannel, 0, 70, 64);

    const std::vector<std::string> partA{"Eb", "Gm",    "Ab",    "Bb", "Eb",
                                         "Cm", "Fm7:2", "Bb7:2", "Eb"};
    const std::vector<std::string> partB{"Abmaj7", "Gm7", "Fm7", "Bbsus:2", "Bb:2",
                                         "Abmaj7", "Gm7", "Cm",  "Fm7:2",   "Bb7:2"};
    const char* tuneA =
        "G5:1 Bb5:1 G5:.5 F5:.5 Eb5:1  D5:1.5 Bb4:.5 G4:2  C5:1 Eb5:1 Ab5:1.5 G5:.5  F5:3 r:1 "
        "G5:1 Bb5:1 C6:.5 Bb5:.5 G5:1  Eb5:1.5 G5:.5 C5:2  Ab5:1 F5:1 D5:1 F5:1  Eb5:3 r:1";
    // Its answer: the same start, a higher, settling second half.
    const char* tuneA2 =
        "G5:1 Bb5:1 G5:.5 F5:.5 Eb5:1  D5:1.5 Bb4:.5 G4:2  C5:1 Eb5:1 Ab5:1.5 G5:.5  F5:3 r:1 "
        "Bb5:1 C6:1 Bb5:.5 G5:.5 F5:1  G5:1.5 Eb5:.5 C5:2  F5:1 Ab5:1 F5:1 D5:1  Eb5:4";
    const char* tuneB =
        "C5:2 Eb5:1 G5:1  F5:3 D5:1  Eb5:2 C5:1 Ab4:1  Bb4:2 D5:2 "
        "Eb5:1 G5:1 C6:2  Bb5:2 G5:1 F5:1  G5:1.5 Eb5:.5 C5:2  C5:1 Eb5:1 D5:2";
    const char* tuneB2 =
        "C5:2 Eb5:1 G5:1  F5:3 D5:1  Eb5:2 C5:1 Ab4:1  Bb4:2 D5:2 "
        "Eb5:1 G5:1 C6:1 Eb6:1  D6:2 Bb5:2  G5:1 Eb5:1 C5:1 Eb5:1  F5:2 D5:1 Bb4:1";
    // The ocarina's humming line under the returning tune.
    const char* hum = "Bb4:4 Bb4:4 C5:4 D5:4  Bb4:4 C5:4 C5:2 D5:2 Eb5:4";

    const std::vector<Score::Broken> ripple{{0, 0, 0.45, 6}, {0.5, 2, 0.45},  {1, 3, 0.45},
                                            {1.5, 2, 0.45},  {2, 1, 0.45, 3}, {2.5, 2, 0.45},
                                            {3, 3, 0.45},    {3.5, 4, 0.45}};
    const std::vector<Score::Broken> sway{{0, 0, 0.9, 6}, {1, 2, 0.9}, {1.5, 3, 0.45},
                                          {2, 1, 0.9},    {3, 2, 0.9}, {3.5, 4, 0.45}};
    const std::vector<Score::Hit> held{{0, 3.95}};
    const std::vector<Score::BassNote> lilt{
        {0, 0, 1.4}, {1.5, 2, 0.9}, {3, 3, 0.45}, {3.5, 2, 0.45}};
    const std::vector<Score::BassNote> calm{{0, 0, 1.9}, {2, 2, 1.9}};
    const std::vector<Score::DrumLine> hands{
        {70, "xoxoxoxoxoxoxoxo", 74}, {64, "x......x..x.....", 80}, {63, "....x.......x...", 72}};
    const std::vector<Score::DrumLine> shaker{{70, "x.o.x.o.x.o.x.o.", 70}};

    double at = 0;
    s.arpeggio(marimba, at, {"Eb", "Ab", "Eb", "Bb"}, 4, ripple, 55, 86);
    s.chords(pad, at + 8, {"Eb", "Bb"}, 4, held, 55, 80);
    s.bass(bass, at + 8, {"Eb", "Bb"}, 4, calm, 39, 90);
    at += 16;
    s.phrases(at, 16);

    const auto bed = [&](const std::vector<std::string>& chords,
                         const std::vector<Score::Broken>& figure,
                         const std::vector<Score::BassNote>& line, int velocity) {
        s.arpeggio(marimba, at, chords, 4, figure, 55, velocity);
        s.chords(pad, at, chords, 4, held, 55, velocity + 4);
        s.bass(bass, at, chords, 4, line, 39, velocity + 16);
    };
    bed(partA, ripple, calm, 86);
    s.melody(kalimba, at, tuneA, 108);
    at += 32;
    bed(partA, ripple, lilt, 82);
    s.drums(drums, at, 8, shaker);
    s.melody(kalimba, at, tuneA2, 110);
    at += 32;

    // Middle strain: the ocarina over a slower sway, the hand drums in.
    bed(partB, sway, calm, 78);
    s.drums(drums, at, 8, hands);
    s.melody(ocarina, at, tuneB, 104, 0, 0.96);
    at += 32;
    bed(partB, ripple, lilt, 82);
    s.drums(drums, at, 8, hands);
    s.melody(ocarina, at, tuneB2, 108, 0, 0.96);
    // Kalimba sparkles where the ocarina holds.
    s.melody(kalimba, at,
             "r:4  r:1 D6:.5 Bb5:.5 G5:1 r:1  r:4  r:2 F5:.5 Bb5:.5 D6:1  r:4  r:2 G5:1 D5:1", 86);
    at += 32;

    // The tune returns with the ocarina humming below, then once more alone.
    bed(partA, ripple, lilt, 84);
    s.drums(drums, at, 8, hands);
    s.melody(kalimba, at, tuneA, 110);
    s.melody(ocarina, at, hum, 84, 0, 0.96);
    at += 32;
    bed(partA, sway, calm, 78);
    s.drums(drums, at, 8, shaker);
    s.melody(kalimba, at, tuneA2, 104);
    at += 32;

    s.ending(at - 8, at + 12, 0.65, 0.6);
    s.arpeggio(marimba, at, {"Ab", "Bb"}, 4, sway, 55, 74);
    s.arpeggio(marimba, at + 8, {"Eb:8"}, 8, {{0, 0, 8}, {0.5, 1, 7.5}, {1, 2, 7}, {1.5, 3, 6.5}},
               55, 76);
    s.chords(pad, at, {"Ab", "Bb"}, 4, held, 55, 70);
    s.chords(pad, at + 8, {"Eb:8"}, 8, {{0, 8}}, 55, 70);
    s.bass(bass, at, {"Ab", "Bb", "Eb:8"}, 4, {{0, 0, 3.9}}, 39, 90);
    s.melody(kalimba, at, "C6:1 Ab5:1 Eb5:2  D5:1 F5:1 Bb5:2  G5:8", 100);
    s.melody(ocarina, at, "Eb5:4 D5:4 Eb5:8", 82, 0, 0.96);
    s.trim(2.4);
    return s;
}

}  // namespace mediagen
