// Song 0: a calm ballad in D major; piano melody over strings, bass and
// brushed drums.
#include "songs.h"

namespace mediagen {

Score tideBallad() {
    Score s("Tide Ballad", 76, 4, 4, 2);
    const int piano = s.instrument("Piano", 0, 0, 100, 70);
    const int strings = s.instrument("Strings", 1, 48, 80, 50);
    const int bass = s.instrument("Bass", 2, 33, 95, 64);
    const int drums = s.instrument("Drums", Score::kDrumChannel, 0, 70, 64);

    const std::vector<std::string> verse{"D", "Bm", "G", "A", "D", "F#m", "G", "D"};
    const std::vector<std::string> bridge{"G", "A", "F#m", "Bm", "G", "A", "Bm", "A"};
    const char* verseTune =
        "F#4:1.5 A4:.5 D5:1 C#5:1  B4:2 A4:1 F#4:1  G4:1.5 B4:.5 D5:1.5 E5:.5  C#5:3 r:1 "
        "D5:1.5 E5:.5 F#5:1 E5:1  C#5:2 A4:2  B4:1 D5:1 C#5:1 E5:1  D5:3 r:1";
    const char* bridgeTune =
        "B4:1 D5:1 G5:1.5 F#5:.5  E5:2 C#5:1 A4:1  A4:1 C#5:1 F#5:1.5 E5:.5  D5:3 B4:1 "
        "G5:1.5 F#5:.5 E5:1 D5:1  E5:1 F#5:1 E5:1 C#5:1  D5:2 B4:1 D5:1  E5:3 r:1";

    const std::vector<Score::Hit> pad{{0, 3.9}};
    const std::vector<Score::Hit> arpeggio{{0, 1.9}, {1, 0.9, -10}, {2, 1.9, -4}, {3, 0.9, -12}};
    const std::vector<Score::BassNote> walk{{0, 0, 1.9}, {2, 2, 1.4}, {3.5, 0, 0.5}};
    const std::vector<Score::DrumLine> brushes{
        {36, "x.......x.......", 60}, {38, "....o.......o...", 70}, {42, "x.x.x.x.x.x.x.x.", 45}};

    double at = 0;
    s.chords(strings, at, {"D", "G", "D", "A"}, 4, pad, 62, 60);
    at += 16;
    const auto section = [&](const std::vector<std::string>& chords, const char* tune, int lift) {
        s.chords(strings, at, chords, 4, pad, 62, 58 + lift);
        s.chords(piano, at, chords, 4, arpeggio, 55, 50 + lift);
        s.bass(bass, at, chords, 4, walk, 38, 80);
        s.drums(drums, at, 8, brushes);
        s.melody(piano, at, tune, 78 + lift);
        at += 32;
    };
    section(verse, verseTune, 0);
    section(bridge, bridgeTune, 4);
    section(verse, verseTune, 6);
    section(bridge, bridgeTune, 10);
    section(verse, verseTune, 2);
    s.chords(strings, at, {"G", "A", "D"}, 4, pad, 62, 55);
    s.chords(piano, at, {"G", "A", "D"}, 4, arpeggio, 55, 45);
    s.melody(piano, at, "B4:2 D5:2 C#5:2 E5:2 D5:4", 70);
    return s;
}

}  // namespace mediagen
