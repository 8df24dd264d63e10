#include "play/play_formulas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "widgets/pixel_rounding.h"

namespace corvellane {

int32_t FindPoints(int64_t elapsed_ms) {
  const double t = static_cast<double>(std::max<int64_t>(elapsed_ms, 1));
  return static_cast<int32_t>(std::lround(std::sqrt(50'000'000.0 / t)));
}

double EasedFraction(double p) {
  if (!(p > 0.0)) return 0.0;  // NaN as well
  p = std::min(p, 1.0);
  return p * std::sin(p * std::numbers::pi / 2.0);
}

int32_t EasedPosition(int32_t from, int32_t to, double p) {
  return from + RoundToPixel((static_cast<double>(to) - from) * EasedFraction(p));
}

int32_t MoveTime(double distance, int32_t ms_per_pixel, int32_t max_time) {
  if (ms_per_pixel < 1) return std::max(max_time, 0);
  const double time = std::min(std::abs(distance) * ms_per_pixel, 1e9);
  int32_t result = static_cast<int32_t>(std::lround(time));
  if (max_time > 0) result = std::min(result, max_time);
  return result;
}

}  // namespace corvellane
