#include "play/state_scenario_game_manager.h"

#include "persistence/log.h"
#include "play/panel_manager_interface.h"
#include "widgets/event_handler_interface.h"
#include "widgets/widget_collection_interface.h"
#include "widgets/window_interface.h"

namespace corvellane {

void TStateScenarioGameManager::SetOwner(IWidgetOwner* owner) {
  TStateScenario::SetOwner(owner);
  if (!game_owner_ && FindGameOwner() && !game_owner_) {
    LogWarning(GetPath() + ": a play scenario outside the play screen; it ends at once");
    Kill();
  }
}

bool TStateScenarioGameManager::FindGameOwner() {
  IWidgetOwner* owner = GetOwner();
  if (!owner) return false;
  IWindow* window = owner->GetWindow();
  IEventHandler* handler = owner->GetEventHandler();
  if (!window && !handler) return false;
  game_owner_ = dynamic_cast<IGameManagersOwner*>(window);
  if (!game_owner_) game_owner_ = dynamic_cast<IGameManagersOwner*>(handler);
  if (game_owner_ && !attached_) {
    attached_ = true;
    OnAttached();
  }
  return true;
}

void TStateScenarioGameManager::ClearOwner() {
  if (attached_) {
    attached_ = false;
    OnDetached();
  }
  game_owner_ = nullptr;
  TStateScenario::ClearOwner();
}

void TStateScenarioGameManager::Advance(int32_t elapsed_ms) {
  if (!game_owner_ && !IsDead()) {
    FindGameOwner();
    if (!game_owner_) {
      LogWarning(GetPath() + ": a play scenario outside the play screen; it ends at once");
      Kill();
      return;
    }
  }
  TStateScenario::Advance(elapsed_ms);
}

void TStateScenarioGameManager::ExitAndFinish(TState& state) {
  OnExit(state);
  Finish();
}

Ref<IPanelManager> TStateScenarioGameManager::PanelManager() const {
  Ref<IItemListPanel> panel = game_owner_ ? game_owner_->GetPanelWidget() : nullptr;
  return panel ? panel->GetPanelManager() : nullptr;
}

TStateScenarioWaitWidgetsGameManager::TStateScenarioWaitWidgetsGameManager() {
  using S = TStateScenarioWaitWidgetsGameManager;
  AddState("enter", "wait_widgets", Bind(&S::OnEnterMain), Bind(&TStateScenario::IsWaitOver));
  AddState("wait_widgets", "exit", Bind(&S::EnterWait), Bind(&TStateScenario::AreWaitWidgetsDone));
  AddState("exit", "", Bind(&S::ExitAndFinish), AlwaysDone());
}

Ref<IWidget> TStateScenarioGameManager::CreateOwnWidget(std::string_view factory, IParamCollection* params,
                                                       bool wait) {
  SetVisible(true);
  return CreateFactoryWidget(this, factory, wait, params);
}

void TStateScenarioGameManager::WaitForChildren() {
  Ref<IWidgetCollection> children = GetWidgets();
  // Waited-for children have to run (CreateOwnWidget).
  if (children && children->Count() > 0) SetVisible(true);
  for (int i = 0; children && i < children->Count(); ++i)
    if (Ref<IWidget> child = children->GetWidgetAt(i)) AddWaitWidget(child->GetName());
}

void TStateScenarioWaitWidgetsGameManager::EnterWait(TState& state) {
  WaitForChildren();
  OnEnterWait(state);
}

}  // namespace corvellane
