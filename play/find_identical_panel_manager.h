// find_identical_panel_manager.h: TFindIdenticalPanelManager
// ("PanelManagerFindIdentical"), the panel of the find-identical mode: the
// pairs the player has found, side by side.
//
// Layout: "identical_left_coord", "identical_top_coord",
// "identical_all_items_max_width", "identical_max_height",
// "identical_max_width", "identical_items_interval"; add type 0. Factories
// "panel_item_place_only_create", "panel_item_move"; no hide animation.
//
// An entry is a pair: the object of the left half, and its twin (the
// object of the same name) from the right half, which joins the entry
// instead of making an item; the entry then stands for two objects, and
// finding the pair uses one, so the found pair stays in the panel. Items
// wait hidden at the row's start; the row of all pairs is kept within the
// visible width by narrowing the gap. A found pair flies to the next place
// of the found row, which the first flight spreads over the visible width
// when the pairs leave room; the item moves there and shows.
#pragma once

#include "play/zoom_items_panel_manager.h"

namespace corvellane {

class TFindIdenticalPanelManager : public TZoomItemsPanelManager {
 public:
  TFindIdenticalPanelManager();
  void AddPanelItem(ISceneObjectDef* object) override;
  void MarkFound(ISceneObjectDef* object) override;
  void PrepareFly(ISceneObjectDef* object, int32_t& flight_time, int32_t& x, int32_t& y) override;

 protected:
  bool ReadLayout() override;
  // Every pair fits by construction.
  bool Fits(const TPanelItem& item, int32_t x) const override { return true; }

 private:
  // The width of the row of all pairs with the current gap.
  int64_t RowWidth() const;
  void NarrowToFit();
  void SpreadOnce();
  TPoint FoundPlace(const TPanelItem& item, int32_t x) const;

  int32_t found_next_x_ = 0;
  bool spread_ = false;
};

}  // namespace corvellane
