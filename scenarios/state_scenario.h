// state_scenario.h: TStateScenario ("state_scenario"), a scenario that runs
// a small state machine declared in code by the classes built on it.
//
// A derived class declares its states once (AddState), each with the next
// state's name and its actions (scenario_state.h), usually its own methods:
//
//   TFlyAway::TFlyAway() {
//     AddState("enter", "wait_widgets", Bind(&TFlyAway::Launch), Bind(&TFlyAway::IsWaitOver));
//     AddState("wait_widgets", "exit", Bind(&TFlyAway::Land), Bind(&TFlyAway::AreWaitWidgetsDone));
//     AddState("exit", "", Bind(&TFlyAway::Kill), AlwaysDone());
//   }
//   void TFlyAway::Launch(TState&) {
//     SetWait(300);                                  // "enter" is done 300 ms from now
//     CreateFactoryWidget(this, "fly_picture", true, params);   // and waited for
//   }
//
// Each frame (Advance): the group's advance, then, unless the scenario's
// clock is negative (a negative "currenttime" delays the start): in the
// first frame the state named "enter" (or the first declared one) is
// entered; then the current state's update runs and its done check is
// asked; when it is done, its next state (or what the chooser picks; the
// answer "next" means the declared next) is entered. So a newly entered
// state is updated and checked from the following frame on, and at most one
// transition happens per frame. Entering a name no state has (an empty one
// included) ends the scenario: it becomes dead and its group removes it.
//
// Waits: SetWait(ms) counts from the moment it is set (a positive clock is
// put back to 0) and IsWaitOver answers once the clock has reached it;
// AreWaitWidgetsDone answers once every widget named on the wait list (paths
// from the scenario) is dead or gone. With ClickCompletes set, any click the
// scenario's children do not take ends the scenario on the button's release.
//
// By name: "force_complete" (the flag only; ForceComplete finishes). No data
// keys of its own: a "state_scenario" from data has no states and simply
// keeps its children running.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "persistence/el_hash_list.h"
#include "persistence/params.h"
#include "scenarios/scenario.h"
#include "scenarios/scenario_state.h"

namespace corvellane {

class TStateScenario : public TScenario {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Advance(int32_t elapsed_ms) override;
  bool HandleMouse(int32_t message, TPoint screen_point, uint32_t keys) override;
  Ref<IWidget> WidgetAtPos(TPoint point) override;

  // False (nothing changes) when a state of that name exists.
  bool AddState(std::string_view name, std::string_view next, TState::Action on_enter = {},
                TState::Check done_check = {}, TState::Chooser next_chooser = {}, TState::Step update = {});
  void EnterState(std::string_view name);
  // Ends the scenario; derived classes add what must happen at the end.
  virtual void Finish() { SetDead(true); }
  // Ends it without Finish.
  void Kill() { SetDead(true); }
  void ForceComplete(bool complete);
  bool IsForceComplete() const { return force_complete_; }
  void SetForceCompleteFlag(bool complete) { force_complete_ = complete; }

  TStateScenario& SetWait(int32_t ms);
  bool IsWaitOver();
  void AddWaitWidget(std::string_view name);
  bool AreWaitWidgetsDone();
  const std::string& GetWaitList() const { return wait_list_; }
  // A widget of the factory added to the group (and waited for); none when
  // there is no such group or factory, or the group holds its name already.
  Ref<IWidget> CreateFactoryWidget(IWidget* group, std::string_view factory_name, bool wait,
                                   IParamCollection* params);

  // Nullptr when no state is current.
  const TState* GetCurrentState() const { return current_; }
  const std::string& GetPreviousStateName() const { return previous_state_name_; }
  int32_t GetTimeInState() const { return time_in_state_; }
  int StateCount() const { return states_.Count(); }
  bool IsClickCompleting() const { return click_completes_; }
  void SetClickCompletes(bool on) { click_completes_ = on; }

  // A done check that always answers yes, for final states.
  static TState::Check AlwaysDone() {
    return [](TState&) { return true; };
  }

 protected:
  // A method of the derived class as a state action: Bind(&TMine::OnEnterMain).
  template <class S, class R, class... Args>
  std::function<R(TState&, Args...)> Bind(R (S::*method)(TState&, Args...)) {
    S* self = static_cast<S*>(this);
    return [self, method](TState& state, Args... args) { return (self->*method)(state, args...); };
  }
  // A method that does not look at the state: Bind(&TStateScenario::IsWaitOver).
  template <class S, class R>
  std::function<R(TState&)> Bind(R (S::*method)()) {
    S* self = static_cast<S*>(this);
    return [self, method](TState&) { return (self->*method)(); };
  }

 private:
  void Start();
  // The done check and, when done, the move to the next state.
  void CheckTransition(TState& state);

  TElHashList<std::unique_ptr<TState>> states_;
  bool not_started_ = true;
  bool force_complete_ = false;
  TState* current_ = nullptr;
  std::string wait_list_;
  std::string previous_state_name_;
  int32_t time_in_state_ = 0;
  bool click_completes_ = false;
  int32_t wait_until_ = 0;
};

}  // namespace corvellane
