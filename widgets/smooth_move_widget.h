// smooth_move_widget.h: TSmoothMoveWidget ("smooth_move_widget"), a
// transform widget that places its inner picture at fractions of a pixel.
//
//   <widget type="smooth_move_widget" name="glide_card" visible="yes"
//           anchor_left="100.5" anchor_top="40" sampling_step="0.25" caching="yes">
//     <widgets>
//       <widget type="image_widget" name="image_card" visible="yes" .../>
//     </widgets>
//   </widget>
//
//   glide->SetAnchorLeft(10.6);   // drawn from pixel 10, shifted by 0.5
//   glide->SetAnchorLeft(10.7);   // same quantised fraction: no repaint
//
// An anchor x is split into its whole part floor(x), which is where the
// owner draws the widget, and its fraction, quantised down to a multiple of
// "sampling_step" (0..1, default 0.25; 0: not quantised). The inner picture
// (its image, corner at the work surface's corner; the inner widget's own
// anchor does not move it) is resampled by that fraction; the widget is one
// pixel wider and higher than its inner widget to hold the shifted edge.
// "anchor_left" and "anchor_top" read by name give the whole position
// (whole part plus quantised fraction).
//
// Caching ("caching" = yes): one pre-shifted picture per quantised fraction
// is kept, so gliding back and forth does not resample every frame. The
// table has (1 / step)^2 places and is only used for steps of at least
// 1 / kMaxSmoothMoveCacheSide; finer steps resample every time. Any repaint
// request (the inner widget changed) empties it.
#pragma once

#include <cstdint>
#include <vector>

#include "widgets/transform_widget.h"

namespace corvellane {

// At most this many cached pictures per axis (8 x 8 pictures in all).
inline constexpr int32_t kMaxSmoothMoveCacheSide = 8;

class TSmoothMoveWidget : public TTransformWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Cleanup() override;
  void ClearOwner() override;

  void SetAnchorLeft(double x) override;
  void SetAnchorTop(double y) override;
  int32_t GetWidth() override;
  int32_t GetHeight() override;

  // The whole positions: where the picture's corner really is.
  double PositionX() const { return GetAnchorLeft() + fraction_x_.value; }
  double PositionY() const { return GetAnchorTop() + fraction_y_.value; }
  double GetFractionX() const { return fraction_x_.value; }
  double GetFractionY() const { return fraction_y_.value; }
  double GetSamplingStep() const { return step_; }
  // Held to 0..1; the cache starts again.
  void SetSamplingStep(double step);
  bool IsCaching() const { return caching_; }
  void SetCaching(bool caching);
  // Pictures in the cache now.
  int CachedCount() const;

 protected:
  void Render(ISurface& work) override;
  void RequestRepaint() override;
  // The picture's corner is the work surface's corner.
  TPoint InnerOrigin() override { return InnerAnchorInRect(); }
  // The inner picture shifted by the fractions into the work surface.
  void RenderShifted(ISurface& work);

 private:
  struct Fraction {
    double value = 0.0;
    // Which multiple of the step it is (the cache index).
    int32_t steps = 0;
  };
  // Quantises the fraction of `whole_and_fraction`; true when it changed.
  bool SetFraction(Fraction& fraction, double whole_and_fraction);
  void ResetCache();
  // The cached picture for the current fractions; none when not cached.
  Ref<ISurface> CachedPicture(ISurface& work);

  Fraction fraction_x_;
  Fraction fraction_y_;
  double step_ = 0.25;
  bool caching_ = false;
  int32_t cache_side_ = 0;
  std::vector<Ref<ISurface>> cache_;
};

}  // namespace corvellane
