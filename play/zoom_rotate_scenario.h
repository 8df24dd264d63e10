// zoom_rotate_scenario.h: TStateScenarioZoomRotateWidget, a play scenario
// that makes its widget pulse: it zooms up to a peak and back down to a
// target zoom while its angle and transparency move to theirs.
//
// Zooming in (BeginZoomIn): on each axis the peak is the largest of the
// current zoom x, the current zoom y and that axis's target, times the
// peak factor (1.3 unless a subclass says otherwise), with the sign of the
// current zoom (a mirrored picture stays mirrored). A picture turned by
// more than 70 degrees either way, or fainter than 100, whose peak would
// hardly exceed its zoom (by less than factor - 0.9) peaks a factor higher
// still, so the pulse shows. The x zoom moves at peak / 1000 per ms, the y
// zoom at the speed that brings it to its peak at the same moment. Angle
// and transparency move evenly so that they arrive when the zoom-out ends
// (a target above 180 degrees with a start of 0 or less turns from start +
// 360). Zooming out: both axes shrink at the x speed to the target zoom,
// and angle and transparency end exactly at theirs.
//
// Properties of the widget: "zoomx", "zoomy" (default 1), "angle" (default
// 0) and its transparency level.
#pragma once

#include "play/anim_widget_scenarios.h"

namespace corvellane {

class TStateScenarioZoomRotateWidget : public TStateScenarioAbstractAnimWidget {
 public:
  double GetPeakFactor() const { return peak_factor_; }
  double GetPeakZoomX() const { return peak_x_; }
  double GetPeakZoomY() const { return peak_y_; }

 protected:
  virtual void OnEnterZoomIn(TState& state) { BeginZoomIn(); }
  virtual void OnEnterZoomOut(TState& state) { BeginZoomOut(); }

  // The widget's zoom, angle and transparency now.
  void ReadWidget();
  void BeginZoomIn();
  void BeginZoomOut();
  // One frame of the zoom in or out.
  void StepZoom(TState& state, int32_t elapsed_ms);
  bool IsZoomInDone();
  bool IsZoomOutDone();
  void ApplyToWidget();

  double zoom_x_ = 1.0;
  double zoom_y_ = 1.0;
  double target_zoom_x_ = 1.0;
  double target_zoom_y_ = 1.0;
  double peak_factor_ = 1.3;
  double angle_ = 0.0;
  double target_angle_ = 0.0;
  double level_ = 255.0;
  double target_level_ = 255.0;

 private:
  double peak_x_ = 1.0;
  double peak_y_ = 1.0;
  // Where the zoom is heading now: the peak, then the target.
  double goal_x_ = 1.0;
  double goal_y_ = 1.0;
  double speed_x_ = 0.0;
  double speed_y_ = 0.0;
  double angle_speed_ = 0.0;
  double level_speed_ = 0.0;
};

// An angle in degrees brought into (-180, 180].
double NormalizedAngle(double degrees);

}  // namespace corvellane
