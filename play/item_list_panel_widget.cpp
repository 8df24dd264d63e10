#include "play/item_list_panel_widget.h"

#include "persistence/number_text.h"
#include "persistence/property_table.h"
#include "play/panel_layout_keys.h"

namespace corvellane {

const TPropertyTable& TItemListPanelWidget::Properties() {
  using W = TItemListPanelWidget;
  static const TPropertyTable table = [] {
    TPropertyTableOf<W> rows(TVisualGroupWidget::Properties());
    for (std::span<const std::string_view> keys : kAllPanelKeys)
      for (std::string_view key : keys)
        rows.Text(
            key, [key](W& w) { return w.GetLayoutValue(key); },
            [key](W& w, const std::string& value) { w.SetLayoutValue(key, value); });
    return TPropertyTable(rows);
  }();
  return table;
}

TItemListPanelWidget::~TItemListPanelWidget() {
  if (manager_) manager_->ClearPanel();
}

void TItemListPanelWidget::Cleanup() {
  SetPanelManager(nullptr);
  TVisualGroupWidget::Cleanup();
}

void TItemListPanelWidget::AdvanceChildren(int32_t elapsed_ms) {
  // The manager may finish items; they go in this frame's removal.
  if (Ref<IPanelManager> manager = manager_) manager->UpdatePanel();
  TVisualGroupWidget::AdvanceChildren(elapsed_ms);
}

void TItemListPanelWidget::SetPanelManager(Ref<IPanelManager> manager) {
  if (manager_ == manager) return;
  Ref<IPanelManager> previous = std::exchange(manager_, std::move(manager));
  if (previous) previous->ClearPanel();
}

Ref<IWidget> TItemListPanelWidget::CreatePanelItem(std::string_view name, std::string_view item_source,
                                                   std::string_view factory_name, int32_t height, int32_t width,
                                                   int32_t top, int32_t left) {
  Ref<TParamCollection> params = CreateObject<TParamCollection>();
  params->SetNamedValue("name", Variant(name));
  params->SetNamedValue("item_source", Variant(item_source));
  params->SetNamedValue("left", Variant(FormatInt(left)));
  params->SetNamedValue("top", Variant(FormatInt(top)));
  params->SetNamedValue("width", Variant(FormatInt(width)));
  params->SetNamedValue("height", Variant(FormatInt(height)));
  return CreatePanelWidget(factory_name, params.get());
}

Ref<IWidget> TItemListPanelWidget::CreatePanelWidget(std::string_view factory_name, IParamCollection* params) {
  Ref<IWidget> widget = CreateFromFactory(factory_name, params);
  if (!widget) return nullptr;
  if (Ref<IWidget> same = Children().GetWidgetByName(widget->GetName())) {
    same->SetDead(true);
    Children().RemoveDead();
  }
  Children().Add(widget);
  return widget;
}

std::string TItemListPanelWidget::GetLayoutValue(std::string_view key) const {
  auto found = layout_.find(key);
  return found == layout_.end() ? std::string() : found->second;
}

void TItemListPanelWidget::SetLayoutValue(std::string_view key, std::string_view value) {
  if (value.empty())
    layout_.erase(std::string(key));
  else
    layout_.insert_or_assign(std::string(key), std::string(value));
}

}  // namespace corvellane
