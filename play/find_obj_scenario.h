// find_obj_scenario.h: TStateScenarioFindObj ("state_scenario_find_obj"), a
// find: the object zooms up, settles to its panel item's size and angle,
// pauses and flies into the panel; then the level manager records it.
//
//   <widgetfactory name="gamefield_find_obj_offset"> <widget type="state_scenario_find_obj"
//       name="%name%" widgetname="%widgetname%" endposx="%endposx%" endposy="%endposy%"
//       anim_speed="1" max_anim_time="900"/> </widgetfactory>
//
// States: "enter" -> "zoom_in_obj" -> "zoom_out_obj" -> "stay_obj" -> "fly_obj" -> "exit".
//   enter        "sound_find_object_zoom" (with "play_sound", default yes); the
//                widget stops catching clicks and is drawn at z 700; the
//                target zoom and angle are the panel item's; the peak factor
//                is 1.3, a tenth more (1.43) when the widget already has the
//                item's zoom (within 0.01) and an angle within 10 degrees of
//                it; the transparency goes to 255
//   zoom_in_obj, zoom_out_obj   the pulse (zoom_rotate_scenario.h)
//   stay_obj     until the scenario has run 200 ms in all
//   fly_obj      the panel gives the end of the flight (PrepareFly); with
//                "endpos_offset" (default yes) the widget's centre, not its
//                corner, is aimed at the item; "sound_find_object_fly"; a
//                visible widget is hidden and its picture flies ("fly_picture")
//   exit         the level manager's ObjectActivated, then the scenario ends
//
// Without its widget the scenario ends at once. Removed before its end (a
// level restarted), it records nothing.
#pragma once

#include "play/zoom_rotate_scenario.h"

namespace corvellane {

class TStateScenarioFindObj : public TStateScenarioZoomRotateWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  TStateScenarioFindObj();

 protected:
  void OnEnterMain(TState& state) override;
  void OnExit(TState& state) override;

 private:
  void Fly(TState& state);

  bool endpos_offset_ = true;
  bool play_sound_ = true;
  Ref<ISceneObjectDef> object_;
};

}  // namespace corvellane
