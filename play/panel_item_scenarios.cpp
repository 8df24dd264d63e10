#include "play/panel_item_scenarios.h"

#include "play/panel_manager_interface.h"
#include "play/play_formulas.h"

namespace corvellane {

void TStateScenarioAnimPanelItem::OnAttached() {
  TStateScenarioAbstractAnimWidget::OnAttached();
  if (Ref<IPanelManager> panel = PanelManager(); panel && widget_) panel->SetTaken(widget_.get(), true);
}

void TStateScenarioAnimPanelItem::OnDetached() {
  if (Ref<IPanelManager> panel = PanelManager(); panel && widget_) panel->SetTaken(widget_.get(), false);
}

void TStateScenarioAnimPanelItem::OnEnterMain(TState&) {
  if (!widget_) {
    Finish();
    return;
  }
  const TPoint end = EndPoint();
  if (Ref<IPanelManager> panel = PanelManager())
    panel->UpdateShown(widget_.get(), end.x - static_cast<int32_t>(widget_->GetAnchorLeft()));
  GameOwner()->EnableItemObjects(widget_.get());
  move_time_ = MoveTime();
  was_visible_ = widget_->IsVisible();
  SetCurrentTime(0);
}

void TStateScenarioAnimPanelItem::OnExit(TState&) {
  if (!widget_) return;
  const TPoint end = EndPoint();
  widget_->SetAnchorLeft(end.x);
  widget_->SetAnchorTop(end.y);
  widget_->SetVisible(was_visible_);
}

TStateScenarioMovePanelItem::TStateScenarioMovePanelItem() {
  using S = TStateScenarioMovePanelItem;
  AddState("enter", "exit", Bind(&S::OnEnterMain), Bind(&S::IsMoved), {}, Bind(&S::Slide));
  AddState("exit", "", Bind(&S::ExitAndFinish), AlwaysDone());
}

void TStateScenarioMovePanelItem::Slide(TState&, int32_t) {
  if (!widget_) return;
  const double p = move_time_ > 0 ? static_cast<double>(GetCurrentTime()) / move_time_ : 1.0;
  const TPoint from = StartPoint();
  const TPoint to = EndPoint();
  widget_->SetAnchorLeft(EasedPosition(from.x, to.x, p));
  widget_->SetAnchorTop(EasedPosition(from.y, to.y, p));
}

bool TStateScenarioMovePanelItem::IsMoved() { return GetCurrentTime() > move_time_; }

TStateScenarioMovePanelItemPicture::TStateScenarioMovePanelItemPicture() {
  using S = TStateScenarioMovePanelItemPicture;
  AddState("enter", "exit", Bind(&S::OnEnterMain), Bind(&TStateScenario::AreWaitWidgetsDone));
  AddState("exit", "", Bind(&S::ExitAndFinish), AlwaysDone());
}

void TStateScenarioMovePanelItemPicture::OnEnterMain(TState& state) {
  TStateScenarioAnimPanelItem::OnEnterMain(state);
  if (!widget_) return;
  LaunchFlight(StartPoint(), EndPoint(), move_time_, widget_->GetImage());
  widget_->SetVisible(false);
}

}  // namespace corvellane
