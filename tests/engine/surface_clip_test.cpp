// Clipping of DrawImage and FillColor against the surfaces, the clip
// rectangle and the dirty region, checked against a per-pixel model: the
// source maps one to one onto the destination from the top-left corners, over
// the smaller of the two rectangles, and a pixel is drawn only when it is
// inside the destination, the clip rectangle and the source.
#include <gtest/gtest.h>

#include <optional>

#include "engine/surface.h"

namespace corvellane {
namespace {

constexpr int kDestW = 10, kDestH = 8, kSrcW = 4, kSrcH = 3;
constexpr uint32_t kBackground = 0xFF000000;

uint32_t Marker(int x, int y) { return 0xFF000000u | uint32_t(x + 1) << 8 | uint32_t(y + 1); }

Ref<ISurface> MarkedSource() {
  Ref<ISurface> s = MakeSurface(kSrcW, kSrcH, true);
  for (int y = 0; y < kSrcH; ++y) {
    for (int x = 0; x < kSrcW; ++x) s->SetPixel(x, y, Marker(x, y));
  }
  return s;
}

Ref<ISurface> Background() {
  Ref<ISurface> s = MakeSurface(kDestW, kDestH, true);
  for (int y = 0; y < kDestH; ++y) {
    for (int x = 0; x < kDestW; ++x) s->SetPixel(x, y, kBackground);
  }
  return s;
}

bool Inside(const TRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

// What pixel (x, y) of the destination should hold after a plain copy.
uint32_t Expected(const TRect& src, const TRect& dst, const std::optional<TRect>& clip, int x, int y) {
  const int64_t w = std::min(src.Width(), dst.Width()), h = std::min(src.Height(), dst.Height());
  const int64_t dx = int64_t{x} - dst.left, dy = int64_t{y} - dst.top;
  if (dx < 0 || dy < 0 || dx >= w || dy >= h) return kBackground;
  if (clip && !Inside(*clip, x, y)) return kBackground;
  const int64_t sx = int64_t{src.left} + dx, sy = int64_t{src.top} + dy;
  if (sx < 0 || sy < 0 || sx >= kSrcW || sy >= kSrcH) return kBackground;
  return Marker(int(sx), int(sy));
}

struct ClipCase {
  const char* name;
  TRect src;
  TRect dst;
  std::optional<TRect> clip;
};

const ClipCase kClipCases[] = {
    {"inside", {0, 0, 4, 3}, {3, 2, 7, 5}, {}},
    {"left edge: right part of the source at x = 0", {0, 0, 4, 3}, {-2, 2, 2, 5}, {}},
    {"right edge", {0, 0, 4, 3}, {8, 2, 12, 5}, {}},
    {"top edge", {0, 0, 4, 3}, {3, -2, 7, 1}, {}},
    {"bottom edge", {0, 0, 4, 3}, {3, 6, 7, 9}, {}},
    {"top-left corner", {0, 0, 4, 3}, {-3, -2, 1, 1}, {}},
    {"bottom-right corner", {0, 0, 4, 3}, {9, 7, 13, 10}, {}},
    {"fully left", {0, 0, 4, 3}, {-4, 0, 0, 3}, {}},
    {"fully below", {0, 0, 4, 3}, {0, 8, 4, 11}, {}},
    {"source rect left of source", {-2, 0, 4, 3}, {1, 1, 7, 4}, {}},
    {"source rect above source", {0, -1, 4, 3}, {1, 1, 5, 5}, {}},
    {"source rect past source", {2, 1, 9, 9}, {1, 1, 8, 9}, {}},
    {"source narrower than destination", {0, 0, 4, 3}, {2, 2, 10, 8}, {}},
    {"narrow source, destination left of surface", {0, 0, 4, 3}, {-6, 0, 6, 3}, {}},
    {"narrow source, destination hanging right", {0, 0, 3, 3}, {8, 0, 14, 3}, {}},
    {"narrow source, destination hanging below", {0, 0, 4, 2}, {0, 7, 4, 12}, {}},
    {"source part of a wider rect", {1, 1, 3, 3}, {0, 0, 10, 8}, {}},
    {"clip left and top", {0, 0, 4, 3}, {2, 2, 6, 5}, TRect{3, 3, 10, 8}},
    {"clip right and bottom", {0, 0, 4, 3}, {2, 2, 6, 5}, TRect{0, 0, 4, 4}},
    {"clip outside surface", {0, 0, 4, 3}, {-2, -1, 2, 2}, TRect{-5, -5, 1, 20}},
    {"clip misses", {0, 0, 4, 3}, {2, 2, 6, 5}, TRect{7, 0, 9, 8}},
    {"empty destination", {0, 0, 4, 3}, {5, 5, 5, 8}, {}},
    {"inverted source", {3, 0, 1, 3}, {0, 0, 4, 3}, {}},
    {"extreme rectangles", {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX},
     {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {}},
};

TEST(SurfaceClip, DrawImageMatchesPixelModel) {
  Ref<ISurface> source = MarkedSource();
  for (const ClipCase& c : kClipCases) {
    Ref<ISurface> dest = Background();
    if (c.clip) dest->SetClipRect(true, *c.clip);
    const bool drawn = dest->DrawImage(source.get(), c.src, TBlendMode::BltFast, 255, c.dst);
    bool any_expected = false;
    for (int y = 0; y < kDestH; ++y) {
      for (int x = 0; x < kDestW; ++x) {
        const uint32_t want = Expected(c.src, c.dst, c.clip, x, y);
        any_expected = any_expected || want != kBackground;
        ASSERT_EQ(dest->GetPixel(x, y), want) << c.name << " at " << x << "," << y;
      }
    }
    EXPECT_EQ(drawn, any_expected) << c.name;
  }
}

TEST(SurfaceClip, FillColorClipsAgainstTheMask) {
  Ref<ISurface> mask = MarkedSource();  // opaque everywhere: the fill covers the mask's extent
  for (const ClipCase& c : kClipCases) {
    Ref<ISurface> dest = Background();
    if (c.clip) dest->SetClipRect(true, *c.clip);
    dest->FillColor(0xFFFFFFFF, mask.get(), TBlendMode::Normal, 255, c.dst, c.src);
    for (int y = 0; y < kDestH; ++y) {
      for (int x = 0; x < kDestW; ++x) {
        const uint32_t want = Expected(c.src, c.dst, c.clip, x, y) == kBackground ? kBackground : 0xFFFFFFFF;
        ASSERT_EQ(dest->GetPixel(x, y), want) << c.name << " at " << x << "," << y;
      }
    }
  }
}

TEST(SurfaceClip, DrawingIntoItselfUsesTheOldPixels) {
  Ref<ISurface> s = MakeSurface(4, 1, true);
  for (int x = 0; x < 4; ++x) s->SetPixel(x, 0, 0xFF000000u + x);
  ASSERT_TRUE(s->DrawImage(s.get(), {0, 0, 3, 1}, TBlendMode::BltFast, 255, {1, 0, 4, 1}));
  EXPECT_EQ(s->GetPixel(1, 0), 0xFF000000u);
  EXPECT_EQ(s->GetPixel(2, 0), 0xFF000001u);
  EXPECT_EQ(s->GetPixel(3, 0), 0xFF000002u);
}

}  // namespace
}  // namespace corvellane
