// input_router.h: TWidgetInputRouter, how a screen hands mouse and keys to
// the widgets of its tree, with mouse capture and keyboard focus.
//
// The game screen owns one router for its root widget and forwards its
// IWindow capture and focus operations and its input events to it:
//
//   router.SetRoot(window_widget);
//   router.RestartMouseGuard();               // the screen became active
//   router.AdvanceTime(dt);                   // every frame
//   bool handled = router.DeliverMouse(kMouseLeftDown, {120, 40}, 0);
//   router.DeliverKey(kKeyUp, kKeyTab, 0);    // moves the focus along
//
// Mouse: for the first 200 ms after the guard restarts, messages are
// swallowed (reported handled). Then the capturing widget gets them; without
// capture the root's hit-test picks the widget, which gets them when it is a
// mouse stop. Points are in screen space, the root's owner space.
// Keys: go to the focused widget; with nothing focused the first visible
// tab stop among the root's direct children is focused first. A Tab key-up
// the widget does not handle moves the focus to the next visible tab stop,
// wrapping around.
// Capture and focus changes tell the widget that loses them (CaptureLost,
// FocusLost) and the one that gains focus (FocusGained); giving them to the
// widget that already holds them changes nothing.
#pragma once

#include <cstdint>

#include "persistence/ref.h"
#include "widgets/input_messages.h"
#include "widgets/widget_interface.h"

namespace corvellane {

class TWidgetInputRouter {
 public:
  void SetRoot(Ref<IWidget> root) { root_ = std::move(root); }
  // Forgets root, capture and focus without telling anyone.
  void Clear();

  void RestartMouseGuard() { time_since_active_ = 0; }
  void AdvanceTime(int32_t elapsed_ms);
  bool IsMouseGuarded() const { return time_since_active_ < kMouseGuardMs; }

  bool DeliverMouse(int32_t message, TPoint screen_point, uint32_t keys);
  // Answers whether a widget has the focus after the key was delivered.
  bool DeliverKey(int32_t message, int32_t key, uint32_t keys);
  // Whether the focused widget handled the key delivered last (a dialog
  // takes Enter and Escape only when no widget did).
  bool LastKeyHandled() const { return last_key_handled_; }

  void SetCapture(IWidget* widget);
  void ReleaseCapture();
  Ref<IWidget> GetCapture() const { return capture_; }
  void SetFocus(IWidget* widget);
  void ClearFocus();
  Ref<IWidget> GetFocus() const { return focus_; }
  // Forgets capture and focus silently, then invalidates the whole root.
  void ResetFocus();
  // Focuses the first visible tab stop among the root's children, if any.
  void FocusFirstTabStop();

 private:
  void FocusNextTabStop();

  Ref<IWidget> root_;
  Ref<IWidget> capture_;
  Ref<IWidget> focus_;
  int32_t time_since_active_ = kMouseGuardMs;
  bool last_key_handled_ = false;
};

}  // namespace corvellane
