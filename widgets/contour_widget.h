// contour_widget.h: TContourWidget ("contour_widget"), a transform widget
// that draws an outline around the shape of its inner widget.
//
//   <widget type="contour_widget" name="outline_key" visible="yes" anchor_left="200"
//           anchor_top="300" contourcolor="$FFFFD700" contourthickness="2" smooth="yes">
//     <widgets>
//       <widget type="image_widget" name="image_key" visible="yes" .../>
//     </widgets>
//   </widget>
//
//   outline->SetProperty("showcontour", false);                  // the plain picture
//   outline->SetProperty("substractFromContour", Variant(cover)); // a hole where cover is
//
// The widget is the inner widget's area grown by the thickness on every
// side; the inner widget's origin is drawn at the widget's anchor. The shape
// is the inner picture's pixels with an alpha above "alphalimit"; the
// outline is stamped around it in "contourcolor" (contour_stamp.h), sharp or,
// with "smooth", with a soft round brush. An invisible inner widget leaves
// the outline alone. "substractFromContour" makes the widget transparent
// under the visible pixels of another widget, until the next repaint.
//
// Data: "showcontour" (default yes), "contourcolor" ($AARRGGBB, default 0),
// "contourthickness" (default 1, at most kMaxContourThickness), "alphalimit"
// (0..255, default 0), all always written; "smooth" (default no) is read
// but not written. Every change renders again.
#pragma once

#include <cstdint>

#include "widgets/contour_stamp.h"
#include "widgets/transform_widget.h"

namespace corvellane {

class TContourWidget : public TTransformWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  int32_t GetWidth() override { return SaturatingGrow(InnerWidth()); }
  int32_t GetHeight() override { return SaturatingGrow(InnerHeight()); }

  bool IsContourShown() const { return show_contour_; }
  void SetContourShown(bool show) { Store(show_contour_, show); }
  bool IsSmooth() const { return smooth_; }
  void SetSmooth(bool smooth) { Store(smooth_, smooth); }
  uint32_t GetContourColor() const { return style_.colour; }
  void SetContourColor(uint32_t colour) { Store(style_.colour, colour); }
  int32_t GetThickness() const { return style_.thickness; }
  void SetThickness(int32_t thickness);
  int32_t GetAlphaLimit() const { return style_.alpha_limit; }
  void SetAlphaLimit(int32_t limit);
  // Transparent where the widget's image has visible pixels, until the
  // next repaint.
  void SubtractFromContour(IWidget& widget);

 protected:
  void Render(ISurface& work) override;
  TPoint GetRenderOffset() override { return InnerOriginAtAnchor(); }
  TPoint InnerOrigin() override;

 private:
  int32_t SaturatingGrow(int32_t side) const;
  template <class T>
  void Store(T& field, T value) {
    if (value == field) return;
    field = value;
    RequestRepaint();
  }

  bool show_contour_ = true;
  bool smooth_ = false;
  TContourStyle style_;
};

}  // namespace corvellane
