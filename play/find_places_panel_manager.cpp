#include "play/find_places_panel_manager.h"

#include "persistence/number_text.h"
#include "play/panel_layout_keys.h"

namespace corvellane {

TFindPlacesPanelManager::TFindPlacesPanelManager()
    : TOneRowOfVarWidthItemsPanelManager(
          {kDisposableLayoutKeys, "panel_item_disposable_create", "panel_item_move", "", {0, 0}}) {}

bool TFindPlacesPanelManager::ReadLayout() {
  items_catch_clicks_ = items_can_be_taken_ = true;
  return TOneRowOfVarWidthItemsPanelManager::ReadLayout();
}

void TFindPlacesPanelManager::ShowCount(TPanelItem& item, int32_t count) {
  if (!item.widget) return;
  item.widget->SetProperty("count_text/text_utf8", Variant(FormatInt(count)));
  item.widget->SetProperty("count_text/visible", Variant(count > 1));
  item.widget->SetProperty("count_bar/visible", Variant(count > 1));
}

}  // namespace corvellane
