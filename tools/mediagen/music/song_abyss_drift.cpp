// Song 4: a slow ambient drift in C: warm pad, choir, a low drone and sparse
// bell notes, no drums. A middle part turns to A minor with a sung line the
// bells answer; the bells' tune then returns as a canon an octave below.
#include "songs.h"

namespace mediagen {

Score abyssDrift() {
    Score s("Abyss Drift", 60, 4, 4, 2);
    const int bell = s.instrument("Bells", 0, 14, 96, 84, 80);
    const int pad = s.instrument("Warm Pad", 1, 89, 100, 44, 70);
    const int choir = s.instrument("Choir", 2, 52, 80, 64, 70);
    const int drone = s.instrument("Drone", 3, 43, 96, 64, 50);
    const int voice = s.instrument("Voice", 4, 53, 100, 56, 80);
    const int celesta = s.instrument("Celesta", 5, 8, 84, 96, 80);

    const std::vector<std::string> first{"Cmaj7", "Am7", "Fmaj7", "G"};
    const std::vector<std::string> second{"Em7", "Am7", "Dm7", "G"};
    const std::vector<std::string> middle{"Am7", "Fmaj7", "Dm7", "Gsus:4", "G:4"};
    const char* tune1 = "E5:3 G5:1 B5:4  A5:2 G5:2 E5:4  F5:3 E5:1 C5:4  D5:3 B4:1 G4:4";
    const char* tune2 = "B4:2 D5:2 G5:4  E5:2 C5:2 A4:4  F5:2 A5:2 C6:4  B5:2 A5:2 D5:4";
    const char* sung = "A4:2 C5:2 E5:4  F5:4 E5:4  D5:2 F5:2 A5:4  G5:2 C5:2 B4:4";
    const char* answer = "r:4 E5:4  r:4 C5:4  r:4 A4:4  r:4 D5:4";

    const std::vector<Score::Hit> long_{{0, 7.9}};
    const std::vector<Score::Hit> late{{2, 5.8}};
    const std::vector<Score::BassNote> pedal{{0, 0, 7.9}};
    const std::vector<Score::Broken> ripple{{0, 0, 0.9}, {1, 1, 0.9}, {2, 2, 0.9},
                                            {3, 3, 0.9}, {4, 4, 1.9}, {6, 2, 1.9}};

    double at = 0;
    s.chords(pad, at, {"Cmaj7:4", "G:4"}, 4, {{0, 3.9}}, 52, 80);
    s.bass(drone, at, {"C:4", "G:4"}, 4, {{0, 0, 3.9}}, 36, 86);
    at += 8;
    s.phrases(at, 16);

    const auto bed = [&](const std::vector<std::string>& chords, int velocity) {
        s.chords(pad, at, chords, 8, long_, 52, velocity + 20);
        s.chords(choir, at, chords, 8, late, 64, velocity);
        s.bass(drone, at, chords, 8, pedal, 36, velocity + 28);
    };
    // The bells alone over the bed, twice four chords.
    bed(first, 66);
    s.melody(bell, at, tune1, 94);
    at += 32;
    bed(second, 68);
    s.melody(bell, at, tune2, 100);
    s.arpeggio(celesta, at + 16, {"Dm7", "G"}, 8, ripple, 64, 76);
    at += 32;

    // Middle: a sung line in A minor, the bells answering in the gaps.
    bed(middle, 68);
    s.melody(voice, at, sung, 106, 0, 0.98);
    s.melody(bell, at, answer, 90);
    at += 32;

    // The tune again: first half as before with the celesta rippling, the
    // second half as a canon, the bells an octave below two beats behind.
    bed(first, 74);
    s.melody(bell, at, tune1, 110);
    s.arpeggio(celesta, at, first, 8, ripple, 64, 74);
    at += 32;
    bed(second, 76);
    s.melody(bell, at, tune2, 112);
    s.melody(voice, at + 2, tune2, 86, -12, 0.98);
    at += 32;

    s.ending(at - 8, at + 12, 0.7, 0.55);
    s.chords(pad, at, {"Cmaj7:12"}, 12, {{0, 12}}, 52, 88);
    s.chords(choir, at, {"Cmaj7:12"}, 12, {{2, 10}}, 64, 74);
    s.bass(drone, at, {"C:12"}, 12, {{0, 0, 12}}, 36, 94);
    s.melody(bell, at, "E5:2 B5:10", 100);
    s.trim(2.05);
    return s;
}

}  // namespace mediagen
