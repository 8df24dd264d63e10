// surface_clip.h: placing a source rectangle onto a destination rectangle.
//
// The source (and, for fills and masked copies, the mask) maps one to one onto
// the destination, top-left corners together; the drawn size is the smallest
// of the rectangles' sizes. The placement is then cut down to what lies inside
// the destination's drawable rectangle and inside every source surface; each
// cut moves all corners together so pixels stay matched. The result is never
// negative and never reaches outside any of the surfaces.
//
//   auto area = ClipBlit(dest_rect, drawable, {{source_rect, source_size}});
//   if (area) for rows y < area->height: copy area->width pixels from
//             (area->x[1], area->y[1] + y) to (area->x[0], area->y[0] + y).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "engine/surface_rect.h"

namespace corvellane {

// A rectangle inside a surface of the given size.
struct TBlitSource {
  TRect rect;
  int32_t width = 0;
  int32_t height = 0;
};

inline constexpr int kMaxBlitSources = 2;

// Top-left corners of the clipped area: index 0 in the destination, then one
// per source in the order given; plus the common size (both positive).
struct TBlitArea {
  std::array<int32_t, kMaxBlitSources + 1> x{};
  std::array<int32_t, kMaxBlitSources + 1> y{};
  int32_t width = 0;
  int32_t height = 0;
};

// `drawable` is the part of the destination that may change (already limited
// to the destination surface). None when nothing is left to draw.
std::optional<TBlitArea> ClipBlit(const TRect& dest_rect, const TRect& drawable,
                                  std::span<const TBlitSource> sources);

}  // namespace corvellane
