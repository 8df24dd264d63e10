// fixed_placed_panel_manager.h: TFixedPlacedItemsPanelManager, a panel
// whose items stand where the mode puts them and never move (hidden parts).
//
// Every item is in view. A find uses one object of its entry, but the item
// stays: what is found builds up in the panel instead of leaving it.
#pragma once

#include "play/abstract_panel_manager.h"

namespace corvellane {

class TFixedPlacedItemsPanelManager : public TAbstractPanelManager {
 public:
  bool UseObject(ISceneObjectDef* object) override;

 protected:
  bool Fits(const TPanelItem& item, int32_t x) const override { return true; }
};

}  // namespace corvellane
