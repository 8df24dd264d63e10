#include "widgets/pixel_rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvellane {

int32_t RoundToPixel(double value) {
  if (std::isnan(value)) return 0;
  const double limit = kMaxPixelCoordinate;
  // nearbyint follows the default rounding mode: to nearest, ties to even.
  return static_cast<int32_t>(std::nearbyint(std::clamp(value, -limit, limit)));
}

int32_t SaturatingAdd(int32_t a, int32_t b) {
  const int64_t sum = int64_t{a} + b;
  return static_cast<int32_t>(
      std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

TRect OffsetRect(const TRect& rect, int32_t dx, int32_t dy) {
  return {SaturatingAdd(rect.left, dx), SaturatingAdd(rect.top, dy), SaturatingAdd(rect.right, dx),
          SaturatingAdd(rect.bottom, dy)};
}

TPoint OffsetPoint(TPoint point, int32_t dx, int32_t dy) {
  return {SaturatingAdd(point.x, dx), SaturatingAdd(point.y, dy)};
}

bool RectContains(const TRect& rect, TPoint point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

}  // namespace corvellane
