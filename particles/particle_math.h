// particle_math.h: the small numeric helpers every particle system shares.
//
//   int32_t r = RandomBelow(spread);         // 0 .. spread - 1; 0 when spread <= 0
//   uint8_t alpha = ByteOf(cells.Get(0, 7));  // rounded, clamped to 0..255
//   uint32_t c = PackColour(a, r, g, b);      // 0xAARRGGBB
//
// Rounding is the widgets' RoundToPixel (nearest, ties to even, values far
// outside the screen clamped), so a particle flung to absurd coordinates
// cannot overflow anything further on.
#pragma once

#include <algorithm>
#include <cstdint>

#include "widgets/pixel_rounding.h"

namespace corvellane {

// At most this many particles live in one system (or below one multi
// system's root), whatever the data asks for: memory and frame time stay
// bounded even for "emission_count" in the millions.
inline constexpr int kMaxParticles = 200000;

// Emission in one advance covers at most this much time. After a stall (a
// frame of several seconds) a system emits what a tenth of a second would
// give, not thousands of particles at once.
inline constexpr int32_t kMaxEmissionSpanMs = 100;

// Uniform in 0 .. n - 1 from the program's one random source; 0 for n <= 0.
int32_t RandomBelow(int32_t n);
// Uniform in [0, 1).
double RandomUnit();
// Nearest integer, ties to even, of a value well inside +-2^51 (the sum
// with 1.5 x 2^52 rounds in the processor's default mode, which is ties to
// even; no library call). Run for every particle every frame.
inline int32_t RoundTiesEven(double value) {
  constexpr double kMagic = 6755399441055744.0;
  return static_cast<int32_t>((value + kMagic) - kMagic);
}
// Nearest integer, ties to even, clamped to the safe pixel range (NaN: 0).
inline int32_t Nearest(double value) {
  if (value != value) return 0;
  return RoundTiesEven(std::clamp(value, double{-kMaxPixelCoordinate}, double{kMaxPixelCoordinate}));
}
// Nearest integer clamped to 0..255.
inline uint8_t ByteOf(double value) {
  if (value != value) return 0;
  return static_cast<uint8_t>(RoundTiesEven(std::clamp(value, 0.0, 255.0)));
}
inline uint32_t PackColour(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
  return (uint32_t{a} << 24) | (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}

}  // namespace corvellane
