#include "controls/edit_control.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "persistence/localization.h"
#include "controls/role_images.h"
#include "controls/unicode_text.h"
#include "persistence/property_table.h"
#include "widgets/event_handler_interface.h"
#include "widgets/input_messages.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

constexpr int32_t kBackspace = 8;
constexpr int32_t kEnd = 35;
constexpr int32_t kHome = 36;
constexpr int32_t kLeft = 37;
constexpr int32_t kRight = 39;
constexpr int32_t kDelete = 46;
constexpr int32_t kSelectAll = 'A';

}  // namespace

// ---- Properties ----

const TPropertyTable& TEditControl::Properties() {
  using W = TEditControl;
  using Table = TPropertyTableOf<W>;
  auto get = [](W& w) { return Variant(w.GetValue()); };
  auto set = [](W& w, const Variant& v) {
    w.SetValueText(v.ToText());
    return true;
  };
  static const TPropertyTable table =
      Table(TControlWidget::Properties())
          .Custom(
              "value", get, set,
              [](W& w, IHierStorage* node) {
                w.value_ = DecodeUtf8(ReadDisplayText(node, "value"));
                w.cursor_ = w.anchor_ = static_cast<int32_t>(w.value_.size());
              },
              [](W& w, IHierStorage* node) { WriteText(node, "value", w.GetValue(), !w.value_.empty()); })
          .Custom("text_utf8", get, set, nullptr, nullptr)
          .Int("max", &W::max_length_, 255)
          .Bool("capitalize", &W::capitalize_, false);
  return table;
}

void TEditControl::SaveProperties(IHierStorage* node) {
  RestoreCaret();
  TControlWidget::SaveProperties(node);
  RefreshDisplay();
}

// ---- Attaching ----

void TEditControl::SetOwner(IWidgetOwner* owner) {
  TControlWidget::SetOwner(owner);
  text_ = QueryInterface<ITextWidget>(RoleChild(*this, "text"));
  caret_ = RoleChild(*this, "cursor");
  selection_ = RoleChild(*this, "selection");
  caret_offset_ = {};
  if (text_ && caret_)
    caret_offset_ = {RoundToPixel(text_->GetAnchorLeft() - caret_->GetAnchorLeft()),
                     RoundToPixel(text_->GetAnchorTop() - caret_->GetAnchorTop())};
  RefreshDisplay();
}

void TEditControl::ClearOwner() {
  // Attached again, the caret's offset is taken from where the data put it.
  RestoreCaret();
  text_ = nullptr;
  caret_ = nullptr;
  selection_ = nullptr;
  TControlWidget::ClearOwner();
}

void TEditControl::RestoreCaret() {
  if (!text_ || !caret_) return;
  caret_->SetAnchorLeft(text_->GetAnchorLeft() - caret_offset_.x);
  caret_->SetAnchorTop(text_->GetAnchorTop() - caret_offset_.y);
}

// ---- Focus ----

bool TEditControl::IsTabStop() const { return TControlWidget::IsTabStop() && IsVisible() && IsEnabled(); }

void TEditControl::FocusGained() {
  TControlWidget::FocusGained();
  RefreshDisplay();
}

void TEditControl::FocusLost() {
  TControlWidget::FocusLost();
  RefreshDisplay();
}

void TEditControl::CaptureLost() {
  TControlWidget::CaptureLost();
  RefreshDisplay();
}

// ---- The value ----

std::string TEditControl::GetValue() const { return EncodeUtf8(value_); }

void TEditControl::SetValueText(std::string_view utf8) { SetValue(DecodeUtf8(utf8)); }

void TEditControl::SetValue(std::u32string value) {
  value_ = std::move(value);
  if (static_cast<int32_t>(value_.size()) < cursor_) cursor_ = 0;
  anchor_ = cursor_;
  RefreshDisplay();
}

// ---- Keys ----

bool TEditControl::HandleKey(int32_t message, int32_t key, uint32_t keys) {
  if (!IsFocused()) return TControlWidget::HandleKey(message, key, keys);
  if (message == kKeyDown && HandleKeyDown(key, keys)) return true;
  if (message != kKeyChar) return TControlWidget::HandleKey(message, key, keys);
  // The screen may close on what was typed.
  Ref<IWidget> keep_alive(static_cast<IWidget*>(this));
  HandleCharacter(static_cast<char32_t>(key));
  ReportEvent(kWidgetEventCharTyped);
  return true;
}

bool TEditControl::HandleKeyDown(int32_t key, uint32_t keys) {
  const bool extend = (keys & kKeyFlagShift) != 0;
  const int32_t length = static_cast<int32_t>(value_.size());
  const bool selected = cursor_ != anchor_;
  switch (key) {
    case kEnd: MoveCursor(length, extend); return true;
    case kHome: MoveCursor(0, extend); return true;
    case kLeft: MoveCursor(selected && !extend ? SelectionStart() : std::max(cursor_ - 1, 0), extend); return true;
    case kRight:
      MoveCursor(selected && !extend ? SelectionEnd() : std::min(cursor_ + 1, length), extend);
      return true;
    case kBackspace:
    case kDelete: {
      Ref<IWidget> keep_alive(static_cast<IWidget*>(this));
      Erase(key == kDelete ? 1 : -1);
      ReportEvent(kWidgetEventCharTyped);
      return true;
    }
    case kSelectAll:
      if ((keys & kKeyFlagControl) == 0) return false;
      anchor_ = 0;
      cursor_ = length;
      RefreshDisplay();
      return true;
    default: return false;
  }
}

void TEditControl::HandleCharacter(char32_t code) {
  if (code == static_cast<char32_t>(kBackspace)) Erase(-1);
  else if (IsTypeable(code)) Insert(code);
}

void TEditControl::MoveCursor(int32_t to, bool extend) {
  cursor_ = to;
  if (!extend) anchor_ = to;
  RefreshDisplay();
}

bool TEditControl::DeleteSelection() {
  if (cursor_ == anchor_) return false;
  const int32_t start = SelectionStart();
  value_.erase(size_t(start), size_t(SelectionEnd() - start));
  cursor_ = anchor_ = start;
  return true;
}

void TEditControl::Erase(int direction) {
  if (!DeleteSelection()) {
    if (direction < 0 && cursor_ > 0) value_.erase(size_t(--cursor_), 1);
    if (direction > 0 && cursor_ < static_cast<int32_t>(value_.size())) value_.erase(size_t(cursor_), 1);
    anchor_ = cursor_;
  }
  RefreshDisplay();
}

void TEditControl::Insert(char32_t code) {
  DeleteSelection();
  if (static_cast<int32_t>(value_.size()) < max_length_) {
    value_.insert(size_t(cursor_), 1, capitalize_ ? UpperCase(code) : code);
    anchor_ = ++cursor_;
  }
  RefreshDisplay();
}

// ---- Mouse ----

bool TEditControl::MouseDown(TPoint point, uint32_t keys, TMouseButton button) {
  TControlWidget::MouseDown(point, keys, button);
  if (button != TMouseButton::kLeft || !IsEnabled()) return false;
  MoveCursor(NearestGap(point.x - GetRect().left), false);
  return true;
}

int32_t TEditControl::NearestGap(int32_t x) {
  int32_t nearest = 0;
  for (int32_t i = 1; i <= static_cast<int32_t>(value_.size()); ++i)
    if (std::abs(GapX(i) - x) < std::abs(GapX(nearest) - x)) nearest = i;
  return nearest;
}

// ---- Display ----

int32_t TEditControl::GapX(int32_t index) {
  if (!text_) return 0;
  if (index > 0)
    if (std::optional<TRect> character = text_->GetCharRect(index)) return character->right;
  int32_t x = static_cast<int32_t>(text_->GetAnchorLeft());
  const std::string align = text_->GetProperty("textalign").ToText();
  const int32_t slack = text_->GetWidth() - text_->GetTextWidth(EncodeUtf8(value_));
  if (align == "center") x += slack / 2;
  if (align == "right") x += slack;
  return x + text_->GetTextWidth(EncodeUtf8(std::u32string_view(value_).substr(0, size_t(index))));
}

void TEditControl::RefreshDisplay() {
  if (!text_) return;
  cursor_ = std::clamp(cursor_, 0, static_cast<int32_t>(value_.size()));
  anchor_ = std::clamp(anchor_, 0, static_cast<int32_t>(value_.size()));
  text_->SetProperty("text", Variant(LiteralText(GetValue())));
  PlaceCaret();
  PlaceSelection();
}

void TEditControl::PlaceCaret() {
  if (!caret_) return;
  caret_->SetVisible(IsFocused());
  caret_->SetAnchorLeft(GapX(cursor_) - caret_offset_.x);
  if (cursor_ > 0)
    if (std::optional<TRect> character = text_->GetCharRect(cursor_))
      caret_->SetAnchorTop(character->top - caret_offset_.y);
}

void TEditControl::PlaceSelection() {
  if (!selection_) return;
  const bool shown = IsFocused() && cursor_ != anchor_;
  selection_->SetVisible(shown);
  if (!shown) return;
  const int32_t left = GapX(SelectionStart());
  selection_->SetAnchorLeft(left);
  selection_->SetProperty("width", Variant(GapX(SelectionEnd()) - left));
}

}  // namespace corvellane
