// pixel_match.h: comparing pixels of drawings made through different paths.
//
// Normal blending at full opacity may land a step off the exact colour, and
// which way depends on what was underneath; a canvas kept up to date frame
// by frame and a fresh drawing of the same scene can therefore differ by one
// in a channel while showing the same thing. Missing or misplaced redraws
// differ by far more.
//
//   EXPECT_TRUE(PixelsMatch(canvas.GetPixel(x, y), 0xFFCC3333));
#pragma once

#include <cstdint>

namespace corvellane::testing {

inline constexpr int kPixelTolerance = 2;

// Every channel (alpha included) within the tolerance.
inline bool PixelsMatch(uint32_t a, uint32_t b, int tolerance = kPixelTolerance) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int channel_a = static_cast<int>((a >> shift) & 0xFF);
    const int channel_b = static_cast<int>((b >> shift) & 0xFF);
    if (channel_a - channel_b > tolerance || channel_b - channel_a > tolerance) return false;
  }
  return true;
}

}  // namespace corvellane::testing
