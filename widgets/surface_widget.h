// surface_widget.h: TSurfaceWidget ("surface_widget"), a widget that shows a
// surface handed to it at run time.
//
//   <widget type="surface_widget" name="surface_preview" visible="yes"
//           drawmode="fillcolor" fillcolor="$FF3060A0"/>
//
//   preview->SetSurface(scene->GetImage());   // size taken from the surface
//   preview->SetProperty("shiftleft", 16);    // show the surface from x = 16
//   other->SetProperty("panel/preview/surface", preview->GetProperty("surface"));
//
// Draw modes: "copyrect" draws the part (shift left, shift top, width,
// height) of the surface at the widget's origin with normal blending at the
// widget's transparency; "fillcolor" paints the fill colour through that part
// of the surface, which acts as a mask. Width, height and shifts are run-time
// properties; setting a surface resets the shifts and takes its size.
// Detaching the widget releases the surface. "surface" reads and writes the
// picture as an object value; writing one that is no surface is ignored,
// writing null clears it. "fillcolor" reads as a number (colour_number_row.h).
//
// Width and height written as properties are held within 0 ..
// kMaxWidgetSide, shifts within the pixel coordinate range.
#pragma once

#include <cstdint>

#include "engine/blend_mode.h"
#include "widgets/visual_widget.h"

namespace corvellane {

class TSurfaceWidget : public TVisualWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void ClearOwner() override;
  int32_t GetWidth() override { return width_; }
  int32_t GetHeight() override { return height_; }
  void Draw(ISurface* surface, int32_t x, int32_t y) override;

  const Ref<ISurface>& GetSurface() const { return surface_; }
  // None clears the picture; the size becomes the surface's, shifts 0.
  void SetSurface(Ref<ISurface> surface);
  TDrawMode GetDrawMode() const { return draw_mode_; }
  uint32_t GetFillColor() const { return fill_color_; }

 private:
  // Stores a new size or shift value; a different value is redrawn.
  void SetGeometryValue(int32_t& field, int32_t value);
  void SetDrawMode(TDrawMode mode);
  void SetFillColor(uint32_t colour);

  Ref<ISurface> surface_;
  TDrawMode draw_mode_ = TDrawMode::CopyRect;
  uint32_t fill_color_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t shift_top_ = 0;
  int32_t shift_left_ = 0;
};

}  // namespace corvellane
