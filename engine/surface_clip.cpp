#include "engine/surface_clip.h"

#include <algorithm>

namespace corvellane {
namespace {

// One axis of a placement: the start in every plane (destination first) and
// the common length. 64-bit so that extreme rectangles cannot overflow.
struct Span1D {
  std::array<int64_t, kMaxBlitSources + 1> start{};
  int64_t length = 0;
  int planes = 0;

  // Cuts the span to [low, high) in plane k, moving every plane's start alike.
  void Limit(int k, int64_t low, int64_t high) {
    if (start[k] < low) {
      const int64_t cut = low - start[k];
      for (int i = 0; i < planes; ++i) start[i] += cut;
      length -= cut;
    }
    length = std::min(length, high - start[k]);
  }
};

}  // namespace

std::optional<TBlitArea> ClipBlit(const TRect& dest_rect, const TRect& drawable,
                                  std::span<const TBlitSource> sources) {
  if (sources.size() > kMaxBlitSources) return std::nullopt;
  Span1D h, v;
  h.planes = v.planes = static_cast<int>(sources.size()) + 1;
  h.start[0] = dest_rect.left;
  v.start[0] = dest_rect.top;
  h.length = dest_rect.Width();
  v.length = dest_rect.Height();
  for (size_t i = 0; i < sources.size(); ++i) {
    h.start[i + 1] = sources[i].rect.left;
    v.start[i + 1] = sources[i].rect.top;
    h.length = std::min(h.length, sources[i].rect.Width());
    v.length = std::min(v.length, sources[i].rect.Height());
  }
  h.Limit(0, drawable.left, drawable.right);
  v.Limit(0, drawable.top, drawable.bottom);
  for (size_t i = 0; i < sources.size(); ++i) {
    h.Limit(static_cast<int>(i) + 1, 0, sources[i].width);
    v.Limit(static_cast<int>(i) + 1, 0, sources[i].height);
  }
  if (h.length <= 0 || v.length <= 0) return std::nullopt;
  TBlitArea area;
  for (int i = 0; i < h.planes; ++i) {
    area.x[i] = static_cast<int32_t>(h.start[i]);
    area.y[i] = static_cast<int32_t>(v.start[i]);
  }
  area.width = static_cast<int32_t>(h.length);
  area.height = static_cast<int32_t>(v.length);
  return area;
}

}  // namespace corvellane
