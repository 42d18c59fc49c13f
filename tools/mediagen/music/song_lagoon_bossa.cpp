// Song 2: a gentle bossa in F. A flute over nylon guitar, bass, rim and
// shaker; a vibraphone takes a bridge in D minor, then rings above the flute
// when the tune returns.
#include "songs.h"

namespace mediagen {

Score lagoonBossa() {
    Score s("Lagoon Bossa", 120, 4, 4, 2);
    const int flute = s.instrument("Flute", 0, 73, 100, 80, 60);
    const int guitar = s.instrument("Nylon Guitar", 1, 24, 96, 44);
    const int bass = s.instrument("Bass", 2, 32, 104, 64);
    const int vibes = s.instrument("Vibraphone", 3, 11, 92, 90, 60);
    const int strings = s.instrument("Strings", 4, 48, 64, 30, 70);
    const int drums = s.instrument("Percussion", Score::kDrumChannel, 0, 72, 64);

    const std::vector<std::string> partA{"Fmaj7", "Fmaj7", "Gm7", "C7", "Am7", "D7", "Gm7", "C7"};
    const std::vector<std::string> partB{"Bbmaj7", "Bbm6", "Am7",   "D7",
                                         "Gm7",    "C7",   "Fmaj7", "Fmaj7"};
    const std::vector<std::string> partC{"Dm7", "Gm7", "C7", "Fmaj7", "Bbmaj7", "Am7", "Gm7", "C7"};
    const char* tuneA =
        "A4:1.5 G4:.5 A4:1 C5:1  E5:3 r:1  D5:1.5 C5:.5 Bb4:1 D5:1  G4:3 r:1 "
        "C5:1.5 B4:.5 C5:1 E5:1  F#5:2 D5:2  F5:1.5 E5:.5 D5:1 Bb4:1  C5:3 r:1";
    const char* tuneB =
        "D5:1.5 F5:.5 A5:2  G5:1.5 F5:.5 Db5:2  C5:1.5 E5:.5 G5:1 E5:1  F#5:1.5 E5:.5 D5:2 "
        "Bb4:1 D5:1 F5:1 E5:1  D5:1.5 C5:.5 Bb4:1 G4:1  A4:4  r:4";
    // The second time the strain ends a step higher, on the third.
    const char* tuneB2 =
        "D5:1.5 F5:.5 A5:2  G5:1.5 F5:.5 Db5:2  C5:1.5 E5:.5 G5:1 E5:1  F#5:1.5 E5:.5 D5:2 "
        "Bb4:1 D5:1 F5:1 E5:1  D5:1.5 E5:.5 G5:1 E5:1  F5:1 E5:1 C5:2  A4:4";
    const char* tuneC =
        "r:.5 A5:.5 F5:1 D5:1.5 E5:.5  F5:1.5 D5:.5 Bb4:2  r:.5 G5:.5 E5:1 C5:1.5 D5:.5  E5:2 C5:2 "
        "r:.5 D5:.5 F5:1 A5:1.5 G5:.5  A5:1.5 G5:.5 E5:2  F5:1 D5:1 Bb4:1 D5:1  E5:2 G5:1 Bb5:1";

    // The guitar's syncopated comp and the bass's root-fifth step.
    const std::vector<Score::Hit> comp{{0, 1.2, 6}, {1.5, 0.4}, {2.5, 0.9}, {3.5, 0.4, -6}};
    const std::vector<Score::Hit> partido{
        {0, 0.9, 4}, {1, 0.4}, {1.5, 0.9}, {3, 0.4}, {3.5, 0.4, -4}};
    const std::vector<Score::Hit> held{{0, 3.95}};
    const std::vector<Score::BassNote> step{{0, 0, 1.4}, {1.5, 2, 0.4}, {2, 2, 1.4}, {3.5, 0, 0.4}};
    const std::vector<Score::DrumLine> groove{
        {36, "x..xx..xx..xx..x", 82}, {37, "x..x..x...x..x..", 84}, {70, "xoxoxoxoxoxoxoxo", 78}};
    const std::vector<Score::DrumLine> brushed{{37, "x..x..x...x..x..", 78},
                                               {69, "xoxoxoxoxoxoxoxo", 74}};

    double at = 0;
    s.chords(guitar, at, {"Fmaj7", "Gm7", "C7", "Fmaj7"}, 4, comp, 53, 92);
    s.bass(bass, at, {"Fmaj7", "Gm7", "C7", "Fmaj7"}, 4, step, 29, 96);
    s.drums(drums, at, 4, {{70, "xoxoxoxoxoxoxoxo", 74}});
    at += 16;
    s.phrases(at, 16);

    const auto band = [&](const std::vector<std::string>& chords,
                          const std::vector<Score::Hit>& rhythm,
                          const std::vector<Score::DrumLine>& beat, int velocity) {
        s.chords(guitar, at, chords, 4, rhythm, 53, velocity);
        s.bass(bass, at, chords, 4, step, 29, velocity + 18);
        s.drums(drums, at, 8, beat);
    };
    band(partA, comp, groove, 92);
    s.melody(flute, at, tuneA, 104);
    at += 32;
    band(partB, comp, groove, 90);
    s.melody(flute, at, tuneB, 104);
    at += 32;
    band(partA, comp, groove, 86);
    s.chords(strings, at, partA, 4, held, 60, 68);
    s.melody(flute, at, tuneA, 106);
    at += 32;

    // Bridge: the vibraphone, a lighter comp and brushes.
    band(partC, partido, brushed, 80);
    s.chords(strings, at, partC, 4, held, 60, 72);
    s.melody(vibes, at, tuneC, 104);
    at += 32;

    // The tune with the vibraphone an octave above the flute.
    band(partA, comp, groove, 86);
    s.melody(flute, at, tuneA, 108);
    s.melody(vibes, at, tuneA, 86, 12);
    at += 32;
    band(partB, comp, groove, 84);
    s.chords(strings, at, partB, 4, held, 60, 70);
    s.melody(flute, at, tuneB2, 106);
    at += 32;

    s.ending(at - 8, at + 12, 0.65, 0.6);
    s.chords(guitar, at, {"Gm7", "C7"}, 4, comp, 53, 78);
    s.chords(guitar, at + 8, {"Fmaj7:8"}, 8, {{0, 6}}, 53, 80);
    s.chords(strings, at, {"Gm7", "C7"}, 4, held, 60, 68);
    s.chords(strings, at + 8, {"Fmaj7:8"}, 8, {{0, 7.5}}, 60, 68);
    s.bass(bass, at, {"Gm7", "C7"}, 4, step, 29, 94);
    s.bass(bass, at + 8, {"Fmaj7:8"}, 8, {{0, 0, 6}}, 29, 94);
    s.drums(drums, at, 2, brushed);
    s.melody(flute, at, "D5:2 Bb4:2 E5:2 C5:2 A4:8", 96);
    s.melody(vibes, at + 8, "A5:1 C6:1 E6:6", 74);
    s.trim(2.6);
    return s;
}

}  // namespace mediagen
