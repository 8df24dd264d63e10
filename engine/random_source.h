// random_source.h: THE random source of the engine.
//
// Everything in the game that picks at random (sound and music groups, and
// whatever else needs chance) draws from this one process-wide generator, so
// that seeding it once at start-up, or with a fixed number in a test or a
// replay, makes every pick reproducible.
//
//   GlobalRandom().Seed(12345);
//   uint32_t i = GlobalRandom().Uniform(members);   // 0 .. members - 1
#pragma once

#include <cstdint>
#include <random>

namespace corvellane {

class TRandomSource {
 public:
  void Seed(uint32_t seed) { generator_.seed(seed); }
  // Uniform in 0 .. n - 1; 0 when n is 0.
  uint32_t Uniform(uint32_t n);

 private:
  std::mt19937 generator_{std::random_device{}()};
};

// Single-threaded like the rest of the engine core.
TRandomSource& GlobalRandom();

}  // namespace corvellane
