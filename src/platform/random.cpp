#include "platform/random.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <random>

namespace bv {
namespace {

std::mt19937_64& Generator() {
    static std::mt19937_64 generator(0x42u);
    return generator;
}

// splitmix64: spreads a seed's bits so that nearby clock readings give unrelated states.
std::uint64_t Mix(std::uint64_t value) {
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

std::uint64_t ClockReading() {
    if (const char* fixed = std::getenv("BLUVESSA_RANDOM_SEED"); fixed != nullptr && *fixed != 0)
        return std::strtoull(fixed, nullptr, 10);
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

void Randomize() {
    // The new seed depends on the old state too, so re-seeding within one
    // clock tick still moves the sequence on.
    std::mt19937_64& generator = Generator();
    generator.seed(Mix(ClockReading() ^ Mix(generator())));
}

double Rnd() {
    return static_cast<double>(Generator()() >> 11) * (1.0 / 9007199254740992.0);
}

void ResetRandomForTests(unsigned long long seed) {
    Generator().seed(seed);
}

}  // namespace bv
