// control_widget.h: TControlWidget ("Control"), the base of every widget the
// player interacts with.
//
// A control is a visual group whose children (images, texts, animations)
// are its look, while the control itself does the interaction: it has a
// fixed rectangle (its anchor and "width" x "height", not the bounding box
// of its children) with an optional shape mask, enabled and tab-stop flags,
// mouse messages dispatched by button, keyboard focus that can walk through
// its own tab-stop children, and a pressed state.
//
//   <widget type="Control" name="panel_keys" visible="yes" mousestop="yes"
//           anchor_left="100" anchor_top="40" width="200" height="60"
//           enabled="yes" tabstop="yes" maskwidget="image_shape">
//     <widgets> ... </widgets>
//   </widget>
//
//   class TMyControl : public TControlWidget {
//     bool MouseDown(TPoint p, uint32_t keys, int32_t button) override { ... }
//   };
//
// Note the defaults: a control whose data does not say "enabled"="yes" is
// disabled, and one that does not say "tabstop"="yes" never takes focus.
//
// Mouse: HandleMouse converts the screen point into the control's owner
// space and calls MouseMove / MouseDown / MouseUp / MouseDoubleClick with
// the button (0 left, 1 right, 2 middle), and MouseWheel with the wheel's
// turn; each answers whether it handled the message. The base MouseDown asks the window for the keyboard focus
// (left button, tab stop) and reports the message unhandled.
//
// Keys: while focused, keys go to the inner focus, the first visible
// tab-stop child; an unhandled Tab key-up moves it to the next one, and past
// the last the key is left unhandled so that the screen moves its focus on.
//
// Hit-testing: a child with mouse stop that contains the point wins; else the
// control itself anywhere inside its rectangle (and its mask, when
// "maskwidget" names a widget: that widget is asked in the control's child
// space, visible or not, so an invisible picture with alpha shapes it).
#pragma once

#include <cstdint>
#include <string>

#include "widgets/visual_group_widget.h"

namespace corvellane {

enum class TMouseButton : int32_t { kLeft = 0, kRight = 1, kMiddle = 2 };

class TControlWidget : public TVisualGroupWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void ClearOwner() override;

  // The size is read by name but not written (it is the data's).
  int32_t GetWidth() override { return width_; }
  int32_t GetHeight() override { return height_; }
  TRect GetRect() override;
  void SetSize(int32_t width, int32_t height);
  void SetWidth(int32_t width) { SetSize(width, height_); }
  void SetHeight(int32_t height) { SetSize(width_, height); }

  bool IsEnabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool IsTabStop() const override { return tab_stop_; }
  void SetTabStop(bool tab_stop) override { tab_stop_ = tab_stop; }
  const std::string& GetMaskWidget() const { return mask_widget_; }
  void SetMaskWidget(std::string_view path) { mask_widget_ = path; }

  Ref<IWidget> WidgetAtPos(TPoint point) override;
  bool ContainsPoint(TPoint point, bool ignore_visibility) override;
  void CaptureLost() override;
  void FocusLost() override;
  void FocusGained() override;
  bool HandleMouse(int32_t message, TPoint screen_point, uint32_t keys) override;
  bool HandleKey(int32_t message, int32_t key, uint32_t keys) override;

  // Points are in the control's owner space.
  virtual bool MouseMove(TPoint point, uint32_t keys) { return false; }
  virtual bool MouseDown(TPoint point, uint32_t keys, TMouseButton button);
  virtual bool MouseUp(TPoint point, uint32_t keys, TMouseButton button) { return false; }
  virtual bool MouseDoubleClick(TPoint point, uint32_t keys, TMouseButton button) { return false; }
  // turn: kWheelNotch per notch, positive away from the player.
  virtual bool MouseWheel(TPoint point, uint32_t keys, int32_t turn) { return false; }

  bool IsPressed() const { return pressed_; }
  bool IsFocused() const { return focused_; }
  Ref<IWidget> GetInnerFocus() const { return inner_focus_; }
  // Whether the cursor was inside at the last hover poll.
  bool IsHovered() const { return hover_; }

 protected:
  // Reads the cursor through the engine and answers whether the hover state
  // changed; nothing changes without an engine. A hidden control is never
  // hovered.
  bool PollHover();
  // Capture through the window of the owner chain (nothing without one):
  // taking it marks the control pressed, giving it back (only when this
  // control still holds it) ends the press.
  void BeginPress();
  void EndPress();
  // The event handler of the owner chain (a container control that handles
  // its children's events answers GetEventHandler with itself, so its own
  // events go to its owner's).
  IEventHandler* OwnerEventHandler();
  // HandleWidgetEvent(this, code, 0) on the owner chain's event handler.
  void ReportEvent(int32_t code);

 private:
  // The first visible tab-stop child at or after the index, or none.
  Ref<IWidget> FirstTabStopFrom(int index);
  int IndexOfChild(const IWidget* child);
  void MoveInnerFocus(Ref<IWidget> next);

  int32_t width_ = 0;
  int32_t height_ = 0;
  bool enabled_ = false;
  bool tab_stop_ = false;
  std::string mask_widget_;
  bool pressed_ = false;
  bool focused_ = false;
  bool hover_ = false;
  Ref<IWidget> inner_focus_;
};

}  // namespace corvellane
