// anim_hide_panel_manager.h: TAnimHideDiscoveredPanelManeger, a panel whose
// used-up items play a hide animation before they go.
//
// Starting the hide of an item makes a widget of the mode's hide factory
// ("panel_item_hide") with "name" (the item's), "x", "y" (its place) and
// "hide_time" 200, whose "surface" is the item's picture. It takes the
// item's place in the panel (the panel replaces a child of the same name),
// "sound_panel_item_hide" plays, and the item is removed at the next panel
// step, the gap closing 200 ms later, when the animation is over. Without a
// hide factory the item simply goes at the next step.
#pragma once

#include "play/abstract_panel_manager.h"

namespace corvellane {

class TAnimHideDiscoveredPanelManeger : public TAbstractPanelManager {
 protected:
  void StartHide(TPanelItem& item) override;
};

}  // namespace corvellane
