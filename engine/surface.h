// surface.h: TSurface, the engine's only kind of image in memory.
//
// A surface is a rectangle of 32-bit pixels 0xAARRGGBB (stored little-endian
// as blue, green, red, alpha), with a flag telling whether the alpha bytes are
// meaningful, a clip rectangle and a dirty region. The canvas, every image
// resource, font symbol images and the temporary images widgets render into
// are surfaces; they are handled as Ref<ISurface>.
//
//   Ref<ISurface> canvas = MakeRef<TSurface>();
//   canvas->SetSize(640, 480);
//   canvas->AddDirtyRect({10, 10, 100, 50});          // region clipping on
//   canvas->DrawImage(sprite.get(), {0, 0, 32, 32}, TBlendMode::Normal, 255,
//                     {20, 20, 52, 52});              // drawn per dirty rect
//   canvas->ClearDirtyRegion();
//
// Drawing (DrawImage, FillColor, CopyMasked) copies a source rectangle to a
// destination rectangle one to one: the drawn size is the smaller of the two,
// clipped against both surfaces, the clip rectangle and (for fills and masked
// copies) the mask. With region clipping on, DrawImage and FillColor run once
// per dirty rectangle that meets the destination rectangle.
//
// FillColorSpots fills the same mask in many colours at many places (the
// particles of a system): each spot exactly as a FillColor of the whole mask
// there, in the order given, but clipped and set up once per call.
//
// The resampling operations (DrawScaled, DrawShifted, DrawTransformed) write
// every pixel of their output area without blending; see surface_resample.cpp.
//
// Sizes: each side at most kMaxSurfaceSide pixels; larger, negative or
// unallocatable sizes are refused and leave the surface empty.
//
// Every drawing operation on an empty surface, with a missing source or mask,
// or with nothing left after clipping returns false and changes nothing.
// Out-of-range pixel reads give 0; out-of-range writes are ignored.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "engine/blend_mode.h"
#include "engine/dirty_region.h"
#include "engine/surface_rect.h"
#include "persistence/object.h"

namespace corvellane {

inline constexpr int32_t kMaxSurfaceSide = 16384;

struct TAlphaStats {
  int64_t pixels_count = 0;       // "PixelsCount"
  int64_t transparent_count = 0;  // "TransparentCount": alpha <= threshold
  int64_t opaque_count = 0;       // "OpaqueCount": alpha > threshold
};

// One mask's place and colour in FillColorSpots: its top left corner.
struct TColourSpot {
  int32_t x = 0;
  int32_t y = 0;
  uint32_t colour = 0;
};

struct ISurface : virtual IObject {
  virtual int32_t GetWidth() const = 0;
  virtual int32_t GetHeight() const = 0;
  // Frees the old pixels; 0 x 0 frees everything, otherwise new pixels are
  // transparent black. False (and an empty surface) when the size is refused.
  virtual bool SetSize(int32_t width, int32_t height) = 0;
  // Row y, or none when y is outside the surface.
  virtual uint32_t* GetScanLine(int32_t y) = 0;
  virtual const uint32_t* GetScanLine(int32_t y) const = 0;
  virtual uint32_t GetPixel(int32_t x, int32_t y) const = 0;
  // Ignored outside the surface and, with clipping on, outside the clip
  // rectangle; without alpha the stored alpha is 255.
  virtual void SetPixel(int32_t x, int32_t y, uint32_t colour) = 0;
  virtual bool HasAlpha() const = 0;
  virtual void SetHasAlpha(bool has_alpha) = 0;

  virtual bool DrawImage(const ISurface* source, const TRect& source_rect, TBlendMode mode,
                         int opacity, const TRect& dest_rect) = 0;
  // Fills through the mask's alpha (the mask is required).
  virtual bool FillColor(uint32_t colour, const ISurface* mask, TBlendMode mode, int opacity,
                         const TRect& dest_rect, const TRect& mask_rect) = 0;
  // FillColor(spot.colour, mask, mode, opacity, the mask's size at the spot,
  // the whole mask) for each spot in turn; a mask that is this surface is
  // copied once, before the first spot.
  virtual bool FillColorSpots(const ISurface* mask, TBlendMode mode, int opacity,
                              std::span<const TColourSpot> spots) = 0;
  virtual bool CopyMasked(const ISurface* source, const TRect& source_rect, const TRect& dest_rect,
                          const TRect& mask_rect, const ISurface* mask) = 0;
  virtual bool DrawTransformed(const ISurface* source, TPoint centre, double shift_x, double shift_y,
                               double scale_x, double scale_y, bool smooth, double angle) = 0;
  virtual bool DrawScaled(const ISurface* source, bool smooth, double offset_x, double offset_y,
                          double scale_x, double scale_y) = 0;
  virtual bool DrawShifted(const ISurface* source, double shift_x, double shift_y) = 0;

  // Clipping on or off with the rectangle; turns region clipping off.
  virtual void SetClipRect(bool on, const TRect& rect) = 0;
  // Returns the number of dirty rectangles; when positive, clipping and
  // region clipping are on.
  virtual int AddDirtyRect(const TRect& rect) = 0;
  // Empties the region; clipping and region clipping off.
  virtual void ClearDirtyRegion() = 0;

  // Callers guarantee 0 <= x < width and 0 <= y < height.
  virtual uint32_t* GetPixelAddress(int32_t x, int32_t y) = 0;
  virtual uint32_t GetPixelUnchecked(int32_t x, int32_t y) const = 0;
  // Every pixel := 0.
  virtual void Clear() = 0;
  // Pixels whose alpha is above the threshold count as opaque; none when empty.
  virtual std::optional<TAlphaStats> GetAlphaStats(int threshold) const = 0;

  virtual bool IsClipping() const = 0;
  virtual bool IsRegionClipping() const = 0;
  virtual TRect GetClipRect() const = 0;
  virtual const TRegion& GetDirtyRegion() const = 0;
};

class TSurface : public TAbstractObject, public virtual ISurface {
 public:
  TSurface() = default;

  int32_t GetWidth() const override { return width_; }
  int32_t GetHeight() const override { return height_; }
  bool SetSize(int32_t width, int32_t height) override;
  uint32_t* GetScanLine(int32_t y) override;
  const uint32_t* GetScanLine(int32_t y) const override;
  uint32_t GetPixel(int32_t x, int32_t y) const override;
  void SetPixel(int32_t x, int32_t y, uint32_t colour) override;
  bool HasAlpha() const override { return has_alpha_; }
  void SetHasAlpha(bool has_alpha) override { has_alpha_ = has_alpha; }

  bool DrawImage(const ISurface* source, const TRect& source_rect, TBlendMode mode, int opacity,
                 const TRect& dest_rect) override;
  bool FillColor(uint32_t colour, const ISurface* mask, TBlendMode mode, int opacity,
                 const TRect& dest_rect, const TRect& mask_rect) override;
  bool FillColorSpots(const ISurface* mask, TBlendMode mode, int opacity,
                      std::span<const TColourSpot> spots) override;
  bool CopyMasked(const ISurface* source, const TRect& source_rect, const TRect& dest_rect,
                  const TRect& mask_rect, const ISurface* mask) override;
  bool DrawTransformed(const ISurface* source, TPoint centre, double shift_x, double shift_y,
                       double scale_x, double scale_y, bool smooth, double angle) override;
  bool DrawScaled(const ISurface* source, bool smooth, double offset_x, double offset_y,
                  double scale_x, double scale_y) override;
  bool DrawShifted(const ISurface* source, double shift_x, double shift_y) override;

  void SetClipRect(bool on, const TRect& rect) override;
  int AddDirtyRect(const TRect& rect) override;
  void ClearDirtyRegion() override;

  uint32_t* GetPixelAddress(int32_t x, int32_t y) override { return pixels_.get() + Offset(x, y); }
  uint32_t GetPixelUnchecked(int32_t x, int32_t y) const override { return pixels_[Offset(x, y)]; }
  void Clear() override;
  std::optional<TAlphaStats> GetAlphaStats(int threshold) const override;

  bool IsClipping() const override { return clipping_; }
  bool IsRegionClipping() const override { return region_clipping_; }
  TRect GetClipRect() const override { return clip_rect_; }
  const TRegion& GetDirtyRegion() const override { return region_; }

 private:
  struct FreeDeleter {
    void operator()(uint32_t* p) const;
  };

  size_t Offset(int32_t x, int32_t y) const { return size_t(y) * size_t(width_) + size_t(x); }
  bool IsEmpty() const { return pixels_ == nullptr; }
  bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // The rectangle drawing is limited to: the whole surface, or the clip rectangle.
  TRect DrawableRect() const;
  // Drawing a surface into itself would read pixels already overwritten, so
  // such a source is replaced by a snapshot kept alive by `holder`.
  const ISurface* DetachFromSelf(const ISurface* surface, Ref<TSurface>& holder) const;
  // Runs `draw(clip)` once per dirty rectangle meeting `dest_rect` when region
  // clipping is on, else once with DrawableRect(); true when any run drew.
  template <class DrawFn>
  bool ForEachClip(const TRect& dest_rect, DrawFn draw) const;

  bool DrawImageClipped(const ISurface& source, const TRect& source_rect, TBlendMode mode,
                        int opacity, const TRect& dest_rect, const TRect& clip);
  // The part of DrawShifted and DrawScaled that writes through the resampler.
  bool Resample(const ISurface& source, bool smooth, int64_t x0, int64_t step_x, int64_t y0,
                int64_t step_y);
  bool FillColorClipped(uint32_t colour, const ISurface& mask, TBlendMode mode, int opacity,
                        const TRect& dest_rect, const TRect& mask_rect, const TRect& clip);
  // A usable mask, mode and opacity for a fill on a surface that is not empty.
  bool CanFill(const ISurface* mask, TBlendMode mode, int opacity) const;
  // The spots' part inside one clip rectangle.
  bool FillSpotsClipped(const ISurface& mask, TBlendMode mode, int opacity,
                        std::span<const TColourSpot> spots, const TRect& clip);

  int32_t width_ = 0;
  int32_t height_ = 0;
  bool has_alpha_ = false;
  std::unique_ptr<uint32_t[], FreeDeleter> pixels_;
  bool clipping_ = false;
  TRect clip_rect_;
  TRegion region_;
  bool region_clipping_ = false;
};

// A new surface of the given size and alpha flag (empty when refused).
Ref<TSurface> MakeSurface(int32_t width, int32_t height, bool has_alpha);

}  // namespace corvellane
