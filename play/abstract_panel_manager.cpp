#include "play/abstract_panel_manager.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/random_source.h"
#include "persistence/log.h"
#include "persistence/number_text.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

// The later moves start a little apart, so the row does not slide as one.
constexpr uint32_t kMoveDelaySpread = 140;
constexpr int32_t kMoveDelayAfterHide = 200;

bool IsZoomName(std::string_view property) {
  return property == "zoom" || property == "zoomx" || property == "zoomy";
}

}  // namespace

void TAbstractPanelManager::SetupPanel(IGameManagersOwner* owner, int32_t size) {
  ClearPanel();
  Ref<IItemListPanel> panel = owner ? owner->GetPanelWidget() : nullptr;
  if (!panel) {
    LogWarning(GetName() + ": the play screen has no object panel; the panel shows no items");
    return;
  }
  owner_ = owner;
  // The panel owns its manager; a manager set up on a panel that does not
  // hold it yet is handed to it, so the panel's end clears it.
  if (panel->GetPanelManager().get() != static_cast<IPanelManager*>(this))
    panel->SetPanelManager(Ref<IPanelManager>(this));
  panel_ = panel.get();
  SetCapacity(size < 0 ? 20 : size);
  Reset();
  layout_ready_ = ReadLayout();
}

void TAbstractPanelManager::Reset() {
  start_ = {};
  interval_ = visible_width_ = add_type_ = move_speed_ = max_height_ = max_width_ = 0;
  create_factory_.clear();
  move_factory_.clear();
  hide_factory_.clear();
  pending_ = suppress_move_sound_ = layout_ready_ = false;
}

void TAbstractPanelManager::ClearPanel() {
  for (TPanelItem& item : items_)
    if (item.widget) item.widget->SetDead(true);
  items_.clear();
  panel_ = nullptr;
  owner_ = nullptr;
  pending_ = false;
}

void TAbstractPanelManager::ApplyLocation(ISceneObjectLocation* location) {
  if (items_.empty() || !location) return;
  TPanelItem& item = items_.back();
  if (location->GetZoomX() < 0) item.zoom_x = -std::abs(item.zoom_x);
  if (location->GetZoomY() < 0) item.zoom_y = -std::abs(item.zoom_y);
  if (!item.widget) return;
  item.widget->SetProperty("zoomx", Variant(item.zoom_x));
  item.widget->SetProperty("zoomy", Variant(item.zoom_y));
}

void TAbstractPanelManager::SetFlyTarget(ISceneObjectDef* object, IParamCollection* params) {
  TPanelItem* item = FindItem(object);
  if (!item || !params) return;
  const TPoint target = ToScreen(item->place);
  params->SetNamedValue("endposx", Variant(FormatInt(target.x)));
  params->SetNamedValue("endposy", Variant(FormatInt(target.y)));
}

bool TAbstractPanelManager::UseObject(ISceneObjectDef* object) {
  TPanelItem* item = FindItem(object);
  if (!item || item->count <= 0) return false;
  ShowCount(*item, --item->count);
  if (item->count > 0) return false;
  pending_ = true;
  if (AnyBusy()) {
    item->to_hide = true;
  } else {
    StartHide(*item);
  }
  return true;
}

void TAbstractPanelManager::ShowTakenOut(IWidget* item_widget) {
  TPanelItem* item = FindItem(item_widget);
  if (!item) return;
  if (item->count > 1)
    ShowCount(*item, item->count - 1);
  else if (item->widget)
    item->widget->SetVisible(false);
}

bool TAbstractPanelManager::UpdatePanel() {
  if (!pending_) return false;
  if (AnyBusy()) return true;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].hiding) {
      RemoveItem(i);
      return true;
    }
  }
  for (TPanelItem& item : items_) {
    if (item.to_hide) {
      item.to_hide = false;
      StartHide(item);
      return true;
    }
  }
  pending_ = false;
  return false;
}

void TAbstractPanelManager::RemoveItem(size_t index) {
  const TPanelItem removed = items_[index];
  if (removed.widget) removed.widget->SetDead(true);
  std::vector<std::pair<const ISceneObjectDef*, TPoint>> before;
  for (const TPanelItem& item : items_) before.emplace_back(item.object.get(), item.place);
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
  CloseGap(items_, index, removed);

  int32_t delay = hide_factory_.empty() ? 0 : kMoveDelayAfterHide;
  bool moved = false;
  for (TPanelItem& item : items_) {
    auto old = std::find_if(before.begin(), before.end(), [&](const auto& b) { return b.first == item.object.get(); });
    if (old == before.end() || old->second == item.place) continue;
    delay += static_cast<int32_t>(GlobalRandom().Uniform(kMoveDelaySpread));
    AnimateMove(item, old->second, delay);
    moved = true;
  }
  if (moved && !suppress_move_sound_) PlayPanelSound("sound_panel_items_move");
  suppress_move_sound_ = false;
}

void TAbstractPanelManager::AnimateMove(TPanelItem& item, TPoint from, int32_t delay) {
  if (!item.widget) return;
  if (!move_factory_.empty() && owner_) {
    const std::string name = item.widget->GetName();
    Ref<TParamCollection> params = CreateObject<TParamCollection>();
    params->SetNamedValue("name", Variant(name));
    params->SetNamedValue("widgetname", Variant(std::string(kObjectPanelPath) + "/" + name));
    params->SetNamedValue("endposx", Variant(FormatInt(item.place.x)));
    params->SetNamedValue("endposy", Variant(FormatInt(item.place.y)));
    params->SetNamedValue("anim_speed", Variant(FormatInt(move_speed_)));
    params->SetNamedValue("currenttime", Variant(FormatInt(-delay)));
    AddMoveParams(item, from, *params);
    if (Ref<IWidget> move = owner_->CreateScreenWidget(move_factory_, params.get())) {
      owner_->AddToGroup(move, TPlayGroup::Animation);
      return;
    }
  }
  // No animation to wait for: the item is where it belongs at once.
  PlaceWidget(item);
  UpdateShown(item.widget.get(), 0);
  if (item.shown && owner_) owner_->EnableItemObjects(item.widget.get());
}

void TAbstractPanelManager::SetTaken(IWidget* item_widget, bool taken) {
  if (TPanelItem* item = FindItem(item_widget)) item->busy = taken;
}

void TAbstractPanelManager::UpdateShown(IWidget* item_widget, int32_t offset) {
  TPanelItem* item = FindItem(item_widget);
  if (!item) return;
  const int32_t x = item->widget ? RoundToPixel(item->widget->GetAnchorLeft()) : item->place.x;
  item->shown = Fits(*item, SaturatingAdd(x, offset));
}

bool TAbstractPanelManager::Fits(const TPanelItem& item, int32_t x) const {
  return int64_t{x} + item.width + interval_ <= visible_width_;
}

bool TAbstractPanelManager::IsShown(ISceneObjectDef* object) {
  const TPanelItem* item = FindItem(object);
  return item && item->shown;
}

Ref<IWidget> TAbstractPanelManager::GetItemWidget(ISceneObjectDef* object) {
  const TPanelItem* item = FindItem(object);
  return item ? item->widget : nullptr;
}

Ref<ISceneObjectDef> TAbstractPanelManager::GetItemObject(IWidget* item_widget, bool second) {
  const TPanelItem* item = FindItem(item_widget);
  if (!item) return nullptr;
  return second ? item->second : item->object;
}

Variant TAbstractPanelManager::GetItemValue(ISceneObjectDef* object, std::string_view property) {
  const TPanelItem* item = FindItem(object);
  if (item && item->widget) {
    Variant value = item->widget->GetProperty(property);
    if (!value.IsEmptyOrNull()) return value;
  }
  if (!IsZoomName(property)) return Variant(0);
  if (!item) return Variant(1.0);
  return Variant(property == "zoomy" ? item->zoom_y : item->zoom_x);
}

Ref<ISceneObjectDef> TAbstractPanelManager::GetTwin(ISceneObjectDef* object) {
  const TPanelItem* item = FindItem(object);
  if (!item) return nullptr;
  return item->object.get() == object ? item->second : item->object;
}

void TAbstractPanelManager::ShowAll() {
  for (TPanelItem& item : items_) {
    if (!item.shown || item.count <= 0) continue;
    if (item.widget) item.widget->SetVisible(true);
    ShowCount(item, item.count);
  }
}

void TAbstractPanelManager::SetCapacity(int32_t size) {
  items_.reserve(static_cast<size_t>(std::clamp(size, 0, 1000)));
}

void TAbstractPanelManager::PrepareFly(ISceneObjectDef* object, int32_t& flight_time, int32_t& x, int32_t& y) {
  TPanelItem* item = FindItem(object);
  if (!item) return;
  item->hide_time = SaturatingAdd(PanelTime(), SaturatingAdd(std::max(flight_time, 0), HideAfterFlight()));
  int32_t extra = 0;
  const size_t index = static_cast<size_t>(item - items_.data());
  const std::vector<TPanelItem> after = ItemsAfterRemovals(index, item->hide_time, extra);
  TPoint place = item->place;
  for (const TPanelItem& other : after)
    if (other.object == item->object) place = other.place;
  flight_time = SaturatingAdd(flight_time, extra);
  const TPoint target = ToScreen(place);
  x = target.x;
  y = target.y;
}

std::vector<TPanelItem> TAbstractPanelManager::ItemsAfterRemovals(size_t index, int32_t deadline,
                                                                  int32_t& extra_time) const {
  std::vector<TPanelItem> items = items_;
  const ISceneObjectDef* flying = items_[index].object.get();
  // Those already on their way out go first, then the others by hide time.
  std::vector<const TPanelItem*> going;
  for (size_t i = 0; i < items_.size(); ++i) {
    const TPanelItem& other = items_[i];
    if (i == index) continue;
    if (other.hiding || other.to_hide || (other.hide_time >= 0 && other.hide_time < deadline)) going.push_back(&other);
  }
  std::stable_sort(going.begin(), going.end(), [](const TPanelItem* a, const TPanelItem* b) {
    const int32_t ta = a->hiding || a->to_hide ? -1 : a->hide_time;
    const int32_t tb = b->hiding || b->to_hide ? -1 : b->hide_time;
    return ta < tb;
  });
  for (const TPanelItem* other : going) {
    auto at = std::find_if(items.begin(), items.end(), [&](const TPanelItem& i) { return i.object == other->object; });
    auto me = std::find_if(items.begin(), items.end(), [&](const TPanelItem& i) { return i.object.get() == flying; });
    if (at == items.end()) continue;
    if (at < me) extra_time = SaturatingAdd(extra_time, RemovalDelay(*at));
    const TPanelItem removed = *at;
    const size_t at_index = static_cast<size_t>(at - items.begin());
    items.erase(at);
    CloseGap(items, at_index, removed);
  }
  return items;
}

bool TAbstractPanelManager::GetItemInfo(IWidget* item_widget, Ref<ISceneObjectDef>& object, int32_t& count) {
  const TPanelItem* item = FindItem(item_widget);
  if (!item) return false;
  object = item->object;
  count = item->count;
  return item->shown;
}

bool TAbstractPanelManager::ReadLayoutValues(std::span<const std::string_view> keys,
                                             std::span<int32_t* const> fields) {
  for (size_t i = 0; i < keys.size() && i < fields.size(); ++i) {
    const std::optional<int32_t> value = ParseInt(panel_->GetProperty(keys[i]).ToText());
    if (!value) {
      LogWarning(panel_->GetPath() + ": the layout value \"" + std::string(keys[i]) +
                 "\" is missing or not a number; the panel shows no items");
      return false;
    }
    *fields[i] = *value;
  }
  return true;
}

TPanelItem* TAbstractPanelManager::AppendItem(ISceneObjectDef* object, std::string_view factory, TPoint place,
                                              int32_t width, int32_t height, double zoom) {
  if (!layout_ready_ || !panel_ || !object) return nullptr;
  TPanelItem item;
  item.object = Ref<ISceneObjectDef>(object);
  item.place = place;
  item.width = RoundToPixel(width * zoom);
  item.height = RoundToPixel(height * zoom);
  item.zoom_x = item.zoom_y = zoom;
  item.widget = panel_->CreatePanelItem(object->GetName(), object->GetResourceName(), factory, height, width, place.y,
                                        place.x);
  if (item.widget) {
    if (zoom != 1.0) item.widget->SetProperty("zoom", Variant(zoom));
    item.widget->SetMouseStop(items_catch_clicks_);
  } else {
    // The entry still counts, so the level can be won without its picture.
    LogWarning(panel_->GetPath() + ": the factory \"" + std::string(factory) + "\" made no item for \"" +
               object->GetName() + "\"");
  }
  item.shown = Fits(item, place.x);
  items_.push_back(std::move(item));
  return &items_.back();
}

TPanelItem* TAbstractPanelManager::FindItem(const ISceneObjectDef* object) {
  auto found = std::find_if(items_.begin(), items_.end(), [&](const TPanelItem& i) { return i.Holds(object); });
  return found == items_.end() ? nullptr : &*found;
}

TPanelItem* TAbstractPanelManager::FindItem(const IWidget* widget) {
  if (!widget) return nullptr;
  auto found = std::find_if(items_.begin(), items_.end(), [&](const TPanelItem& i) { return i.widget.get() == widget; });
  return found == items_.end() ? nullptr : &*found;
}

TPanelItem* TAbstractPanelManager::FindItemByName(std::string_view object_name) {
  auto found = std::find_if(items_.begin(), items_.end(),
                            [&](const TPanelItem& i) { return i.object && i.object->GetName() == object_name; });
  return found == items_.end() ? nullptr : &*found;
}

void TAbstractPanelManager::PlaceWidget(TPanelItem& item) {
  if (!item.widget) return;
  item.widget->SetAnchorLeft(item.place.x);
  item.widget->SetAnchorTop(item.place.y);
}

int32_t TAbstractPanelManager::PanelTime() { return panel_ ? panel_->GetProperty("currenttime").ToInt(0) : 0; }

TPoint TAbstractPanelManager::ToScreen(TPoint panel_point) {
  if (!panel_) return panel_point;
  // The panel's owner space starts where the screen origin maps to, negated;
  // its children start at its rounded anchor within that space.
  const TPoint origin = panel_->ScreenToLocal({0, 0});
  return {panel_point.x - origin.x + RoundToPixel(panel_->GetAnchorLeft()),
          panel_point.y - origin.y + RoundToPixel(panel_->GetAnchorTop())};
}

ChannelHandle TAbstractPanelManager::PlayPanelSound(std::string_view name) {
  return panel_ ? panel_->PlaySound(name, false, 0, 0) : ChannelHandle{};
}

bool TAbstractPanelManager::AnyBusy() const {
  return std::any_of(items_.begin(), items_.end(), [](const TPanelItem& i) { return i.busy; });
}

}  // namespace corvellane
