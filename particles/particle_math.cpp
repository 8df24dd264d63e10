#include "particles/particle_math.h"

#include <algorithm>
#include <cmath>

#include "engine/random_source.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

int32_t RandomBelow(int32_t n) {
  if (n <= 0) return 0;
  return static_cast<int32_t>(GlobalRandom().Uniform(static_cast<uint32_t>(n)));
}

double RandomUnit() {
  constexpr uint32_t kSteps = 1u << 24;
  return GlobalRandom().Uniform(kSteps) / static_cast<double>(kSteps);
}

int32_t Nearest(double value) { return RoundToPixel(value); }

uint8_t ByteOf(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<uint8_t>(std::clamp(Nearest(value), 0, 255));
}

uint32_t PackColour(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
  return (uint32_t{a} << 24) | (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}

}  // namespace corvellane
