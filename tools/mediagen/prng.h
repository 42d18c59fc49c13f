#pragma once

#include <cstdint>

namespace mediagen {

// A small fixed-seed generator (SplitMix64) with its own mapping to reals, so
// that the scattered details of the artwork come out identical on every
// machine and standard library.
class Prng {
public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1) from the top 53 bits.
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    double range(double low, double high) { return low + (high - low) * unit(); }

    // Uniform integer in [0, n).
    int below(int n) { return static_cast<int>(unit() * n); }

private:
    std::uint64_t state_;
};

}  // namespace mediagen
