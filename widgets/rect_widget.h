// rect_widget.h: TRectWidget ("rect_widget"), a rectangle filled with one
// colour: backdrops, dimmers, frames of plain colour.
//
//   <widget type="rect_widget" name="rect_dimmer" visible="yes"
//           width="640" height="480" color="$80000000" transparentlevel="200"/>
//
//   dimmer->SetProperty("color", "$C0000000");   // redrawn next frame
//
// The colour is 0xAARRGGBB; its alpha scales the opacity together with the
// widget's transparency level, so a colour with alpha 0 leaves the screen
// unchanged. "color" reads as the integer and is written as text: decimal,
// or "$" hexadecimal, anything unreadable giving 0. The colour is always
// saved, as "$" and eight hexadecimal digits.
//
// Drawing fills through a mask of the widget's size that has no alpha
// channel, so every pixel of the rectangle is painted. The mask is made
// through the engine and kept while the size stays the same.
#pragma once

#include <cstdint>

#include "widgets/single_widget.h"

namespace corvellane {

class TRectWidget : public TSingleWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void ClearOwner() override;
  void Draw(ISurface* surface, int32_t x, int32_t y) override;

  uint32_t GetColor() const { return color_; }
  // A different colour is redrawn next frame.
  void SetColor(uint32_t color);

 private:
  // The mask for the current size; none without an engine.
  ISurface* Mask();

  uint32_t color_ = 0;
  Ref<ISurface> mask_;
};

}  // namespace corvellane
