#include "functions/arc_path_function.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "functions/cell_math.h"

namespace corvellane {

namespace {

constexpr TPathCell kCentreX{2, 6};
constexpr TPathCell kCentreY{2, 7};
constexpr TPathCell kStartRadius{3, 0};
constexpr TPathCell kEndRadius{3, 1};
constexpr TPathCell kStartAngle{3, 2};
constexpr TPathCell kEndAngle{3, 3};
constexpr TPathCell kDirection{4, 0};

constexpr double kQuarterTurn = std::numbers::pi / 2;
constexpr double kFullTurn = 2 * std::numbers::pi;

// Ceiling for positive values, floor for negative ones.
int32_t AwayFromZero(double value) { return TruncToInt(value >= 0 ? std::ceil(value) : std::floor(value)); }

// The box grows to hold the point: floored on the low sides, rounded away
// from zero on the high ones.
void Widen(TRect& box, TPathPoint p) {
  box.left = std::min(box.left, TruncToInt(std::floor(p.x)));
  box.top = std::min(box.top, TruncToInt(std::floor(p.y)));
  box.right = std::max(box.right, AwayFromZero(p.x));
  box.bottom = std::max(box.bottom, AwayFromZero(p.y));
}

// The unit vector at angle k * pi/2, exact: cos(pi/2) computed in floating
// point is not 0, and would push a box edge a whole pixel out.
TPathPoint AxisDirection(double k) {
  static constexpr TPathPoint kAxes[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
  const int quarter = static_cast<int>(std::fmod(k, 4.0));  // -3 .. 3, k being whole
  return kAxes[(quarter + 4) % 4];
}

}  // namespace

TPathPoint TArcPathFunction::Centre() { return {Cell(kCentreX), Cell(kCentreY)}; }

void TArcPathFunction::PreparationHook() {
  const TPathPoint c = Centre();
  const TPathPoint a = StartPoint();
  const TPathPoint b = EndPoint();
  SetCell(kStartRadius, std::hypot(a.x - c.x, a.y - c.y));
  SetCell(kEndRadius, std::hypot(b.x - c.x, b.y - c.y));
  double start_angle = std::atan2(a.y - c.y, a.x - c.x);
  double end_angle = std::atan2(b.y - c.y, b.x - c.x);
  const double direction = Cell(kDirection);
  if (direction == 1 && start_angle > end_angle) end_angle += kFullTurn;
  if (direction == 0 && start_angle < end_angle) start_angle += kFullTurn;
  SetCell(kStartAngle, start_angle);
  SetCell(kEndAngle, end_angle);
  TAbstractPathFunction::PreparationHook();
}

void TArcPathFunction::Calculate() {
  const double p = Progress(PathTime());
  const double a0 = Cell(kStartAngle);
  const double r0 = Cell(kStartRadius);
  const double angle = a0 + p * (Cell(kEndAngle) - a0);
  const double radius = r0 + p * (Cell(kEndRadius) - r0);
  const TPathPoint c = Centre();
  SetPoint({std::cos(angle) * radius + c.x, radius * std::sin(angle) + c.y});
}

double TArcPathFunction::GetPathLength() {
  return std::abs(Cell(kStartAngle) - Cell(kEndAngle)) * Cell(kStartRadius);
}

TRect TArcPathFunction::GetBounds() {
  const TPathPoint a = StartPoint();
  const TPathPoint b = EndPoint();
  TRect box{TruncToInt(std::floor(std::min(a.x, b.x))), TruncToInt(std::floor(std::min(a.y, b.y))),
            AwayFromZero(std::max(a.x, b.x)), AwayFromZero(std::max(a.y, b.y))};
  const double low = std::min(Cell(kStartAngle), Cell(kEndAngle));
  const double high = std::max(Cell(kStartAngle), Cell(kEndAngle));
  if (!std::isfinite(low) || !std::isfinite(high)) return box;
  const TPathPoint c = Centre();
  const double r0 = Cell(kStartRadius);
  auto widen_at = [&](double k) {
    const TPathPoint axis = AxisDirection(k);
    Widen(box, {axis.x * r0 + c.x, axis.y * r0 + c.y});
  };
  // A whole turn or more meets every direction; angles that sweep many
  // turns (or nonsense written into the cells) cost no more than one.
  if (high - low >= kFullTurn) {
    for (int k = 0; k < 4; ++k) widen_at(k);
    return box;
  }
  // Less than a turn holds at most four multiples k * pi/2 strictly
  // between the angles. k stays a double: huge angles must not overflow an
  // integer.
  const double first = std::floor(low / kQuarterTurn) + 1;
  const double last = std::ceil(high / kQuarterTurn) - 1;
  for (int i = 0; i < 4 && first + i <= last; ++i) widen_at(first + i);
  return box;
}

}  // namespace corvellane
