#include "widgets/contour_stamp.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "widgets/pixel_rounding.h"

namespace corvellane {
namespace {

struct TBrushDot {
  int32_t dx;
  int32_t dy;
  int32_t weight;  // 0..255
};

class TContourStamper {
 public:
  TContourStamper(const ISurface& shape, ISurface& work, const TContourStyle& style)
      : shape_(shape), work_(work), style_(style),
        thickness_(std::clamp(style.thickness, 0, kMaxContourThickness)),
        width_(std::min(shape.GetWidth(), work.GetWidth())), height_(std::min(shape.GetHeight(), work.GetHeight())) {}

  int32_t Thickness() const { return thickness_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  uint32_t ShapeAlpha(int32_t x, int32_t y) const { return shape_.GetPixel(x, y) >> 24; }
  // Outside the picture nothing is solid.
  bool Solid(int32_t x, int32_t y) const {
    return Inside(x, y) && static_cast<int32_t>(ShapeAlpha(x, y)) > style_.alpha_limit;
  }

  // Stamps at the colour's alpha times k.
  void StampScaled(int32_t x, int32_t y, double k) {
    StampAlpha(x, y, RoundToPixel((style_.colour >> 24) * k));
  }
  void StampAlpha(int32_t x, int32_t y, int32_t alpha) {
    if (!Inside(x, y) || Solid(x, y)) return;
    uint32_t* pixel = work_.GetPixelAddress(x, y);
    const uint32_t kept = std::max<uint32_t>(*pixel >> 24, static_cast<uint32_t>(std::clamp(alpha, 0, 255)));
    *pixel = (style_.colour & 0x00FFFFFFu) | kept << 24;
  }

  // A partly transparent edge pixel takes on the outline colour by how
  // transparent it is.
  void TintEdge(int32_t x, int32_t y) {
    const int32_t l = 255 - static_cast<int32_t>(ShapeAlpha(x, y));
    uint32_t* pixel = work_.GetPixelAddress(x, y);
    const int32_t work_alpha = static_cast<int32_t>(*pixel >> 24);
    if (work_alpha == 0) {
      *pixel = (style_.colour & 0x00FFFFFFu) | static_cast<uint32_t>(l) << 24;
      return;
    }
    uint32_t out = static_cast<uint32_t>((((255 - l) * (work_alpha + 1)) >> 8) + l) << 24;
    for (int shift = 0; shift <= 16; shift += 8) {
      const int32_t c = static_cast<int32_t>((*pixel >> shift) & 0xFF);
      const int32_t target = static_cast<int32_t>((style_.colour >> shift) & 0xFF);
      out |= static_cast<uint32_t>(c + ((l * (target - c)) >> 8)) << shift;
    }
    *pixel = out;
  }

 private:
  bool Inside(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  const ISurface& shape_;
  ISurface& work_;
  TContourStyle style_;
  int32_t thickness_;
  int32_t width_;
  int32_t height_;
};

constexpr int32_t kAxisX[4] = {1, -1, 0, 0};
constexpr int32_t kAxisY[4] = {0, 0, 1, -1};

void StampThin(TContourStamper& s, int32_t x, int32_t y) {
  for (int d = 0; d < 4; ++d) s.StampScaled(x + kAxisX[d], y + kAxisY[d], 1.0);
  for (int32_t dy : {-1, 1})
    for (int32_t dx : {-1, 1})
      if (!s.Solid(x + dx, y) && !s.Solid(x, y + dy)) s.StampScaled(x + dx, y + dy, 0.5);
}

void StampThick(TContourStamper& s, int32_t x, int32_t y) {
  const int32_t t = s.Thickness();
  const double t2 = static_cast<double>(t) * t;
  int32_t reach[4] = {};
  for (int d = 0; d < 4; ++d) {
    for (int32_t step = 1; step <= t && !s.Solid(x + kAxisX[d] * step, y + kAxisY[d] * step); ++step) {
      s.StampScaled(x + kAxisX[d] * step, y + kAxisY[d] * step, std::min(t2 / (static_cast<double>(step) * step), 1.0));
      reach[d] = step;
    }
  }
  // The corner blocks between the arms: right/left arms 0/1, down/up 2/3.
  for (int h = 0; h < 2; ++h) {
    for (int v = 2; v < 4; ++v) {
      for (int32_t dy = 1; dy <= reach[v]; ++dy)
        for (int32_t dx = 1; dx <= reach[h]; ++dx)
          s.StampScaled(x + kAxisX[h] * dx, y + kAxisY[v] * dy, std::min(t2 / (dx * dx + dy * dy), 1.0));
    }
  }
}

std::vector<TBrushDot> RoundBrush(int32_t t) {
  std::vector<TBrushDot> brush;
  for (int32_t dy = -t; dy <= t; ++dy) {
    for (int32_t dx = -t; dx <= t; ++dx) {
      const double s = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
      if (s > t) continue;
      const double falloff = std::pow((s - 0.25) / t, 8);
      brush.push_back({dx, dy, std::clamp(RoundToPixel(255 - 255 * falloff), 0, 255)});
    }
  }
  return brush;
}

}  // namespace

void StampSharpContour(const ISurface& shape, ISurface& work, const TContourStyle& style) {
  TContourStamper s(shape, work, style);
  if (s.Thickness() <= 0) return;
  for (int32_t y = 0; y < s.Height(); ++y) {
    for (int32_t x = 0; x < s.Width(); ++x) {
      if (!s.Solid(x, y)) continue;
      if (s.Thickness() == 1)
        StampThin(s, x, y);
      else
        StampThick(s, x, y);
    }
  }
}

void StampSmoothContour(const ISurface& shape, ISurface& work, const TContourStyle& style) {
  TContourStamper s(shape, work, style);
  const int32_t t = s.Thickness();
  if (t <= 0) return;
  const std::vector<TBrushDot> brush = RoundBrush(t);
  const int32_t c = std::min(2, t);
  for (int32_t y = 0; y < s.Height(); ++y) {
    for (int32_t x = 0; x < s.Width(); ++x) {
      if (!s.Solid(x, y)) continue;
      const bool inside = s.Solid(x, y - c) && s.Solid(x, y + c) && s.Solid(x - c, y) && s.Solid(x + c, y);
      if (inside) continue;
      const int32_t alpha = static_cast<int32_t>(s.ShapeAlpha(x, y));
      for (const TBrushDot& dot : brush) s.StampAlpha(x + dot.dx, y + dot.dy, RoundToPixel(dot.weight * alpha / 100.0));
      if (alpha < 255) s.TintEdge(x, y);
    }
  }
}

}  // namespace corvellane
