#include "widgets/input_router.h"

#include "widgets/pixel_rounding.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane {

namespace {

bool IsVisibleTabStop(IWidget& widget) { return widget.IsVisible() && widget.IsTabStop(); }

}  // namespace

void TWidgetInputRouter::Clear() {
  root_ = nullptr;
  capture_ = nullptr;
  focus_ = nullptr;
}

void TWidgetInputRouter::AdvanceTime(int32_t elapsed_ms) {
  time_since_active_ = SaturatingAdd(time_since_active_, elapsed_ms);
}

bool TWidgetInputRouter::DeliverMouse(int32_t message, TPoint screen_point, uint32_t keys) {
  if (IsMouseGuarded()) return true;
  Ref<IWidget> target = capture_;
  if (!target && root_) {
    target = root_->WidgetAtPos(screen_point);
    if (target && !target->IsMouseStop()) target = nullptr;
  }
  return target ? target->HandleMouse(message, screen_point, keys) : false;
}

bool TWidgetInputRouter::DeliverKey(int32_t message, int32_t key, uint32_t keys) {
  last_key_handled_ = false;
  if (!focus_) FocusFirstTabStop();
  if (!focus_) return false;
  Ref<IWidget> receiver = focus_;
  const bool handled = receiver->HandleKey(message, key, keys);
  last_key_handled_ = handled;
  if (!handled && message == kKeyUp && key == kKeyTab) FocusNextTabStop();
  return focus_ != nullptr;
}

void TWidgetInputRouter::SetCapture(IWidget* widget) {
  if (widget == capture_.get()) return;
  Ref<IWidget> previous = std::exchange(capture_, Ref<IWidget>(widget));
  if (previous) previous->CaptureLost();
}

void TWidgetInputRouter::ReleaseCapture() {
  if (Ref<IWidget> previous = std::exchange(capture_, nullptr)) previous->CaptureLost();
}

void TWidgetInputRouter::SetFocus(IWidget* widget) {
  if (widget == focus_.get()) return;
  Ref<IWidget> previous = std::exchange(focus_, Ref<IWidget>(widget));
  if (previous) previous->FocusLost();
  if (focus_) focus_->FocusGained();
}

void TWidgetInputRouter::ClearFocus() { SetFocus(nullptr); }

void TWidgetInputRouter::ResetFocus() {
  capture_ = nullptr;
  focus_ = nullptr;
  if (root_) root_->Invalidate();
}

void TWidgetInputRouter::FocusFirstTabStop() {
  Ref<IWidgetCollection> children = root_ ? root_->GetWidgets() : nullptr;
  for (int i = 0; children && i < children->Count(); ++i) {
    Ref<IWidget> child = children->GetWidgetAt(i);
    if (child && IsVisibleTabStop(*child)) {
      SetFocus(child.get());
      return;
    }
  }
}

void TWidgetInputRouter::FocusNextTabStop() {
  Ref<IWidgetCollection> children = root_ ? root_->GetWidgets() : nullptr;
  if (!children) return;
  const int count = children->Count();
  int current = -1;
  for (int i = 0; i < count && current < 0; ++i)
    if (children->GetWidgetAt(i).get() == focus_.get()) current = i;
  for (int step = 1; step <= count; ++step) {
    Ref<IWidget> candidate = children->GetWidgetAt((current + step) % count);
    if (candidate && IsVisibleTabStop(*candidate)) {
      SetFocus(candidate.get());
      return;
    }
  }
}

}  // namespace corvellane
