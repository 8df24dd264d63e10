#include "engine/random_source.h"

namespace corvellane {

uint32_t TRandomSource::Uniform(uint32_t n) {
  if (n == 0) return 0;
  return std::uniform_int_distribution<uint32_t>(0, n - 1)(generator_);
}

TRandomSource& GlobalRandom() {
  static TRandomSource source;
  return source;
}

}  // namespace corvellane
