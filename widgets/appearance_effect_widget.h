// appearance_effect_widget.h: TAppearanceEffectWidget
// ("appearance_effect_widget"), a group that plays "show_effect" when it is
// shown and "hide_effect" when it is hidden.
//
// Every game screen's window is one, so screens fade or fly in and out:
//
//   <widget type="appearance_effect_widget" name="window">
//     <effects><widgets>
//       <widget type="func_appearance_effect" name="show_effect" durationtime="300"
//               surfaceparamname="picture/surface">
//         <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets>
//       </widget>
//     </widgets></effects>
//     <widgets> ... </widgets>
//   </widget>
//
//   window->SetVisible(true);    // visible at once, the show effect drawn in its place
//   window->SetVisible(false);   // stays visible until the hide effect is over
//
// Without the named effect (or with effects disabled, or while detached) the
// change is immediate. Showing the widget again while its hide effect runs
// ends the hide first, then starts the show effect.
#pragma once

#include <string_view>

#include "widgets/abstract_effect_widget.h"

namespace corvellane {

class TAppearanceEffectWidget : public TAbstractEffectWidget {
 public:
  void LoadProperties(IHierStorage* node) override;

  void SetVisible(bool visible) override;
  // Changes the visibility without any effect.
  void SetVisibleAtOnce(bool visible) { TAbstractEffectWidget::SetVisible(visible); }
  // The visibility the widget has once the running show or hide effect is over.
  bool GetTargetVisibility() const { return target_visible_; }

 protected:
  void OnEffectStarted(std::string_view name, bool applying) override;
  void OnEffectFinished(std::string_view name) override;

 private:
  bool target_visible_ = false;
};

}  // namespace corvellane
