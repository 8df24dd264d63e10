// item_list_panel_widget.h: TItemListPanelWidget ("obj_list_panel"), the
// object panel below the scene: a group whose children are the items of
// its panel manager (panel_manager_interface.h).
//
//   <widget type="obj_list_panel" name="ui_obj_list_panel" visible="yes" mousestop="no"
//           shapes_interval="12" shapes_all_items_max_width="900" ...>
//     <widgetfactories> panel_item_shape_create, panel_item_hide ... </widgetfactories>
//   </widget>
//
//   panel->SetPanelManager(manager);        // the panel owns it
//   Ref<IWidget> item = panel->CreatePanelItem("vase", "img_vase", "panel_item_shape_create", 96, 64, 1, 1);
//
// Every frame the manager takes its step (UpdatePanel) before the items are
// advanced. The layout values of every mode (panel_layout_keys.h) are
// properties of the panel, kept as the data gives them: the manager reads
// the ones of its mode and reports those that are missing or no numbers.
// CreatePanelWidget makes a widget of the panel's factory (its own first,
// then the screen's) and puts it in place of a child of the same name,
// which is marked finished and removed.
//
// Letting the panel go (Cleanup, or its end) or giving it another manager
// clears the manager it had (ClearPanel): no manager is left pointing at a
// panel that is gone.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "play/panel_manager_interface.h"
#include "widgets/visual_group_widget.h"

namespace corvellane {

class TItemListPanelWidget : public TVisualGroupWidget, public virtual IItemListPanel {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  ~TItemListPanelWidget() override;
  void Cleanup() override;
  void AdvanceChildren(int32_t elapsed_ms) override;

  void SetPanelManager(Ref<IPanelManager> manager) override;
  Ref<IPanelManager> GetPanelManager() override { return manager_; }
  Ref<IWidget> CreatePanelItem(std::string_view name, std::string_view item_source, std::string_view factory_name,
                               int32_t height, int32_t width, int32_t top, int32_t left) override;
  Ref<IWidget> CreatePanelWidget(std::string_view factory_name, IParamCollection* params) override;

  // A layout value as the data gave it; empty when it gave none.
  std::string GetLayoutValue(std::string_view key) const;
  void SetLayoutValue(std::string_view key, std::string_view value);

 private:
  Ref<IPanelManager> manager_;
  std::map<std::string, std::string, std::less<>> layout_;
};

}  // namespace corvellane
