#include "widgets/circular_motion_widget.h"

#include <cmath>
#include <numbers>

#include "persistence/value_access.h"

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

void TCircularMotionWidget::LoadProperties(IHierStorage* node) {
  TMoveWidget::LoadProperties(node);
  centre_ = {ReadInt(node, "centerx", 0), ReadInt(node, "centery", 0)};
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
