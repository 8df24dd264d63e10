#include "widgets/circular_motion_widget.h"

#include <cmath>
#include <numbers>

#include "persistence/property_table.h"

namespace corvellane {

namespace {

constexpr double kPi = std::numbers::pi;

struct Polar {
  double radius;
  double angle;
};

// The point as seen from the centre; the differences in 64 bits, so points
// far apart cannot overflow.
Polar AroundCentre(TPoint point, TPoint centre) {
  const double dx = static_cast<double>(int64_t{point.x} - centre.x);
  const double dy = static_cast<double>(int64_t{point.y} - centre.y);
  return {std::sqrt(dx * dx + dy * dy), std::atan2(dy, dx)};
}

}  // namespace

const TPropertyTable& TCircularMotionWidget::Properties() {
  using W = TCircularMotionWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TMoveWidget::Properties())
          .Int("centerx", [](W& w) { return w.centre_.x; }, [](W& w, int32_t x) { w.centre_.x = x; }, 0, Table::Never())
          .DataOnly()
          .Int("centery", [](W& w) { return w.centre_.y; }, [](W& w, int32_t y) { w.centre_.y = y; }, 0, Table::Never())
          .DataOnly();
  return table;
}

void TCircularMotionWidget::UpdatePosition() {
  const Polar from = AroundCentre(GetStartPoint(), centre_);
  const Polar to = AroundCentre(GetEndPoint(), centre_);
  double a0 = from.angle;
  double a1 = to.angle;
  if ((a0 > 0 && a1 < 0) || (a0 < 0 && a1 > 0)) {
    if (a0 > kPi / 2) a1 += 2 * kPi;
    if (a0 < -kPi / 2) a0 += 2 * kPi;
  }
  const double f = MotionFraction();
  const double angle = a0 + (a1 - a0) * f;
  const double radius = from.radius + (to.radius - from.radius) * f;
  SetAnchorLeft(centre_.x + radius * std::cos(angle));
  SetAnchorTop(centre_.y + radius * std::sin(angle));
}

}  // namespace corvellane
