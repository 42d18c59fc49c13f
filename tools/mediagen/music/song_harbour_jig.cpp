// Song 1: an easy-going sea jig in 6/8, G major. The fiddle has the tune
// and its second strain, a whistle answers, and a clarinet sings a gentler
// strain in E minor before the tune comes home.
#include "songs.h"

namespace mediagen {

Score harbourJig() {
    // Six quavers a bar: three quarter-note beats, felt as two dotted beats.
    Score s("Harbour Jig", 138, 3, 6, 3, 1.5);
    const int fiddle = s.instrument("Fiddle", 0, 40, 100, 76);
    const int accordion = s.instrument("Accordion", 1, 21, 86, 48);
    const int bass = s.instrument("Bass", 2, 32, 100, 64);
    const int whistle = s.instrument("Whistle", 3, 73, 100, 90);
    const int clarinet = s.instrument("Clarinet", 4, 71, 100, 60, 60);
    const int drums = s.instrument("Frame Drum", Score::kDrumChannel, 0, 76, 64);

    const std::vector<std::string> partA{"G", "C", "G", "D", "G", "C", "D", "G"};
    const std::vector<std::string> partB{"Em", "C", "G", "D", "Em", "C", "D", "G"};
    const std::vector<std::string> partC{"Em", "Am", "D", "G", "C", "Am", "B7", "Em"};
    const std::vector<std::string> partC2{"Em", "Am", "D", "G", "C", "Am", "Am", "D7"};
    const char* tuneA =
        "G4:.5 B4:.5 D5:.5 G5:1 D5:.5  E5:.5 D5:.5 C5:.5 E5:1 C5:.5  B4:.5 D5:.5 G4:.5 B4:.5 A4:.5 "
        "G4:.5  A4:1 F#4:.5 D4:1.5 "
        "G4:.5 A4:.5 B4:.5 D5:.5 B4:.5 G4:.5  C5:.5 E5:.5 G5:.5 E5:1 C5:.5  D5:.5 C5:.5 B4:.5 "
        "A4:.5 F#4:.5 A4:.5  G4:1.5 G4:1.5";
    // The tune again, leaping higher in its second half.
    const char* tuneA2 =
        "G4:.5 B4:.5 D5:.5 G5:1 D5:.5  E5:.5 D5:.5 C5:.5 E5:1 C5:.5  B4:.5 D5:.5 G4:.5 B4:.5 A4:.5 "
        "G4:.5  A4:1 F#4:.5 D4:1.5 "
        "B4:.5 D5:.5 G5:.5 B5:1 G5:.5  A5:.5 G5:.5 E5:.5 C5:1 E5:.5  D5:.5 F#5:.5 A5:.5 F#5:.5 "
        "E5:.5 C5:.5  B4:1.5 G4:1.5";
    const char* tuneB =
        "E5:.5 F#5:.5 G5:.5 B5:1 G5:.5  E5:.5 G5:.5 E5:.5 C5:1 E5:.5  D5:.5 B4:.5 G4:.5 D5:1 B4:.5 "
        " A4:.5 B4:.5 C5:.5 D5:1.5 "
        "G5:.5 F#5:.5 E5:.5 B4:1 E5:.5  C5:.5 D5:.5 E5:.5 G5:1 E5:.5  F#5:.5 E5:.5 D5:.5 A4:.5 "
        "C5:.5 F#4:.5  G4:1.5 r:1.5";
    // A slower, singing strain: long-short lilts instead of running quavers.
    const char* tuneC =
        "B4:1 E5:.5 G5:1 F#5:.5  E5:1 A4:.5 C5:1.5  D5:1 F#5:.5 A5:1 F#5:.5  G5:1.5 D5:1.5 "
        "E5:1 G5:.5 C6:1 B5:.5  A5:1 E5:.5 C5:1 E5:.5  D#5:1 F#5:.5 A5:1 F#5:.5  E5:3";
    const char* tuneC2 =
        "B4:1 E5:.5 G5:1 F#5:.5  E5:1 A4:.5 C5:1.5  D5:1 F#5:.5 A5:1 F#5:.5  G5:1.5 D5:1.5 "
        "E5:1 G5:.5 C6:1 B5:.5  A5:1 E5:.5 C5:1 E5:.5  E5:1 C5:.5 A4:1 C5:.5  D5:1.5 A4:1 "
        "F#4:.5";

    const std::vector<Score::Hit> squeeze{{0, 1.2, 6}, {1.5, 1.2}};
    const std::vector<Score::Hit> breathe{{0, 2.9}};
    const std::vector<Score::BassNote> bounce{{0, 0, 1.2}, {1.5, 2, 1.2}};
    const std::vector<Score::BassNote> long_{{0, 0, 2.8}};
    const std::vector<Score::DrumLine> light{{45, "x..x..", 90}};
    const std::vector<Score::DrumLine> pulse{
        {36, "x..x..", 96}, {45, "x.xx.x", 84}, {42, "..x..x", 74}};

    double at = 0;
    s.drums(drums, at, 2, light);
    s.bass(bass, at, {"G", "D"}, 3, {{0, 0, 1.2}}, 31, 100);
    at += 6;
    s.phrases(at, 12);

    const auto dance = [&](const std::vector<std::string>& chords, int accordionVelocity,
                           const std::vector<Score::DrumLine>& beat) {
        s.chords(accordion, at, chords, 3, squeeze, 55, accordionVelocity);
        s.bass(bass, at, chords, 3, bounce, 31, 114);
        s.drums(drums, at, 8, beat);
    };
    // First round: the fiddle's tune twice and its second strain, then the
    // whistle takes the second strain.
    dance(partA, 60, light);
    s.melody(fiddle, at, tuneA, 94);
    at += 24;
    dance(partA, 70, pulse);
    s.melody(fiddle, at, tuneA2, 100);
    at += 24;
    dance(partB, 78, pulse);
    s.melody(fiddle, at, tuneB, 106);
    at += 24;
    dance(partB, 78, pulse);
    s.melody(whistle, at, tuneB, 110);
    at += 24;

    // The gentle strain: clarinet over held chords and a soft pulse.
    s.chords(accordion, at, partC, 3, breathe, 55, 80);
    s.bass(bass, at, partC, 3, long_, 31, 106);
    s.drums(drums, at, 8, light);
    s.melody(clarinet, at, tuneC, 110);
    at += 24;
    s.chords(accordion, at, partC2, 3, squeeze, 55, 82);
    s.bass(bass, at, partC2, 3, bounce, 31, 108);
    s.drums(drums, at, 8, light);
    s.melody(clarinet, at, tuneC2, 112);
    s.melody(whistle, at + 12, "G5:1.5 E5:1.5  A5:1.5 E5:1.5  C6:3  A5:1.5 D5:1.5", 92);
    at += 24;

    // Home again: fiddle and whistle together, then the fiddle alone to the end.
    dance(partA, 82, pulse);
    s.melody(fiddle, at, tuneA, 112);
    s.melody(whistle, at, tuneA, 98, 12);
    at += 24;
    dance(partB, 84, pulse);
    s.melody(fiddle, at, tuneB, 112);
    at += 24;
    dance(partA, 80, light);
    s.melody(fiddle, at, tuneA2, 108);
    at += 24;

    s.ending(at - 6, at + 6, 0.6, 0.6);
    s.chords(accordion, at, {"C", "G:6"}, 3, {{0, 2.9}}, 55, 90);
    s.bass(bass, at, {"C", "G:6"}, 3, {{0, 0, 2.9}}, 31, 110);
    s.melody(fiddle, at, "E5:1 C5:.5 A4:1 F#4:.5  G4:6", 108);
    s.melody(whistle, at, "r:3 B5:6", 90);
    s.drums(drums, at, 1, {{45, "x.....", 90}});
    s.trim(4.0);
    return s;
}

}  // namespace mediagen
