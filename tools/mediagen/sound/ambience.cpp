#include "ambience.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "prng.h"
#include "wav_file.h"

namespace mediagen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Long enough that the ear finds no cycle in it.
constexpr double kSeconds = 36.0;
// The water's noise is made this much longer and its end faded into its start.
constexpr double kSeamSeconds = 0.75;
// The loudness of the songs as they play, so that music and effect stand at
// one level: RMS in decibels of full scale.
constexpr double kLevelDecibels = -26.0;

// One-pole filters, enough to shape noise into rumble and hiss.
class LowPass {
public:
    explicit LowPass(double cutoff) : a_(std::exp(-kTwoPi * cutoff / kAmbienceRate)) {}
    double operator()(double x) { return y_ = (1 - a_) * x + a_ * y_; }

private:
    double a_;
    double y_ = 0;
};

class HighPass {
public:
    explicit HighPass(double cutoff) : low_(cutoff) {}
    double operator()(double x) { return x - low_(x); }

private:
    LowPass low_;
};

// Deep rumble with a faint hiss above it: filtered noise, n samples of it
// with the seam already joined.
std::vector<double> waterNoise(int n, Prng& rng) {
    const int fade = static_cast<int>(kSeamSeconds * kAmbienceRate);
    LowPass rumble1(260), rumble2(260);
    HighPass noDrift(35);
    LowPass hissTop(5000);
    HighPass hissBottom(1800);
    std::vector<double> noise(static_cast<std::size_t>(n + fade));
    for (double& v : noise) {
        const double white = rng.range(-1, 1);
        v = 1.8 * noDrift(rumble2(rumble1(white))) + 0.05 * hissTop(hissBottom(white));
    }
    // The extra stretch past the end fades out over the start as the start
    // fades in (equal power: the noise halves are unrelated), so the last
    // sample runs on into the first as smoothly as any two neighbours.
    std::vector<double> out(noise.begin(), noise.begin() + n);
    for (int i = 0; i < fade; ++i) {
        const double t = (i + 0.5) / fade * std::numbers::pi / 2;
        out[static_cast<std::size_t>(i)] =
            noise[static_cast<std::size_t>(i)] * std::sin(t) +
            noise[static_cast<std::size_t>(n) + static_cast<std::size_t>(i)] * std::cos(t);
    }
    return out;
}

// One bubble: a sine whose pitch rises as it nears the surface, with a soft
// start and a quick decay; placed round the loop's end when it runs past.
void addBubble(std::vector<double>& mix, int start, double seconds, double pitch, double rise,
               double loudness) {
    const int n = static_cast<int>(mix.size());
    const int samples = static_cast<int>(seconds * kAmbienceRate);
    double phase = 0;
    for (int j = 0; j < samples; ++j) {
        const double t = double(j) / samples;
        phase += kTwoPi * pitch * std::pow(rise, t) / kAmbienceRate;
        const double envelope = std::min(1.0, j / 60.0) * std::exp(-5.0 * t) * (1 - t);
        mix[static_cast<std::size_t>((start + j) % n)] += loudness * envelope * std::sin(phase);
    }
}

}  // namespace

std::vector<std::int16_t> ambienceSamples() {
    const int n = static_cast<int>(kAmbienceRate * kSeconds);
    Prng rng(2024);
    std::vector<double> mix = waterNoise(n, rng);

    // A slow swell and ebb: a few waves with whole cycles per loop, so it
    // never repeats inside the loop and meets itself at the seam.
    std::vector<double> swell(static_cast<std::size_t>(n), 1.0);
    for (int cycles = 1; cycles <= 3; ++cycles) {
        const double phase = rng.range(0, kTwoPi);
        const double depth = 0.22 / cycles;
        for (int i = 0; i < n; ++i)
            swell[static_cast<std::size_t>(i)] += depth * std::sin(kTwoPi * cycles * i / n + phase);
    }
    for (int i = 0; i < n; ++i)
        mix[static_cast<std::size_t>(i)] *= swell[static_cast<std::size_t>(i)];

    // Bubbles in rising strings of one to six, the strings at uneven gaps,
    // each with its own size (bigger bubbles sound lower), pace and loudness.
    double at = rng.range(0.1, 0.6);
    while (at < kSeconds) {
        const int count = 1 + rng.below(6);
        const double pitch = rng.range(320, 1100);
        const double gap = rng.range(0.06, 0.22);
        double t = at;
        for (int b = 0; b < count; ++b) {
            addBubble(mix, static_cast<int>(t * kAmbienceRate), rng.range(0.05, 0.14),
                      pitch * rng.range(0.85, 1.2), rng.range(1.3, 2.0), rng.range(0.25, 0.6));
            t += gap * rng.range(0.7, 1.4);
        }
        at += rng.range(0.5, 2.6);
    }

    double sumSquares = 0;
    for (const double v : mix) sumSquares += v * v;
    const double rms = std::sqrt(sumSquares / n);
    const double scale = std::pow(10.0, kLevelDecibels / 20.0) / std::max(rms, 1e-9) * 32767;
    std::vector<std::int16_t> out;
    out.reserve(mix.size());
    for (const double v : mix)
        out.push_back(
            static_cast<std::int16_t>(std::clamp(std::lround(v * scale), -32767L, 32767L)));
    return out;
}

void writeAmbience(const std::filesystem::path& path) {
    writeWav16Mono(path, kAmbienceRate, ambienceSamples());
}

}  // namespace mediagen
