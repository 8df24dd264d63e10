// statemachine_widget.h: TStateMachineWidget ("statemachine_widget"), a
// group that plays its children one at a time in a random order governed
// by weighted transitions: an idle character that sits, blinks, looks
// round and dozes.
//
//   <widget type="statemachine_widget" name="cat" visible="yes" anchor_left="820" anchor_top="560">
//     <actiondefs> (action_def.h) </actiondefs>
//     <widgets>
//       <widget type="animation_widget" name="cat_sit" .../>
//       <widget type="animation_widget" name="cat_blink" .../>
//     </widgets>
//   </widget>
//
// Every child starts hidden and paused. Attaching the widget chooses the
// first action in state 0 and starts its child (restarted and shown). When
// the action's "duration" is used up (the widget's clock reaches it; a
// duration of 0 lasts one advance) the child is stopped (paused, hidden),
// the action's "nextstate" becomes the state and the next action is chosen
// by weight among that state's actions. A state without actions leads
// back to state 0 at the following switch; an action naming no child plays
// nothing for its duration. Detaching stops the current child.
#pragma once

#include <cstdint>

#include "scenarios/action_def.h"
#include "widgets/visual_group_widget.h"

namespace corvellane {

class TStateMachineWidget : public TVisualGroupWidget {
 public:
  void Init() override;
  void Cleanup() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;
  void Advance(int32_t elapsed_ms) override;

  TActionDefCollection& Actions() { return *actions_; }
  int32_t GetCurrentState() const { return current_state_; }
  const Ref<IActionDef>& GetCurrentAction() const { return current_action_; }
  int32_t GetCurrentDuration() const { return current_duration_; }
  void NextAction();

 private:
  void StopChild(const Ref<IActionDef>& action);
  void StartChild(const Ref<IActionDef>& action);

  Ref<TActionDefCollection> actions_;
  int32_t current_state_ = 0;
  Ref<IActionDef> current_action_;
  int32_t current_duration_ = 0;
};

}  // namespace corvellane
