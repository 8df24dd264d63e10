// hidden_shapes_panel_manager.h: THiddenShapesPanelManager
// ("PanelManagerHiddenShapes"), the panel of the hidden-shapes mode: one row
// of the targets' pictures, drawn as shapes until found.
//
// Layout: "shapes_interval", "shapes_all_items_max_width",
// "shapes_max_height", "shapes_max_width", "shapes_items_add_type",
// "shapes_items_move_speed"; the row starts at (1, 1). Factories
// "panel_item_shape_create", "panel_item_move", "panel_item_hide".
//
// A find draws the item in colour (its "drawmode" becomes 0 and it is
// repainted). A found object flies to where its item will be once the
// items that go before it arrives have gone; each of those that stood
// before it makes the flight longer by the time the item takes to slide
// past it (its width plus the gap, times the move speed). The item goes
// 200 ms after the object arrives.
#pragma once

#include "play/one_row_panel_manager.h"

namespace corvellane {

class THiddenShapesPanelManager : public TOneRowOfVarWidthItemsPanelManager {
 public:
  THiddenShapesPanelManager();
  void MarkFound(ISceneObjectDef* object) override;

 protected:
  int32_t RemovalDelay(const TPanelItem& removed) const override;
  int32_t HideAfterFlight() const override { return 200; }
};

}  // namespace corvellane
