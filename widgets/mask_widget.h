// mask_widget.h: TMaskWidget ("mask_widget"), a transform widget that shows
// its inner picture through a mask of its own, which the game paints at
// run time: fades to a level, holes where other widgets are.
//
//   <widget type="mask_widget" name="mask_scene" visible="yes">
//     <widgets>
//       <widget type="image_widget" name="image_scene" visible="yes" .../>
//     </widgets>
//   </widget>
//
//   mask->SetProperty("fillMaskWithLevel", 255);                   // all shown again
//   mask->SetProperty("substractFromMask", Variant(found_object));  // a hole of its shape
//   mask->SetProperty("substractFromMaskRect", Variant(panel));     // a hole of its rectangle
//   mask->SetProperty("need_to_repaint", true);                     // shown from the next frame
//
// The widget covers what the inner widget covers. The mask is a picture of
// the inner widget's size, made white and fully opaque when first needed;
// the inner picture is copied where the mask's alpha is not 0. The mask
// operations change only the mask: what is shown changes at the next
// repaint (when the inner widget changes, or "need_to_repaint" is written).
// A widget given to the subtractions is placed where it is on the screen;
// only the part over the mask counts.
//
// "alphalimit" (default 0) is kept and saved; changing it renders again.
#pragma once

#include <cstdint>

#include "widgets/transform_widget.h"

namespace corvellane {

class TMaskWidget : public TTransformWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Cleanup() override;

  int32_t GetWidth() override { return InnerWidth(); }
  int32_t GetHeight() override { return InnerHeight(); }

  int32_t GetAlphaLimit() const { return alpha_limit_; }
  void SetAlphaLimit(int32_t limit);
  // Every mask pixel white at alpha `level` (0..255).
  void FillMask(int32_t level);
  // Holes where the widget's image has visible pixels, or under its whole
  // image rectangle.
  void SubtractFromMask(IWidget& widget, bool whole_rect);
  // The mask, made when first needed; none without an inner widget.
  const Ref<ISurface>& GetMask();

 protected:
  void Render(ISurface& work) override;
  void RequestRepaint() override;
  TPoint GetRenderOffset() override { return InnerOriginAtAnchor(); }
  TPoint InnerOrigin() override { return InnerAnchorInRect(); }

 private:
  Ref<ISurface> mask_;
  int32_t alpha_limit_ = 0;
};

}  // namespace corvellane
