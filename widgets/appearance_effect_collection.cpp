#include "widgets/appearance_effect_collection.h"

#include "persistence/property_table.h"

namespace corvellane {

const TPropertyTable& TAppearanceEffectCollection::Properties() {
  using W = TAppearanceEffectCollection;
  static const TPropertyTable table =
      TPropertyTableOf<W>(TVisualGroupWidget::Properties())
          .Int("state", &W::GetEffectState, &W::SetEffectState, kEffectNeverStarted)
          .NameOnly();
  return table;
}

void TAppearanceEffectCollection::LoadProperties(IHierStorage* node) {
  TVisualGroupWidget::LoadProperties(node);
  SetVisible(true);
  ForEachChildBackwards([](IWidget& effect) {
    effect.SetVisible(false);
    effect.Pause();
  });
}

bool TAppearanceEffectCollection::HasEffect(std::string_view name) {
  return GetWidgets()->GetWidgetByName(name) != nullptr;
}

void TAppearanceEffectCollection::SetEffectState(int32_t state) {
  if (state == state_) return;
  state_ = state;
  if (state_ != kEffectDone || !current_) return;
  current_->SetVisible(false);
  current_->Pause();
  current_->ReleaseEffectSurface();
  current_ = nullptr;
}

void TAppearanceEffectCollection::StartNamedEffect(std::string_view name, Ref<ISurface> surface,
                                                   IParamCollection* parameters) {
  SetEffectState(kEffectDone);
  current_ = QueryInterface<IAppearanceEffect>(GetWidgets()->GetWidgetByName(name));
  if (!current_) return;
  SetEffectState(kEffectRunning);
  current_->SetVisible(true);
  current_->Resume();
  current_->StartEffect(std::move(surface), parameters);
  // The restart's advance by 0 is no advance of this frame: the effect's
  // first real advance must not be skipped as a second one.
  current_->SetAdvanced(false);
  SetEffectState(current_->GetEffectState());
}

void TAppearanceEffectCollection::Advance(int32_t elapsed_ms) {
  TVisualGroupWidget::Advance(elapsed_ms);
  FollowCurrentEffect();
}

void TAppearanceEffectCollection::FollowCurrentEffect() {
  // Looked at once per advance: an effect that keeps reporting 0 is still
  // running, and is looked at again in the next frame rather than in a
  // loop that nothing inside it could ever leave.
  if (state_ != kEffectRunning) return;
  if (!current_) {
    SetEffectState(kEffectDone);
    return;
  }
  const Variant reported = current_->GetProperty("state");
  SetEffectState(reported.IsEmptyOrNull() ? kEffectDone : reported.ToInt(kEffectDone));
}

void TAppearanceEffectCollection::ClearOwner() {
  current_ = nullptr;
  TVisualGroupWidget::ClearOwner();
}

}  // namespace corvellane
