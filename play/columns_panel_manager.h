// columns_panel_manager.h: TFixedSizeColumnsPanelManager, items of one size
// in columns (hidden names).
//
// Eight layout values, in order: "names_col_interval" (gap between
// columns), "names_row_height", "names_col_width", "names_max_in_column",
// "names_left_shift", "names_top_shift", "names_max_columns_num",
// "names_items_add_type". Item k stands in column k div max_in_column, row
// k mod max_in_column: x = left shift + column * (column width + gap),
// y = top shift + row * row height. The visible width is
// max_columns * column width + left shift + 1; an item is shown when the
// right end of its column lies within it.
//
// When an item leaves, add type 0 puts the last item into its place; any
// other add type moves every following item up one place, from the top of
// a column to the bottom of the one before. An item that changes column
// is moved with "change_source_place" "yes".
#pragma once

#include "play/anim_hide_panel_manager.h"

namespace corvellane {

class TFixedSizeColumnsPanelManager : public TAnimHideDiscoveredPanelManeger {
 protected:
  bool ReadLayout() override;
  void CloseGap(std::vector<TPanelItem>& items, size_t index, const TPanelItem& removed) const override;
  bool Fits(const TPanelItem& item, int32_t x) const override;
  void AddMoveParams(const TPanelItem& item, TPoint from, IParamCollection& params) const override;
  // The place of the k-th item.
  TPoint SlotPlace(size_t slot) const;

  int32_t row_height_ = 0;
  int32_t column_width_ = 0;
  int32_t max_in_column_ = 0;
  int32_t max_columns_ = 0;
};

}  // namespace corvellane
