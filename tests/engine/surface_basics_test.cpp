// Surface storage, pixel access, sizes, alpha statistics and masked copies.
#include <gtest/gtest.h>

#include <limits>

#include "engine/surface.h"

namespace corvellane {
namespace {

TEST(SurfaceSize, StartsEmptyAndAllocatesTransparentBlack) {
  Ref<ISurface> s = MakeRef<TSurface>();
  EXPECT_EQ(s->GetWidth(), 0);
  EXPECT_EQ(s->GetHeight(), 0);
  EXPECT_FALSE(s->HasAlpha());
  EXPECT_EQ(s->GetScanLine(0), nullptr);

  ASSERT_TRUE(s->SetSize(3, 2));
  EXPECT_EQ(s->GetWidth(), 3);
  EXPECT_EQ(s->GetHeight(), 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(s->GetPixel(x, y), 0u);
  }
  EXPECT_EQ(s->GetScanLine(1), s->GetScanLine(0) + 3);
  EXPECT_EQ(s->GetScanLine(2), nullptr);
  EXPECT_EQ(s->GetScanLine(-1), nullptr);

  EXPECT_TRUE(s->SetSize(0, 0));
  EXPECT_EQ(s->GetScanLine(0), nullptr);
}

TEST(SurfaceSize, RefusesNegativeZeroSidedAndAbsurdSizes) {
  const struct {
    int32_t w, h;
  } refused[] = {{-1, 5},
                 {5, -1},
                 {0, 5},
                 {7, 0},
                 {kMaxSurfaceSide + 1, 1},
                 {1, kMaxSurfaceSide + 1},
                 {65536, 65536},  // width * height * 4 would wrap a 32-bit size
                 {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max()}};
  for (const auto& size : refused) {
    Ref<ISurface> s = MakeSurface(4, 4, true);
    EXPECT_FALSE(s->SetSize(size.w, size.h)) << size.w << "x" << size.h;
    EXPECT_EQ(s->GetWidth(), 0);
    EXPECT_EQ(s->GetHeight(), 0);
    EXPECT_EQ(s->GetScanLine(0), nullptr);
    EXPECT_FALSE(s->DrawImage(s.get(), {0, 0, 1, 1}, TBlendMode::Normal, 255, {0, 0, 1, 1}));
  }
}

TEST(SurfacePixels, ReadsAndWritesInsideOnly) {
  Ref<ISurface> s = MakeSurface(4, 3, true);
  s->SetPixel(3, 2, 0x12345678);
  EXPECT_EQ(s->GetPixel(3, 2), 0x12345678u);
  EXPECT_EQ(s->GetPixelUnchecked(3, 2), 0x12345678u);
  EXPECT_EQ(*s->GetPixelAddress(3, 2), 0x12345678u);
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 3}}) {
    s->SetPixel(x, y, 0xFFFFFFFF);
    EXPECT_EQ(s->GetPixel(x, y), 0u);
  }
  s->Clear();
  EXPECT_EQ(s->GetPixel(3, 2), 0u);
}

TEST(SurfacePixels, WithoutAlphaStoresOpaque) {
  Ref<ISurface> s = MakeSurface(2, 2, false);
  s->SetPixel(1, 1, 0x00112233);
  EXPECT_EQ(s->GetPixel(1, 1), 0xFF112233u);
}

TEST(SurfacePixels, SetPixelHonoursClipRectButNotRegion) {
  Ref<ISurface> s = MakeSurface(4, 4, true);
  s->SetClipRect(true, {1, 1, 3, 3});
  s->SetPixel(0, 0, 0x11111111);
  s->SetPixel(2, 2, 0x22222222);
  EXPECT_EQ(s->GetPixel(0, 0), 0u);
  EXPECT_EQ(s->GetPixel(2, 2), 0x22222222u);

  // The dirty region switches clipping on but does not limit single pixels:
  // only the clip rectangle does.
  s->AddDirtyRect({0, 0, 1, 1});
  s->SetPixel(0, 0, 0x33333333);
  s->SetPixel(1, 2, 0x44444444);
  EXPECT_EQ(s->GetPixel(0, 0), 0u);
  EXPECT_EQ(s->GetPixel(1, 2), 0x44444444u);
}

TEST(SurfaceAlphaStats, CountsAgainstThreshold) {
  Ref<ISurface> s = MakeSurface(2, 2, true);
  s->SetPixel(0, 0, 0x00000000);
  s->SetPixel(1, 0, 0x01000000);
  s->SetPixel(0, 1, 0x80FFFFFF);
  s->SetPixel(1, 1, 0xFF000000);
  const struct {
    int threshold;
    int64_t opaque;
  } cases[] = {{0, 3}, {1, 2}, {127, 2}, {128, 1}, {254, 1}, {255, 0}};
  for (const auto& c : cases) {
    const std::optional<TAlphaStats> stats = s->GetAlphaStats(c.threshold);
    ASSERT_TRUE(stats);
    EXPECT_EQ(stats->pixels_count, 4);
    EXPECT_EQ(stats->opaque_count, c.opaque) << "threshold " << c.threshold;
    EXPECT_EQ(stats->transparent_count, 4 - c.opaque);
  }
  EXPECT_FALSE(MakeRef<TSurface>()->GetAlphaStats(0));
}

TEST(SurfaceCopyMasked, CopiesWhereMaskIsNotTransparent) {
  Ref<ISurface> source = MakeSurface(3, 1, true);
  Ref<ISurface> mask = MakeSurface(3, 1, true);
  Ref<ISurface> opaque_dest = MakeSurface(3, 1, false);
  Ref<ISurface> alpha_dest = MakeSurface(3, 1, true);
  for (int x = 0; x < 3; ++x) source->SetPixel(x, 0, 0x10203040u + x);
  mask->SetPixel(0, 0, 0x00FFFFFF);
  mask->SetPixel(1, 0, 0x01000000);
  mask->SetPixel(2, 0, 0xFF000000);

  ASSERT_TRUE(alpha_dest->CopyMasked(source.get(), {0, 0, 3, 1}, {0, 0, 3, 1}, {0, 0, 3, 1}, mask.get()));
  EXPECT_EQ(alpha_dest->GetPixel(0, 0), 0u);
  EXPECT_EQ(alpha_dest->GetPixel(1, 0), 0x10203041u);
  EXPECT_EQ(alpha_dest->GetPixel(2, 0), 0x10203042u);

  ASSERT_TRUE(opaque_dest->CopyMasked(source.get(), {0, 0, 3, 1}, {0, 0, 3, 1}, {0, 0, 3, 1}, mask.get()));
  EXPECT_EQ(opaque_dest->GetPixel(1, 0), 0xFF203041u);

  // The smallest of the three rectangles decides; the mask is offset by its own rectangle.
  Ref<ISurface> dest = MakeSurface(3, 1, true);
  ASSERT_TRUE(dest->CopyMasked(source.get(), {0, 0, 3, 1}, {0, 0, 3, 1}, {1, 0, 3, 1}, mask.get()));
  EXPECT_EQ(dest->GetPixel(0, 0), 0x10203040u);
  EXPECT_EQ(dest->GetPixel(1, 0), 0x10203041u);
  EXPECT_EQ(dest->GetPixel(2, 0), 0u);

  EXPECT_FALSE(dest->CopyMasked(source.get(), {0, 0, 3, 1}, {0, 0, 3, 1}, {0, 0, 3, 1}, nullptr));
  EXPECT_FALSE(dest->CopyMasked(nullptr, {0, 0, 3, 1}, {0, 0, 3, 1}, {0, 0, 3, 1}, mask.get()));
}

TEST(SurfaceBlendModeNames, RoundTrip) {
  for (int i = 0; i < kBlendModeCount; ++i) {
    const auto mode = static_cast<TBlendMode>(i);
    EXPECT_EQ(BlendModeFromName(BlendModeName(mode)), mode);
  }
  EXPECT_EQ(BlendModeFromName("linearlight"), TBlendMode::LinearLight);
  EXPECT_EQ(BlendModeFromName("Normal"), std::nullopt);
  EXPECT_EQ(DrawModeFromName("fillcolor"), TDrawMode::FillColor);
  EXPECT_EQ(DrawModeFromName("copy"), std::nullopt);
}

}  // namespace
}  // namespace corvellane
