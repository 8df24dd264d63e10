#include "play/columns_panel_manager.h"

#include <algorithm>
#include <array>

#include "persistence/log.h"
#include "persistence/number_text.h"
#include "play/panel_layout_keys.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

bool TFixedSizeColumnsPanelManager::ReadLayout() {
  const std::array<int32_t*, 8> fields{&interval_, &row_height_, &column_width_, &max_in_column_,
                                       &start_.x,  &start_.y,    &max_columns_,  &add_type_};
  if (!ReadLayoutValues(kNamesLayoutKeys, fields)) return false;
  if (max_in_column_ < 1 || column_width_ < 0 || max_columns_ < 0) {
    LogWarning(panel_->GetPath() +
               ": \"names_max_in_column\" must be above 0 and the column width and count not negative; "
               "the panel shows no items");
    return false;
  }
  const int64_t width = int64_t{max_columns_} * column_width_ + start_.x + 1;
  visible_width_ = static_cast<int32_t>(std::clamp<int64_t>(width, -kMaxPixelCoordinate, kMaxPixelCoordinate));
  return true;
}

TPoint TFixedSizeColumnsPanelManager::SlotPlace(size_t slot) const {
  const int64_t column = static_cast<int64_t>(slot) / max_in_column_;
  const int64_t row = static_cast<int64_t>(slot) % max_in_column_;
  const int64_t x = start_.x + column * (int64_t{column_width_} + interval_);
  const int64_t y = start_.y + row * row_height_;
  return {static_cast<int32_t>(std::clamp<int64_t>(x, -kMaxPixelCoordinate, kMaxPixelCoordinate)),
          static_cast<int32_t>(std::clamp<int64_t>(y, -kMaxPixelCoordinate, kMaxPixelCoordinate))};
}

bool TFixedSizeColumnsPanelManager::Fits(const TPanelItem& item, int32_t x) const {
  return int64_t{x} + column_width_ <= visible_width_;
}

void TFixedSizeColumnsPanelManager::CloseGap(std::vector<TPanelItem>& items, size_t index,
                                             const TPanelItem& removed) const {
  if (index >= items.size()) return;
  if (add_type_ == 0) {
    TPanelItem last = items.back();
    items.pop_back();
    last.place = removed.place;
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(index), std::move(last));
    return;
  }
  for (size_t i = index; i < items.size(); ++i) items[i].place = SlotPlace(i);
}

void TFixedSizeColumnsPanelManager::AddMoveParams(const TPanelItem& item, TPoint from,
                                                  IParamCollection& params) const {
  params.SetNamedValue("startposx", Variant(FormatInt(from.x)));
  params.SetNamedValue("startposy", Variant(FormatInt(from.y)));
  params.SetNamedValue("change_source_place", Variant(from.x != item.place.x ? "yes" : "no"));
}

}  // namespace corvellane
