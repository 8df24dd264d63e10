// abstract_effect_widget.h: TAbstractEffectWidget, a group that can play a
// named effect over a picture of itself.
//
// Applying an effect takes a picture of the group (GetImage), hands it to
// the named effect of its "effects" collection and, while the effect runs,
// the group is frozen: its own clock, function and children stand still and
// the effect is drawn, sized and hit-tested in its place. When the effect's
// state leaves 0 the group comes back and the effect's area is redrawn once
// more.
//
//   <widget type="appearance_effect_widget" name="window" enable_effects="yes"
//           skip_process_mouse="yes">
//     <effects> ... </effects>          (appearance_effect_collection.h)
//     <widgets> ... </widgets>
//   </widget>
//
//   widget->ApplyEffect("zoom_effect");
//   widget->GetProperty("applyingeffect");   // true while it runs
//   widget->GetProperty("effect_state");     // the collection's state (read only)
//
// The picture is placed where the group's visible children were: its corner
// keeps a whole-pixel offset from the group's rounded anchor, the same for
// drawing, the rectangle, hit-testing and mapping points into the effect.
// Subclasses react through OnEffectStarted / OnEffectFinished.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "widgets/appearance_effect_collection.h"
#include "widgets/visual_group_widget.h"

namespace corvellane {

class TAbstractEffectWidget : public TVisualGroupWidget {
 public:
  ~TAbstractEffectWidget() override;

  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Cleanup() override;
  // The "effects" element; it is saved before the group's children.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;

  // Ends a running effect first; without effects, owner or an effect of
  // that name nothing starts (OnEffectStarted still hears of it).
  void ApplyEffect(std::string_view name);
  void EndEffect();
  bool IsApplyingEffect() const { return applying_; }
  const std::string& GetCurrentEffectName() const { return current_effect_name_; }
  const Ref<TAppearanceEffectCollection>& GetEffects() const { return effects_; }

  // While an effect runs these are the effect's; otherwise the group's.
  void Advance(int32_t elapsed_ms) override;
  void Draw(ISurface* surface, int32_t x, int32_t y) override;
  TRect GetRect() override;
  bool IsMouseStop() const override;
  TPoint ChildScreenToLocal(TPoint screen_point) override;
  void UpdateDirtyRegion(bool force_old, bool force_new) override;

 protected:
  virtual void OnEffectStarted(std::string_view name, bool applying) {}
  virtual void OnEffectFinished(std::string_view name) {}

 private:
  void ReleaseEffects();
  // The effect's corner on the target: the collection's rounded anchor plus
  // the picture's offset from this widget's rounded anchor.
  TPoint EffectOrigin() const;

  Ref<TAppearanceEffectCollection> effects_;
  std::string current_effect_name_;
  bool applying_ = false;
  TPoint offset_;
  bool effects_enabled_ = true;
  bool skip_mouse_ = true;
  bool force_redraw_ = false;
};

}  // namespace corvellane
