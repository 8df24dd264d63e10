// one_row_panel_manager.h: TOneRowOfVarWidthItemsPanelManager, one row of
// pictures of varying width (hidden shapes, find places).
//
// Six layout values, in order (the mode names them, panel_layout_keys.h):
// gap between items, visible width, largest item height and width, add
// type, move speed (ms per pixel). A new item goes at the next free x (the
// row's right end plus the gap) and the row's top, its picture scaled into
// the box (zoom_items_panel_manager.h); it is shown when the row still ends
// within the visible width after it.
//
// When an item leaves, add type 0 puts the last item into its place; any
// other add type slides every following item left by the leaver's width
// plus the gap.
#pragma once

#include <array>
#include <string_view>

#include "play/zoom_items_panel_manager.h"

namespace corvellane {

class TOneRowOfVarWidthItemsPanelManager : public TZoomItemsPanelManager {
 public:
  void AddPanelItem(ISceneObjectDef* object) override;

 protected:
  struct TRowLayout {
    std::array<std::string_view, 6> keys;
    std::string_view create_factory;
    std::string_view move_factory;
    std::string_view hide_factory;
    TPoint start;
  };
  explicit TOneRowOfVarWidthItemsPanelManager(const TRowLayout& layout) : layout_(layout) {}

  bool ReadLayout() override;
  void CloseGap(std::vector<TPanelItem>& items, size_t index, const TPanelItem& removed) const override;
  // An entry the object joins instead of a new item (find places); none here.
  virtual TPanelItem* EntryToJoin(ISceneObjectDef& object) { return nullptr; }
  // The item was made.
  virtual void OnItemAdded(TPanelItem& item) {}
  int32_t NextFreeX(const std::vector<TPanelItem>& items) const;

 private:
  // Where a picture of that height stands in the row.
  int32_t RowTop(int32_t item_height) const;

  TRowLayout layout_;
};

}  // namespace corvellane
