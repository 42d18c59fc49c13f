#include "score.h"

#include <cmath>
#include <stdexcept>

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
    else
        throw std::invalid_argument("unknown chord " + std::string(symbol));
    std::vector<int> tones;
    for (const int i : intervals) tones.push_back((root + i) % 12);
    return tones;
}

Score::Score(std::string title, double beatsPerMinute, int beatsPerBar, int numerator,
             int denominatorPower)
    : beatsPerBar_(beatsPerBar) {
    MidiTrack conductor;
    conductor.name(title);
    conductor.timeSignature(0, numerator, denominatorPower);
    conductor.tempo(0, beatsPerMinute);
    tracks_.push_back(std::move(conductor));
}

int Score::instrument(const std::string& name, int channel, int program, int volume, int pan) {
    MidiTrack track;
    track.name(name);
    track.controller(0, channel, 7, volume);
    track.controller(0, channel, 10, pan);
    if (channel != kDrumChannel) track.program(0, channel, program);
    tracks_.push_back(std::move(track));
    parts_.push_back(Part{channel});
    return static_cast<int>(parts_.size()) - 1;
}

std::uint32_t Score::ticks(double beats) const {
    return static_cast<std::uint32_t>(std::lround(beats * kTicksPerBeat));
}

double Score::melody(int part, double at, std::string_view line, int velocity, int transpose) {
    MidiTrack& track = tracks_[static_cast<std::size_t>(part) + 1];
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
        const double length = std::stod(std::string(token.substr(colon + 1)));
        const std::string_view pitch = token.substr(0, colon);
        if (pitch != "r") {
            // Notes on the beat a little stronger than those between.
            const bool onBeat = std::abs(now - std::round(now)) < 1e-6;
            track.note(ticks(now), ticks(length * 0.92),
                       parts_[static_cast<std::size_t>(part)].channel, noteKey(pitch) + transpose,
                       velocity + (onBeat ? 6 : 0));
        }
        now += length;
    }
    return now - at;
}

void Score::chords(int part, double at, const std::vector<std::string>& symbols, double beatsEach,
                   const std::vector<Hit>& rhythm, int around, int velocity) {
    MidiTrack& track = tracks_[static_cast<std::size_t>(part) + 1];
    const int channel = parts_[static_cast<std::size_t>(part)].channel;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        const double start = at + i * beatsEach;
        for (const int pc : chordTones(symbols[i])) {
            // The chord tone nearest above `around`, for smooth voice leading.
            const int key = around + ((pc - around) % 12 + 12) % 12;
            for (const Hit& hit : rhythm)
                track.note(ticks(start + hit.offset), ticks(hit.length), channel, key,
                           velocity + hit.accent);
        }
    }
}

void Score::bass(int part, double at, const std::vector<std::string>& symbols, double beatsEach,
                 const std::vector<BassNote>& line, int lowest, int velocity) {
    MidiTrack& track = tracks_[static_cast<std::size_t>(part) + 1];
    const int channel = parts_[static_cast<std::size_t>(part)].channel;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        const auto tones = chordTones(symbols[i]);
        const int root = lowest + ((tones[0] - lowest) % 12 + 12) % 12;
        for (const BassNote& n : line) {
            int key = root;
            if (n.degree == 1)
                key = root + ((tones[1] - tones[0]) % 12 + 12) % 12;
            else if (n.degree == 2)
                key = root + ((tones[2] - tones[0]) % 12 + 12) % 12;
            else if (n.degree == 3)
                key = root + 12;
            track.note(ticks(at + i * beatsEach + n.offset), ticks(n.length), channel, key,
                       velocity);
        }
    }
}

void Score::drums(int part, double at, int bars, const std::vector<DrumLine>& lines) {
    MidiTrack& track = tracks_[static_cast<std::size_t>(part) + 1];
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
                    track.note(ticks(at + bar * beatsPerBar_ + s * step), ticks(step * 0.5),
                               kDrumChannel, line.key, velocity);
            }
        }
    }
}

void Score::write(const std::filesystem::path& path) const {
    writeMidiFile(path, kTicksPerBeat, tracks_);
}

}  // namespace mediagen
