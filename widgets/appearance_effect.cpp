#include "widgets/appearance_effect.h"

#include "persistence/value_access.h"
#include "widgets/surface_widget.h"

namespace corvellane {

namespace {

constexpr std::string_view kEffectSound = "sound_effect";

}  // namespace

// ---- TAppearanceEffect ----

void TAppearanceEffect::LoadProperties(IHierStorage* node) {
  TBehaviourWidget::LoadProperties(node);
  duration_ = ReadInt(node, "durationtime", 0);
}

void TAppearanceEffect::SaveProperties(IHierStorage* node) {
  TBehaviourWidget::SaveProperties(node);
  WriteInt(node, "durationtime", duration_, true);
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

std::optional<Variant> TAppearanceEffect::ReadDynamicProperty(std::string_view name) {
  if (name == "durationtime") return Variant(duration_);
  if (name == "state") return Variant(state_);
  if (params_ && params_->Contains(name)) return params_->GetNamedValue(name, Variant::Null());
  return TBehaviourWidget::ReadDynamicProperty(name);
}

bool TAppearanceEffect::WriteDynamicProperty(std::string_view name, const Variant& value) {
  if (name == "durationtime") {
    duration_ = value.ToInt(duration_);
    return true;
  }
  if (name == "state") {
    state_ = value.ToInt(state_);
    return true;
  }
  if (params_ && params_->Contains(name)) {
    params_->SetNamedValue(name, value);
    return true;
  }
  return TBehaviourWidget::WriteDynamicProperty(name, value);
}

// ---- TFunctionAppearanceEffect ----

void TFunctionAppearanceEffect::LoadProperties(IHierStorage* node) {
  TAppearanceEffect::LoadProperties(node);
  surface_param_name_ = ReadText(node, "surfaceparamname");
}

void TFunctionAppearanceEffect::SaveProperties(IHierStorage* node) {
  TAppearanceEffect::SaveProperties(node);
  WriteText(node, "surfaceparamname", surface_param_name_, !surface_param_name_.empty());
}

void TFunctionAppearanceEffect::SetEffectSurface(Ref<ISurface> surface) {
  if (!surface_param_name_.empty()) WriteSurfaceProperty(*this, surface_param_name_, std::move(surface));
}

// Property values are plain variants, which cannot carry a picture, so the
// one property that takes a surface is resolved here by its path.
void WriteSurfaceProperty(IWidget& from, std::string_view path, Ref<ISurface> surface) {
  const size_t slash = path.rfind('/');
  const std::string_view widget_path = slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
  const std::string_view property = slash == std::string_view::npos ? path : path.substr(slash + 1);
  if (property != "surface") return;
  Ref<TSurfaceWidget> target = QueryInterface<TSurfaceWidget>(from.FindWidget(widget_path));
  if (target) target->SetSurface(std::move(surface));
}

}  // namespace corvellane
