#include "widgets/appearance_effect_widget.h"

namespace corvellane {

namespace {

constexpr std::string_view kShowEffect = "show_effect";
constexpr std::string_view kHideEffect = "hide_effect";

bool IsShowOrHide(std::string_view name) { return name == kShowEffect || name == kHideEffect; }

}  // namespace

void TAppearanceEffectWidget::LoadProperties(IHierStorage* node) {
  TAbstractEffectWidget::LoadProperties(node);
  target_visible_ = IsVisible();
}

void TAppearanceEffectWidget::SetVisible(bool visible) {
  if (!GetEffects()) {
    SetVisibleAtOnce(visible);
    target_visible_ = visible;
    return;
  }
  // A hide effect still running is finished first (the widget disappears);
  // so is a show effect the widget is to be hidden from, which then leaves
  // the widget visible for its hide effect instead of vanishing at once.
  if (IsApplyingEffect() && (IsVisible() != target_visible_ || visible != target_visible_)) EndEffect();
  if (visible == IsVisible()) return;
  target_visible_ = visible;
  if (visible) SetVisibleAtOnce(true);
  ApplyEffect(visible ? kShowEffect : kHideEffect);
}

void TAppearanceEffectWidget::OnEffectStarted(std::string_view name, bool applying) {
  if (IsShowOrHide(name) && !applying) SetVisibleAtOnce(target_visible_);
}

void TAppearanceEffectWidget::OnEffectFinished(std::string_view name) {
  if (IsShowOrHide(name)) SetVisibleAtOnce(target_visible_);
}

}  // namespace corvellane
