// state_scenario_game_manager.h: TStateScenarioGameManager, the base of the
// play scenarios, and TStateScenarioWaitWidgetsGameManager, one that runs
// its main action and then waits for the widgets it made.
//
// A play scenario is a state scenario (scenarios/state_scenario.h) that
// talks to the play screen: on attach it finds the screen through its
// widget tree (the window or the event handler of its owner chain, as
// IGameManagersOwner). A scenario attached to a screen that is no play
// screen ends at once with a warning; one in a tree not yet on a screen
// waits until it is (its first advance decides).
//
//   class TMyEffect : public TStateScenarioWaitWidgetsGameManager {
//     void OnEnterMain(TState&) override { SetWait(500); CreateFactoryWidget(this, "sparkle", true, params); }
//     void OnExit(TState&) override { GameOwner()->AddScore(10); }
//   };
//
// Waiting (TStateScenarioWaitWidgetsGameManager):
//   "enter"         OnEnterMain; done once its wait (0 unless set) is over
//   "wait_widgets"  every child is put on the wait list; done when they are finished
//   "exit"          OnExit, then the scenario finishes
//
// OnAttached runs once, when the play screen is found; OnDetached when the
// scenario leaves the tree, whether it ended or was removed early (a level
// restarted), so what it holds (a block of the input, a pause, a busy panel
// item) is always given back.
#pragma once

#include "play/game_managers_owner_interface.h"
#include "play/panel_manager_interface.h"
#include "scenarios/state_scenario.h"

namespace corvellane {

class TStateScenarioGameManager : public TStateScenario {
 public:
  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;
  void Advance(int32_t elapsed_ms) override;

  IGameManagersOwner* GameOwner() const { return game_owner_; }

 protected:
  virtual void OnEnterMain(TState& state) {}
  virtual void OnExit(TState& state) {}
  virtual void OnAttached() {}
  virtual void OnDetached() {}
  // An "exit" state's action: OnExit, then Finish.
  void ExitAndFinish(TState& state);
  // The screen's panel manager; none without panel.
  Ref<IPanelManager> PanelManager() const;
  // Puts every child on the wait list.
  void WaitForChildren();
  // A widget of the factory as the scenario's own child (waited for when
  // `wait`). The scenario draws nothing itself, but a group's children only
  // run while it is visible: it shows itself, so its widgets cannot stall.
  Ref<IWidget> CreateOwnWidget(std::string_view factory, IParamCollection* params, bool wait);
  // A done check for a state whose action may end the scenario: a scenario
  // that ended goes nowhere else.
  bool IsRunning() const { return !IsDead(); }

 private:
  // True when the owner chain reaches a screen at all.
  bool FindGameOwner();

  IGameManagersOwner* game_owner_ = nullptr;
  bool attached_ = false;
};

class TStateScenarioWaitWidgetsGameManager : public TStateScenarioGameManager {
 public:
  TStateScenarioWaitWidgetsGameManager();

 protected:
  // When "wait_widgets" is entered, after the children are listed.
  virtual void OnEnterWait(TState& state) {}

 private:
  void EnterWait(TState& state);
};

}  // namespace corvellane
