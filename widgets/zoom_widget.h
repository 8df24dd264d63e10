// zoom_widget.h: TZoomWidget ("zoom_widget"), a transform widget that draws
// its inner picture enlarged or reduced about a centre point.
//
//   <widget type="zoom_widget" name="zoom_title" visible="yes" anchor_left="512"
//           anchor_top="60" zoom="1.5" centerx="200" centery="30" smooth="yes">
//     <widgets>
//       <widget type="image_widget" name="image_title" visible="yes" .../>
//     </widgets>
//   </widget>
//
//   zoom->SetProperty("zoom", 2.0);        // both axes
//   zoom->SetProperty("zoomx", -1.0);      // mirrored left to right
//
// The inner point (centerx, centery) of the inner picture stays at the
// widget's anchor, which may have fractions of a pixel (smooth_move_widget.h).
// A zoom closer to 0 than 0.01 becomes 0.01. With both zooms exactly 1 the
// picture is only shifted by the anchor's fractions; otherwise it is scaled,
// bilinear with "smooth" = yes. The widget's box is the scaled picture plus
// one pixel: width = trunc(inner width x |zoomx|) + 1.
//
// Data: "zoom" (both axes, default 1) or "zoomx" and "zoomy" (each defaults
// to "zoom"), written as "zoom" when equal, otherwise as "zoomx" and
// "zoomy"; "centerx", "centery" (default 0) and "smooth" (default no), all
// always written. Every change renders the picture again.
#pragma once

#include <cstdint>
#include <string_view>

#include "widgets/smooth_move_widget.h"

namespace corvellane {

template <class C>
class TPropertyTableOf;

// Zooms closer to 0 than this are taken as this.
inline constexpr double kMinZoom = 0.01;
// And farther than this as this: beyond it a picture is too large to make.
inline constexpr double kMaxZoom = 1000.0;

class TZoomWidget : public TSmoothMoveWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  int32_t GetWidth() override;
  int32_t GetHeight() override;

  double GetZoomX() const;
  double GetZoomY() const;
  void SetZoomX(double zoom);
  void SetZoomY(double zoom);
  double GetCenterX() const;
  double GetCenterY() const;
  void SetCenterX(double x);
  void SetCenterY(double y);
  bool IsSmooth() const { return smooth_; }
  void SetSmooth(bool smooth);

 protected:
  // Recomputes what the box depends on; nothing to keep for a plain zoom.
  virtual void UpdateGeometry() {}
  void RequestRepaint() override;
  void Render(ISurface& work) override;
  TPoint GetRenderOffset() override;
  TPoint InverseTransformPoint(TPoint work_point) override;

  // Where a work pixel samples the inner picture, in the picture's pixels
  // (its corner is the inner rectangle's corner).
  virtual void SourcePoint(TPoint work_point, double& u, double& v);
  // The scaled drawing with the source offsets of the picture's corner.
  void RenderScaled(ISurface& work, double shift_x, double shift_y);
  // Where DrawScaled with these offsets samples a work pixel.
  void ScaledSourcePoint(TPoint work_point, double shift_x, double shift_y, double& u, double& v);
  // The source offsets of the zoomed drawing: the fractions of the scaled
  // centre and of the anchor, in source pixels.
  void ScaleShift(double& shift_x, double& shift_y);
  // Whether the picture is only shifted (both zooms exactly 1).
  bool IsUnscaled() const { return zoom_x_ == 1.0f && zoom_y_ == 1.0f; }
  // The stored single-precision values, exactly.
  double ScaleX() const { return zoom_x_; }
  double ScaleY() const { return zoom_y_; }
  double PivotX() const { return center_x_; }
  double PivotY() const { return center_y_; }

 private:
  static void AddAxisRow(TPropertyTableOf<TZoomWidget>& table, std::string_view key,
                         double (TZoomWidget::*get)() const, void (TZoomWidget::*set)(double));
  // A new zoom value: kept within kMinZoom .. kMaxZoom in magnitude.
  bool StoreZoom(float& field, double zoom);
  // -trunc(|zoom| x centre), the picture's corner relative to the anchor.
  static int32_t CornerOffset(float zoom, float centre);
  static int32_t ScaledSide(int32_t side, float zoom);

  // Single precision like the data they come from.
  float zoom_x_ = 1.0f;
  float zoom_y_ = 1.0f;
  float center_x_ = 0.0f;
  float center_y_ = 0.0f;
  bool smooth_ = false;
};

// The whole part of a real position toward zero, held within the pixel range.
int32_t TruncPixel(double value);
// value - trunc(value).
double FractionOf(double value);

}  // namespace corvellane
