// appearance_effect_collection.h: TAppearanceEffectCollection
// ("appearance_effects"), the named effects of one effect widget and the one
// running now.
//
// A visual group whose children are effects filed under their names; only
// the running effect is visible and advancing, the others wait hidden and
// paused. It is the "effects" element of an effect widget:
//
//   <effects>
//     <widgets>
//       <widget type="func_appearance_effect" name="show_effect" durationtime="300"> ... </widget>
//       <widget type="func_appearance_effect" name="hide_effect" durationtime="200"> ... </widget>
//     </widgets>
//   </effects>
//
//   effects->StartNamedEffect("show_effect", picture, nullptr);
//   effects->Update(16);
//   if (effects->GetEffectState() != kEffectRunning) ...   // over
//
// States: -1 never started, 0 an effect runs, 1 idle or finished. A running
// effect ends when its "state" property reads anything but 0 (null or empty
// count as finished); ending hides, pauses and forgets it, and the effect
// lets go of its picture.
#pragma once

#include <cstdint>
#include <string_view>

#include "widgets/appearance_effect.h"
#include "widgets/visual_group_widget.h"

namespace corvellane {

struct IAppearanceEffects : virtual IWidget {
  virtual bool HasEffect(std::string_view name) = 0;
  // Stops the running effect, then starts the named one (when it is an effect).
  virtual void StartNamedEffect(std::string_view name, Ref<ISurface> surface, IParamCollection* parameters) = 0;
  virtual int32_t GetEffectState() const = 0;
  virtual void SetEffectState(int32_t state) = 0;
};

class TAppearanceEffectCollection : public TVisualGroupWidget, public virtual IAppearanceEffects {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  // Whatever the data says, the collection itself is visible and its
  // effects hidden and paused until started.
  void LoadProperties(IHierStorage* node) override;

  bool HasEffect(std::string_view name) override;
  void StartNamedEffect(std::string_view name, Ref<ISurface> surface, IParamCollection* parameters) override;
  int32_t GetEffectState() const override { return state_; }
  void SetEffectState(int32_t state) override;

  void Advance(int32_t elapsed_ms) override;
  void ClearOwner() override;

  const Ref<IAppearanceEffect>& GetCurrentEffect() const { return current_; }

 private:
  // Adopts the running effect's "state" once per advance.
  void FollowCurrentEffect();

  int32_t state_ = kEffectNeverStarted;
  Ref<IAppearanceEffect> current_;
};

}  // namespace corvellane
