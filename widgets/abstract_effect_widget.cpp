#include "widgets/abstract_effect_widget.h"

#include "persistence/object_io.h"
#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

constexpr std::string_view kEffectsElement = "effects";

}  // namespace

TAbstractEffectWidget::~TAbstractEffectWidget() { ReleaseEffects(); }

const TPropertyTable& TAbstractEffectWidget::Properties() {
  using W = TAbstractEffectWidget;
  auto effect_state = [](W& w) { return w.effects_ ? Variant(w.effects_->GetEffectState()) : Variant::Null(); };
  static const TPropertyTable table = TPropertyTableOf<W>(TVisualGroupWidget::Properties())
                                          .Bool("enable_effects", &W::effects_enabled_, true)
                                          .Bool("skip_process_mouse", &W::skip_mouse_, true)
                                          .Computed("applyingeffect", &W::IsApplyingEffect)
                                          .Computed("effect_state", effect_state);
  return table;
}

void TAbstractEffectWidget::ReleaseEffects() {
  if (!effects_) return;
  effects_->ClearOwner();
  effects_->Cleanup();
  effects_ = nullptr;
}

void TAbstractEffectWidget::Cleanup() {
  ReleaseEffects();
  TVisualGroupWidget::Cleanup();
}

void TAbstractEffectWidget::LoadProperties(IHierStorage* node) {
  TVisualGroupWidget::LoadProperties(node);
  ReleaseEffects();
  effects_ = CreateAndLoadChild<TAppearanceEffectCollection>(node, kEffectsElement);
  if (effects_ && GetOwner()) effects_->SetOwner(AsOwner());
}

void TAbstractEffectWidget::SaveProperties(IHierStorage* node) {
  // The effects come before the group's children in the element.
  if (effects_) SaveChild(effects_.get(), node, kEffectsElement);
  TVisualGroupWidget::SaveProperties(node);
}

void TAbstractEffectWidget::SetOwner(IWidgetOwner* owner) {
  TVisualGroupWidget::SetOwner(owner);
  if (effects_) effects_->SetOwner(owner ? AsOwner() : nullptr);
}

void TAbstractEffectWidget::ClearOwner() {
  if (effects_) effects_->ClearOwner();
  TVisualGroupWidget::ClearOwner();
}

// ---- Applying ----

void TAbstractEffectWidget::ApplyEffect(std::string_view name) {
  if (applying_) EndEffect();
  if (effects_enabled_ && effects_ && GetOwner() && effects_->HasEffect(name)) {
    const TRect r = TVisualGroupWidget::GetRect();
    offset_ = {r.left - RoundToPixel(GetAnchorLeft()), r.top - RoundToPixel(GetAnchorTop())};
    Ref<ISurface> picture = GetImage();
    effects_->StartNamedEffect(name, std::move(picture), nullptr);
    applying_ = effects_->GetEffectState() == kEffectRunning;
  }
  if (applying_) {
    SetGeometryChanged();
    SetChanged(true);
    current_effect_name_ = std::string(name);
  }
  OnEffectStarted(name, applying_);
}

void TAbstractEffectWidget::EndEffect() {
  applying_ = false;
  SetGeometryChanged();
  SetChanged(true);
  force_redraw_ = true;
  // An effect cut short would otherwise stay visible in the collection.
  if (effects_ && effects_->GetEffectState() == kEffectRunning) effects_->SetEffectState(kEffectDone);
  const std::string finished = std::exchange(current_effect_name_, std::string());
  OnEffectFinished(finished);
}

// ---- While applying ----

void TAbstractEffectWidget::Advance(int32_t elapsed_ms) {
  if (!applying_) {
    TVisualGroupWidget::Advance(elapsed_ms);
    return;
  }
  SetAdvanced(true);
  effects_->Update(elapsed_ms);
  if (effects_->GetEffectState() != kEffectRunning) EndEffect();
}

TPoint TAbstractEffectWidget::EffectOrigin() const {
  return {SaturatingAdd(RoundToPixel(effects_->GetAnchorLeft()), offset_.x),
          SaturatingAdd(RoundToPixel(effects_->GetAnchorTop()), offset_.y)};
}

void TAbstractEffectWidget::Draw(ISurface* surface, int32_t x, int32_t y) {
  if (!applying_) {
    TVisualGroupWidget::Draw(surface, x, y);
    return;
  }
  const TPoint origin = EffectOrigin();
  effects_->Draw(surface, SaturatingAdd(x, origin.x), SaturatingAdd(y, origin.y));
}

TRect TAbstractEffectWidget::GetRect() {
  if (!applying_) return TVisualGroupWidget::GetRect();
  // The collection's rectangle already holds its own rounded anchor.
  return OffsetRect(effects_->GetRect(), SaturatingAdd(RoundToPixel(GetAnchorLeft()), offset_.x),
                    SaturatingAdd(RoundToPixel(GetAnchorTop()), offset_.y));
}

bool TAbstractEffectWidget::IsMouseStop() const {
  if (applying_ && skip_mouse_) return false;
  return TVisualGroupWidget::IsMouseStop();
}

TPoint TAbstractEffectWidget::ChildScreenToLocal(TPoint screen_point) {
  const TPoint local = TVisualGroupWidget::ChildScreenToLocal(screen_point);
  return applying_ ? OffsetPoint(local, -offset_.x, -offset_.y) : local;
}

void TAbstractEffectWidget::UpdateDirtyRegion(bool force_old, bool force_new) {
  TVisualGroupWidget::UpdateDirtyRegion(force_old, force_new);
  if ((applying_ || force_redraw_) && effects_) {
    effects_->UpdateDirtyRegion(force_old || force_redraw_, force_new || force_redraw_);
    if (effects_->IsInvalidated()) SetInvalidated(true);
  }
  force_redraw_ = false;
}

}  // namespace corvellane
