// hint_scenario.h: TStateScenarioHint ("state_scenario_hint"), the hint: an
// arrow flies from the hint button to an object of the scene, which then
// pulses.
//
//   <widgetfactory name="hint_scenario"> <widget type="state_scenario_hint" name="%name%"
//       hint_object_widgetname="%widgetname%" button_widgetname="%button_widgetname%"
//       angle="%angle%"/> </widgetfactory>
//
// Keys: "hint_object_widgetname", "button_widgetname" (paths from the play
// screen), "angle" (the arrow's, degrees), "interval" (kept).
//
// States: "enter" -> "release_arrow" -> "activation_hint" -> "zoom_in_obj"
// -> "zoom_out_obj" -> "after_hint" -> "exit".
//   enter            the button is hidden; without button or object the hint ends at once
//   release_arrow    "hint_arrow" (with "angle") gives its picture to
//                    "hint_arrow_move", which flies from the button (65, 722)
//                    to the object, centre to centre, at 0.7 pixels a ms and
//                    starts 60 ms ahead; five "ps_star_line" trail it (at 0,
//                    10, 20, 30, 40 ms of flight behind the start), named
//                    object + "_hint0".. "_hint4" in the animation group
//   activation_hint  the button shows again; the object is made visible (at
//                    transparency 0 when it was hidden); waits the flight
//                    time less 700 ms
//   zoom_in_obj      "ps_star_circle_wide" (radius 70, 2 s) at the object,
//                    "sound_hint_indicate", and the object pulses (peak
//                    factor 1.9) brighter (or to its own level when it was hidden)
//   zoom_out_obj     back to its zoom and level (or to 0 when it was hidden)
//   after_hint       waits for its own widgets
//
// However it ends (its end, or removed early when the object is clicked),
// the object's zoom, transparency and visibility come back and the button
// shows.
#pragma once

#include <string>

#include "play/zoom_rotate_scenario.h"

namespace corvellane {

class TStateScenarioHint : public TStateScenarioZoomRotateWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  TStateScenarioHint();
  void Finish() override;

  static constexpr TPoint kButtonCentre{65, 722};
  static constexpr double kArrowSpeed = 0.7;  // pixels per ms

  int32_t GetFlightTime() const { return flight_time_; }

 protected:
  void OnEnterMain(TState& state) override;
  void OnEnterZoomIn(TState& state) override;
  void OnEnterZoomOut(TState& state) override;
  void OnAttached() override;
  void OnDetached() override { Restore(); }

 private:
  void ReleaseArrow(TState& state);
  void Activate(TState& state);
  // Puts the object and the button back as they were; once.
  void Restore();
  // A widget of the screen factory, named object + "_hint" + n, into the animation group.
  void RunEffectAt(std::string_view factory, int n, TPoint at, IParamCollection& params);

  std::string object_name_;
  std::string button_name_;
  double arrow_angle_ = 0.0;
  int32_t interval_ = 0;

  Ref<IWidget> button_;
  int32_t flight_time_ = 0;
  bool stored_ = false;
  bool restored_ = false;
  double stored_zoom_x_ = 1.0;
  double stored_zoom_y_ = 1.0;
  int32_t stored_level_ = 255;
  bool stored_visible_ = true;
};

}  // namespace corvellane
