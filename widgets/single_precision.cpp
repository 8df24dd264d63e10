#include "widgets/single_precision.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace corvellane {

float ToSingle(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (std::isnan(value)) return 0.0f;
  return static_cast<float>(std::clamp(value, -kMax, kMax));
}

double FromSingle(float value) {
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, value);
  double result = value;
  std::from_chars(text, written.ptr, result);
  return result;
}

}  // namespace corvellane
