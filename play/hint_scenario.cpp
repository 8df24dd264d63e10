#include "play/hint_scenario.h"

#include <algorithm>
#include <cmath>

#include "persistence/number_text.h"
#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

// The arrow leaves a little ahead, so it is not seen sitting on the button.
constexpr int32_t kArrowHeadStart = 60;
constexpr int32_t kActivationLead = 700;
constexpr int kTrailStars = 5;
constexpr int kTrailSpacingMs = 10;

Ref<TParamCollection> NewParams() { return CreateObject<TParamCollection>(); }

void SetInt(IParamCollection& params, std::string_view name, int32_t value) {
  params.SetNamedValue(name, Variant(FormatInt(value)));
}

}  // namespace

const TPropertyTable& TStateScenarioHint::Properties() {
  using S = TStateScenarioHint;
  static const TPropertyTable table = TPropertyTableOf<S>(TStateScenarioAbstractAnimWidget::Properties())
                                          .Int("interval", &S::interval_, 0)
                                          .Text("hint_object_widgetname", &S::object_name_)
                                          .Text("button_widgetname", &S::button_name_)
                                          .Float("angle", &S::arrow_angle_, 0.0);
  return table;
}

TStateScenarioHint::TStateScenarioHint() {
  using S = TStateScenarioHint;
  AddState("enter", "release_arrow", Bind(&S::OnEnterMain), [this](TState&) { return IsRunning(); });
  AddState("release_arrow", "activation_hint", Bind(&S::ReleaseArrow), Bind(&TStateScenario::IsWaitOver));
  AddState("activation_hint", "zoom_in_obj", Bind(&S::Activate), Bind(&TStateScenario::IsWaitOver));
  AddState("zoom_in_obj", "zoom_out_obj", Bind(&S::OnEnterZoomIn), Bind(&S::IsZoomInDone), {}, Bind(&S::StepZoom));
  AddState("zoom_out_obj", "after_hint", Bind(&S::OnEnterZoomOut), Bind(&S::IsZoomOutDone), {}, Bind(&S::StepZoom));
  AddState("after_hint", "exit", Bind(&S::WaitForChildren), Bind(&TStateScenario::AreWaitWidgetsDone));
  AddState("exit", "", Bind(&S::ExitAndFinish), AlwaysDone());
}

void TStateScenarioHint::OnAttached() {
  // The object is named by its own key; the animation base looks for "widgetname".
  if (!object_name_.empty()) widget_name_ = object_name_;
  TStateScenarioAbstractAnimWidget::OnAttached();
  button_ = button_name_.empty() ? nullptr : GameOwner()->FindScreenWidget(button_name_);
}

void TStateScenarioHint::OnEnterMain(TState&) {
  if (!button_ || !widget_) {
    Finish();
    return;
  }
  button_->SetVisible(false);
}

void TStateScenarioHint::ReleaseArrow(TState&) {
  if (!widget_) return;
  const TPoint target = WidgetScreenPosition(*widget_);
  const double dx = target.x - kButtonCentre.x;
  const double dy = target.y - kButtonCentre.y;
  const double distance = std::hypot(dx, dy);
  flight_time_ = static_cast<int32_t>(std::lround(distance / kArrowSpeed));
  SetWait(flight_time_);

  Ref<TParamCollection> params = NewParams();
  params->SetNamedValue("name", Variant("hint_arrow"));
  params->SetNamedValue("angle", Variant(FormatFloat(arrow_angle_)));
  if (Ref<IWidget> arrow = CreateOwnWidget("hint_arrow", params.get(), false)) {
    // The arrow is only a picture for its flight, centre to centre.
    const int32_t half_width = arrow->GetWidth() / 2;
    const int32_t half_height = arrow->GetHeight() / 2;
    Ref<ISurface> picture = arrow->GetImage();
    arrow->SetDead(true);
    Ref<TParamCollection> flight = NewParams();
    flight->SetNamedValue("name", Variant("hint_arrow_move"));
    SetInt(*flight, "x1", kButtonCentre.x - half_width);
    SetInt(*flight, "y1", kButtonCentre.y - half_height);
    SetInt(*flight, "x2", target.x - half_width);
    SetInt(*flight, "y2", target.y - half_height);
    SetInt(*flight, "move_time", flight_time_);
    if (Ref<IWidget> move = CreateOwnWidget("hint_arrow_move", flight.get(), true)) {
      if (picture) move->SetProperty("surface", Variant(picture));
      move->Update(kArrowHeadStart);
    }
  }
  // The trail starts behind the button and follows the arrow's line.
  const double step_x = distance > 0 ? dx / distance * kArrowSpeed : 0.0;
  const double step_y = distance > 0 ? dy / distance * kArrowSpeed : 0.0;
  for (int n = 0; n < kTrailStars; ++n) {
    const double back = n * kTrailSpacingMs;
    const TPoint at{RoundToPixel(kButtonCentre.x - step_x * back), RoundToPixel(kButtonCentre.y - step_y * back)};
    Ref<TParamCollection> star = NewParams();
    SetInt(*star, "x2", RoundToPixel(target.x - step_x * back));
    SetInt(*star, "y2", RoundToPixel(target.y - step_y * back));
    SetInt(*star, "move_time", flight_time_);
    RunEffectAt("ps_star_line", n, at, *star);
  }
}

void TStateScenarioHint::RunEffectAt(std::string_view factory, int n, TPoint at, IParamCollection& params) {
  IGameManagersOwner* owner = GameOwner();
  if (!owner || !widget_) return;
  params.SetNamedValue("name", Variant(owner->MakeEffectName(widget_->GetName() + "_hint" + FormatInt(n))));
  SetInt(params, "x", at.x);
  SetInt(params, "y", at.y);
  if (Ref<IWidget> effect = owner->CreateScreenWidget(factory, &params)) owner->AddToGroup(effect, TPlayGroup::Animation);
}

void TStateScenarioHint::Activate(TState&) {
  if (button_) button_->SetVisible(true);
  if (!widget_) return;
  ReadWidget();
  stored_ = true;
  stored_zoom_x_ = zoom_x_;
  stored_zoom_y_ = zoom_y_;
  stored_level_ = widget_->GetTransparentLevel();
  stored_visible_ = widget_->IsVisible();
  peak_factor_ = 1.9;
  target_zoom_x_ = stored_zoom_x_;
  target_zoom_y_ = stored_zoom_y_;
  target_angle_ = angle_;
  if (stored_visible_) {
    level_ = target_level_ = 255;
    widget_->SetTransparentLevel(255);
  } else {
    // A place not filled yet shows itself, fading in.
    level_ = 0;
    widget_->SetTransparentLevel(0);
    widget_->SetVisible(true);
    target_level_ = stored_level_;
  }
  SetWait(std::max(flight_time_ - kActivationLead, 0));
}

void TStateScenarioHint::OnEnterZoomIn(TState& state) {
  if (!widget_) return;
  Ref<TParamCollection> circle = NewParams();
  SetInt(*circle, "radius", 70);
  SetInt(*circle, "duration", 2000);
  RunEffectAt("ps_star_circle_wide", kTrailStars, WidgetScreenPosition(*widget_), *circle);
  PlaySound("sound_hint_indicate", false, 0, 0);
  TStateScenarioZoomRotateWidget::OnEnterZoomIn(state);
}

void TStateScenarioHint::OnEnterZoomOut(TState& state) {
  target_level_ = stored_visible_ ? stored_level_ : 0;
  TStateScenarioZoomRotateWidget::OnEnterZoomOut(state);
}

void TStateScenarioHint::Finish() {
  Restore();
  TStateScenarioZoomRotateWidget::Finish();
}

void TStateScenarioHint::Restore() {
  if (restored_) return;
  restored_ = true;
  if (widget_ && stored_) {
    widget_->SetProperty("zoomx", Variant(stored_zoom_x_));
    widget_->SetProperty("zoomy", Variant(stored_zoom_y_));
    widget_->SetTransparentLevel(stored_level_);
    widget_->SetVisible(stored_visible_);
  }
  if (button_) button_->SetVisible(true);
}

}  // namespace corvellane
