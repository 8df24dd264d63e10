#include "play/hidden_shapes_panel_manager.h"

#include <algorithm>

#include "play/panel_layout_keys.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

THiddenShapesPanelManager::THiddenShapesPanelManager()
    : TOneRowOfVarWidthItemsPanelManager(
          {kShapesLayoutKeys, "panel_item_shape_create", "panel_item_move", "panel_item_hide", {1, 1}}) {}

void THiddenShapesPanelManager::MarkFound(ISceneObjectDef* object) {
  TPanelItem* item = FindItem(object);
  if (!item || !item->widget) return;
  item->found = true;
  item->widget->SetProperty("drawmode", Variant(0));
  item->widget->SetProperty("need_to_repaint", Variant(true));
  item->widget->SetChanged(true);
}

int32_t THiddenShapesPanelManager::RemovalDelay(const TPanelItem& removed) const {
  const int64_t delay = (int64_t{removed.width} + interval_) * move_speed_;
  return static_cast<int32_t>(std::clamp<int64_t>(delay, 0, kMaxPixelCoordinate));
}

}  // namespace corvellane
