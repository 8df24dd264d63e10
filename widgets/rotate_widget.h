// rotate_widget.h: TRotateWidget ("rotate_widget"), a zoom widget that also
// turns its inner picture.
//
//   <widget type="rotate_widget" name="turn_emblem" visible="yes" anchor_left="512"
//           anchor_top="380" angle="30" zoom="0.8" centerx="64" centery="64" smooth="yes">
//     <widgets>
//       <widget type="image_widget" name="image_emblem" visible="yes" .../>
//     </widgets>
//   </widget>
//
//   turn->SetProperty("angle", 90);   // a quarter turn, counter-clockwise
//
// "angle" is in degrees (default 0, always written); positive angles turn
// the picture counter-clockwise on the screen. As with the zoom widget the
// inner point (centerx, centery) stays at the anchor. The widget's box is a
// square that holds the picture at any angle: with R half the zoomed
// picture's diagonal, its side is trunc(2R) + 1, the picture's centre at
// (trunc(R), trunc(R)).
//
// Drawing: at 0 or 360 degrees the picture is only scaled (or only shifted
// by the anchor's fractions at zoom 1); at any other angle it is drawn with
// the surface's rotated drawing, bilinear with "smooth" = yes.
#pragma once

#include <cstdint>

#include "widgets/zoom_widget.h"

namespace corvellane {

class TRotateWidget : public TZoomWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  int32_t GetWidth() override;
  int32_t GetHeight() override;

  double GetAngle() const { return angle_; }
  // Non-finite angles are ignored; a new angle renders the picture again.
  void SetAngle(double degrees);

 protected:
  void UpdateGeometry() override;
  TPoint GetRenderOffset() override;
  void Render(ISurface& work) override;
  void SourcePoint(TPoint work_point, double& u, double& v) override;

 private:
  // The box of the turned picture for one inner size.
  struct Box {
    int32_t inner_width = -1;
    int32_t inner_height = -1;
    double radius = 0.0;
    // The centre point's offset from the picture's centre, zoomed and turned.
    double offset_x = 0.0;
    double offset_y = 0.0;
  };
  // The box, computed again when the inner widget's size changed.
  const Box& Geometry();
  bool IsTurned() const { return angle_ != 0.0 && angle_ != 360.0; }
  // Unturned, unscaled and on whole pixels: a plain copy.
  bool IsWholeShift() const { return IsUnscaled() && GetFractionX() == 0 && GetFractionY() == 0; }
  int32_t Side();
  // Where the picture's centre and the anchor's fractions put the source
  // point sampled at the box centre, in picture pixels.
  void CentreSample(double& u, double& v);
  // The source offsets of the unturned drawing (DrawScaled or DrawShifted).
  void UnturnedShift(double& shift_x, double& shift_y);

  double angle_ = 0.0;
  Box box_;
};

// (x, y) turned by the angle in screen orientation: x' = x cos - y sin,
// y' = x sin + y cos; whole quarter turns are exact.
void TurnVector(double degrees, double& x, double& y);

}  // namespace corvellane
