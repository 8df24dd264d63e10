// seeded_random.h: the content tools' random numbers, the same on every
// build and machine (the standard library's distributions are not), so a
// generated picture or sound comes out byte for byte the same each time.
//
//   TSeededRandom random(7);
//   double x = random.Range(0.0, 1024.0);
#pragma once

#include <cstdint>

namespace corvellane {

class TSeededRandom {
 public:
  explicit TSeededRandom(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  // splitmix64
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Range(double low, double high) { return low + (high - low) * Unit(); }

 private:
  uint64_t state_;
};

}  // namespace corvellane
