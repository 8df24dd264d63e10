// visual_widget.h: TVisualWidget, a widget that occupies part of the screen.
//
// Adds visibility (off unless the data says "visible"="yes"), z order among
// siblings, the anchor (real position in owner space), mouse stop, and the
// dirty-rectangle state that decides what must be redrawn each frame.
//
//   <widget type="..." name="image_logo" visible="yes" z="2"
//           anchor_left="120.5" anchor_top="40" mousestop="yes"/>
//
// Dirty pass (UpdateDirtyRegion): the rectangle drawn last frame is reported
// again when the widget moved, resized, was hidden or the caller forces it;
// the new rectangle is reported when the widget is visible and moved,
// resized, was shown, changed (SetChanged) or is drawn for the first time.
// Rectangles are in screen space: GetRect moved by the owners' offsets.
//
// Subclasses that draw override Draw and report their size through
// GetWidth / GetHeight; changes of appearance call SetChanged(true), changes
// of size call SetGeometryChanged().
#pragma once

#include "widgets/abstract_widget.h"

namespace corvellane {

class TVisualWidget : public TAbstractWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  bool IsVisible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  int32_t GetZ() const override { return z_; }
  void SetZ(int32_t z) override;
  double GetAnchorLeft() const override { return anchor_left_; }
  void SetAnchorLeft(double x) override;
  double GetAnchorTop() const override { return anchor_top_; }
  void SetAnchorTop(double y) override;
  double GetLeft() override { return anchor_left_; }
  double GetTop() override { return anchor_top_; }
  bool IsMouseStop() const override { return mouse_stop_; }
  void SetMouseStop(bool mouse_stop) override { mouse_stop_ = mouse_stop; }

  Ref<ISurface> GetImage() override;

  void UpdateDirtyRegion(bool force_old, bool force_new) override;
  bool WasVisible() const override { return was_visible_; }
  bool IsGeometryChanged() const { return geometry_changed_; }
  bool IsFirstFrame() const { return first_frame_; }
  // The screen rectangles of the previous and the latest dirty pass.
  const TRect& GetPreviousRect() const { return previous_rect_; }
  const TRect& GetCurrentRect() const { return current_rect_; }

 protected:
  void SetGeometryChanged() { geometry_changed_ = true; }
  // Where this widget's owner space starts on the screen.
  TPoint OwnerOriginOnScreen();

 private:
  bool visible_ = false;
  int32_t z_ = 0;
  double anchor_left_ = 0.0;
  double anchor_top_ = 0.0;
  bool mouse_stop_ = false;
  TRect previous_rect_;
  bool was_visible_ = false;
  TRect current_rect_;
  bool geometry_changed_ = false;
  bool first_frame_ = true;
};

}  // namespace corvellane
