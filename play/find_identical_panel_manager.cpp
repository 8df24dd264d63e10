#include "play/find_identical_panel_manager.h"

#include <array>
#include <cmath>

#include "play/panel_layout_keys.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

TFindIdenticalPanelManager::TFindIdenticalPanelManager() = default;

bool TFindIdenticalPanelManager::ReadLayout() {
  const std::array<int32_t*, 6> fields{&start_.x, &start_.y, &visible_width_, &max_height_, &max_width_, &interval_};
  if (!ReadLayoutValues(kIdenticalLayoutKeys, fields) || !CheckBox(max_width_, max_height_)) return false;
  add_type_ = 0;
  create_factory_ = "panel_item_place_only_create";
  move_factory_ = "panel_item_move";
  found_next_x_ = start_.x;
  spread_ = false;
  return true;
}

void TFindIdenticalPanelManager::AddPanelItem(ISceneObjectDef* object) {
  if (!object || !layout_ready_) return;
  TPanelItem* pair = FindItemByName(object->GetName());
  if (pair && !pair->second && pair->object.get() != object) {
    pair->second = Ref<ISceneObjectDef>(object);
    pair->count = 2;
    return;
  }
  const TPictureFit fit = Fit(*object);
  TPanelItem* item = AppendItem(object, create_factory_, {start_.x, start_.y + fit.drop}, object->GetWidth(),
                                object->GetHeight(), fit.zoom);
  if (item && item->widget) item->widget->SetVisible(false);
  NarrowToFit();
}

int64_t TFindIdenticalPanelManager::RowWidth() const {
  int64_t width = 0;
  for (const TPanelItem& item : items_) width += item.width;
  return width + static_cast<int64_t>(interval_) * (static_cast<int64_t>(items_.size()) - 1);
}

void TFindIdenticalPanelManager::NarrowToFit() {
  const int64_t excess = static_cast<int64_t>(start_.x) + RowWidth() - visible_width_;
  if (excess <= 0 || items_.size() < 2) return;
  const int64_t gaps = static_cast<int64_t>(items_.size()) - 1;
  interval_ -= static_cast<int32_t>((excess + gaps - 1) / gaps);
}

void TFindIdenticalPanelManager::SpreadOnce() {
  if (spread_ || items_.empty()) return;
  spread_ = true;
  const int64_t free = static_cast<int64_t>(visible_width_) - start_.x - RowWidth();
  if (free <= 0) return;
  const int32_t share =
      RoundToPixel(static_cast<double>(free) / (static_cast<double>(items_.size()) + 1.0));
  interval_ += share;
  if (found_next_x_ == start_.x) found_next_x_ += share;
  start_.x += share;
}

TPoint TFindIdenticalPanelManager::FoundPlace(const TPanelItem& item, int32_t x) const {
  const int32_t drop = item.height < max_height_ ? RoundToPixel((max_height_ - item.height) / 2.0) : 0;
  return {x, start_.y + drop};
}

void TFindIdenticalPanelManager::PrepareFly(ISceneObjectDef* object, int32_t& flight_time, int32_t& x, int32_t& y) {
  TPanelItem* item = FindItem(object);
  if (!item) return;
  SpreadOnce();
  if (item->found) {
    const TPoint target = ToScreen(item->place);
    x = target.x;
    y = target.y;
    return;
  }
  if (item->hide_time < 0) item->hide_time = SaturatingAdd(PanelTime(), std::max(flight_time, 0));
  // After the found pairs come those flying in before this one.
  int32_t place_x = found_next_x_;
  for (const TPanelItem& other : items_)
    if (&other != item && !other.found && other.hide_time >= 0 && other.hide_time < item->hide_time)
      place_x = SaturatingAdd(place_x, SaturatingAdd(other.width, interval_));
  const TPoint target = ToScreen(FoundPlace(*item, place_x));
  x = target.x;
  y = target.y;
}

void TFindIdenticalPanelManager::MarkFound(ISceneObjectDef* object) {
  TPanelItem* item = FindItem(object);
  if (!item || item->found) return;
  item->found = true;
  item->place = FoundPlace(*item, found_next_x_);
  found_next_x_ = SaturatingAdd(found_next_x_, SaturatingAdd(item->width, interval_));
  PlaceWidget(*item);
  if (item->widget) item->widget->SetVisible(true);
}

}  // namespace corvellane
