// DrawScaled, DrawShifted and DrawTransformed on small images with known
// pixels.
#include <gtest/gtest.h>

#include <limits>

#include "engine/surface.h"

namespace corvellane {
namespace {

// A w x h image whose pixel (x, y) is opaque with red = x and green = y.
Ref<ISurface> Coordinates(int w, int h, bool alpha = true) {
  Ref<ISurface> s = MakeSurface(w, h, alpha);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) s->SetPixel(x, y, 0xFF000000u | uint32_t(x) << 16 | uint32_t(y) << 8);
  }
  return s;
}

uint32_t At(int x, int y) { return 0xFF000000u | uint32_t(x) << 16 | uint32_t(y) << 8; }

TEST(SurfaceScaled, NearestDoublingRepeatsPixels) {
  Ref<ISurface> source = Coordinates(3, 2);
  Ref<ISurface> dest = MakeSurface(6, 4, true);
  ASSERT_TRUE(dest->DrawScaled(source.get(), false, 0, 0, 2, 2));
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) EXPECT_EQ(dest->GetPixel(x, y), At(x / 2, y / 2)) << x << "," << y;
  }
}

TEST(SurfaceScaled, NegativeScaleMirrorsFromTheFarEdge) {
  Ref<ISurface> source = Coordinates(3, 1);
  Ref<ISurface> dest = MakeSurface(3, 1, true);
  ASSERT_TRUE(dest->DrawScaled(source.get(), true, 0, 0, -1, 1));  // |scale| 1: nearest
  EXPECT_EQ(dest->GetPixel(0, 0), At(2, 0));
  EXPECT_EQ(dest->GetPixel(2, 0), At(0, 0));
}

TEST(SurfaceScaled, PixelsOutsideTheSourceBecomeTransparent) {
  Ref<ISurface> source = Coordinates(2, 2);
  Ref<ISurface> with_alpha = MakeSurface(4, 3, true);
  Ref<ISurface> without = MakeSurface(4, 3, false);
  ASSERT_TRUE(with_alpha->DrawScaled(source.get(), false, 0, 0, 1, 1));
  ASSERT_TRUE(without->DrawScaled(source.get(), false, 0, 0, 1, 1));
  EXPECT_EQ(with_alpha->GetPixel(1, 1), At(1, 1));
  EXPECT_EQ(with_alpha->GetPixel(3, 2), 0u);
  EXPECT_EQ(without->GetPixel(3, 2), 0xFF000000u);
}

TEST(SurfaceScaled, SmoothDoublingInterpolatesWithSevenBitWeights) {
  Ref<ISurface> source = MakeSurface(2, 1, true);
  source->SetPixel(0, 0, 0xFF000000);
  source->SetPixel(1, 0, 0xFF0000FE);
  Ref<ISurface> dest = MakeSurface(4, 1, true);
  *dest->GetPixelAddress(3, 0) = 0xFF0000FE;  // stands in for the missing right neighbour
  ASSERT_TRUE(dest->DrawScaled(source.get(), true, 0, 0, 2, 1));
  EXPECT_EQ(dest->GetPixel(0, 0), 0xFF000000u);
  EXPECT_EQ(dest->GetPixel(1, 0), 0xFF00007Fu);  // (0 * 64 + 254 * 64 + 64) >> 7
  EXPECT_EQ(dest->GetPixel(2, 0), 0xFF0000FEu);
  EXPECT_EQ(dest->GetPixel(3, 0), 0xFF0000FEu);
}

TEST(SurfaceScaled, RefusesZeroScaleAndMissingSource) {
  Ref<ISurface> source = Coordinates(2, 2);
  Ref<ISurface> dest = MakeSurface(2, 2, true);
  EXPECT_FALSE(dest->DrawScaled(source.get(), false, 0, 0, 0, 1));
  EXPECT_FALSE(dest->DrawScaled(nullptr, false, 0, 0, 1, 1));
  EXPECT_FALSE(dest->DrawScaled(source.get(), false, 0, 0, 1, std::numeric_limits<double>::infinity()));
  EXPECT_EQ(dest->GetPixel(0, 0), 0u);
}

TEST(SurfaceShifted, WholeShiftCopiesAtTheOffset) {
  Ref<ISurface> source = Coordinates(2, 2);
  Ref<ISurface> dest = MakeSurface(4, 4, true);
  ASSERT_TRUE(dest->DrawShifted(source.get(), 2, 1));
  EXPECT_EQ(dest->GetPixel(2, 1), At(0, 0));
  EXPECT_EQ(dest->GetPixel(3, 2), At(1, 1));
  EXPECT_EQ(dest->GetPixel(1, 1), 0u);
}

TEST(SurfaceShifted, HalfPixelShiftAveragesNeighbours) {
  Ref<ISurface> source = MakeSurface(3, 1, true);
  source->SetPixel(0, 0, 0xFF000000);
  source->SetPixel(1, 0, 0xFF000080);
  source->SetPixel(2, 0, 0xFF000040);
  Ref<ISurface> near = MakeSurface(3, 1, true);
  ASSERT_TRUE(near->DrawShifted(source.get(), -0.5, 0));
  EXPECT_EQ(near->GetPixel(0, 0), 0xFF000040u);
  EXPECT_EQ(near->GetPixel(1, 0), 0xFF000060u);

  // A shift of one and a half renders the half into a larger image first.
  Ref<ISurface> far = MakeSurface(6, 1, true);
  ASSERT_TRUE(far->DrawShifted(source.get(), 1.5, 0));
  // Output x shows source x - 1.5.
  EXPECT_EQ(far->GetPixel(1, 0), 0u);
  EXPECT_EQ(far->GetPixel(2, 0), 0xFF000040u);
  EXPECT_EQ(far->GetPixel(3, 0), 0xFF000060u);
}

TEST(SurfaceTransformed, IdentityAndQuarterTurn) {
  Ref<ISurface> source = Coordinates(4, 4);
  Ref<ISurface> same = MakeSurface(4, 4, true);
  ASSERT_TRUE(same->DrawTransformed(source.get(), {2, 2}, 0, 0, 1, 1, true, 0));
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(same->GetPixel(x, y), At(x, y));
  }
  // A quarter turn about the centre of the 4 x 4 pixel grid (1.5, 1.5) would
  // be exact; about the integer point (2, 2) it moves the image by one pixel.
  Ref<ISurface> turned = MakeSurface(4, 4, true);
  ASSERT_TRUE(turned->DrawTransformed(source.get(), {2, 2}, 0, 0, 1, 1, true, 90));
  // Output (x, y) shows source (y, 4 - x): its column runs along the output row.
  EXPECT_EQ(turned->GetPixel(1, 0), At(0, 3));
  EXPECT_EQ(turned->GetPixel(3, 2), At(2, 1));
  EXPECT_EQ(turned->GetPixel(0, 0), 0u);  // source point (0, 4) is outside
}

TEST(SurfaceTransformed, WritesOnlyTheRotatedBoundingBox) {
  Ref<ISurface> source = Coordinates(2, 2);
  Ref<ISurface> dest = MakeSurface(20, 20, true);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) dest->SetPixel(x, y, 0x12345678);
  }
  ASSERT_TRUE(dest->DrawTransformed(source.get(), {10, 10}, 0, 0, 1, 1, false, 45));
  EXPECT_EQ(dest->GetPixel(0, 0), 0x12345678u);
  EXPECT_EQ(dest->GetPixel(19, 19), 0x12345678u);
  EXPECT_EQ(dest->GetPixel(10, 6), 0u);  // inside the enlarged box, outside the image
}

}  // namespace
}  // namespace corvellane
