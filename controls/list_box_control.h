// list_box_control.h: TListBoxControl ("ListBoxControl"), a scrolling list
// of texts to choose from.
//
// Children by name: "text" (a text widget, the template every row is drawn
// with), "image_selectedbackground" (drawn behind the selected row),
// "image_contentbox" (its rectangle is the rows' area; without it the whole
// list box) and the scroll buttons "button_up" and "button_down" (buttons
// without an action type; the list box is their event handler). The
// template and the row background are drawn only through the rows.
//
//   <widget type="ListBoxControl" name="listbox_profiles" visible="yes" mousestop="yes"
//           enabled="yes" tabstop="yes" width="320" height="200" rowheight="30"
//           color="$FF4A3A32" selectedcolor="$FFFFFFFF">
//     <widgets>
//       <widget type="image_widget" name="image_contentbox" visible="yes" anchor_left="4"
//               anchor_top="4" resourcename="field" width="290" height="180"/>
//       <widget type="image_widget" name="image_selectedbackground" resourcename="row_lit"/>
//       <widget type="text_widget" name="text" width="280" height="30" resourcename="font_text"
//               drawmode="fillcolor"/>
//       <widget type="ButtonControl" name="button_up" .../>
//       <widget type="ButtonControl" name="button_down" .../>
//     </widgets>
//   </widget>
//
// Rows show the items from "top" on, "rowheight" pixels apart, in "color"
// ("selectedcolor" for the selected one). Items are shown as written, never
// as localisation references. A click on an item selects it and reports
// event 5 (kWidgetEventListItemSelected); a second click on it within
// kDoubleClickMs of the list's time (or a double-click message) reports
// event 6; a click between or below the items selects nothing and reports
// nothing.
// Keys while focused: Up, Down, Home, End, PageUp, PageDown move the
// selection (event 5) and the rows follow it; the wheel and the scroll
// buttons move the rows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "controls/control_widget.h"
#include "controls/list_box_interface.h"
#include "persistence/keyed_collections.h"
#include "widgets/event_handler_interface.h"

namespace corvellane {

inline constexpr int32_t kDoubleClickMs = 500;

class TListBoxControl : public TControlWidget, public virtual IListBoxControl, public virtual IEventHandler {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;
  void Draw(ISurface* surface, int32_t x, int32_t y) override;

  // A tab stop only while visible and enabled.
  bool IsTabStop() const override;
  bool MouseUp(TPoint point, uint32_t keys, TMouseButton button) override;
  bool MouseDoubleClick(TPoint point, uint32_t keys, TMouseButton button) override;
  bool MouseWheel(TPoint point, uint32_t keys, int32_t turn) override;
  bool HandleKey(int32_t message, int32_t key, uint32_t keys) override;

  // ---- IListBoxControl ----
  std::string GetItem(const Variant& key) override;
  bool AddItem(std::string_view text, std::string_view key) override;
  void DeleteItem(const Variant& key) override;
  void Clear() override;
  // The rows follow the selection.
  void SetSelected(int32_t index) override;
  int32_t GetSelected() const override;
  int32_t GetItemCount() const override { return items_.Count(); }

  // ---- The event handler of the scroll buttons ----
  IEventHandler* GetEventHandler() override { return this; }
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;
  IEngine* GetEngine() override { return TControlWidget::GetEngine(); }
  IGameScreenOwner* GetScreenOwner() override;

  int32_t GetTop() const { return top_; }
  // Kept within the items: the last row is never left empty while items
  // lie above the first.
  void SetTop(int32_t top);
  int32_t GetRows() const { return rows_; }

 private:
  // The item under a point of owner space, none between or below the items.
  std::optional<int32_t> ItemAt(TPoint point);
  void DrawRow(ISurface* surface, int32_t index, int32_t x, int32_t y);
  // Redrawn, with the scroll buttons enabled as there is more to see.
  void Refresh();
  void MoveSelection(int32_t to);

  TStringCollection items_;
  int32_t top_ = 0;
  int32_t selected_ = 0;
  int32_t rows_ = 0;
  int32_t content_left_ = 0;
  int32_t content_top_ = 0;
  int32_t row_height_ = 0;
  uint32_t color_ = 0;
  uint32_t selected_color_ = 0;
  Ref<IWidget> template_;
  Ref<IWidget> background_;
  // The item clicked last and when, by the list's clock: the platform
  // reports single clicks only.
  int32_t last_click_item_ = -1;
  int32_t last_click_time_ = 0;
};

}  // namespace corvellane
