// cut_sector_widget.h: TCutSectorWidget ("cutsector_widget"), a transform
// widget that cuts a pie slice out of its inner picture, as a countdown
// clock empties.
//
//   <widget type="cutsector_widget" name="cut_timer" visible="yes" anchor_left="900"
//           anchor_top="20" centerx="32" centery="32" startangle="-90" endangle="45">
//     <widgets>
//       <widget type="image_widget" name="image_dial" visible="yes" .../>
//     </widgets>
//   </widget>
//
//   cut->SetProperty("endangle", 180);   // a bigger slice, drawn next frame
//
// The widget covers exactly what the inner widget covers. Every pixel whose
// direction from (centerx, centery) (pixels of the widget, from its corner)
// lies in the sector from "startangle" up to, not including, "endangle" is
// made transparent. Angles are in degrees in screen orientation: 0 points
// right and angles grow clockwise (90 points down). A start below 0 takes
// the sector through the right: -45 .. 45 is the quarter to the right;
// 0 .. 90 the quarter below and to the right of the centre. The four keys
// (single precision, default 0) are always written.
#pragma once

#include "widgets/transform_widget.h"

namespace corvellane {

class TCutSectorWidget : public TTransformWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  int32_t GetWidth() override { return InnerWidth(); }
  int32_t GetHeight() override { return InnerHeight(); }

  double GetCenterX() const;
  double GetCenterY() const;
  double GetStartAngle() const;
  double GetEndAngle() const;
  void SetCenterX(double x) { Store(center_x_, x); }
  void SetCenterY(double y) { Store(center_y_, y); }
  void SetStartAngle(double degrees) { Store(start_angle_, degrees); }
  void SetEndAngle(double degrees) { Store(end_angle_, degrees); }

  // Whether the direction of the pixel (x, y) falls into the sector.
  bool IsCut(int32_t x, int32_t y) const;

 protected:
  void Render(ISurface& work) override;
  TPoint GetRenderOffset() override { return InnerOriginAtAnchor(); }
  TPoint InnerOrigin() override { return InnerAnchorInRect(); }

 private:
  void Store(float& field, double value);

  float center_x_ = 0.0f;
  float center_y_ = 0.0f;
  float start_angle_ = 0.0f;
  float end_angle_ = 0.0f;
};

}  // namespace corvellane
