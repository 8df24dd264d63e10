// hidden_names_panel_manager.h: THiddenNamesPanelManager
// ("PanelManagerHiddenNames"), the panel of the hidden-names mode: the
// names of the targets in columns (columns_panel_manager.h).
//
// Factories "panel_item_name_create", "panel_item_name_move",
// "panel_item_hide". Objects whose localised captions are equal share one
// entry; its text ("text_utf8") is the count text (count_text.h). The
// panel's "item_font" and "item_color" give the text's font
// ("resourcename") and colour ("fillcolor"); when the entry's last object
// is found, "found_item_font" and "found_item_color".
#pragma once

#include "play/columns_panel_manager.h"

namespace corvellane {

class THiddenNamesPanelManager : public TFixedSizeColumnsPanelManager {
 public:
  void AddPanelItem(ISceneObjectDef* object) override;
  void MarkFound(ISceneObjectDef* object) override;

 protected:
  bool ReadLayout() override;
  void ShowCount(TPanelItem& item, int32_t count) override;

 private:
  void SetTextStyle(TPanelItem& item, std::string_view font_key, std::string_view colour_key);
};

}  // namespace corvellane
