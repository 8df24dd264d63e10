#include "controls/list_box_control.h"

#include <algorithm>

#include "persistence/localization.h"
#include "controls/role_images.h"
#include "persistence/property_table.h"
#include "widgets/input_messages.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

constexpr int32_t kPageUp = 33;
constexpr int32_t kPageDown = 34;
constexpr int32_t kEnd = 35;
constexpr int32_t kHome = 36;
constexpr int32_t kUp = 38;
constexpr int32_t kDown = 40;

}  // namespace

const TPropertyTable& TListBoxControl::Properties() {
  using W = TListBoxControl;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TControlWidget::Properties())
          .Int("rowheight", &W::row_height_, &W::row_height_, [](W& w) { return w.GetHeight() / 10; }, Table::Always())
          .Color("color", &W::color_, 0, Table::Always())
          .Color("selectedcolor", &W::selected_color_, 0, Table::Always());
  return table;
}

// ---- Attaching ----

void TListBoxControl::SetOwner(IWidgetOwner* owner) {
  TControlWidget::SetOwner(owner);
  template_ = RoleChild(*this, "text");
  background_ = RoleChild(*this, "image_selectedbackground");
  // Both are drawn through the rows only.
  if (template_) template_->SetVisible(false);
  if (background_) background_->SetVisible(false);
  int32_t height = GetHeight();
  content_left_ = content_top_ = 0;
  if (Ref<IWidget> box = RoleChild(*this, "image_contentbox")) {
    content_left_ = RoundToPixel(box->GetLeft());
    content_top_ = RoundToPixel(box->GetTop());
    height = box->GetHeight();
  }
  // A row height of 0 (a list lower than ten pixels without "rowheight")
  // shows no rows at all.
  rows_ = row_height_ > 0 ? std::max(height / row_height_, 0) : 0;
  Refresh();
}

void TListBoxControl::ClearOwner() {
  template_ = nullptr;
  background_ = nullptr;
  TControlWidget::ClearOwner();
}

bool TListBoxControl::IsTabStop() const { return TControlWidget::IsTabStop() && IsVisible() && IsEnabled(); }

// ---- Items ----

std::string TListBoxControl::GetItem(const Variant& key) {
  const std::string* item = items_.GetByKey(key);
  return item ? *item : std::string();
}

bool TListBoxControl::AddItem(std::string_view text, std::string_view key) {
  bool added = true;
  if (key.empty()) items_.AddAutomatic(std::string(text));
  else added = items_.Add(key, std::string(text));
  Refresh();
  return added;
}

void TListBoxControl::DeleteItem(const Variant& key) {
  int32_t index = -1;
  if (key.IsInt()) index = key.ToInt();
  else if (key.IsText()) index = items_.IndexOf(key.ToText());
  if (index < 0 || index >= items_.Count()) return;
  items_.DeleteAt(index);
  // The selection stays on its item, or moves to the next one when its item went.
  if (index < selected_) SetSelected(selected_ - 1);
  else if (index == selected_) SetSelected(std::min(index, items_.Count() - 1));
  Refresh();
}

void TListBoxControl::Clear() {
  items_.Clear();
  top_ = 0;
  selected_ = -1;
  Refresh();
}

void TListBoxControl::SetSelected(int32_t index) {
  const bool valid = (index >= 0 && index < items_.Count()) || (index == -1 && items_.Count() == 0);
  if (!valid) return;
  if (index != selected_) SetChanged(true);
  selected_ = index;
  if (selected_ < 0) return;
  if (selected_ < top_) SetTop(selected_);
  else if (selected_ >= top_ + rows_) SetTop(selected_ - rows_ + 1);
}

int32_t TListBoxControl::GetSelected() const { return selected_ < items_.Count() ? selected_ : -1; }

void TListBoxControl::SetTop(int32_t top) {
  top = std::clamp(top, 0, std::max(items_.Count() - rows_, 0));
  if (top != top_) SetChanged(true);
  top_ = top;
}

void TListBoxControl::Refresh() {
  SetChanged(true);
  SetTop(top_);
  if (Ref<IWidget> up = RoleChild(*this, "button_up")) up->SetEnabled(top_ > 0);
  if (Ref<IWidget> down = RoleChild(*this, "button_down")) down->SetEnabled(top_ + rows_ < items_.Count());
}

// ---- Drawing ----

void TListBoxControl::Draw(ISurface* surface, int32_t x, int32_t y) {
  TControlWidget::Draw(surface, x, y);
  if (!template_ || !surface) return;
  const int32_t last = std::min(top_ + rows_, items_.Count());
  for (int32_t i = top_; i < last; ++i)
    DrawRow(surface, i, SaturatingAdd(x, content_left_), SaturatingAdd(y, content_top_ + (i - top_) * row_height_));
}

void TListBoxControl::DrawRow(ISurface* surface, int32_t index, int32_t x, int32_t y) {
  const bool selected = index == selected_;
  if (selected && background_)
    background_->Draw(surface, SaturatingAdd(x, RoundToPixel(background_->GetAnchorLeft())),
                      SaturatingAdd(y, RoundToPixel(background_->GetAnchorTop())));
  template_->SetProperty("fillcolor", Variant(static_cast<int32_t>(selected ? selected_color_ : color_)));
  template_->SetProperty("text", Variant(LiteralText(*items_.GetAt(index))));
  template_->Draw(surface, x, y);
}

// ---- Mouse ----

std::optional<int32_t> TListBoxControl::ItemAt(TPoint point) {
  const TRect rect = GetRect();
  const int32_t x = point.x - rect.left;
  const int32_t y = point.y - rect.top;
  // The rows' area ends before its bottom edge, like every rectangle.
  if (row_height_ <= 0 || x < content_left_ || y < content_top_ || y >= content_top_ + rows_ * row_height_)
    return std::nullopt;
  const int32_t index = top_ + (y - content_top_) / row_height_;
  if (index >= items_.Count()) return std::nullopt;
  return index;
}

bool TListBoxControl::MouseUp(TPoint point, uint32_t keys, TMouseButton button) {
  const std::optional<int32_t> index = ItemAt(point);
  if (!index) return false;
  Ref<IWidget> keep_alive(static_cast<IWidget*>(this));
  const bool second = *index == last_click_item_ && GetCurrentTime() - last_click_time_ <= kDoubleClickMs;
  last_click_item_ = second ? -1 : *index;
  last_click_time_ = GetCurrentTime();
  SetSelected(*index);
  ReportEvent(kWidgetEventListItemSelected);
  if (second) ReportEvent(kWidgetEventListItemDoubleClicked);
  return true;
}

bool TListBoxControl::MouseDoubleClick(TPoint point, uint32_t keys, TMouseButton button) {
  if (!ItemAt(point)) return false;
  last_click_item_ = -1;
  ReportEvent(kWidgetEventListItemDoubleClicked);
  return true;
}

bool TListBoxControl::MouseWheel(TPoint point, uint32_t keys, int32_t turn) {
  if (turn == 0) return false;
  // At least a row for every turn, however fine the wheel.
  const int32_t rows = turn / kWheelNotch != 0 ? turn / kWheelNotch : (turn > 0 ? 1 : -1);
  SetTop(top_ - rows);
  Refresh();
  return true;
}

// ---- Keys ----

bool TListBoxControl::HandleKey(int32_t message, int32_t key, uint32_t keys) {
  if (!IsFocused() || message != kKeyDown || items_.Count() == 0) return false;
  const int32_t last = items_.Count() - 1;
  const int32_t page = std::max(rows_ - 1, 1);
  switch (key) {
    case kEnd: MoveSelection(last); return true;
    case kHome: MoveSelection(0); return true;
    case kUp: MoveSelection(std::max(selected_ - 1, 0)); return true;
    case kDown: MoveSelection(std::min(selected_ + 1, last)); return true;
    case kPageUp: MoveSelection(std::max(selected_ - page, 0)); return true;
    case kPageDown: MoveSelection(std::min(selected_ + page, last)); return true;
    default: return false;
  }
}

void TListBoxControl::MoveSelection(int32_t to) {
  Ref<IWidget> keep_alive(static_cast<IWidget*>(this));
  const int32_t from = selected_;
  SetSelected(std::clamp(to, 0, items_.Count() - 1));
  Refresh();
  if (selected_ != from) ReportEvent(kWidgetEventListItemSelected);
}

// ---- Scroll buttons ----

void TListBoxControl::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  const std::string name = sender ? sender->GetName() : std::string();
  if (name == "button_up" || name == "button_down") {
    SetTop(top_ + (name == "button_up" ? -1 : 1));
    Refresh();
  } else if (IEventHandler* handler = OwnerEventHandler()) {
    handler->HandleWidgetEvent(sender, code, value);
  }
}

IGameScreenOwner* TListBoxControl::GetScreenOwner() {
  IEventHandler* handler = OwnerEventHandler();
  return handler ? handler->GetScreenOwner() : nullptr;
}

}  // namespace corvellane
