#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "midi_file.h"

namespace mediagen {

// A piece being composed: a conductor track (title, tempo, metre) and one
// track and channel per instrument; positions and lengths are in
// quarter-note beats.
//
// The notes are collected first and written last, so that the dynamics of
// the whole piece can be laid over them: an accent on the strong beats of
// the bar, a rise and fall over every phrase, and a fading, slowing ending.
class Score {
public:
    static constexpr int kTicksPerBeat = 480;
    static constexpr int kDrumChannel = 9;

    // pulse: the felt beat in quarter notes (1 for x/4 metres, 1.5 for 6/8),
    // the unit of the metric accents.
    Score(std::string title, double beatsPerMinute, int beatsPerBar, int numerator,
          int denominatorPower, double pulse = 1.0);

    // Adds an instrument with General MIDI `program` (ignored on the drum
    // channel) and returns its index. Every instrument but the drums has a
    // channel of its own, so no voice cuts another's notes short.
    int instrument(const std::string& name, int channel, int program, int volume, int pan = 64,
                   int reverb = 40);

    // A melody line such as "E5:1 D5:.5 r:.5 C#5:2" (note or r for rest,
    // then its length in beats). Returns the beats it took.
    double melody(int part, double at, std::string_view line, int velocity, int transpose = 0,
                  double legato = 0.92);

    // A chord symbol ("Am7", "Bbmaj7", "F#m", "C7", "G6", "Bbm6", "Dsus")
    // lasts `beatsEach` unless it says otherwise ("G:2").
    struct Hit {
        double offset;
        double length;
        int accent = 0;
    };
    // Strikes every tone of each chord with `rhythm`, voiced around `around`.
    // Hits falling after a chord's end are left out and lengths kept inside it.
    void chords(int part, double at, const std::vector<std::string>& symbols, double beatsEach,
                const std::vector<Hit>& rhythm, int around, int velocity);

    struct Broken {
        double offset;
        int tone;  // into the voiced chord, lowest first; past its top an octave up
        double length;
        int accent = 0;
    };
    // Plays each chord as the figure `pattern` over its tones voiced around `around`.
    void arpeggio(int part, double at, const std::vector<std::string>& symbols, double beatsEach,
                  const std::vector<Broken>& pattern, int around, int velocity);

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

    // Phrases of `beats` from `from` rise and fall in loudness.
    void phrases(double from, double beats);
    // From `from` to `to` the tempo eases down to `slowdown` times its own
    // and the notes fade to `fadeTo` times their loudness.
    void ending(double from, double to, double slowdown, double fadeTo);
    // Raises or lowers every channel's volume by `decibels` (the balance of
    // the instruments stays): how the songs are matched in loudness.
    void trim(double decibels) { trimDecibels_ = decibels; }

    const std::string& title() const { return title_; }
    double beatsPerBar() const { return beatsPerBar_; }
    // Throws std::logic_error when a note would start on a key already
    // sounding on its channel, or a trimmed volume is out of range.
    void write(const std::filesystem::path& path) const;

private:
    struct Part {
        std::string name;
        int channel;
        int program;
        int volume;
        int pan;
        int reverb;
    };
    struct Note {
        int part;
        double at;
        double length;
        int key;
        int velocity;
    };
    void note(int part, double at, double length, int key, int velocity);
    // Chord tones of each symbol from `around` upward, root position or inversion.
    std::vector<int> voicing(const std::string& symbol, int around) const;
    // Walks the chord symbols with their start and length.
    template <typename Each>
    void eachChord(double at, const std::vector<std::string>& symbols, double beatsEach,
                   Each each) const;
    int shapedVelocity(const Note& note) const;
    std::uint32_t ticks(double beats) const;

    std::string title_;
    double beatsPerMinute_;
    int beatsPerBar_;
    int numerator_;
    int denominatorPower_;
    double pulse_;
    double phraseFrom_ = 0;
    double phraseBeats_ = 0;
    double endingFrom_ = -1;
    double endingTo_ = -1;
    double slowdown_ = 1;
    double fadeTo_ = 1;
    double trimDecibels_ = 0;
    std::vector<Part> parts_;
    std::vector<Note> notes_;
};

// Note name with octave ("C4" = 60, "Bb3", "F#5") to MIDI key.
int noteKey(std::string_view name);

// Pitch classes of a chord symbol, root first.
std::vector<int> chordTones(std::string_view symbol);

}  // namespace mediagen
