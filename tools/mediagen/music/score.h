#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "midi_file.h"

namespace mediagen {

// A piece being composed: a conductor track (tempo, metre) and one track
// per instrument; positions and lengths are in quarter-note beats.
class Score {
public:
    static constexpr int kTicksPerBeat = 480;
    static constexpr int kDrumChannel = 9;

    Score(std::string title, double beatsPerMinute, int beatsPerBar, int numerator,
          int denominatorPower);

    // Adds an instrument on `channel` with General MIDI `program` (ignored
    // on the drum channel) and returns its index.
    int instrument(const std::string& name, int channel, int program, int volume = 100,
                   int pan = 64);

    // A melody line such as "E5:1 D5:.5 r:.5 C#5:2" (note or r for rest,
    // then its length in beats). Returns the beats it took.
    double melody(int part, double at, std::string_view line, int velocity, int transpose = 0);

    struct Hit {
        double offset;
        double length;
        int accent = 0;
    };
    // Chord symbols ("Am7", "Bbmaj7", "F#m", "C7", "G6", "Bbm6"), one per
    // `beatsEach`, struck with `rhythm` in voicings around `around`.
    void chords(int part, double at, const std::vector<std::string>& symbols, double beatsEach,
                const std::vector<Hit>& rhythm, int around, int velocity);

    struct BassNote {
        double offset;
        int degree;  // 0 root, 1 third, 2 fifth, 3 octave
        double length;
    };
    void bass(int part, double at, const std::vector<std::string>& symbols, double beatsEach,
              const std::vector<BassNote>& line, int lowest, int velocity);

    struct DrumLine {
        int key;
        std::string_view steps;  // x hit, X accent, o ghost, anything else rest
        int velocity;
    };
    // Repeats the drum lines for `bars` bars, each line's steps spread
    // evenly over one bar.
    void drums(int part, double at, int bars, const std::vector<DrumLine>& lines);

    double beatsPerBar() const { return beatsPerBar_; }
    void write(const std::filesystem::path& path) const;

private:
    struct Part {
        int channel;
    };
    std::uint32_t ticks(double beats) const;

    int beatsPerBar_;
    std::vector<MidiTrack> tracks_;
    std::vector<Part> parts_;
};

// Note name with octave ("C4" = 60, "Bb3", "F#5") to MIDI key.
int noteKey(std::string_view name);

// Pitch classes of a chord symbol, root first.
std::vector<int> chordTones(std::string_view symbol);

}  // namespace mediagen
