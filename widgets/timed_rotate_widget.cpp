#include "widgets/timed_rotate_widget.h"

#include <cmath>

#include "persistence/property_table.h"

namespace corvellane {

const TPropertyTable& TTimedRotateWidget::Properties() {
  using W = TTimedRotateWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TRotateWidget::Properties())
          .Bool("rotate", &W::IsRotating, &W::SetRotating, false, Table::Always())
          // After "angle": the loaded start angle is the angle.
          .Float("startangle", &W::GetStartAngle, &W::SetStartAngle, 0.0, Table::Always())
          .LoadsWith([](W& w, const Variant& v) {
            w.SetStartAngle(v.ToFloat(0.0));
            w.SetAngle(w.GetStartAngle());
          })
          .Int("rotationtime", &W::GetRotationTime, &W::SetRotationTime, 1000, Table::Always());
  return table;
}

void TTimedRotateWidget::SetStartAngle(double degrees) {
  if (std::isfinite(degrees)) start_angle_ = degrees;
}

double TTimedRotateWidget::AngleAt(int32_t time_ms) const {
  if (rotation_time_ <= 0) return start_angle_;
  // Only the part of the time past whole turns counts: the angle stays
  // within one turn of the start, however long the widget runs, and the
  // product never leaves the range of exact doubles.
  const double into_turn = std::fmod(static_cast<double>(time_ms), static_cast<double>(rotation_time_));
  return start_angle_ - into_turn * 360.0 / rotation_time_;
}

void TTimedRotateWidget::Advance(int32_t elapsed_ms) {
  TRotateWidget::Advance(elapsed_ms);
  if (GetCurrentTime() >= 0 && rotate_) SetAngle(AngleAt(GetCurrentTime()));
}

}  // namespace corvellane
