#pragma once
// The process's one random generator: uniform reals in [0, 1), seeded from the clock.

namespace bv {

// Mixes the clock into the generator's state. When BLUVESSA_RANDOM_SEED is
// set (tests, reproducible pictures) the clock reading is replaced by that
// number, so a run's draws repeat exactly.
void Randomize();

// A uniform real in [0, 1).
double Rnd();

// Restarts the generator from a fixed state (tests).
void ResetRandomForTests(unsigned long long seed);

}  // namespace bv
