#include "functions/cell_math.h"

#include <cmath>
#include <limits>

namespace corvellane {

namespace {

template <class Int>
Int SaturatingTrunc(double value) {
  if (std::isnan(value)) return 0;
  // The limits as doubles: for 64 bits the upper one rounds up to 2^63, so
  // the comparison is made with >= and saturates exactly there.
  constexpr double lowest = static_cast<double>(std::numeric_limits<Int>::lowest());
  constexpr double highest = static_cast<double>(std::numeric_limits<Int>::max());
  if (value <= lowest) return std::numeric_limits<Int>::lowest();
  if (value >= highest) return std::numeric_limits<Int>::max();
  return static_cast<Int>(std::trunc(value));
}

}  // namespace

int32_t TruncToInt(double value) { return SaturatingTrunc<int32_t>(value); }

int64_t TruncToInt64(double value) { return SaturatingTrunc<int64_t>(value); }

// nearbyint follows the default rounding mode: to nearest, ties to even.
int32_t RoundToInt(double value) { return TruncToInt(std::nearbyint(value)); }

}  // namespace corvellane
