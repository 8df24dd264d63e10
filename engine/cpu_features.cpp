#include "engine/cpu_features.h"

#include <cstdlib>
#include <string_view>

namespace corvellane {

TSimdLevel DetectSimdLevel() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx2")) return TSimdLevel::Avx2;
  if (__builtin_cpu_supports("sse2")) return TSimdLevel::Sse2;
#endif
  return TSimdLevel::None;
}

bool SimdDisabledByEnvironment() {
  const char* value = std::getenv("CORVELLANE_NO_SIMD");
  if (value == nullptr) return false;
  const std::string_view text(value);
  return !text.empty() && text != "0";
}

TSimdLevel ActiveSimdLevel() {
  static const TSimdLevel level = SimdDisabledByEnvironment() ? TSimdLevel::None : DetectSimdLevel();
  return level;
}

}  // namespace corvellane
