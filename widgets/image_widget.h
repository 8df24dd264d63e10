// image_widget.h: TImageWidget ("image_widget"), a picture or a part of one.
//
//   <widget type="image_widget" name="image_glow" visible="yes"
//           anchor_left="100" anchor_top="50" width="64" height="64"
//           resourcename="glow" resourceleft="64" resourcetop="0"
//           blendingmode="addition"/>
//
//   <widget type="image_widget" name="image_shadow" resourcename="star"
//           width="32" height="32" drawmode="fillcolor" fillcolor="$80000000"/>
//
// "copyrect" draws the part of the image (resourceleft, resourcetop, width x
// height) with the blending mode ("normal", "screen", "overlay",
// "linearlight", "addition", "maxopaque", "bltfast") at the widget's
// transparency level; "fillcolor" paints the fill colour through that part
// of the image as a mask. Clicks hit only the picture's non-transparent
// pixels.
#pragma once

#include <cstdint>

#include "engine/blend_mode.h"
#include "widgets/resource_widget.h"

namespace corvellane {

class TImageWidget : public TResourceWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Draw(ISurface* surface, int32_t x, int32_t y) override;
  bool ContainsPoint(TPoint point, bool ignore_visibility) override;

  int32_t GetSourceLeft() const { return source_left_; }
  int32_t GetSourceTop() const { return source_top_; }
  // A different position is stored and marks the widget changed.
  void SetSourceLeft(int32_t left);
  void SetSourceTop(int32_t top);
  // The part of the image that is drawn: source position and widget size.
  virtual TRect SourceRect();

  uint32_t GetFillColor() const { return fill_color_; }
  void SetFillColor(uint32_t colour);
  TDrawMode GetDrawMode() const { return draw_mode_; }
  void SetDrawMode(TDrawMode mode);
  TBlendMode GetBlendMode() const { return blend_mode_; }
  void SetBlendMode(TBlendMode mode);

 protected:
  // Draws part of an image surface into the destination the way this
  // widget's draw mode says; texts use it for every symbol.
  void DrawPart(ISurface* target, const ISurface* image, const TRect& source, const TRect& dest,
                TBlendMode mode, int opacity);

 private:
  int32_t source_left_ = 0;
  int32_t source_top_ = 0;
  uint32_t fill_color_ = 0;
  TDrawMode draw_mode_ = TDrawMode::CopyRect;
  TBlendMode blend_mode_ = TBlendMode::Normal;
};

}  // namespace corvellane
