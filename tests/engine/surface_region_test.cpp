// Dirty regions: merging of rectangles and drawing clipped to the region.
#include <gtest/gtest.h>

#include <vector>

#include "engine/surface.h"

namespace corvellane {
namespace {

std::vector<TRect> RectsOf(const TRegion& region) {
  std::vector<TRect> rects;
  for (int i = 0; i < region.Count(); ++i) rects.push_back(region.Get(i));
  return rects;
}

struct MergeCase {
  const char* name;
  std::vector<TRect> added;
  std::vector<TRect> expected;
};

TEST(DirtyRegion, MergesOverlapsAndKeepsTouchingApart) {
  const MergeCase cases[] = {
      {"inside an existing one", {{0, 0, 10, 10}, {2, 2, 5, 5}}, {{0, 0, 10, 10}}},
      {"equal to an existing one", {{0, 0, 10, 10}, {0, 0, 10, 10}}, {{0, 0, 10, 10}}},
      {"overlap grows", {{0, 0, 10, 10}, {5, 5, 20, 20}}, {{0, 0, 20, 20}}},
      {"swallows an existing one", {{2, 2, 4, 4}, {0, 0, 10, 10}}, {{0, 0, 10, 10}}},
      {"touching stays separate", {{0, 0, 10, 10}, {10, 0, 20, 10}}, {{0, 0, 10, 10}, {10, 0, 20, 10}}},
      {"bridges two separate ones",
       {{0, 0, 10, 10}, {20, 0, 30, 10}, {5, 2, 25, 4}},
       {{0, 0, 30, 10}}},
      {"growth reaches an earlier one in a later pass",
       // (40,0)-(50,10) only meets the union of the first merge.
       {{40, 0, 50, 10}, {0, 0, 10, 10}, {5, 5, 45, 6}},
       {{0, 0, 50, 10}}},
      {"unrelated ones keep their order",
       {{0, 0, 1, 1}, {5, 5, 6, 6}, {3, 3, 4, 4}},
       {{0, 0, 1, 1}, {5, 5, 6, 6}, {3, 3, 4, 4}}},
      {"empty rectangles are ignored", {{0, 0, 0, 10}, {5, 5, 4, 9}}, {}},
  };
  for (const MergeCase& c : cases) {
    TRegion region;
    for (const TRect& r : c.added) region.Add(r);
    EXPECT_EQ(RectsOf(region), c.expected) << c.name;
  }
}

TEST(DirtyRegion, SurfaceSwitchesClippingWithTheRegion) {
  Ref<ISurface> s = MakeSurface(8, 8, true);
  EXPECT_EQ(s->AddDirtyRect({0, 0, 0, 0}), 0);
  EXPECT_FALSE(s->IsClipping());
  EXPECT_EQ(s->AddDirtyRect({1, 1, 3, 3}), 1);
  EXPECT_TRUE(s->IsClipping());
  EXPECT_TRUE(s->IsRegionClipping());
  s->SetClipRect(true, {0, 0, 4, 4});
  EXPECT_FALSE(s->IsRegionClipping());
  EXPECT_EQ(s->GetDirtyRegion().Count(), 1);
  s->ClearDirtyRegion();
  EXPECT_FALSE(s->IsClipping());
  EXPECT_FALSE(s->IsRegionClipping());
  EXPECT_EQ(s->GetDirtyRegion().Count(), 0);
}

Ref<ISurface> Filled(int w, int h, uint32_t colour, bool alpha) {
  Ref<ISurface> s = MakeSurface(w, h, alpha);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) s->SetPixel(x, y, colour);
  }
  return s;
}

TEST(DirtyRegion, DrawingTouchesOnlyDirtyPixelsAndEachOnce) {
  Ref<ISurface> canvas = Filled(10, 10, 0xFF000000, false);
  Ref<ISurface> half_white = Filled(10, 10, 0x80FFFFFF, true);
  canvas->AddDirtyRect({0, 0, 4, 4});
  canvas->AddDirtyRect({2, 2, 6, 6});  // merged with the first one
  canvas->AddDirtyRect({8, 8, 10, 10});

  // Blending twice would make the overlap brighter than the rest.
  ASSERT_TRUE(canvas->DrawImage(half_white.get(), {0, 0, 10, 10}, TBlendMode::Normal, 255, {0, 0, 10, 10}));
  const uint32_t once = canvas->GetPixel(0, 0);
  EXPECT_NE(once, 0xFF000000u);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      const bool dirty = (x < 6 && y < 6) || (x >= 8 && y >= 8);
      EXPECT_EQ(canvas->GetPixel(x, y), dirty ? once : 0xFF000000u) << x << "," << y;
    }
  }

  // A destination that meets no dirty rectangle draws nothing.
  EXPECT_FALSE(canvas->DrawImage(half_white.get(), {0, 0, 2, 2}, TBlendMode::Normal, 255, {7, 0, 9, 2}));
  Ref<ISurface> mask = Filled(2, 2, 0xFFFFFFFF, true);
  EXPECT_FALSE(canvas->FillColor(0xFFFFFFFF, mask.get(), TBlendMode::Normal, 255, {7, 0, 9, 2}, {0, 0, 2, 2}));
  EXPECT_TRUE(canvas->FillColor(0xFF0000FF, mask.get(), TBlendMode::Normal, 255, {7, 7, 9, 9}, {0, 0, 2, 2}));
  EXPECT_EQ(canvas->GetPixel(8, 8), 0xFF0000FFu);
  EXPECT_NE(canvas->GetPixel(7, 7), 0xFF0000FFu);

  // With the region cleared the whole surface is drawable again.
  canvas->ClearDirtyRegion();
  EXPECT_TRUE(canvas->DrawImage(half_white.get(), {0, 0, 2, 2}, TBlendMode::BltFast, 255, {7, 0, 9, 2}));
  EXPECT_EQ(canvas->GetPixel(7, 0), 0x80FFFFFFu);
}

}  // namespace
}  // namespace corvellane
