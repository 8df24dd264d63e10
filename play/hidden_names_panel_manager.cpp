#include "play/hidden_names_panel_manager.h"

#include <algorithm>

#include "persistence/localization.h"
#include "play/count_text.h"

namespace corvellane {

bool THiddenNamesPanelManager::ReadLayout() {
  if (!TFixedSizeColumnsPanelManager::ReadLayout()) return false;
  create_factory_ = "panel_item_name_create";
  move_factory_ = "panel_item_name_move";
  hide_factory_ = "panel_item_hide";
  return true;
}

namespace {

// What decides that two objects share an entry: the caption as shown, or,
// when no language gives it a text, the caption itself, so objects without
// texts do not all fall into one nameless entry.
std::string ShownCaption(const ISceneObjectDef& object) {
  std::string shown = Localize(object.GetCaption());
  return shown.empty() ? object.GetCaption() : shown;
}

}  // namespace

void THiddenNamesPanelManager::AddPanelItem(ISceneObjectDef* object) {
  if (!object || !layout_ready_) return;
  const std::string caption = ShownCaption(*object);
  auto same = std::find_if(items_.begin(), items_.end(), [&](const TPanelItem& item) {
    return item.count > 0 && !item.to_hide && !item.hiding && ShownCaption(*item.object) == caption;
  });
  if (same != items_.end()) {
    if (!same->Holds(object)) same->others.push_back(Ref<ISceneObjectDef>(object));
    ShowCount(*same, ++same->count);
    return;
  }
  TPanelItem* item = AppendItem(object, create_factory_, SlotPlace(items_.size()), column_width_, row_height_, 1.0);
  if (!item) return;
  SetTextStyle(*item, "item_font", "item_color");
  ShowCount(*item, item->count);
}

void THiddenNamesPanelManager::MarkFound(ISceneObjectDef* object) {
  TPanelItem* item = FindItem(object);
  // The entry looks found once the find uses up its last object.
  if (!item || item->count > 1) return;
  item->found = true;
  SetTextStyle(*item, "found_item_font", "found_item_color");
}

void THiddenNamesPanelManager::ShowCount(TPanelItem& item, int32_t count) {
  if (item.widget && count > 0) item.widget->SetProperty("text_utf8", Variant(CountText(item.object->GetCaption(), count)));
}

void THiddenNamesPanelManager::SetTextStyle(TPanelItem& item, std::string_view font_key, std::string_view colour_key) {
  if (!item.widget || !panel_) return;
  const std::string font = panel_->GetProperty(font_key).ToText();
  const std::string colour = panel_->GetProperty(colour_key).ToText();
  if (!font.empty()) item.widget->SetProperty("resourcename", Variant(font));
  if (!colour.empty()) item.widget->SetProperty("fillcolor", Variant(colour));
}

}  // namespace corvellane
