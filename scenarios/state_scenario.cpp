#include "scenarios/state_scenario.h"

#include "persistence/property_table.h"
#include "widgets/input_messages.h"

namespace corvellane {

const TPropertyTable& TStateScenario::Properties() {
  using S = TStateScenario;
  static const TPropertyTable table =
      TPropertyTableOf<S>(TScenario::Properties())
          .Bool("force_complete", &S::IsForceComplete, &S::SetForceCompleteFlag, false)
          .NameOnly();
  return table;
}

bool TStateScenario::AddState(std::string_view name, std::string_view next, TState::Action on_enter,
                              TState::Check done_check, TState::Chooser next_chooser, TState::Step update) {
  if (states_.Contains(name)) return false;
  auto state = std::make_unique<TState>();
  state->name = std::string(name);
  state->next = std::string(next);
  state->on_enter = std::move(on_enter);
  state->done_check = std::move(done_check);
  state->next_chooser = std::move(next_chooser);
  state->update = std::move(update);
  states_.Add(name, std::move(state));
  return true;
}

void TStateScenario::EnterState(std::string_view name) {
  if (current_) previous_state_name_ = current_->name;
  std::unique_ptr<TState>* found = states_.Find(name);
  current_ = found ? found->get() : nullptr;
  if (!current_) {
    // Going nowhere ends the machine.
    SetDead(true);
    return;
  }
  time_in_state_ = 0;
  if (current_->on_enter) current_->on_enter(*current_);
}

void TStateScenario::Start() {
  not_started_ = false;
  std::unique_ptr<TState>* first = states_.Find("enter");
  if (!first) first = states_.At(0);
  if (first) EnterState((*first)->name);
  previous_state_name_.clear();
}

void TStateScenario::CheckTransition(TState& state) {
  if (state.done_check && !state.done_check(state)) return;
  std::string next = state.next;
  if (state.next_chooser) {
    state.next_chooser(state, next);
    if (next == "next") next = state.next;
  }
  EnterState(next);
}

void TStateScenario::Advance(int32_t elapsed_ms) {
  TScenario::Advance(elapsed_ms);
  time_in_state_ += elapsed_ms;
  if (GetCurrentTime() < 0) return;
  if (not_started_) Start();
  if (!current_) return;
  TState& state = *current_;
  if (state.update) state.update(state, elapsed_ms);
  CheckTransition(state);
}

void TStateScenario::ForceComplete(bool complete) {
  if (!complete) return;
  force_complete_ = true;
  Finish();
}

TStateScenario& TStateScenario::SetWait(int32_t ms) {
  if (GetCurrentTime() > 0) SetCurrentTime(0);
  wait_until_ = ms;
  return *this;
}

bool TStateScenario::IsWaitOver() {
  if (GetCurrentTime() < wait_until_) return false;
  wait_until_ = 0;
  return true;
}

void TStateScenario::AddWaitWidget(std::string_view name) {
  wait_list_ += name;
  wait_list_ += ';';
}

bool TStateScenario::AreWaitWidgetsDone() {
  size_t start = 0;
  while (start < wait_list_.size()) {
    size_t end = wait_list_.find(';', start);
    if (end == std::string::npos) end = wait_list_.size();
    const std::string_view name = std::string_view(wait_list_).substr(start, end - start);
    if (!name.empty())
      if (Ref<IWidget> widget = FindWidget(name); widget && !widget->IsDead()) return false;
    start = end + 1;
  }
  wait_list_.clear();
  return true;
}

Ref<IWidget> TStateScenario::CreateFactoryWidget(IWidget* group, std::string_view factory_name, bool wait,
                                                 IParamCollection* params) {
  Ref<IWidgetCollection> widgets = group ? group->GetWidgets() : nullptr;
  if (!widgets) return nullptr;
  Ref<IWidget> widget = CreateFromFactory(factory_name, params);
  if (!widget) return nullptr;
  // Two widgets of one name in a group would make paths ambiguous.
  if (widgets->Contains(widget->GetName())) return nullptr;
  widgets->Add(widget);
  if (wait) AddWaitWidget(widget->GetName());
  return widget;
}

bool TStateScenario::HandleMouse(int32_t message, TPoint screen_point, uint32_t keys) {
  const bool handled = TScenario::HandleMouse(message, screen_point, keys);
  const bool button_up = message == kMouseLeftUp || message == kMouseRightUp ||
                         message == kMouseMiddleUp;
  if (click_completes_ && button_up) ForceComplete(true);
  return handled;
}

Ref<IWidget> TStateScenario::WidgetAtPos(TPoint point) {
  Ref<IWidget> hit = TScenario::WidgetAtPos(point);
  if (!hit && click_completes_ && IsVisible() && IsMouseStop()) return Ref<IWidget>(static_cast<IWidget*>(this));
  return hit;
}

}  // namespace corvellane
