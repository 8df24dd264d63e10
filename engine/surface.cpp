// TSurface: storage, pixel access, clipping state and the blits
// (DrawImage, FillColor, CopyMasked). Resampling lives in surface_resample.cpp.
#include "engine/surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "engine/blend_kernels.h"
#include "engine/surface_clip.h"

namespace corvellane {
namespace {

// Rows start on cache-line boundaries when the width allows; whole-buffer
// alignment lets the packed loops use aligned-friendly addresses.
constexpr size_t kPixelAlignment = 64;

uint32_t* AllocatePixels(int32_t width, int32_t height) {
  const size_t bytes = size_t(width) * size_t(height) * sizeof(uint32_t);
  const size_t rounded = (bytes + kPixelAlignment - 1) / kPixelAlignment * kPixelAlignment;
  void* p = std::aligned_alloc(kPixelAlignment, rounded);
  if (p != nullptr) std::memset(p, 0, bytes);
  return static_cast<uint32_t*>(p);
}

bool IsUsable(const ISurface* s) { return s != nullptr && s->GetScanLine(0) != nullptr; }

bool IsBlendMode(TBlendMode mode) {
  return static_cast<int>(mode) >= 0 && static_cast<int>(mode) < kBlendModeCount;
}

int ClampByte(int v) { return std::clamp(v, 0, 255); }

}  // namespace

void TSurface::FreeDeleter::operator()(uint32_t* p) const { std::free(p); }

Ref<TSurface> MakeSurface(int32_t width, int32_t height, bool has_alpha) {
  Ref<TSurface> s = MakeRef<TSurface>();
  s->SetSize(width, height);
  s->SetHasAlpha(has_alpha);
  return s;
}

bool TSurface::SetSize(int32_t width, int32_t height) {
  pixels_.reset();
  width_ = height_ = 0;
  if (width == 0 && height == 0) return true;
  if (width <= 0 || height <= 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide) return false;
  pixels_.reset(AllocatePixels(width, height));
  if (pixels_ == nullptr) return false;
  width_ = width;
  height_ = height;
  return true;
}

uint32_t* TSurface::GetScanLine(int32_t y) {
  return (IsEmpty() || y < 0 || y >= height_) ? nullptr : pixels_.get() + Offset(0, y);
}

const uint32_t* TSurface::GetScanLine(int32_t y) const {
  return (IsEmpty() || y < 0 || y >= height_) ? nullptr : pixels_.get() + Offset(0, y);
}

uint32_t TSurface::GetPixel(int32_t x, int32_t y) const {
  return Contains(x, y) ? pixels_[Offset(x, y)] : 0;
}

void TSurface::SetPixel(int32_t x, int32_t y, uint32_t colour) {
  if (!Contains(x, y)) return;
  if (clipping_ && !(x >= clip_rect_.left && x < clip_rect_.right && y >= clip_rect_.top &&
                     y < clip_rect_.bottom)) {
    return;
  }
  pixels_[Offset(x, y)] = has_alpha_ ? colour : (colour | 0xFF000000u);
}

void TSurface::Clear() {
  if (!IsEmpty()) std::memset(pixels_.get(), 0, size_t(width_) * size_t(height_) * sizeof(uint32_t));
}

void TSurface::SetClipRect(bool on, const TRect& rect) {
  clipping_ = on;
  clip_rect_ = rect;
  region_clipping_ = false;
}

int TSurface::AddDirtyRect(const TRect& rect) {
  const int count = region_.Add(rect);
  if (count > 0) clipping_ = region_clipping_ = true;
  return count;
}

void TSurface::ClearDirtyRegion() {
  region_.Clear();
  clipping_ = region_clipping_ = false;
}

TRect TSurface::DrawableRect() const {
  const TRect whole{0, 0, width_, height_};
  return clipping_ ? Intersect(whole, clip_rect_) : whole;
}

const ISurface* TSurface::DetachFromSelf(const ISurface* surface, Ref<TSurface>& holder) const {
  if (surface != this) return surface;
  holder = MakeSurface(width_, height_, has_alpha_);
  if (holder->IsEmpty()) return nullptr;
  std::memcpy(holder->pixels_.get(), pixels_.get(), size_t(width_) * size_t(height_) * sizeof(uint32_t));
  return holder.get();
}

template <class DrawFn>
bool TSurface::ForEachClip(const TRect& dest_rect, DrawFn draw) const {
  const TRect whole{0, 0, width_, height_};
  if (!(clipping_ && region_clipping_)) return draw(DrawableRect());
  bool drawn = false;
  for (int i = 0; i < region_.Count(); ++i) {
    const TRect part = Intersect(region_.Get(i), dest_rect);
    if (!part.IsEmpty()) drawn = draw(Intersect(part, whole)) || drawn;
  }
  return drawn;
}

std::optional<TAlphaStats> TSurface::GetAlphaStats(int threshold) const {
  if (IsEmpty()) return std::nullopt;
  TAlphaStats stats;
  stats.pixels_count = int64_t{width_} * height_;
  const uint32_t limit = static_cast<uint32_t>(ClampByte(threshold));
  for (size_t i = 0; i < size_t(stats.pixels_count); ++i) {
    if ((pixels_[i] >> 24) > limit) ++stats.opaque_count;
  }
  stats.transparent_count = stats.pixels_count - stats.opaque_count;
  return stats;
}

// --- DrawImage --------------------------------------------------------------

bool TSurface::DrawImage(const ISurface* source, const TRect& source_rect, TBlendMode mode,
                         int opacity, const TRect& dest_rect) {
  if (IsEmpty() || !IsUsable(source) || opacity <= 0 || !IsBlendMode(mode)) return false;
  Ref<TSurface> holder;
  source = DetachFromSelf(source, holder);
  if (source == nullptr) return false;
  return ForEachClip(dest_rect, [&](const TRect& clip) {
    return DrawImageClipped(*source, source_rect, mode, std::min(opacity, 255), dest_rect, clip);
  });
}

bool TSurface::DrawImageClipped(const ISurface& source, const TRect& source_rect, TBlendMode mode,
                                int opacity, const TRect& dest_rect, const TRect& clip) {
  const TBlitSource planes[] = {{source_rect, source.GetWidth(), source.GetHeight()}};
  const std::optional<TBlitArea> area = ClipBlit(dest_rect, clip, planes);
  if (!area) return false;
  const TBlendKernels& k = ActiveKernels();
  const bool src_alpha = source.HasAlpha();
  const int n = area->width;
  for (int32_t row = 0; row < area->height; ++row) {
    uint32_t* dst = GetPixelAddress(area->x[0], area->y[0] + row);
    const uint32_t* src = source.GetScanLine(area->y[1] + row) + area->x[1];
    switch (mode) {
      case TBlendMode::BltFast:
        k.copy_row(dst, src, n);
        break;
      case TBlendMode::Normal:
        if (!src_alpha && opacity == 255) {
          k.copy_row(dst, src, n);
        } else if (!src_alpha) {
          k.normal_constant(dst, src, n, opacity, has_alpha_);
        } else if (opacity == 255) {
          k.normal_alpha(dst, src, n, has_alpha_);
        } else {
          k.normal_alpha_opacity(dst, src, n, opacity, has_alpha_);
        }
        break;
      default:
        k.image_modes[static_cast<int>(mode) - 1](dst, src, n, opacity, src_alpha, has_alpha_);
        break;
    }
  }
  return true;
}

// --- FillColor --------------------------------------------------------------

namespace {

// The fill opacity each of modes 1..5 derives from the opacity and the
// colour's alpha; the per-pixel weight is then (mask alpha * this) >> 8.
int FillModeWeight(TBlendMode mode, int opacity, uint32_t colour) {
  const int colour_alpha = static_cast<int>(colour >> 24);
  return mode == TBlendMode::MaxOpaque ? opacity : (opacity * colour_alpha) >> 8;
}

// The row kernel of one colour's fill through a mask, chosen by the mode,
// the mask's alpha and the colour's weight. The kernels work pixel by pixel,
// so any run of pixels with the mask pixels beside them may be handed over.
class TFillRows {
 public:
  TFillRows(uint32_t colour, TBlendMode mode, int opacity, bool mask_alpha, bool dst_alpha)
      : k_(ActiveKernels()),
        colour_(colour),
        mode_(mode),
        effective_(static_cast<int>(colour >> 24) * opacity / 255),
        weight_(FillModeWeight(mode, opacity, colour)),
        mask_alpha_(mask_alpha),
        dst_alpha_(dst_alpha) {}

  void operator()(uint32_t* dst, const uint32_t* m, int n) const {
    if (mode_ != TBlendMode::Normal) {
      k_.fill_modes[static_cast<int>(mode_) - 1](dst, m, n, colour_, weight_, mask_alpha_, dst_alpha_);
    } else if (!mask_alpha_ && effective_ == 255) {
      k_.fill_solid(dst, n, colour_, dst_alpha_);
    } else if (!mask_alpha_) {
      k_.fill_constant(dst, n, colour_, effective_, dst_alpha_);
    } else if (effective_ == 255) {
      k_.fill_mask(dst, m, n, colour_, dst_alpha_);
    } else {
      k_.fill_mask_opacity(dst, m, n, colour_, effective_, dst_alpha_);
    }
  }

 private:
  const TBlendKernels& k_;
  uint32_t colour_;
  TBlendMode mode_;
  int effective_;
  int weight_;
  bool mask_alpha_;
  bool dst_alpha_;
};

// A spot of at most this many pixels is gathered into one run: a 4 x 4
// particle then goes through the kernel as 16 pixels (two AVX2 steps)
// instead of four rows of 4, each shorter than a register.
constexpr int32_t kGatheredSpotPixels = 64;

bool IsInside(const TRect& inner, const TRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// Whether the mask's rows follow each other in memory, so that the whole
// mask is one run of pixels.
bool IsOneRun(const ISurface& mask) {
  const int32_t h = mask.GetHeight();
  return mask.GetScanLine(h - 1) == mask.GetScanLine(0) + int64_t{mask.GetWidth()} * (h - 1);
}

// Copies w x h pixels between images whose rows lie `from_stride` and
// `to_stride` pixels apart. A loop rather than memcpy per row: the rows of a
// particle are a few pixels, shorter than a library call's own setup.
void CopyBlock(const uint32_t* from, int64_t from_stride, uint32_t* to, int64_t to_stride, int32_t w, int32_t h) {
  for (int32_t row = 0; row < h; ++row, from += from_stride, to += to_stride)
    for (int32_t i = 0; i < w; ++i) to[i] = from[i];
}

// The mask's place at a spot; sides beyond the 32-bit range end at its edge.
TRect SpotRect(const TColourSpot& spot, int32_t w, int32_t h) {
  const auto end = [](int32_t from, int32_t size) {
    return static_cast<int32_t>(std::min<int64_t>(int64_t{from} + size, INT32_MAX));
  };
  return {spot.x, spot.y, end(spot.x, w), end(spot.y, h)};
}

}  // namespace

bool TSurface::CanFill(const ISurface* mask, TBlendMode mode, int opacity) const {
  return !IsEmpty() && IsUsable(mask) && opacity > 0 && IsBlendMode(mode) && mode != TBlendMode::BltFast;
}

bool TSurface::FillColor(uint32_t colour, const ISurface* mask, TBlendMode mode, int opacity,
                         const TRect& dest_rect, const TRect& mask_rect) {
  if (!CanFill(mask, mode, opacity)) return false;
  Ref<TSurface> holder;
  mask = DetachFromSelf(mask, holder);
  if (mask == nullptr) return false;
  return ForEachClip(dest_rect, [&](const TRect& clip) {
    return FillColorClipped(colour, *mask, mode, std::min(opacity, 255), dest_rect, mask_rect, clip);
  });
}

bool TSurface::FillColorClipped(uint32_t colour, const ISurface& mask, TBlendMode mode, int opacity,
                                const TRect& dest_rect, const TRect& mask_rect, const TRect& clip) {
  const TBlitSource planes[] = {{mask_rect, mask.GetWidth(), mask.GetHeight()}};
  const std::optional<TBlitArea> area = ClipBlit(dest_rect, clip, planes);
  if (!area) return false;
  const TFillRows rows(colour, mode, opacity, mask.HasAlpha(), has_alpha_);
  for (int32_t row = 0; row < area->height; ++row) {
    rows(GetPixelAddress(area->x[0], area->y[0] + row), mask.GetScanLine(area->y[1] + row) + area->x[1],
         area->width);
  }
  return true;
}

bool TSurface::FillColorSpots(const ISurface* mask, TBlendMode mode, int opacity,
                              std::span<const TColourSpot> spots) {
  if (!CanFill(mask, mode, opacity)) return false;
  Ref<TSurface> holder;
  mask = DetachFromSelf(mask, holder);
  if (mask == nullptr) return false;
  // The dirty rectangles never share a pixel, so going through the spots
  // once per rectangle blends each pixel in the same order as spot by spot.
  return ForEachClip({0, 0, width_, height_}, [&](const TRect& clip) {
    return FillSpotsClipped(*mask, mode, std::min(opacity, 255), spots, clip);
  });
}

bool TSurface::FillSpotsClipped(const ISurface& mask, TBlendMode mode, int opacity,
                                std::span<const TColourSpot> spots, const TRect& clip) {
  const int32_t w = mask.GetWidth();
  const int32_t h = mask.GetHeight();
  const TRect mask_rect{0, 0, w, h};
  const bool gather = w * h <= kGatheredSpotPixels && IsOneRun(mask);
  const bool mask_alpha = mask.HasAlpha();
  const uint32_t* m = mask.GetScanLine(0);
  bool drawn = false;
  uint32_t run[kGatheredSpotPixels];
  for (const TColourSpot& spot : spots) {
    const TRect dest = SpotRect(spot, w, h);
    if (!gather || !IsInside(dest, clip)) {
      drawn = FillColorClipped(spot.colour, mask, mode, opacity, dest, mask_rect, clip) || drawn;
      continue;
    }
    // Wholly inside the clip: the rows in one run, filled, put back.
    uint32_t* corner = GetPixelAddress(spot.x, spot.y);
    CopyBlock(corner, width_, run, w, w, h);
    TFillRows(spot.colour, mode, opacity, mask_alpha, has_alpha_)(run, m, w * h);
    CopyBlock(run, w, corner, width_, w, h);
    drawn = true;
  }
  return drawn;
}

// --- CopyMasked -------------------------------------------------------------

bool TSurface::CopyMasked(const ISurface* source, const TRect& source_rect, const TRect& dest_rect,
                          const TRect& mask_rect, const ISurface* mask) {
  if (IsEmpty() || !IsUsable(source) || !IsUsable(mask)) return false;
  Ref<TSurface> source_holder, mask_holder;
  source = DetachFromSelf(source, source_holder);
  mask = DetachFromSelf(mask, mask_holder);
  if (source == nullptr || mask == nullptr) return false;
  const TBlitSource planes[] = {{source_rect, source->GetWidth(), source->GetHeight()},
                                {mask_rect, mask->GetWidth(), mask->GetHeight()}};
  const std::optional<TBlitArea> area = ClipBlit(dest_rect, DrawableRect(), planes);
  if (!area) return false;
  const TBlendKernels& k = ActiveKernels();
  for (int32_t row = 0; row < area->height; ++row) {
    k.copy_masked(GetPixelAddress(area->x[0], area->y[0] + row),
                  source->GetScanLine(area->y[1] + row) + area->x[1],
                  mask->GetScanLine(area->y[2] + row) + area->x[2], area->width, has_alpha_);
  }
  return true;
}

}  // namespace corvellane
