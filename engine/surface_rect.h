// surface_rect.h: integer points and rectangles of the drawing surfaces.
//
// A TRect is (left, top, right, bottom) with right and bottom exclusive, so
// its width is right - left. A rectangle whose width or height is not positive
// is empty. Helpers: Intersect, BoundingBox, Intersects.
#pragma once

#include <algorithm>
#include <cstdint>

namespace corvellane {

struct TPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  // 64-bit so that rectangles spanning the whole int32 range do not overflow.
  int64_t Width() const { return int64_t{right} - left; }
  int64_t Height() const { return int64_t{bottom} - top; }
  bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Intersect(const TRect& a, const TRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

inline TRect BoundingBox(const TRect& a, const TRect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// True when the two rectangles share at least one pixel (touching is not enough).
inline bool Intersects(const TRect& a, const TRect& b) { return !Intersect(a, b).IsEmpty(); }

}  // namespace corvellane
