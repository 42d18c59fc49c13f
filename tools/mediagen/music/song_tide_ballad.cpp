// Song 0: a calm ballad in D major. A piano sings the verse over broken
// chords, strings, bass and brushes; a bridge climbs higher, a flute
// interlude wanders into G major, and the last verse has a cello below the
// tune before a slowing close.
#include "songs.h"

namespace mediagen {

Score tideBallad() {
    Score s("Tide Ballad", 72, 4, 4, 2);
    const int piano = s.instrument("Piano", 0, 0, 112, 70);
    const int keys = s.instrument("Piano Chords", 1, 0, 84, 56);
    const int strings = s.instrument("Strings", 2, 48, 80, 40, 60);
    const int bass = s.instrument("Bass", 3, 32, 100, 64);
    const int flute = s.instrument("Flute", 4, 73, 96, 84, 60);
    const int cello = s.instrument("Cello", 5, 42, 84, 50, 50);
    const int drums = s.instrument("Brushes", Score::kDrumChannel, 0, 70, 64);

    const std::vector<std::string> verse{"D", "Bm", "G", "A", "D", "F#m", "G:2", "A:2", "D"};
    const std::vector<std::string> verse2{"D", "Bm", "G", "A", "D", "Bm", "Em7:2", "A:2", "D"};
    const std::vector<std::string> bridge{"G", "A", "F#m", "Bm", "G", "A", "Bm", "A"};
    const std::vector<std::string> interlude{"G",   "Em7",    "Cmaj7", "D", "Bm7",
                                             "Em7", "Asus:2", "A:2",   "A7"};
    const char* verseTune =
        "F#4:1.5 A4:.5 D5:1 C#5:1  B4:2 A4:1 F#4:1  G4:1.5 B4:.5 D5:1.5 E5:.5  C#5:3 r:1 "
        "D5:1.5 E5:.5 F#5:1 E5:1  C#5:2 A4:2  B4:1 D5:1 E5:1.5 C#5:.5  D5:3 r:1";
    // The second verse climbs where the first settled.
    const char* verseTune2 =
        "F#4:1.5 A4:.5 D5:1 C#5:1  B4:2 A4:1 F#4:1  G4:1.5 B4:.5 D5:1.5 E5:.5  C#5:3 A4:1 "
        "D5:1.5 E5:.5 F#5:1 A5:1  B5:2 A5:1 F#5:1  G5:1.5 F#5:.5 E5:1 C#5:1  D5:3 r:1";
    const char* bridgeTune =
        "B4:1 D5:1 G5:1.5 F#5:.5  E5:2 C#5:1 A4:1  A4:1 C#5:1 F#5:1.5 E5:.5  D5:3 B4:1 "
        "G5:1.5 F#5:.5 E5:1 D5:1  E5:1 F#5:1 E5:1 C#5:1  D5:2 B4:1 D5:1  E5:3 r:1";
    const char* interludeTune =
        "D5:1 G5:1 B5:2  B5:1 A5:1 G5:2  E5:1.5 G5:.5 B5:1 A5:1  F#5:2 D5:2 "
        "D5:1 F#5:1 A5:2  G5:1.5 F#5:.5 E5:2  D5:2 C#5:2  E5:3 r:1";

    // Broken chords in quavers with the lowest tone held; no tone comes
    // back before it has ended.
    const std::vector<Score::Broken> broken{{0, 0, 2.0, 4}, {0.5, 1, 0.9},     {1, 2, 0.9},
                                            {1.5, 3, 0.9},  {2, 4, 0.9, 2},    {2.5, 3, 0.9},
                                            {3, 2, 0.9},    {3.5, 1, 0.45, -4}};
    const std::vector<Score::Broken> lilt{{0, 0, 1.9, 4}, {1, 2, 0.9}, {2, 1, 0.9}, {3, 3, 0.9}};
    const std::vector<Score::Hit> held{{0, 3.95}};
    const std::vector<Score::BassNote> whole{{0, 0, 1.9}, {2, 2, 1.9}};
    const std::vector<Score::BassNote> walk{{0, 0, 1.9}, {2, 2, 1.4}, {3.5, 0, 0.45}};
    const std::vector<Score::DrumLine> hats{{36, "x.......x.......", 72},
                                            {42, "x.x.x.x.x.x.x.x.", 60}};
    const std::vector<Score::DrumLine> brushes{
        {36, "x.......x.......", 76}, {37, "....x.......x...", 74}, {42, "x.x.x.x.x.x.x.x.", 64}};

    double at = 0;
    s.chords(strings, at, {"D", "G", "D", "A"}, 4, held, 55, 76);
    s.arpeggio(keys, at, {"D", "G", "D", "A"}, 4, broken, 45, 76);
    s.bass(bass, at + 8, {"D", "A"}, 4, whole, 38, 86);
    at += 16;
    s.phrases(at, 16);

    // Verse: piano alone over the chords.
    s.melody(piano, at, verseTune, 104);
    s.arpeggio(keys, at, verse, 4, broken, 45, 78);
    s.chords(strings, at, verse, 4, held, 55, 76);
    s.bass(bass, at, verse, 4, whole, 38, 94);
    at += 32;
    // Second verse: the brushes come in.
    s.melody(piano, at, verseTune2, 104);
    s.arpeggio(keys, at, verse2, 4, broken, 45, 80);
    s.chords(strings, at, verse2, 4, held, 55, 76);
    s.bass(bass, at, verse2, 4, walk, 38, 98);
    s.drums(drums, at, 8, hats);
    at += 32;
    // Bridge: fuller and higher.
    s.melody(piano, at, bridgeTune, 110);
    s.arpeggio(keys, at, bridge, 4, broken, 45, 82);
    s.chords(strings, at, bridge, 4, held, 55, 86);
    s.bass(bass, at, bridge, 4, walk, 38, 102);
    s.drums(drums, at, 8, brushes);
    at += 32;
    // Interlude: the flute over lighter chords, in G.
    s.melody(flute, at, interludeTune, 102);
    s.arpeggio(keys, at, interlude, 4, lilt, 45, 74);
    s.chords(strings, at, interlude, 4, held, 55, 82);
    s.bass(bass, at, interlude, 4, whole, 38, 94);
    s.drums(drums, at, 8, {{42, "x...x...x...x...", 58}});
    at += 32;
    // Last verse: a cello sings the tune an octave below the piano.
    s.melody(piano, at, verseTune2, 112);
    s.melody(cello, at, verseTune2, 94, -12);
    s.arpeggio(keys, at, verse2, 4, broken, 45, 80);
    s.chords(strings, at, verse2, 4, held, 55, 80);
    s.bass(bass, at, verse2, 4, walk, 38, 102);
    s.drums(drums, at, 8, brushes);
    at += 32;

    // Close: a plagal turn, slowing and fading onto a long rolled D chord.
    s.ending(at - 4, at + 12, 0.62, 0.6);
    s.melody(piano, at, "B4:1.5 A4:.5 B4:1 D5:1  C#5:2 E5:1 C#5:1  D5:8", 104);
    s.melody(cello, at, "G3:4 A3:4 F#3:8", 86);
    s.arpeggio(keys, at, {"G", "A"}, 4, lilt, 45, 76);
    s.arpeggio(keys, at + 8, {"D:8"}, 8,
               {{0, 0, 8}, {0.25, 1, 7.75}, {0.5, 2, 7.5}, {0.75, 3, 7.25}}, 45, 80);
    s.chords(strings, at, {"G", "A"}, 4, held, 55, 76);
    s.chords(strings, at + 8, {"D:8"}, 8, {{0, 8}}, 55, 76);
    s.bass(bass, at, {"G", "A"}, 4, {{0, 0, 3.9}}, 38, 94);
    s.bass(bass, at + 8, {"D:8"}, 8, {{0, 0, 8}}, 38, 90);
    s.trim(-0.6);
    return s;
}

}  // namespace mediagen
