// Song 3: a swaying waltz in A minor. A vibraphone tune over piano
// oom-pah-pah, pizzicato bass and held strings; a clarinet trio in C major
// for contrast; the tune returns on strings, then with a celesta above.
#include "songs.h"

namespace mediagen {

Score coralWaltz() {
    Score s("Coral Waltz", 144, 3, 3, 2);
    const int vibes = s.instrument("Vibraphone", 0, 11, 104, 70, 60);
    const int piano = s.instrument("Piano", 1, 0, 84, 54);
    const int bass = s.instrument("Pizzicato", 2, 45, 104, 64);
    const int strings = s.instrument("Strings", 3, 48, 64, 40, 60);
    const int clarinet = s.instrument("Clarinet", 4, 71, 100, 76, 60);
    const int celesta = s.instrument("Celesta", 5, 8, 84, 96, 60);
    const int violins = s.instrument("Violins", 6, 48, 92, 84, 60);

    const std::vector<std::string> partA{"Am", "Am", "Dm", "E7", "Am", "F", "E7", "Am"};
    const std::vector<std::string> partA2{"Am", "Am", "Dm", "E7", "F", "Dm", "G", "C"};
    const std::vector<std::string> partB{"C", "G", "Dm", "Am", "F", "C", "Dm", "Am"};
    const std::vector<std::string> trio1{"C", "Am", "Dm", "G7", "C", "Am", "F", "G7"};
    const std::vector<std::string> trio2{"C", "E7", "Am", "F", "Dm", "G7", "C", "E7"};
    const char* tuneA =
        "E5:2 C5:1  A4:1 B4:1 C5:1  D5:2 F5:1  E5:2 G#4:1  A4:1 C5:1 E5:1  A5:2 F5:1  E5:1 D5:1 "
        "B4:1  A4:3";
    // Turning to C major at its end.
    const char* tuneA2 =
        "E5:2 C5:1  A4:1 B4:1 C5:1  D5:2 F5:1  E5:2 G#4:1  A4:1 C5:1 F5:1  A5:2 F5:1  G5:1 F5:1 "
        "D5:1  E5:3";
    const char* tuneB =
        "G5:2 E5:1  D5:2 B4:1  F5:1 E5:1 D5:1  C5:2 A4:1  C5:1 F5:1 A5:1  G5:2 E5:1  F5:1 D5:1 "
        "B4:1  A4:3";
    const char* trioTune1 =
        "E5:1.5 D5:.5 C5:1  E5:2 A5:1  F5:1.5 E5:.5 D5:1  B4:2 G4:1  C5:1 E5:1 G5:1  A5:2 G5:1 "
        "F5:1 A5:1 C6:1  B5:2 r:1";
    const char* trioTune2 =
        "C6:1.5 B5:.5 G5:1  G#5:2 E5:1  A5:1.5 G5:.5 E5:1  F5:2 C5:1  D5:1 F5:1 A5:1  G5:1.5 F5:.5 "
        "D5:1  E5:3  G#4:1 B4:1 D5:1";

    const std::vector<Score::Hit> oomPah{{1, 0.8}, {2, 0.8, -6}};
    const std::vector<Score::Hit> held{{0, 2.9}};
    const std::vector<Score::Broken> rocking{{0, 0, 0.9}, {1, 1, 0.9}, {1.5, 2, 0.45}, {2, 3, 0.9}};
    const std::vector<Score::BassNote> oom{{0, 0, 0.9}};
    const std::vector<Score::BassNote> oomPahBass{{0, 0, 0.9}, {2, 2, 0.9}};

    double at = 0;
    s.chords(piano, at, {"Am", "Dm", "E7", "Am"}, 3, oomPah, 57, 74);
    s.bass(bass, at, {"Am", "Dm", "E7", "Am"}, 3, oom, 33, 98);
    at += 12;
    s.phrases(at, 12);

    const auto waltz = [&](const std::vector<std::string>& chords, int stringsVelocity) {
        s.chords(piano, at, chords, 3, oomPah, 57, 78);
        s.chords(strings, at, chords, 3, held, 64, stringsVelocity);
        s.bass(bass, at, chords, 3, oom, 33, 104);
    };
    waltz(partA, 68);
    s.melody(vibes, at, tuneA, 100);
    at += 24;
    waltz(partA2, 70);
    s.melody(vibes, at, tuneA2, 102);
    at += 24;
    waltz(partB, 80);
    s.melody(vibes, at, tuneB, 106);
    at += 24;
    waltz(partA, 76);
    s.melody(vibes, at, tuneA, 104);
    s.melody(celesta, at, tuneA, 84, 12);
    at += 24;

    // Trio: a clarinet in C major over rocking broken chords, softer.
    for (const auto& [chords, tune] :
         {std::pair{&trio1, trioTune1}, std::pair{&trio2, trioTune2}}) {
        s.arpeggio(piano, at, *chords, 3, rocking, 52, 74);
        s.chords(strings, at, *chords, 3, held, 60, 74);
        s.bass(bass, at, *chords, 3, oomPahBass, 33, 96);
        s.melody(clarinet, at, tune, 102);
        at += 24;
    }

    // The tune on the violins, the second strain with the celesta, and the
    // vibraphone's tune once more to close.
    waltz(partA, 64);
    s.melody(violins, at, tuneA, 102, 0, 0.98);
    at += 24;
    waltz(partB, 82);
    s.melody(vibes, at, tuneB, 108);
    s.melody(celesta, at, tuneB, 86, 12);
    at += 24;
    waltz(partA, 74);
    s.melody(vibes, at, tuneA, 104);
    s.melody(violins, at + 12, "A4:3 A4:3 B4:3 C5:3", 80, 0, 0.98);
    at += 24;

    s.ending(at - 12, at + 9, 0.6, 0.6);
    s.chords(piano, at, {"Dm", "E7"}, 3, oomPah, 57, 74);
    s.chords(piano, at + 6, {"Am:6"}, 6, {{0, 5.5}}, 57, 74);
    s.chords(strings, at, {"Dm", "E7"}, 3, held, 64, 74);
    s.chords(strings, at + 6, {"Am:6"}, 6, {{0, 6}}, 64, 74);
    s.bass(bass, at, {"Dm", "E7", "Am:6"}, 3, oom, 33, 100);
    s.melody(vibes, at, "F5:2 D5:1  E5:2 B4:1  A4:6", 98);
    s.melody(celesta, at + 6, "E6:1 C6:1 A6:4", 74);
    s.trim(1.75);
    return s;
}

}  // namespace mediagen
