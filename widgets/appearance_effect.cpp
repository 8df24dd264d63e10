#include "widgets/appearance_effect.h"

#include "persistence/property_table.h"

namespace corvellane {

namespace {

constexpr std::string_view kEffectSound = "sound_effect";

}  // namespace

// ---- TAppearanceEffect ----

const TPropertyTable& TAppearanceEffect::Properties() {
  using W = TAppearanceEffect;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table = Table(TBehaviourWidget::Properties())
                                          .Int("durationtime", &W::duration_, 0, Table::Always())
                                          .Int("state", &W::GetEffectState, &W::SetEffectState, kEffectNeverStarted)
                                          .NameOnly();
  return table;
}

void TAppearanceEffect::StartEffect(Ref<ISurface> surface, IParamCollection* parameters) {
  PlaySound(kEffectSound, false, 0, 0);
  SetEffectSurface(std::move(surface));
  if (parameters) params_ = CloneParams(parameters);
  Restart();
  // After the restart, whose advance by 0 may already have reached a zero
  // duration: the effect runs until its first real advance at least.
  state_ = kEffectRunning;
}

void TAppearanceEffect::Advance(int32_t elapsed_ms) {
  TBehaviourWidget::Advance(elapsed_ms);
  if (GetCurrentTime() >= duration_) state_ = kEffectDone;
}

bool TAppearanceEffect::IsParameter(std::string_view name) const {
  const bool own_row = Properties().Find(name) != TBehaviourWidget::Properties().Find(name);
  return params_ && !own_row && params_->Contains(name);
}

std::optional<Variant> TAppearanceEffect::ReadDynamicProperty(std::string_view name) {
  if (IsParameter(name)) return params_->GetNamedValue(name, Variant::Null());
  return TBehaviourWidget::ReadDynamicProperty(name);
}

bool TAppearanceEffect::WriteDynamicProperty(std::string_view name, const Variant& value) {
  if (!IsParameter(name)) return TBehaviourWidget::WriteDynamicProperty(name, value);
  params_->SetNamedValue(name, value);
  return true;
}

// ---- TFunctionAppearanceEffect ----

const TPropertyTable& TFunctionAppearanceEffect::Properties() {
  using W = TFunctionAppearanceEffect;
  static const TPropertyTable table =
      TPropertyTableOf<W>(TAppearanceEffect::Properties()).Text("surfaceparamname", &W::surface_param_name_);
  return table;
}

void TFunctionAppearanceEffect::SetEffectSurface(Ref<ISurface> surface) {
  if (!surface_param_name_.empty()) SetProperty(surface_param_name_, Variant(surface));
}

}  // namespace corvellane
