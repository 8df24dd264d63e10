#include "functions/segment_path_functions.h"

#include <algorithm>
#include <cmath>

#include "functions/cell_math.h"

namespace corvellane {

namespace {

constexpr TPathCell kInitialSpeed{2, 6};
constexpr TPathCell kAcceleration{2, 7};

// start + (end - start) * fraction, per coordinate.
TPathPoint Along(TPathPoint start, TPathPoint end, double fraction) {
  return {start.x + (end.x - start.x) * fraction, start.y + (end.y - start.y) * fraction};
}

}  // namespace

void TSegmentPathFunction::Calculate() {
  SetPoint(Along(StartPoint(), EndPoint(), Progress(PathTime())));
}

double TSegmentPathFunction::GetPathLength() {
  const TPathPoint a = StartPoint();
  const TPathPoint b = EndPoint();
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  return std::sqrt(std::nearbyint(dx * dx + dy * dy));
}

TRect TSegmentPathFunction::GetBounds() {
  const TPathPoint a = StartPoint();
  const TPathPoint b = EndPoint();
  return {RoundToInt(std::min(a.x, b.x)), RoundToInt(std::min(a.y, b.y)), RoundToInt(std::max(a.x, b.x)),
          RoundToInt(std::max(a.y, b.y))};
}

void TAccelerateSegmentPathFunction::Calculate() {
  const double length = Cell(kPathLength);
  if (!(length > 0.0)) {
    SetPoint(StartPoint());
    return;
  }
  const double t = PathTime();
  const double travelled = t * t * Cell(kAcceleration) / 2 + t * Cell(kInitialSpeed);
  SetPoint(Along(StartPoint(), EndPoint(), travelled / length));
}

}  // namespace corvellane
