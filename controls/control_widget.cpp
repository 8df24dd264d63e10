#include "controls/control_widget.h"

#include <algorithm>
#include <optional>

#include "engine/engine_interface.h"
#include "persistence/property_table.h"
#include "widgets/event_handler_interface.h"
#include "widgets/input_messages.h"
#include "widgets/pixel_rounding.h"
#include "widgets/single_widget.h"
#include "widgets/window_interface.h"

namespace corvellane {

namespace {

int32_t ClampSide(int32_t side) { return std::clamp(side, 0, kMaxWidgetSide); }

enum class MouseAction { kMove, kDown, kUp, kDoubleClick, kWheel };

struct MouseMessage {
  MouseAction action;
  TMouseButton button;
};

std::optional<MouseMessage> DecodeMouseMessage(int32_t message) {
  switch (message) {
    case kMouseMove: return MouseMessage{MouseAction::kMove, TMouseButton::kLeft};
    case kMouseLeftDown: return MouseMessage{MouseAction::kDown, TMouseButton::kLeft};
    case kMouseLeftUp: return MouseMessage{MouseAction::kUp, TMouseButton::kLeft};
    case kMouseLeftDoubleClick: return MouseMessage{MouseAction::kDoubleClick, TMouseButton::kLeft};
    case kMouseRightDown: return MouseMessage{MouseAction::kDown, TMouseButton::kRight};
    case kMouseRightUp: return MouseMessage{MouseAction::kUp, TMouseButton::kRight};
    case kMouseRightDoubleClick: return MouseMessage{MouseAction::kDoubleClick, TMouseButton::kRight};
    case kMouseMiddleDown: return MouseMessage{MouseAction::kDown, TMouseButton::kMiddle};
    case kMouseMiddleUp: return MouseMessage{MouseAction::kUp, TMouseButton::kMiddle};
    case kMouseMiddleDoubleClick: return MouseMessage{MouseAction::kDoubleClick, TMouseButton::kMiddle};
    case kMouseWheel: return MouseMessage{MouseAction::kWheel, TMouseButton::kMiddle};
    default: return std::nullopt;
  }
}

}  // namespace

// ---- Persistence and properties ----

const TPropertyTable& TControlWidget::Properties() {
  using W = TControlWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table = Table(TVisualGroupWidget::Properties())
                                          .Int("width", &W::GetWidth, &W::SetWidth, 0, Table::Always())
                                          .ReadOnly()
                                          .Int("height", &W::GetHeight, &W::SetHeight, 0, Table::Always())
                                          .ReadOnly()
                                          .Bool("enabled", &W::IsEnabled, &W::SetEnabled, false)
                                          .Bool("tabstop", &W::IsTabStop, &W::SetTabStop, false)
                                          .Text("maskwidget", &W::GetMaskWidget, &W::SetMaskWidget);
  return table;
}

void TControlWidget::ClearOwner() {
  // The inner focus belongs to the screen's focus, which is going away with
  // the owner; it is not told.
  inner_focus_ = nullptr;
  TVisualGroupWidget::ClearOwner();
}

// ---- Geometry and hit-testing ----

void TControlWidget::SetSize(int32_t width, int32_t height) {
  width_ = ClampSide(width);
  height_ = ClampSide(height);
  SetGeometryChanged();
}

TRect TControlWidget::GetRect() {
  const int32_t left = RoundToPixel(GetAnchorLeft());
  const int32_t top = RoundToPixel(GetAnchorTop());
  return {left, top, SaturatingAdd(left, width_), SaturatingAdd(top, height_)};
}

bool TControlWidget::ContainsPoint(TPoint point, bool ignore_visibility) {
  if (!IsVisible() && !ignore_visibility) return false;
  const TRect rect = GetRect();
  if (!RectContains(rect, point)) return false;
  if (mask_widget_.empty()) return true;
  Ref<IWidget> mask = FindWidget(mask_widget_);
  if (!mask) return true;
  return mask->ContainsPoint(OffsetPoint(point, -rect.left, -rect.top), true);
}

Ref<IWidget> TControlWidget::WidgetAtPos(TPoint point) {
  if (Ref<IWidget> child = TVisualGroupWidget::WidgetAtPos(point)) return child;
  if (IsVisible() && IsMouseStop() && ContainsPoint(point, false)) return Ref<IWidget>(static_cast<IWidget*>(this));
  return nullptr;
}

// ---- Mouse ----

bool TControlWidget::HandleMouse(int32_t message, TPoint screen_point, uint32_t keys) {
  const std::optional<MouseMessage> decoded = DecodeMouseMessage(message);
  if (!decoded) return false;
  const TPoint point = ScreenToLocal(screen_point);
  switch (decoded->action) {
    case MouseAction::kMove: return MouseMove(point, keys);
    case MouseAction::kDown: return MouseDown(point, keys, decoded->button);
    case MouseAction::kUp: return MouseUp(point, keys, decoded->button);
    case MouseAction::kDoubleClick: return MouseDoubleClick(point, keys, decoded->button);
    case MouseAction::kWheel: return MouseWheel(point, keys, WheelTurn(keys));
  }
  return false;
}

bool TControlWidget::MouseDown(TPoint point, uint32_t keys, TMouseButton button) {
  if (focused_ || !tab_stop_ || button != TMouseButton::kLeft) return false;
  if (IWindow* window = GetWindow()) window->SetFocus(this);
  return false;
}

void TControlWidget::BeginPress() {
  if (IWindow* window = GetWindow()) window->SetCapture(this);
  pressed_ = true;
}

void TControlWidget::EndPress() {
  // Only our own capture is given back: a reaction to the press may already
  // have handed it to another widget.
  IWindow* window = GetWindow();
  if (window && window->GetCapture().get() == static_cast<IWidget*>(this)) window->ReleaseCapture();
  pressed_ = false;
}

void TControlWidget::CaptureLost() {
  TVisualGroupWidget::CaptureLost();
  pressed_ = false;
}

bool TControlWidget::PollHover() {
  IEngine* engine = GetEngine();
  if (!engine) return false;
  const bool inside = ContainsPoint(ScreenToLocal(engine->GetCursorPos()), false);
  if (inside == hover_) return false;
  hover_ = inside;
  return true;
}

IEventHandler* TControlWidget::OwnerEventHandler() {
  IWidgetOwner* owner = GetOwner();
  return owner ? owner->GetEventHandler() : nullptr;
}

void TControlWidget::ReportEvent(int32_t code) {
  if (IEventHandler* handler = OwnerEventHandler()) handler->HandleWidgetEvent(this, code, Variant(0));
}

// ---- Focus and keys ----

void TControlWidget::FocusGained() {
  TVisualGroupWidget::FocusGained();
  focused_ = true;
}

void TControlWidget::FocusLost() {
  TVisualGroupWidget::FocusLost();
  focused_ = false;
  if (Ref<IWidget> inner = std::exchange(inner_focus_, nullptr)) inner->FocusLost();
}

Ref<IWidget> TControlWidget::FirstTabStopFrom(int index) {
  TWidgetCollection& children = Children();
  for (int i = std::max(index, 0); i < children.Count(); ++i) {
    Ref<IWidget> child = children.GetWidgetAt(i);
    if (child && child->IsTabStop() && child->IsVisible()) return child;
  }
  return nullptr;
}

int TControlWidget::IndexOfChild(const IWidget* child) {
  // By identity rather than by name: unnamed or equally named children must
  // not send Tab back to an earlier child for ever.
  TWidgetCollection& children = Children();
  for (int i = 0; i < children.Count(); ++i)
    if (children.GetWidgetAt(i).get() == child) return i;
  return -1;
}

void TControlWidget::MoveInnerFocus(Ref<IWidget> next) {
  inner_focus_ = std::move(next);
  if (inner_focus_) inner_focus_->FocusGained();
}

bool TControlWidget::HandleKey(int32_t message, int32_t key, uint32_t keys) {
  bool handled = false;
  if (focused_) {
    if (!inner_focus_) MoveInnerFocus(FirstTabStopFrom(0));
    if (Ref<IWidget> inner = inner_focus_) {
      handled = inner->HandleKey(message, key, keys);
      if (!handled && Children().Count() > 0 && key == kKeyTab && message == kKeyUp) {
        inner->FocusLost();
        inner_focus_ = nullptr;
        MoveInnerFocus(FirstTabStopFrom(IndexOfChild(inner.get()) + 1));
        handled = inner_focus_ != nullptr;
      }
    }
  }
  return handled || TVisualGroupWidget::HandleKey(message, key, keys);
}

}  // namespace corvellane
