// timed_rotate_widget.h: TTimedRotateWidget ("rotate_widget_timed"), a
// rotate widget that turns by itself, a full circle every "rotationtime"
// milliseconds.
//
//   <widget type="rotate_widget_timed" name="turn_hand" visible="yes" rotate="yes"
//           startangle="90" rotationtime="60000" centerx="4" centery="60">
//     <widgets> ... </widgets>
//   </widget>
//
// While "rotate" is yes and its clock is not negative, the angle is
// "startangle" - t x 360 / "rotationtime" (t the widget's current time): the
// picture turns clockwise, towards decreasing angles, like a clock hand.
// Loading sets the angle to "startangle". A rotation time of 0 (or less)
// does not turn the picture at all. All three keys are always written.
#pragma once

#include <cstdint>

#include "widgets/rotate_widget.h"

namespace corvellane {

class TTimedRotateWidget : public TRotateWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Advance(int32_t elapsed_ms) override;

  bool IsRotating() const { return rotate_; }
  void SetRotating(bool rotate) { rotate_ = rotate; }
  double GetStartAngle() const { return start_angle_; }
  void SetStartAngle(double degrees);
  int32_t GetRotationTime() const { return rotation_time_; }
  void SetRotationTime(int32_t ms) { rotation_time_ = ms; }
  // The angle at a time of the widget's clock.
  double AngleAt(int32_t time_ms) const;

 private:
  bool rotate_ = false;
  double start_angle_ = 0.0;
  int32_t rotation_time_ = 1000;
};

}  // namespace corvellane
