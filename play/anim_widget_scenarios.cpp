#include "play/anim_widget_scenarios.h"

#include <cmath>

#include "persistence/number_text.h"
#include "persistence/property_table.h"
#include "play/play_formulas.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

TPoint WidgetScreenPosition(IWidget& widget) {
  const TPoint local_of_origin = widget.ScreenToLocal({0, 0});
  return {RoundToPixel(widget.GetAnchorLeft()) - local_of_origin.x,
          RoundToPixel(widget.GetAnchorTop()) - local_of_origin.y};
}

const TPropertyTable& TStateScenarioAbstractAnimWidget::Properties() {
  using S = TStateScenarioAbstractAnimWidget;
  static const TPropertyTable table = TPropertyTableOf<S>(TStateScenario::Properties())
                                          .Text("widgetname", &S::widget_name_)
                                          .Float("startposx", &S::start_x_, kUnset)
                                          .Float("startposy", &S::start_y_, kUnset)
                                          .Float("endposx", &S::end_x_, kUnset)
                                          .Float("endposy", &S::end_y_, kUnset)
                                          .Int("max_anim_time", &S::max_anim_time_, 0)
                                          .Bool("change_source_place", &S::change_source_place_, false)
                                          .Bool("process_in_global_coords", &S::global_coords_, false)
                                          .Int("anim_speed", &S::anim_speed_, 0);
  return table;
}

void TStateScenarioAbstractAnimWidget::OnAttached() {
  widget_ = widget_name_.empty() ? nullptr : GameOwner()->FindScreenWidget(widget_name_);
  if (!widget_) return;
  const TPoint position = WidgetPosition();
  if (start_x_ == kUnset) start_x_ = position.x;
  if (start_y_ == kUnset) start_y_ = position.y;
  if (end_x_ == kUnset) end_x_ = position.x;
  if (end_y_ == kUnset) end_y_ = position.y;
}

TPoint TStateScenarioAbstractAnimWidget::WidgetPosition() const {
  if (!widget_) return {};
  if (global_coords_) return WidgetScreenPosition(*widget_);
  return {RoundToPixel(widget_->GetAnchorLeft()), RoundToPixel(widget_->GetAnchorTop())};
}

TPoint TStateScenarioAbstractAnimWidget::StartPoint() const { return {RoundToPixel(start_x_), RoundToPixel(start_y_)}; }

TPoint TStateScenarioAbstractAnimWidget::EndPoint() const { return {RoundToPixel(end_x_), RoundToPixel(end_y_)}; }

void TStateScenarioAbstractAnimWidget::SetEndPoint(TPoint end) {
  end_x_ = end.x;
  end_y_ = end.y;
}

int32_t TStateScenarioAbstractAnimWidget::MoveTime() const {
  const TPoint from = WidgetPosition();
  const TPoint to = EndPoint();
  return corvellane::MoveTime(std::hypot(static_cast<double>(to.x) - from.x, static_cast<double>(to.y) - from.y), anim_speed_, max_anim_time_);
}

Ref<IWidget> TStateScenarioAbstractAnimWidget::LaunchFlight(TPoint from, TPoint to, int32_t move_time,
                                                             Ref<ISurface> picture) {
  Ref<TParamCollection> params = CreateObject<TParamCollection>();
  params->SetNamedValue("name", Variant("fly_picture" + FormatInt(++flights_)));
  params->SetNamedValue("x1", Variant(FormatInt(from.x)));
  params->SetNamedValue("y1", Variant(FormatInt(from.y)));
  params->SetNamedValue("x2", Variant(FormatInt(to.x)));
  params->SetNamedValue("y2", Variant(FormatInt(to.y)));
  params->SetNamedValue("move_time", Variant(FormatInt(move_time)));
  Ref<IWidget> flight = CreateOwnWidget("fly_picture", params.get(), true);
  if (flight && picture) flight->SetProperty("surface", Variant(picture));
  if (change_source_place_ && widget_) {
    widget_->SetAnchorLeft(to.x);
    widget_->SetAnchorTop(to.y);
  }
  return flight;
}

TStateScenarioSimpleMoveWidget::TStateScenarioSimpleMoveWidget() {
  using S = TStateScenarioSimpleMoveWidget;
  AddState("enter", "exit", Bind(&S::OnEnterMain), Bind(&TStateScenario::AreWaitWidgetsDone));
  AddState("exit", "", Bind(&S::ExitAndFinish), AlwaysDone());
}

void TStateScenarioSimpleMoveWidget::OnEnterMain(TState&) {
  if (widget_) LaunchFlight(StartPoint(), EndPoint(), MoveTime(), widget_->GetImage());
}

}  // namespace corvellane
