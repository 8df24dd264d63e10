#include "scenarios/statemachine_widget.h"

#include "persistence/object_io.h"

namespace corvellane {

void TStateMachineWidget::Init() {
  TVisualGroupWidget::Init();
  actions_ = CreateObject<TActionDefCollection>();
}

void TStateMachineWidget::Cleanup() {
  current_action_ = nullptr;
  if (actions_) actions_->Cleanup();
  TVisualGroupWidget::Cleanup();
}

void TStateMachineWidget::LoadProperties(IHierStorage* node) {
  TVisualGroupWidget::LoadProperties(node);
  ForEachChildBackwards([](IWidget& child) {
    child.SetVisible(false);
    child.SetPaused(true);
  });
  LoadChild(actions_.get(), node, actions_->GetStorageName());
}

void TStateMachineWidget::SaveProperties(IHierStorage* node) {
  TVisualGroupWidget::SaveProperties(node);
  SaveChild(actions_.get(), node, actions_->GetStorageName());
}

void TStateMachineWidget::SetOwner(IWidgetOwner* owner) {
  TVisualGroupWidget::SetOwner(owner);
  if (owner) NextAction();
}

void TStateMachineWidget::ClearOwner() {
  StopChild(current_action_);
  current_action_ = nullptr;
  TVisualGroupWidget::ClearOwner();
}

void TStateMachineWidget::StopChild(const Ref<IActionDef>& action) {
  if (!action) return;
  if (Ref<IWidget> child = GetWidgets()->GetWidget(Variant(action->GetWidgetName()))) {
    child->Pause();
    child->SetVisible(false);
  }
}

void TStateMachineWidget::StartChild(const Ref<IActionDef>& action) {
  if (Ref<IWidget> child = GetWidgets()->GetWidget(Variant(action->GetWidgetName()))) {
    child->Restart();
    child->SetVisible(true);
  }
}

void TStateMachineWidget::NextAction() {
  int32_t next_state = 0;
  if (current_action_) {
    next_state = current_action_->GetNextState();
    StopChild(current_action_);
  }
  current_state_ = next_state;
  current_action_ = actions_->ChooseAction(current_state_);
  if (!current_action_) return;
  current_duration_ = current_action_->GetDuration();
  StartChild(current_action_);
}

void TStateMachineWidget::Advance(int32_t elapsed_ms) {
  TVisualGroupWidget::Advance(elapsed_ms);
  if (GetCurrentTime() < current_duration_) return;
  SetCurrentTime(0);
  NextAction();
  SetChanged(true);
}

}  // namespace corvellane
