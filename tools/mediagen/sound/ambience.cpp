#include "ambience.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "prng.h"
#include "wav_file.h"

namespace mediagen {

namespace {
constexpr double kSeconds = 6.0;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
}  // namespace

std::vector<std::int16_t> ambienceSamples() {
    const int n = static_cast<int>(kAmbienceRate * kSeconds);
    std::vector<double> mix(static_cast<std::size_t>(n), 0.0);
    Prng rng(2024);

    // The rumble: many low partials, each a whole number of cycles per loop,
    // so the bed is periodic by construction; amplitudes fall off with
    // frequency like filtered noise.
    for (int k = 60; k <= 1500; k += 3) {
        const double frequency = k / kSeconds;  // 10 Hz .. 250 Hz
        const double amplitude = 0.05 / std::sqrt(frequency) * rng.range(0.5, 1.0);
        const double phase = rng.range(0, kTwoPi);
        for (int i = 0; i < n; ++i)
            mix[static_cast<std::size_t>(i)] +=
                amplitude * std::sin(kTwoPi * frequency * i / kAmbienceRate + phase);
    }
    // A slow swell of the whole bed, also whole cycles per loop.
    for (int i = 0; i < n; ++i)
        mix[static_cast<std::size_t>(i)] *= 0.8 + 0.2 * std::sin(kTwoPi * 2.0 * i / n);

    // Bubbles: short sine chirps rising in pitch with a quick decay; one
    // that runs past the end carries on at the start.
    for (int b = 0; b < 26; ++b) {
        const int start = static_cast<int>(rng.unit() * n);
        const double length = rng.range(0.03, 0.09);
        const double f0 = rng.range(500, 1400);
        const double rise = rng.range(1.4, 2.2);
        const double loudness = rng.range(0.08, 0.22);
        const int samples = static_cast<int>(length * kAmbienceRate);
        double phase = 0;
        for (int j = 0; j < samples; ++j) {
            const double t = double(j) / samples;
            const double frequency = f0 * std::pow(rise, t);
            phase += kTwoPi * frequency / kAmbienceRate;
            const double envelope = std::min(1.0, j / 40.0) * std::exp(-4.5 * t);
            mix[static_cast<std::size_t>((start + j) % n)] += loudness * envelope * std::sin(phase);
        }
    }

    const double peak =
        std::max(1e-9, std::abs(*std::max_element(mix.begin(), mix.end(), [](double a, double b) {
                     return std::abs(a) < std::abs(b);
                 })));
    std::vector<std::int16_t> out;
    out.reserve(mix.size());
    for (const double v : mix)
        out.push_back(static_cast<std::int16_t>(std::lround(v / peak * 0.7 * 32767)));
    return out;
}

void writeAmbience(const std::filesystem::path& path) {
    writeWav16Mono(path, kAmbienceRate, ambienceSamples());
}

}  // namespace mediagen
