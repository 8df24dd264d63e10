#include "play/fixed_placed_panel_manager.h"

#include <algorithm>

namespace corvellane {

bool TFixedPlacedItemsPanelManager::UseObject(ISceneObjectDef* object) {
  TPanelItem* item = FindItem(object);
  if (!item || item->count <= 0) return false;
  item->count = std::max(item->count - 1, 0);
  return item->count == 0;
}

}  // namespace corvellane
