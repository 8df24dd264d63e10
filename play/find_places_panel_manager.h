// find_places_panel_manager.h: TFindPlacesPanelManager
// ("PanelManagerFindPlaces"), the panel of the find-places mode: one row of
// the objects still to place; the player takes one and clicks its place.
//
// Layout: "disposable_interval", "disposable_all_items_max_width",
// "disposable_max_height", "disposable_max_width",
// "disposable_items_add_type", "disposable_items_move_speed"; the row starts
// at (0, 0). Factories "panel_item_disposable_create", "panel_item_move";
// no hide animation. Items catch clicks and can be taken.
//
// Equal objects (the same object to place at several places) share one
// item whose count says how many are left: the item's child "count_text"
// shows it and, with the child "count_bar", is visible only while it is
// above 1.
#pragma once

#include "play/one_row_panel_manager.h"

namespace corvellane {

class TFindPlacesPanelManager : public TOneRowOfVarWidthItemsPanelManager {
 public:
  TFindPlacesPanelManager();

 protected:
  bool ReadLayout() override;
  TPanelItem* EntryToJoin(ISceneObjectDef& object) override { return FindItemByName(object.GetName()); }
  void OnItemAdded(TPanelItem& item) override { ShowCount(item, item.count); }
  void ShowCount(TPanelItem& item, int32_t count) override;
};

}  // namespace corvellane
