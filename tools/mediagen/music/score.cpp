#include "score.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace mediagen {

namespace {

int pitchClass(std::string_view name, std::size_t& used) {
    static constexpr int natural[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    if (name.empty() || name[0] < 'A' || name[0] > 'G')
        throw std::invalid_argument("bad note name " + std::string(name));
    int pc = natural[name[0] - 'A'];
    used = 1;
    if (name.size() > 1 && name[1] == '#') {
        ++pc;
        ++used;
    } else if (name.size() > 1 && name[1] == 'b') {
        --pc;
        ++used;
    }
    return (pc + 12) % 12;
}

// A length in beats ("1.5", ".5") read the same whatever the locale.
double beatsIn(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw std::invalid_argument("bad length " + std::string(text));
    return value;
}

}  // namespace

int noteKey(std::string_view name) {
    std::size_t used = 0;
    const int pc = pitchClass(name, used);
    const int octave = std::stoi(std::string(name.substr(used)));
    // B#/Cb stay in the octave their letter names.
    int key = (octave + 1) * 12 + pc;
    if (name[0] == 'C' && pc == 11) key -= 12;
    if (name[0] == 'B' && pc == 0) key += 12;
    return key;
}

std::vector<int> chordTones(std::string_view symbol) {
    std::size_t used = 0;
    const int root = pitchClass(symbol, used);
    const std::string_view quality = symbol.substr(used);
    std::vector<int> intervals;
    if (quality.empty())
        intervals = {0, 4, 7};
    else if (quality == "m")
        intervals = {0, 3, 7};
    else if (quality == "7")
        intervals = {0, 4, 7, 10};
    else if (quality == "m7")
        intervals = {0, 3, 7, 10};
    else if (quality == "maj7")
        intervals = {0, 4, 7, 11};
    else if (quality == "6")
        intervals = {0, 4, 7, 9};
    else if (quality == "m6")
        intervals = {0, 3, 7, 9};
    else if (quality == "sus")
        intervals = {0, 5, 7};
    else if (quality == "add9")
        intervals = {0, 4, 7, 14};
    else if (quality == "m9")
        intervals = {0, 3, 7, 10, 14};
    else
        throw std::invalid_argument("unknown chord " + std::string(symbol));
    std::vector<int> tones;
    tones.reserve(intervals.size());
    for (const int i : intervals) tones.push_back((root + i) % 12);
    return tones;
}

Score::Score(std::string title, double beatsPerMinute, int beatsPerBar, int numerator,
             int denominatorPower, double pulse)
    : title_(std::move(title)),
      beatsPerMinute_(beatsPerMinute),
      beatsPerBar_(beatsPerBar),
      numerator_(numerator),
      denominatorPower_(denominatorPower),
      pulse_(pulse),
      phraseBeats_(4.0 * beatsPerBar) {}

int Score::instrument(const std::string& name, int channel, int program, int volume, int pan,
                      int reverb) {
    for (const Part& part : parts_)
        if (part.channel == channel && channel != kDrumChannel)
            throw std::logic_error(title_ + ": two instruments on channel " +
                                   std::to_string(channel));
    parts_.push_back(Part{name, channel, program, volume, pan, reverb});
    return static_cast<int>(parts_.size()) - 1;
}

std::uint32_t Score::ticks(double beats) const {
    return static_cast<std::uint32_t>(std::lround(beats * kTicksPerBeat));
}

void Score::note(int part, double at, double length, int key, int velocity) {
    notes_.push_back(Note{part, at, length, key, velocity});
}

double Score::melody(int part, double at, std::string_view line, int velocity, int transpose,
                     double legato) {
    double now = at;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && line[pos] == ' ') ++pos;
        if (pos >= line.size()) break;
        const std::size_t end = std::min(line.find(' ', pos), line.size());
        const std::string_view token = line.substr(pos, end - pos);
        pos = end;
        const std::size_t colon = token.find(':');
        if (colon == std::string_view::npos)
            throw std::invalid_argument("melody token without length: " + std::string(token));
        const double length = beatsIn(token.substr(colon + 1));
        const std::string_view pitch = token.substr(0, colon);
        if (pitch != "r") note(part, now, length * legato, noteKey(pitch) + transpose, velocity);
        now += length;
    }
    return now - at;
}

template <typename Each>
void Score::eachChord(double at, const std::vector<std::string>& symbols, double beatsEach,
                      Each each) const {
    double start = at;
    for (const std::string& entry : symbols) {
        const std::size_t colon = entry.find(':');
        const std::string symbol = entry.substr(0, colon);
        const double length = colon == std::string::npos
                                  ? beatsEach
                                  : beatsIn(std::string_view(entry).substr(colon + 1));
        each(symbol, start, length);
        start += length;
    }
}

std::vector<int> Score::voicing(const std::string& symbol, int around) const {
    std::vector<int> keys;
    // Each tone nearest above `around`, for smooth voice leading.
    for (const int pc : chordTones(symbol)) keys.push_back(around + ((pc - around) % 12 + 12) % 12);
    std::sort(keys.begin(), keys.end());
    return keys;
}

void Score::chords(int part, double at, const std::vector<std::string>& symbols, double beatsEach,
                   const std::vector<Hit>& rhythm, int around, int velocity) {
    eachChord(at, symbols, beatsEach, [&](const std::string& symbol, double start, double length) {
        for (const int key : voicing(symbol, around))
            for (const Hit& hit : rhythm)
                if (hit.offset < length - 1e-9)
                    note(part, start + hit.offset, std::min(hit.length, length - hit.offset), key,
                         velocity + hit.accent);
    });
}

void Score::arpeggio(int part, double at, const std::vector<std::string>& symbols, double beatsEach,
                     const std::vector<Broken>& pattern, int around, int velocity) {
    eachChord(at, symbols, beatsEach, [&](const std::string& symbol, double start, double length) {
        const auto keys = voicing(symbol, around);
        const int size = static_cast<int>(keys.size());
        for (const Broken& b : pattern)
            if (b.offset < length - 1e-9)
                note(part, start + b.offset, std::min(b.length, length - b.offset),
                     keys[static_cast<std::size_t>(b.tone % size)] + 12 * (b.tone / size),
                     velocity + b.accent);
    });
}

void Score::bass(int part, double at, const std::vector<std::string>& symbols, double beatsEach,
                 const std::vector<BassNote>& line, int lowest, int velocity) {
    eachChord(at, symbols, beatsEach, [&](const std::string& symbol, double start, double length) {
        const auto tones = chordTones(symbol);
        const int root = lowest + ((tones[0] - lowest) % 12 + 12) % 12;
        for (const BassNote& n : line) {
            if (n.offset >= length - 1e-9) continue;
            int key = root;
            if (n.degree == 1)
                key = root + ((tones[1] - tones[0]) % 12 + 12) % 12;
            else if (n.degree == 2)
                key = root + ((tones[2] - tones[0]) % 12 + 12) % 12;
            else if (n.degree == 3)
                key = root + 12;
            note(part, start + n.offset, std::min(n.length, length - n.offset), key, velocity);
        }
    });
}

void Score::drums(int part, double at, int bars, const std::vector<DrumLine>& lines) {
    for (int bar = 0; bar < bars; ++bar) {
        for (const DrumLine& line : lines) {
            const double step = double(beatsPerBar_) / double(line.steps.size());
            for (std::size_t s = 0; s < line.steps.size(); ++s) {
                const char c = line.steps[s];
                const int velocity = c == 'X'   ? line.velocity + 20
                                     : c == 'x' ? line.velocity
                                     : c == 'o' ? line.velocity - 30
                                                : 0;
                if (velocity > 0)
                    note(part, at + bar * beatsPerBar_ + s * step, step * 0.5, line.key, velocity);
            }
        }
    }
}

void Score::phrases(double from, double beats) {
    phraseFrom_ = from;
    phraseBeats_ = beats;
}

void Score::ending(double from, double to, double slowdown, double fadeTo) {
    endingFrom_ = from;
    endingTo_ = to;
    slowdown_ = slowdown;
    fadeTo_ = fadeTo;
}

int Score::shapedVelocity(const Note& n) const {
    const bool drum = parts_[static_cast<std::size_t>(n.part)].channel == kDrumChannel;
    const auto near = [](double a, double b) { return std::abs(a - b) < 1e-6; };
    double v = n.velocity;
    // Strong beats lean: the downbeat most, the middle of a 4/4 bar next,
    // the other beats a little; notes between beats give way. Drum lines
    // carry their own accents.
    if (!drum) {
        const double inBar = std::fmod(n.at, beatsPerBar_);
        const double inPulse = std::fmod(inBar, pulse_);
        if (near(inBar, 0) || near(inBar, beatsPerBar_))
            v += 8;
        else if (beatsPerBar_ == 4 && near(inBar, 2))
            v += 4;
        else if (near(inPulse, 0) || near(inPulse, pulse_))
            v += 2;
        else
            v -= 3;
    }
    // Each phrase swells to about two thirds of its way, then relaxes.
    if (n.at >= phraseFrom_ && phraseBeats_ > 0) {
        const double p = std::fmod(n.at - phraseFrom_, phraseBeats_) / phraseBeats_;
        v += 12.0 * (std::sin(std::numbers::pi * std::pow(p, 1.4)) - 0.45);
    }
    if (endingTo_ > endingFrom_ && n.at > endingFrom_) {
        const double t = std::min(1.0, (n.at - endingFrom_) / (endingTo_ - endingFrom_));
        v *= 1.0 - (1.0 - fadeTo_) * t;
    }
    return std::clamp(static_cast<int>(std::lround(v)), 1, 127);
}

void Score::write(const std::filesystem::path& path) const {
    std::vector<MidiTrack> tracks(parts_.size() + 1);
    MidiTrack& conductor = tracks[0];
    conductor.name(title_);
    conductor.timeSignature(0, numerator_, denominatorPower_);
    conductor.tempo(0, beatsPerMinute_);
    // The ritardando: a tempo change every half beat, slowing ever more.
    if (endingTo_ > endingFrom_ && endingFrom_ >= 0) {
        // NOLINTNEXTLINE(clang-analyzer-security.FloatLoopCounter): half beats are exact
        for (double b = endingFrom_ + 0.5; b <= endingTo_ + 1e-9; b += 0.5) {
            const double t = (b - endingFrom_) / (endingTo_ - endingFrom_);
            conductor.tempo(ticks(b),
                            beatsPerMinute_ * (1.0 - (1.0 - slowdown_) * std::pow(t, 1.3)));
        }
    }

    const double gain = std::pow(10.0, trimDecibels_ / 40.0);  // volume works as its square
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        const Part& part = parts_[i];
        const int volume = static_cast<int>(std::lround(part.volume * gain));
        if (volume < 1 || volume > 127)
            throw std::logic_error(title_ + ": " + part.name + " volume " + std::to_string(volume) +
                                   " after the trim");
        MidiTrack& track = tracks[i + 1];
        track.name(part.name);
        track.controller(0, part.channel, 7, volume);
        track.controller(0, part.channel, 10, part.pan);
        track.controller(0, part.channel, 91, part.reverb);
        if (part.channel != kDrumChannel) track.program(0, part.channel, part.program);
    }

    // Notes in time order; none may start where its key still sounds on its channel.
    std::vector<Note> sorted = notes_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Note& a, const Note& b) { return a.at < b.at; });
    std::map<std::pair<int, int>, std::uint32_t> soundingUntil;
    std::uint32_t last = 0;
    for (const Note& n : sorted) {
        const int channel = parts_[static_cast<std::size_t>(n.part)].channel;
        const std::uint32_t start = ticks(n.at);
        const std::uint32_t length = std::max<std::uint32_t>(1, ticks(n.length));
        auto& until = soundingUntil[{channel, n.key}];
        if (start < until)
            throw std::logic_error(title_ + ": key " + std::to_string(n.key) + " struck at beat " +
                                   std::to_string(n.at) + " while it sounds on channel " +
                                   std::to_string(channel));
        until = start + length;
        last = std::max(last, until);
        tracks[static_cast<std::size_t>(n.part) + 1].note(start, length, channel, n.key,
                                                          shapedVelocity(n));
    }
    // The conductor ends a bar after the last note so the last chord rings out
    // before the song counts as over.
    conductor.endAt(last + ticks(beatsPerBar_));
    writeMidiFile(path, kTicksPerBeat, tracks);
}

}  // namespace mediagen
