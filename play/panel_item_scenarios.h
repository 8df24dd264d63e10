// panel_item_scenarios.h: the scenarios that slide a panel item to a new
// place when the items close a gap (abstract_panel_manager.h).
//
//   TStateScenarioAnimPanelItem             the item is busy while the scenario lives
//   TStateScenarioMovePanelItem             "state_scenario_panel_item_move": the item slides
//   TStateScenarioMovePanelItemPicture      "state_scenario_panel_item_picture_move": a copy of
//                                           its picture flies ("fly_picture") while it waits hidden
//
//   <widgetfactory name="panel_item_move"> <widget type="state_scenario_panel_item_move"
//       name="%name%" widgetname="%widgetname%" endposx="%endposx%" endposy="%endposy%"
//       anim_speed="%anim_speed%" currenttime="%currenttime%"/> </widgetfactory>
//
// The keys are those of anim_widget_scenarios.h; start and end are in the
// item's parent (the panel). States "enter" -> "exit". On entering, the
// panel works out whether the item will be in view at its end (UpdateShown)
// and, through the screen, the scene objects of an item in view catch
// clicks again (EnableItemObjects); the scenario's clock starts at 0. Each
// frame the item stands at start + (end - start) * p * sin(p * pi / 2),
// p = time / move time, in whole pixels, until the time passes the move
// time; "exit" puts it exactly at the end and shows it as it was.
#pragma once

#include "play/anim_widget_scenarios.h"

namespace corvellane {

class TStateScenarioAnimPanelItem : public TStateScenarioAbstractAnimWidget {
 protected:
  void OnAttached() override;
  void OnDetached() override;
  void OnEnterMain(TState& state) override;
  void OnExit(TState& state) override;

  int32_t move_time_ = 0;
  bool was_visible_ = true;
};

class TStateScenarioMovePanelItem : public TStateScenarioAnimPanelItem {
 public:
  TStateScenarioMovePanelItem();

 private:
  void Slide(TState& state, int32_t elapsed_ms);
  bool IsMoved();
};

class TStateScenarioMovePanelItemPicture : public TStateScenarioAnimPanelItem {
 public:
  TStateScenarioMovePanelItemPicture();

 protected:
  void OnEnterMain(TState& state) override;
};

}  // namespace corvellane
