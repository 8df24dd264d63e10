#include "story_screens/play_hint.h"

#include <cmath>
#include <numbers>

#include "story_screens/widget_ops.h"
#include "widgets/widget_owner_interface.h"
#include "widgets/window_interface.h"

namespace corvellane {

namespace {

constexpr std::string_view kActivationName = "hint_activation";
constexpr std::string_view kReadyEffectName = "hint_activationps_star_circle";
// The recharge display stands around the button.
constexpr int32_t kDisplayLeft = 32;
constexpr int32_t kDisplayTop = 689;
constexpr int32_t kDisplayRadius = 35;
constexpr int32_t kReadyEffectMs = 2500;

bool IsShown(const Ref<IWidget>& widget) { return widget && widget->IsVisible(); }

void ShowAt(const Ref<IWidget>& widget, bool visible, double angle) {
  if (!widget) return;
  widget->SetProperty("angle", Variant(angle));
  widget->SetVisible(visible);
}

}  // namespace

double HintAngleTowards(TPoint target) {
  const double dx = double{kHintButtonCentre.x} - target.x;
  const double dy = double{kHintButtonCentre.y} - target.y;
  double a = 0;
  if (dx != 0) {
    a = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
  } else {
    a = dy > 0 ? 90.0 : 270.0;
  }
  const double angle = std::fmod(180.0 - a + 360.0, 360.0);
  return angle;
}

void TPlayHint::Attach(IGameManagersOwner* owner, std::string_view group_path) {
  owner_ = owner;
  group_ = owner ? owner->FindScreenWidget(group_path) : nullptr;
  button_ = group_ ? group_->FindWidget("button_hint") : nullptr;
  front_ = group_ ? group_->FindWidget("image_hint_front") : nullptr;
  back_ = group_ ? group_->FindWidget("image_hint_back") : nullptr;
  after_ = group_ ? group_->FindWidget("image_hint_after") : nullptr;
}

void TPlayHint::Detach() {
  Reset();
  owner_ = nullptr;
  group_ = button_ = front_ = back_ = after_ = nullptr;
}

void TPlayHint::Reset() {
  recharge_ = kHintRechargeMs;
  since_hint_ = -1;
  ready_sound_due_ = false;
  angle_ = 0.0;
  arrow_turning_ = false;
  carried_ = nullptr;
  target_ = nullptr;
  target_prefix_.clear();
}

void TPlayHint::StartLevel(bool paused) {
  recharge_ = kFirstHintRechargeMs;
  ready_sound_due_ = false;
  since_hint_ = kFirstHintRechargeMs - kFirstHintWaitMs;
  Update(paused, 0);
}

void TPlayHint::Advance(int32_t frame_ms) {
  if (since_hint_ >= 0 && frame_ms > 0) since_hint_ = since_hint_ > INT32_MAX - frame_ms ? INT32_MAX : since_hint_ + frame_ms;
}

bool TPlayHint::IsReady() const { return button_ && button_->IsEnabled() && since_hint_ >= recharge_; }

void TPlayHint::Update(bool paused, int32_t elapsed_ms) {
  if (!IsShown(button_)) return;
  if (IsShown(after_)) StartRechargeDisplay(paused);
  if (paused) {
    if (button_->IsEnabled()) {
      if (back_) back_->SetVisible(false);
      if (after_) after_->SetVisible(false);
      button_->SetEnabled(false);
    }
    if (front_) front_->SetVisible(false);
    arrow_turning_ = false;
    return;
  }
  ShowReadiness();
  if (button_->IsEnabled()) SteerArrow(elapsed_ms);
}

void TPlayHint::StartRechargeDisplay(bool paused) {
  after_->SetVisible(false);
  FinishAnimationChild(kActivationName);
  Ref<TParamCollection> params =
      MakeParams({{"name", kActivationName}, {"angle", -90}, {"duration", recharge_}, {"anchor_left", kDisplayLeft},
                  {"anchor_top", kDisplayTop}, {"radius", kDisplayRadius}});
  Ref<IWidget> display = owner_ ? owner_->CreateScreenWidget(kActivationName, params.get()) : nullptr;
  if (display) {
    if (paused) display->Pause();
    owner_->AddToGroup(display, TPlayGroup::Animation);
  }
  ready_sound_due_ = true;
  since_hint_ = 0;
}

void TPlayHint::ShowReadiness() {
  const bool enabled = button_->IsEnabled();
  const bool ready = since_hint_ >= recharge_;
  if (enabled ? since_hint_ > recharge_ : !ready) return;
  button_->SetEnabled(ready);
  arrow_turning_ = false;
  if (ready && IsShown(group_)) {
    ShowAt(front_, true, 0);
    ShowAt(back_, true, 0);
    ShowAt(after_, false, 0);
    RunReadyEffect();
  } else {
    if (front_) front_->SetVisible(false);
    if (back_) back_->SetVisible(false);
  }
  angle_ = 0.0;
}

void TPlayHint::RunReadyEffect() {
  if (ready_sound_due_) {
    if (IWindow* window = group_->GetOwner() ? group_->GetOwner()->GetWindow() : nullptr)
      window->PlayWindowSound("sound_hint_ready");
    ready_sound_due_ = false;
  }
  FinishAnimationChild(kReadyEffectName);
  Ref<TParamCollection> params = MakeParams({{"name", kReadyEffectName}, {"radius", kDisplayRadius},
                                             {"duration", kReadyEffectMs}, {"x", kHintButtonCentre.x},
                                             {"y", kHintButtonCentre.y}});
  AddEffect("ps_star_circle", params.get());
}

// While the mouse rests on the ready button, the arrow turns until it
// points at the object the hint will show; it turns back to rest when the
// mouse leaves.
void TPlayHint::SteerArrow(int32_t elapsed_ms) {
  Ref<IWidget> selected = button_->FindWidget("image_selected");
  const double front_angle = front_ ? front_->GetProperty("angle").ToFloat(0) : 0.0;
  if (!IsShown(selected)) {
    if (front_angle != 0 || arrow_turning_) SetArrow(false, 0, true);
    return;
  }
  if (!arrow_turning_ && angle_ == 0) {
    SetArrow(true, front_angle, true);
    angle_ = ComputeAngle();
    return;
  }
  if (!arrow_turning_) return;
  const double turned = front_angle + 360.0 * std::max(elapsed_ms, 0) / kHintArrowTurnMs;
  if (angle_ != 0 && turned >= angle_) {
    SetArrow(false, angle_, false);
  } else {
    SetArrow(true, std::fmod(turned, 360.0), false);
  }
}

void TPlayHint::SetArrow(bool turning, double angle, bool restart_clock) {
  arrow_turning_ = turning;
  for (const Ref<IWidget>& picture : {front_, back_, after_}) {
    if (!picture) continue;
    picture->SetProperty("angle", Variant(angle));
    if (restart_clock) picture->SetProperty("currenttime", Variant(0));
  }
}

std::string TPlayHint::Use(bool paused) {
  angle_ = ComputeAngle();
  if (!target_) return {};
  const std::string name = target_->GetName();
  const std::string scenario_name = "hint_scenario" + name;
  FinishAnimationChild(scenario_name);
  Ref<TParamCollection> params =
      MakeParams({{"name", scenario_name}, {"angle", angle_}, {"widgetname", target_prefix_ + name},
                  {"button_widgetname", "ui_group/hint_group/button_hint"}});
  Ref<IWidget> scenario = owner_->CreateScreenWidget("hint_scenario", params.get());
  if (scenario) owner_->AddToGroup(scenario, TPlayGroup::Animation);
  target_ = nullptr;
  target_prefix_.clear();
  since_hint_ = 0;
  arrow_turning_ = false;
  if (front_) front_->SetVisible(false);
  if (back_) back_->SetVisible(false);
  // The hint scenario shows the button again when its arrow is on its way;
  // without one the button must not stay hidden for the rest of the level.
  if (button_ && scenario) button_->SetVisible(false);
  if (after_) {
    after_->SetProperty("angle", Variant(angle_));
    after_->SetVisible(true);
  }
  recharge_ += kHintRechargeStepMs;
  if (!scenario) Update(paused, 0);
  return name;
}

void TPlayHint::PauseDisplay(bool paused) {
  Ref<IWidget> display = AnimationChild(kActivationName);
  if (!display) return;
  if (paused) {
    display->Pause();
  } else {
    display->Resume();
  }
}

double TPlayHint::ComputeAngle() {
  if (!owner_) return 0;
  if (carried_) {
    target_ = owner_->FindAnyObjectWidget(carried_.get(), TPlayGroup::Objects, nullptr);
    target_prefix_ = std::string(PlayGroupPath(TPlayGroup::Objects)) + "/";
  }
  if (!target_ || !TargetStillFits()) {
    target_ = nullptr;
    target_prefix_.clear();
    owner_->PickHintTarget(target_prefix_, target_, true);
  }
  if (!target_) return 0;
  const TPoint offset = ScreenOffsetOf(target_.get());
  return HintAngleTowards({static_cast<int32_t>(std::lround(target_->GetAnchorLeft())) + offset.x,
                           static_cast<int32_t>(std::lround(target_->GetAnchorTop())) + offset.y});
}

// A target found meanwhile (hidden), or placed meanwhile (shown, in the
// find-places mode), is no target any more.
bool TPlayHint::TargetStillFits() { return target_->IsVisible() != find_places_; }

Ref<IWidget> TPlayHint::AnimationChild(std::string_view name) {
  Ref<IWidget> group = owner_ ? owner_->FindScreenWidget(PlayGroupPath(TPlayGroup::Animation)) : nullptr;
  return group ? group->FindWidget(name) : nullptr;
}

void TPlayHint::FinishAnimationChild(std::string_view name) {
  if (!owner_) return;
  FinishChild(owner_->FindScreenWidget(PlayGroupPath(TPlayGroup::Animation)).get(), name);
}

void TPlayHint::AddEffect(std::string_view factory, IParamCollection* params) {
  Ref<IWidget> effect = owner_ ? owner_->CreateScreenWidget(factory, params) : nullptr;
  if (effect) owner_->AddToGroup(effect, TPlayGroup::Animation);
}

}  // namespace corvellane
