#include "play/one_row_panel_manager.h"

#include <algorithm>

#include "widgets/pixel_rounding.h"

namespace corvellane {

bool TOneRowOfVarWidthItemsPanelManager::ReadLayout() {
  const std::array<int32_t*, 6> fields{&interval_, &visible_width_, &max_height_, &max_width_, &add_type_, &move_speed_};
  if (!ReadLayoutValues(layout_.keys, fields) || !CheckBox(max_width_, max_height_)) return false;
  create_factory_ = layout_.create_factory;
  move_factory_ = layout_.move_factory;
  hide_factory_ = layout_.hide_factory;
  start_ = layout_.start;
  return true;
}

void TOneRowOfVarWidthItemsPanelManager::AddPanelItem(ISceneObjectDef* object) {
  if (!object || !layout_ready_) return;
  if (TPanelItem* entry = EntryToJoin(*object)) {
    ShowCount(*entry, ++entry->count);
    return;
  }
  const TPictureFit fit = Fit(*object);
  const TPoint place{NextFreeX(items_), start_.y + fit.drop};
  if (TPanelItem* item = AppendItem(object, create_factory_, place, object->GetWidth(), object->GetHeight(), fit.zoom))
    OnItemAdded(*item);
}

int32_t TOneRowOfVarWidthItemsPanelManager::NextFreeX(const std::vector<TPanelItem>& items) const {
  if (items.empty()) return start_.x;
  int32_t right = start_.x;
  for (const TPanelItem& item : items) right = std::max(right, SaturatingAdd(item.place.x, item.width));
  return SaturatingAdd(right, interval_);
}

int32_t TOneRowOfVarWidthItemsPanelManager::RowTop(int32_t item_height) const {
  const int32_t drop = item_height < max_height_ ? RoundToPixel((max_height_ - item_height) / 2.0) : 0;
  return start_.y + drop;
}

void TOneRowOfVarWidthItemsPanelManager::CloseGap(std::vector<TPanelItem>& items, size_t index,
                                                  const TPanelItem& removed) const {
  if (index >= items.size()) return;
  if (add_type_ == 0) {
    // The last item jumps into the gap and takes the leaver's place in the order.
    TPanelItem last = items.back();
    items.pop_back();
    last.place = {removed.place.x, RowTop(last.height)};
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(index), std::move(last));
    return;
  }
  const int32_t shift = SaturatingAdd(removed.width, interval_);
  for (size_t i = index; i < items.size(); ++i) items[i].place.x -= shift;
}

}  // namespace corvellane
