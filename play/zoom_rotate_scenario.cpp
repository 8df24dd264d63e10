#include "play/zoom_rotate_scenario.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

constexpr double kInstant = std::numeric_limits<double>::infinity();
// Beyond this turn, or below this transparency, a pulse needs more room to show.
constexpr double kTurnedAngle = 70.0;
constexpr double kFaintLevel = 100.0;

double MoveToward(double value, double goal, double speed, int32_t elapsed_ms) {
  if (elapsed_ms <= 0) return value;
  const double step = speed * elapsed_ms;
  if (!(std::abs(goal - value) > step)) return goal;
  return value + (goal > value ? step : -step);
}

// The speed that covers the distance in the time; a jump when there is no time.
double SpeedFor(double distance, double time) { return time > 0 ? std::abs(distance) / time : kInstant; }

}  // namespace

double NormalizedAngle(double degrees) {
  if (!std::isfinite(degrees)) return 0.0;
  double a = std::fmod(degrees, 360.0);
  if (a > 180.0) a -= 360.0;
  if (a <= -180.0) a += 360.0;
  return a;
}

void TStateScenarioZoomRotateWidget::ReadWidget() {
  if (!widget_) return;
  zoom_x_ = widget_->GetPropertyOr("zoomx", Variant(1.0)).ToFloat(1.0);
  zoom_y_ = widget_->GetPropertyOr("zoomy", Variant(1.0)).ToFloat(1.0);
  angle_ = widget_->GetPropertyOr("angle", Variant(0.0)).ToFloat(0.0);
  level_ = widget_->GetTransparentLevel();
}

void TStateScenarioZoomRotateWidget::BeginZoomIn() {
  const double size = std::max(std::abs(zoom_x_), std::abs(zoom_y_));
  peak_x_ = std::copysign(std::max(size, std::abs(target_zoom_x_)) * peak_factor_, zoom_x_);
  peak_y_ = std::copysign(std::max(size, std::abs(target_zoom_y_)) * peak_factor_, zoom_y_);
  const bool hard_to_see = std::abs(NormalizedAngle(angle_)) > kTurnedAngle || level_ < kFaintLevel;
  const double rise = std::abs(peak_x_) - std::min(std::abs(zoom_x_), std::abs(target_zoom_x_));
  if (hard_to_see && rise < peak_factor_ - 0.9) {
    peak_x_ *= peak_factor_;
    peak_y_ *= peak_factor_;
  }
  speed_x_ = std::abs(peak_x_) / 1000.0;
  const double time_in = speed_x_ > 0 ? std::abs(peak_x_ - zoom_x_) / speed_x_ : 0.0;
  const double time_out = speed_x_ > 0 ? std::abs(peak_x_ - target_zoom_x_) / speed_x_ : 0.0;
  speed_y_ = SpeedFor(peak_y_ - zoom_y_, time_in);
  if (target_angle_ > 180.0 && angle_ <= 0.0) angle_ += 360.0;
  angle_speed_ = SpeedFor(target_angle_ - angle_, time_in + time_out);
  level_speed_ = SpeedFor(target_level_ - level_, time_in + time_out);
  goal_x_ = peak_x_;
  goal_y_ = peak_y_;
}

void TStateScenarioZoomRotateWidget::BeginZoomOut() {
  goal_x_ = target_zoom_x_;
  goal_y_ = target_zoom_y_;
  if (speed_x_ <= 0) speed_x_ = kInstant;
  // Both axes shrink at the rate of x; angle and transparency arrive with
  // them (the same speeds as before, unless a subclass changed the targets).
  speed_y_ = speed_x_;
  const double time_out = std::isinf(speed_x_) ? 0.0 : std::abs(zoom_x_ - goal_x_) / speed_x_;
  angle_speed_ = SpeedFor(target_angle_ - angle_, time_out);
  level_speed_ = SpeedFor(target_level_ - level_, time_out);
}

void TStateScenarioZoomRotateWidget::StepZoom(TState&, int32_t elapsed_ms) {
  zoom_x_ = MoveToward(zoom_x_, goal_x_, speed_x_, elapsed_ms);
  zoom_y_ = MoveToward(zoom_y_, goal_y_, speed_y_, elapsed_ms);
  angle_ = MoveToward(angle_, target_angle_, angle_speed_, elapsed_ms);
  level_ = MoveToward(level_, target_level_, level_speed_, elapsed_ms);
  ApplyToWidget();
}

bool TStateScenarioZoomRotateWidget::IsZoomInDone() { return zoom_x_ == goal_x_ && zoom_y_ == goal_y_; }

bool TStateScenarioZoomRotateWidget::IsZoomOutDone() {
  if (zoom_x_ != target_zoom_x_ || zoom_y_ != target_zoom_y_) return false;
  angle_ = target_angle_;
  level_ = target_level_;
  ApplyToWidget();
  return true;
}

void TStateScenarioZoomRotateWidget::ApplyToWidget() {
  if (!widget_) return;
  widget_->SetProperty("zoomx", Variant(zoom_x_));
  widget_->SetProperty("zoomy", Variant(zoom_y_));
  widget_->SetProperty("angle", Variant(angle_));
  widget_->SetTransparentLevel(std::clamp(RoundToPixel(level_), 0, 255));
}

}  // namespace corvellane
