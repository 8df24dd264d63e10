// level_flow_scenarios.h: the scenarios that steer the play screen itself.
//
//   TStateScenarioPenalty           "state_scenario_penalty": "duration" (ms, 0) of blocked
//                                   clicks; the screen's "black_screen" fades in meanwhile
//   TStateScenarioGameStartLevel    "state_scenario_game_start_level": the level's start
//   TStateScenarioEndLevel          "state_scenario_end_level": the level's end
//   TStateScenarioCloseGameScreen   "state_scenario_close_screen": the screen's close
//
// The start ("show_levelname", "LevelName" are kept): entering pauses the
// level; when its animation (the scenario's children) begins, the in-game
// tutorial shows and the level resumes; a click skips the animation, and the
// level resumes then too. The end ("win_anim" no, "duration" 0 ms): after
// the duration, or at a click, the screen is told that the level ended
// (EndLevel, won with "win_anim"), once. The close scenario instead asks
// the screen to close (LeaveScreen) with the scenario's extra values
// ("extraparams") as the result.
//
// What a scenario took (the block of clicks, the pause) is given back also
// when it is removed before its end.
#pragma once

#include <string>

#include "play/state_scenario_game_manager.h"

namespace corvellane {

class TStateScenarioPenalty : public TStateScenarioWaitWidgetsGameManager {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

 protected:
  void OnEnterMain(TState& state) override;
  void OnExit(TState& state) override { Unblock(); }
  void OnDetached() override { Unblock(); }

 private:
  void Unblock();

  int32_t duration_ = 0;
  bool blocked_ = false;
};

class TStateScenarioGameStartLevel : public TStateScenarioWaitWidgetsGameManager {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Finish() override;

 protected:
  void OnEnterMain(TState& state) override;
  void OnEnterWait(TState& state) override;
  void OnDetached() override { Resume(); }

 private:
  void Resume();

  bool show_level_name_ = false;
  std::string level_name_;
  bool paused_ = false;
};

class TStateScenarioEndLevel : public TStateScenarioGameManager {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  TStateScenarioEndLevel();
  void Finish() override;

 protected:
  void OnEnterMain(TState& state) override;
  void OnExit(TState& state) override { Tell(); }
  // What the screen is told at the end.
  virtual void TellOwner(IGameManagersOwner& owner) { owner.EndLevel(win_); }

 private:
  void Tell();

  bool win_ = false;
  int32_t duration_ = 0;
  bool told_ = false;
};

class TStateScenarioCloseGameScreen : public TStateScenarioEndLevel {
 protected:
  void TellOwner(IGameManagersOwner& owner) override;
};

}  // namespace corvellane
