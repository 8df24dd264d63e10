// single_widget.h: TSingleWidget, a visual widget with its own width and
// height; the base of the widgets that show one resource (images,
// animations, texts).
//
//   <widget type="image_widget" name="image_frame" visible="yes"
//           anchor_left="10" anchor_top="20" width="64" height="32"/>
//
//   widget->SetProperty("width", 80);   // a new size is redrawn next frame
//
// Sizes read from data or written as properties are held within
// 0 .. kMaxWidgetSide, so a damaged file cannot ask for a giant image.
#pragma once

#include "widgets/visual_widget.h"

namespace corvellane {

inline constexpr int32_t kMaxWidgetSide = kMaxSurfaceSide;

class TSingleWidget : public TVisualWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  int32_t GetWidth() override { return width_; }
  int32_t GetHeight() override { return height_; }
  void SetWidth(int32_t width);
  void SetHeight(int32_t height);

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace corvellane
