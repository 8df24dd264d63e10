#include "play/level_flow_scenarios.h"

#include <algorithm>

#include "persistence/property_table.h"

namespace corvellane {

// ---- Penalty ----

const TPropertyTable& TStateScenarioPenalty::Properties() {
  using S = TStateScenarioPenalty;
  static const TPropertyTable table =
      TPropertyTableOf<S>(TStateScenario::Properties()).Int("duration", &S::duration_, 0);
  return table;
}

void TStateScenarioPenalty::OnEnterMain(TState&) {
  GameOwner()->SetInputBlocked(true);
  blocked_ = true;
  SetWait(std::max(duration_, 0));
}

void TStateScenarioPenalty::Unblock() {
  if (!blocked_) return;
  blocked_ = false;
  if (GameOwner()) GameOwner()->SetInputBlocked(false);
}

// ---- Start of a level ----

const TPropertyTable& TStateScenarioGameStartLevel::Properties() {
  using S = TStateScenarioGameStartLevel;
  static const TPropertyTable table = TPropertyTableOf<S>(TStateScenario::Properties())
                                          .Bool("show_levelname", &S::show_level_name_, false)
                                          .Text("LevelName", &S::level_name_);
  return table;
}

void TStateScenarioGameStartLevel::OnEnterMain(TState&) {
  GameOwner()->SetLevelPaused(true);
  paused_ = true;
  SetClickCompletes(true);
}

void TStateScenarioGameStartLevel::OnEnterWait(TState&) {
  GameOwner()->ShowTutorial();
  Resume();
}

void TStateScenarioGameStartLevel::Finish() {
  Resume();
  TStateScenarioWaitWidgetsGameManager::Finish();
}

void TStateScenarioGameStartLevel::Resume() {
  if (!paused_) return;
  paused_ = false;
  if (GameOwner()) GameOwner()->SetLevelPaused(false);
}

// ---- End of a level ----

const TPropertyTable& TStateScenarioEndLevel::Properties() {
  using S = TStateScenarioEndLevel;
  static const TPropertyTable table = TPropertyTableOf<S>(TStateScenario::Properties())
                                          .Bool("win_anim", &S::win_, false)
                                          .Int("duration", &S::duration_, 0);
  return table;
}

TStateScenarioEndLevel::TStateScenarioEndLevel() {
  using S = TStateScenarioEndLevel;
  AddState("enter", "exit", Bind(&S::OnEnterMain), Bind(&TStateScenario::IsWaitOver));
  AddState("exit", "", Bind(&S::ExitAndFinish), AlwaysDone());
}

void TStateScenarioEndLevel::OnEnterMain(TState&) {
  SetClickCompletes(true);
  SetWait(std::max(duration_, 0));
}

void TStateScenarioEndLevel::Finish() {
  // A click ends the animation early; the level ends all the same.
  Tell();
  TStateScenarioGameManager::Finish();
}

void TStateScenarioEndLevel::Tell() {
  if (told_ || !GameOwner()) return;
  told_ = true;
  TellOwner(*GameOwner());
}

void TStateScenarioCloseGameScreen::TellOwner(IGameManagersOwner& owner) {
  Ref<IParamCollection> result = CloneParams(GetExtraParams().get());
  owner.LeaveScreen(result ? result : Ref<IParamCollection>(CreateObject<TParamCollection>()));
}

}  // namespace corvellane
