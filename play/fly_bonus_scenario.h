// fly_bonus_scenario.h: TStateScenarioFlyBonus ("state_scenario_fly_bonus"),
// points (or any short text) floating up from where they were won.
//
//   <widgetfactory name="focus_object_find_score"> <widget type="state_scenario_fly_bonus"
//       name="%name%" anchor_left="%x%" anchor_top="%y%" text="+%value%" font="font_score"/>
//   </widgetfactory>
//
// Keys: "width" (400), "height" (40), "textalign", "push_down_in_right"
// ("no"), "endposx", "endposy", "text", "font", "drawmode" ("copyrect"),
// "color" (0).
//
// The text starts at the scenario's place, left-aligned; when it would
// reach beyond the screen's right edge (x + width > 1024) it is
// right-aligned and starts "width" further left (40 lower with
// "push_down_in_right"). It ends at ("endposx", "endposy"), by default 80
// above its start. The text is rendered once by "gamefield_fly_bonus_text"
// (made with "x1", "y1", "x2", "y2", "width", "height", "text", "font",
// "drawmode", "color", "textalign"), and its picture flies with
// "gamefield_fly_bonus" (the same parameters, "currenttime" -1000). Points
// are screen points; the widgets are the scenario's own, placed to match.
#pragma once

#include <string>

#include "play/state_scenario_game_manager.h"

namespace corvellane {

class TStateScenarioFlyBonus : public TStateScenarioWaitWidgetsGameManager {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  static constexpr int32_t kScreenWidth = 1024;

  // Where the text starts on the screen, and its alignment.
  TPoint StartOnScreen();
  std::string Alignment();

 protected:
  void OnEnterMain(TState& state) override;

 private:
  bool RightAligned();

  int32_t width_ = 400;
  int32_t height_ = 40;
  std::string text_align_;
  bool push_down_ = false;
  std::string end_x_;
  std::string end_y_;
  std::string text_;
  std::string font_;
  std::string draw_mode_ = "copyrect";
  std::string colour_ = "0";
};

}  // namespace corvellane
