// The resampling operations of TSurface: DrawScaled, DrawShifted and
// DrawTransformed. They write every pixel of their output area without
// blending. Source positions are 16.16 fixed point; nearest sampling takes
// the pixel at the integer part, smooth sampling is bilinear with 7-bit
// weights (the fraction >> 9), a neighbour outside the source being replaced
// by the output pixel's current value. An output pixel whose source point is
// outside the source becomes transparent black; on a surface without alpha
// every written pixel gets alpha 255.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <limits>

#include "engine/blend_kernels.h"
#include "engine/blend_pixel.h"
#include "engine/surface.h"

namespace corvellane {
namespace {

constexpr double kOne16 = 65536.0;

bool IsUsable(const ISurface* s) { return s != nullptr && s->GetScanLine(0) != nullptr; }

bool AllFinite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// To 16.16 fixed point; values beyond any surface saturate harmlessly.
int64_t ToFixed(double v) {
  constexpr double kLimit = double(int64_t{1} << 46);
  return std::llround(std::clamp(v * kOne16, -kLimit, kLimit));
}

// 65536 / scale, truncated toward zero: the source step per output pixel.
int64_t TruncatedStep(double scale) {
  constexpr double kLimit = double(int64_t{1} << 46);
  return static_cast<int64_t>(std::clamp(std::trunc(kOne16 / scale), -kLimit, kLimit));
}

class TSampler {
 public:
  TSampler(const ISurface& source, bool smooth, bool force_opaque)
      : source_(source), width_(source.GetWidth()), height_(source.GetHeight()), smooth_(smooth),
        force_opaque_(force_opaque) {}

  // The output pixel for source point (x16, y16), given its current value.
  uint32_t At(int64_t x16, int64_t y16, uint32_t current) const {
    const int64_t ix = x16 >> 16;
    const int64_t iy = y16 >> 16;
    uint32_t p = 0;
    if (Inside(ix, iy)) {
      p = smooth_ ? Smooth(ix, iy, uint32_t(x16 & 0xFFFF) >> 9, uint32_t(y16 & 0xFFFF) >> 9, current)
                  : Get(ix, iy);
    }
    return force_opaque_ ? pixel::WithAlpha(p, 255) : p;
  }

  // True when all four bilinear neighbours of the point are inside the source.
  bool HasAllNeighbours(int64_t x16, int64_t y16) const {
    const int64_t ix = x16 >> 16;
    const int64_t iy = y16 >> 16;
    return ix >= 0 && iy >= 0 && ix + 1 < width_ && iy + 1 < height_;
  }

 private:
  bool Inside(int64_t x, int64_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  uint32_t Get(int64_t x, int64_t y) const { return source_.GetScanLine(int32_t(y))[x]; }
  uint32_t GetOr(int64_t x, int64_t y, uint32_t fallback) const {
    return Inside(x, y) ? Get(x, y) : fallback;
  }
  uint32_t Smooth(int64_t ix, int64_t iy, uint32_t fx, uint32_t fy, uint32_t current) const {
    return pixel::Bilinear(Get(ix, iy), GetOr(ix + 1, iy, current), GetOr(ix, iy + 1, current),
                           GetOr(ix + 1, iy + 1, current), fx, fy);
  }

  const ISurface& source_;
  int64_t width_;
  int64_t height_;
  bool smooth_;
  bool force_opaque_;
};

// Sine and cosine of an angle in degrees, exact at multiples of 90.
void SinCosDegrees(double degrees, double& s, double& c) {
  const double turn = std::fmod(degrees, 360.0);
  const double quarter = turn / 90.0;
  if (quarter == std::floor(quarter)) {
    static constexpr double kSin[] = {0, 1, 0, -1};
    const int q = (static_cast<int>(quarter) % 4 + 4) % 4;
    s = kSin[q];
    c = kSin[(q + 1) % 4];
    return;
  }
  const double radians = degrees * std::numbers::pi / 180.0;
  s = std::sin(radians);
  c = std::cos(radians);
}

bool IsRightAngle(double degrees) {
  const double quarter = std::fmod(degrees, 360.0) / 90.0;
  return quarter == std::floor(quarter);
}

}  // namespace

bool TSurface::Resample(const ISurface& source, bool smooth, int64_t x0, int64_t step_x, int64_t y0,
                        int64_t step_y) {
  const TRect area = DrawableRect();
  if (area.IsEmpty()) return false;
  const TSampler sampler(source, smooth, !has_alpha_);
  const TBlendKernels& k = ActiveKernels();
  for (int32_t y = area.top; y < area.bottom; ++y) {
    uint32_t* row = GetScanLine(y);
    const int64_t y16 = y0 + y * step_y;
    const auto x16 = [&](int32_t x) { return x0 + x * step_x; };
    const auto per_pixel = [&](int32_t from, int32_t to) {
      for (int32_t x = from; x < to; ++x) row[x] = sampler.At(x16(x), y16, row[x]);
    };
    // Source x moves monotonically along the row, so the samples with all
    // four neighbours inside form one run; trim the ends to find it.
    int32_t low = area.left, high = smooth ? area.right : area.left;
    while (low < high && !sampler.HasAllNeighbours(x16(low), y16)) ++low;
    while (high > low && !sampler.HasAllNeighbours(x16(high - 1), y16)) --high;
    per_pixel(area.left, low);
    if (high > low) {
      const int32_t iy = int32_t(y16 >> 16);
      k.bilinear_row(row + low, source.GetScanLine(iy), source.GetScanLine(iy + 1), x16(low), step_x, high - low,
                     uint32_t(y16 & 0xFFFF) >> 9, !has_alpha_);
    }
    per_pixel(std::max(low, high), area.right);
  }
  return true;
}

bool TSurface::DrawScaled(const ISurface* source, bool smooth, double offset_x, double offset_y,
                          double scale_x, double scale_y) {
  if (IsEmpty() || !IsUsable(source) || source == this) return false;
  if (!AllFinite({offset_x, offset_y, scale_x, scale_y}) || scale_x == 0 || scale_y == 0) return false;
  const int64_t step_x = TruncatedStep(scale_x);
  const int64_t step_y = TruncatedStep(scale_y);
  // A negative step walks the source backwards, starting from its far edge.
  const int64_t far_x = step_x < 0 ? int64_t{source->GetWidth() - 1} << 16 : 0;
  const int64_t far_y = step_y < 0 ? int64_t{source->GetHeight() - 1} << 16 : 0;
  const bool use_smooth = smooth && (std::fabs(scale_x) != 1 || std::fabs(scale_y) != 1 ||
                                     offset_x != 0 || offset_y != 0);
  return Resample(*source, use_smooth, ToFixed(offset_x) + far_x, step_x, ToFixed(offset_y) + far_y,
                  step_y);
}

bool TSurface::DrawShifted(const ISurface* source, double shift_x, double shift_y) {
  if (IsEmpty() || !IsUsable(source) || source == this || !AllFinite({shift_x, shift_y})) return false;
  constexpr double kFar = 4.0 * kMaxSurfaceSide;  // any shift beyond this draws nothing
  if (std::fabs(shift_x) > kFar || std::fabs(shift_y) > kFar) return false;
  const double whole_x = std::trunc(shift_x);
  const double whole_y = std::trunc(shift_y);
  const TRect source_rect{0, 0, source->GetWidth(), source->GetHeight()};
  const auto copy_at = [&](const ISurface& image, double x, double y) {
    const TRect at{int32_t(x), int32_t(y), int32_t(x) + image.GetWidth(), int32_t(y) + image.GetHeight()};
    return DrawImageClipped(image, {0, 0, image.GetWidth(), image.GetHeight()}, TBlendMode::BltFast,
                            255, at, DrawableRect());
  };
  if (whole_x == shift_x && whole_y == shift_y) return copy_at(*source, shift_x, shift_y);
  if (shift_x >= 1 || shift_y >= 1) {
    // Render the fraction into a slightly larger image, then place it whole.
    Ref<TSurface> shifted = MakeSurface(source_rect.right + 3, source_rect.bottom + 3, has_alpha_);
    if (!shifted->DrawShifted(source, shift_x - whole_x, shift_y - whole_y)) return false;
    return copy_at(*shifted, whole_x, whole_y);
  }
  return Resample(*source, true, -ToFixed(shift_x), 1 << 16, -ToFixed(shift_y), 1 << 16);
}

bool TSurface::DrawTransformed(const ISurface* source, TPoint centre, double shift_x, double shift_y,
                               double scale_x, double scale_y, bool smooth, double angle) {
  if (IsEmpty() || !IsUsable(source) || source == this) return false;
  if (!AllFinite({shift_x, shift_y, scale_x, scale_y, angle}) || scale_x == 0 || scale_y == 0) {
    return false;
  }
  const double w = source->GetWidth() * scale_x;
  const double h = source->GetHeight() * scale_y;
  const double left = (width_ - w) / 2;
  const double top = (height_ - h) / 2;
  double sn = 0, cs = 1;
  SinCosDegrees(angle, sn, cs);
  const double cx = centre.x, cy = centre.y;

  // The written area: the rotated corners' bounding box, 2 pixels larger.
  double min_x = std::numeric_limits<double>::max(), max_x = -min_x, min_y = min_x, max_y = -min_x;
  for (const double u : {left, left + w}) {
    for (const double v : {top, top + h}) {
      const double x = cx + (u - cx) * cs - (v - cy) * sn;
      const double y = cy + (u - cx) * sn + (v - cy) * cs;
      min_x = std::min(min_x, x), max_x = std::max(max_x, x);
      min_y = std::min(min_y, y), max_y = std::max(max_y, y);
    }
  }
  const TRect drawable = DrawableRect();
  const TRect box = Intersect(drawable, {int32_t(std::max(std::floor(min_x) - 2, double(drawable.left))),
                                         int32_t(std::max(std::floor(min_y) - 2, double(drawable.top))),
                                         int32_t(std::min(std::ceil(max_x) + 2, double(drawable.right))),
                                         int32_t(std::min(std::ceil(max_y) + 2, double(drawable.bottom)))});
  if (box.IsEmpty()) return false;

  const bool use_smooth =
      smooth && ((scale_x == scale_y && scale_x > 0)
                     ? (scale_x != 1 || shift_x != 0 || shift_y != 0 || !IsRightAngle(angle))
                     : (std::fabs(scale_x) != 1 || std::fabs(scale_y) != 1 || shift_x != 0 ||
                        shift_y != 0));
  const TSampler sampler(*source, use_smooth, !has_alpha_);
  // Output (x, y) maps back through the inverse rotation and scale:
  // u = ((x-cx)cos + (y-cy)sin + cx - left) / sx + shift_x, and likewise v.
  const auto source_point = [&](double x, double y, double& u, double& v) {
    u = ((x - cx) * cs + (y - cy) * sn + cx - left) / scale_x + shift_x;
    v = (-(x - cx) * sn + (y - cy) * cs + cy - top) / scale_y + shift_y;
  };
  const int64_t du = ToFixed(cs / scale_x);
  const int64_t dv = ToFixed(-sn / scale_y);
  const TBlendKernels& k = ActiveKernels();
  const uint32_t* pixels = source->GetScanLine(0);
  const int64_t stride = source->GetHeight() > 1 ? source->GetScanLine(1) - pixels : source->GetWidth();
  for (int32_t y = box.top; y < box.bottom; ++y) {
    double u = 0, v = 0;
    source_point(box.left, y, u, v);
    const int64_t u0 = ToFixed(u), v0 = ToFixed(v);
    const auto u16 = [&](int32_t x) { return u0 + (x - box.left) * du; };
    const auto v16 = [&](int32_t x) { return v0 + (x - box.left) * dv; };
    uint32_t* row = GetScanLine(y);
    const auto per_pixel = [&](int32_t from, int32_t to) {
      for (int32_t x = from; x < to; ++x) row[x] = sampler.At(u16(x), v16(x), row[x]);
    };
    // The source point moves along a straight line, so the samples with all
    // four neighbours inside form one run; trim the ends to find it.
    int32_t low = box.left, high = use_smooth ? box.right : box.left;
    while (low < high && !sampler.HasAllNeighbours(u16(low), v16(low))) ++low;
    while (high > low && !sampler.HasAllNeighbours(u16(high - 1), v16(high - 1))) --high;
    per_pixel(box.left, low);
    if (high > low) k.bilinear_affine_row(row + low, pixels, stride, u16(low), v16(low), du, dv, high - low, !has_alpha_);
    per_pixel(std::max(low, high), box.right);
  }
  return true;
}

}  // namespace corvellane
