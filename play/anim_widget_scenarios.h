// anim_widget_scenarios.h: TStateScenarioAbstractAnimWidget, a play
// scenario that animates one widget of the play screen, and
// TStateScenarioSimpleMoveWidget ("state_scenario_move_widget"), a plain
// flight of a picture of that widget.
//
//   <widget type="state_scenario_move_widget" name="%name%" widgetname="ui_group/button_menu"
//           endposx="900" endposy="20" anim_speed="2" max_anim_time="600"/>
//
// Keys:
//   "widgetname"                  path from the play screen of the widget
//   "startposx", "startposy"      where the flight starts; default the widget's position
//   "endposx", "endposy"          where it ends; default the widget's position
//   "max_anim_time"               the longest flight (ms); 0: no bound
//   "anim_speed"                  milliseconds per pixel; below 1 the flight takes max_anim_time
//   "change_source_place"         "yes": the widget itself jumps to the end when the flight starts
//   "process_in_global_coords"    "yes": the widget's position is taken on the screen,
//                                 otherwise in its owner's space
//
// The move time is MoveTime (play_formulas.h) of the distance from the
// widget's position to the end point. A flight is a widget of the factory
// "fly_picture" made with "name", "x1", "y1", "x2", "y2" and "move_time",
// showing the widget's picture ("surface"), and waited for.
#pragma once

#include <limits>
#include <string>

#include "play/state_scenario_game_manager.h"

namespace corvellane {

// The widget's anchor on the screen.
TPoint WidgetScreenPosition(IWidget& widget);

class TStateScenarioAbstractAnimWidget : public TStateScenarioGameManager {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  static constexpr double kUnset = std::numeric_limits<int32_t>::min();

  const Ref<IWidget>& Target() const { return widget_; }
  TPoint StartPoint() const;
  TPoint EndPoint() const;
  void SetEndPoint(TPoint end);
  int32_t MoveTime() const;

 protected:
  void OnAttached() override;
  // The widget's position as the keys say (screen or owner space).
  TPoint WidgetPosition() const;
  // A "fly_picture" from one point to another showing the picture, waited
  // for; with change_source_place the widget moves to the end at once.
  Ref<IWidget> LaunchFlight(TPoint from, TPoint to, int32_t move_time, Ref<ISurface> picture);

  std::string widget_name_;
  double start_x_ = kUnset;
  double start_y_ = kUnset;
  double end_x_ = kUnset;
  double end_y_ = kUnset;
  int32_t max_anim_time_ = 0;
  bool change_source_place_ = false;
  bool global_coords_ = false;
  int32_t anim_speed_ = 0;
  Ref<IWidget> widget_;

 private:
  int flights_ = 0;
};

class TStateScenarioSimpleMoveWidget : public TStateScenarioAbstractAnimWidget {
 public:
  TStateScenarioSimpleMoveWidget();

 protected:
  void OnEnterMain(TState& state) override;
};

}  // namespace corvellane
