#include "particles/particle_math.h"

#include "engine/random_source.h"

namespace corvellane {

int32_t RandomBelow(int32_t n) {
  if (n <= 0) return 0;
  return static_cast<int32_t>(GlobalRandom().Uniform(static_cast<uint32_t>(n)));
}

double RandomUnit() {
  constexpr uint32_t kSteps = 1u << 24;
  return GlobalRandom().Uniform(kSteps) / static_cast<double>(kSteps);
}

}  // namespace corvellane
