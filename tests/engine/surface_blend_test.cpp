// The blend and fill formulas on single pixels, by table. Expected values
// were worked out by hand from the integer formulas (one row per case).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "engine/surface.h"

namespace corvellane {
namespace {

std::string Hex(uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", v);
  return text;
}

Ref<ISurface> OnePixel(uint32_t value, bool has_alpha) {
  Ref<ISurface> s = MakeSurface(1, 1, has_alpha);
  *s->GetPixelAddress(0, 0) = value;  // raw, so that alpha bytes of opaque surfaces can be set
  return s;
}

struct ImageCase {
  TBlendMode mode;
  bool source_alpha;
  uint32_t source;
  bool dest_alpha;
  uint32_t dest;
  int opacity;
  uint32_t expected;
};

// clang-format off
const ImageCase kImageCases[] = {
      {TBlendMode::Normal, false, 0x00102030, true, 0x80C0D0E0, 255, 0x00102030},
      {TBlendMode::Normal, false, 0x00102030, true, 0x80C0D0E0, 128, 0x80687888},
      {TBlendMode::Normal, false, 0x00102030, true, 0x00C0D0E0, 128, 0x00102030},
      {TBlendMode::Normal, false, 0x00102030, false, 0x33C0D0E0, 128, 0x33687888},
      {TBlendMode::Normal, true, 0xFF102030, true, 0x00C0D0E0, 255, 0xFF102030},
      {TBlendMode::Normal, true, 0x80102030, true, 0xC8C0D0E0, 255, 0xE3687888},
      {TBlendMode::Normal, true, 0x00102030, false, 0x00C0D0E0, 255, 0xFFC0D0E0},
      {TBlendMode::Normal, true, 0xFFFFFFFF, false, 0xFF000000, 255, 0xFFFEFEFE},
      {TBlendMode::Normal, true, 0xC8F01080, true, 0x3240A0FF, 100, 0x707574D8},
      {TBlendMode::Normal, true, 0x01102030, true, 0x00C0D0E0, 200, 0x00C0D0E0},
      {TBlendMode::Normal, true, 0xC8F01080, true, 0x0040A0FF, 100, 0xC8F01080},
      {TBlendMode::Normal, true, 0xC8F01080, false, 0x0740A0FF, 100, 0x077574D8},
      {TBlendMode::Screen, true, 0xFF000000, true, 0x80C0D0E0, 255, 0xFEC0D0E0},
      {TBlendMode::Screen, true, 0xFFFFFFFF, true, 0x80C0D0E0, 255, 0xFEFFFFFF},
      {TBlendMode::Screen, false, 0x00804020, false, 0x00102030, 128, 0x004B3B3C},
      {TBlendMode::Screen, true, 0x00FFFFFF, true, 0x80C0D0E0, 255, 0x80C0D0E0},
      {TBlendMode::Overlay, true, 0xFF2080F0, true, 0x40C0D0E0, 255, 0xFE90CFFA},
      {TBlendMode::Overlay, true, 0xA02080F0, false, 0x4010207F, 200, 0x40091FB4},
      {TBlendMode::LinearLight, true, 0xFF808080, true, 0x80C0D0E0, 255, 0xFEC0D0E0},
      {TBlendMode::LinearLight, true, 0xFF00FF00, true, 0x80FF00FF, 255, 0xFE02FD02},
      {TBlendMode::LinearLight, false, 0x0000FF80, true, 0x00FF0010, 255, 0xFE02FD10},
      {TBlendMode::Addition, true, 0xFFFFFFFF, true, 0x80C0D0E0, 255, 0xFEFFFFFF},
      {TBlendMode::Addition, true, 0x80204060, false, 0x00102030, 255, 0x001F3F5F},
      {TBlendMode::MaxOpaque, true, 0xC8112233, true, 0x64445566, 255, 0xC7112233},
      {TBlendMode::MaxOpaque, true, 0x40112233, true, 0x64445566, 255, 0x64445566},
      {TBlendMode::MaxOpaque, true, 0xFF112233, false, 0x10445566, 128, 0xFF112233},
      // "bltfast" copies the pixel as it is, whatever the alpha flags.
      {TBlendMode::BltFast, true, 0x00102030, true, 0x80C0D0E0, 100, 0x00102030},
      {TBlendMode::BltFast, false, 0x12345678, false, 0xFFC0D0E0, 1, 0x12345678},
};
// clang-format on

TEST(SurfaceBlend, ImageModesByTable) {
  for (const ImageCase& c : kImageCases) {
    Ref<ISurface> source = OnePixel(c.source, c.source_alpha);
    Ref<ISurface> dest = OnePixel(c.dest, c.dest_alpha);
    EXPECT_TRUE(dest->DrawImage(source.get(), {0, 0, 1, 1}, c.mode, c.opacity, {0, 0, 1, 1}));
    EXPECT_EQ(Hex(dest->GetPixel(0, 0)), Hex(c.expected))
        << BlendModeName(c.mode) << " src " << Hex(c.source) << (c.source_alpha ? " (alpha)" : "")
        << " dst " << Hex(c.dest) << (c.dest_alpha ? " (alpha)" : "") << " opacity " << c.opacity;
  }
}

TEST(SurfaceBlend, OpacityZeroDrawsNothingInAnyMode) {
  for (int m = 0; m < kBlendModeCount; ++m) {
    Ref<ISurface> source = OnePixel(0xFFFFFFFF, true);
    Ref<ISurface> dest = OnePixel(0x11223344, true);
    EXPECT_FALSE(dest->DrawImage(source.get(), {0, 0, 1, 1}, TBlendMode(m), 0, {0, 0, 1, 1}));
    EXPECT_FALSE(dest->FillColor(0xFFFFFFFF, source.get(), TBlendMode(m), 0, {0, 0, 1, 1}, {0, 0, 1, 1}));
    EXPECT_EQ(dest->GetPixel(0, 0), 0x11223344u);
  }
}

TEST(SurfaceBlend, AdditionSaturatesAt255) {
  // White at full opacity adds (254 * 255) >> 8 = 253 to each channel.
  const struct {
    uint32_t dest, expected;
  } cases[] = {{0, 253}, {1, 254}, {2, 255}, {128, 255}, {255, 255}};
  for (const auto& c : cases) {
    Ref<ISurface> source = OnePixel(0xFFFFFFFF, true);
    Ref<ISurface> dest = OnePixel(0xFF000000u | c.dest << 16 | c.dest << 8 | c.dest, false);
    dest->DrawImage(source.get(), {0, 0, 1, 1}, TBlendMode::Addition, 255, {0, 0, 1, 1});
    EXPECT_EQ(dest->GetPixel(0, 0), 0xFF000000u | c.expected << 16 | c.expected << 8 | c.expected)
        << c.dest;
  }
}

TEST(SurfaceBlend, MissingOrEmptySourceDrawsNothing) {
  Ref<ISurface> dest = OnePixel(0x11223344, true);
  Ref<ISurface> empty = MakeRef<TSurface>();
  EXPECT_FALSE(dest->DrawImage(nullptr, {0, 0, 1, 1}, TBlendMode::Normal, 255, {0, 0, 1, 1}));
  EXPECT_FALSE(dest->DrawImage(empty.get(), {0, 0, 1, 1}, TBlendMode::Normal, 255, {0, 0, 1, 1}));
  EXPECT_FALSE(empty->DrawImage(dest.get(), {0, 0, 1, 1}, TBlendMode::Normal, 255, {0, 0, 1, 1}));
  EXPECT_FALSE(dest->FillColor(0xFFFFFFFF, nullptr, TBlendMode::Normal, 255, {0, 0, 1, 1}, {0, 0, 1, 1}));
  EXPECT_EQ(dest->GetPixel(0, 0), 0x11223344u);
}

struct FillCase {
  TBlendMode mode;
  uint32_t colour;
  bool mask_alpha;
  uint32_t mask;
  bool dest_alpha;
  uint32_t dest;
  int opacity;
  uint32_t expected;
};

// clang-format off
const FillCase kFillCases[] = {
      {TBlendMode::Normal, 0xFF102030, false, 0x00000000, true, 0x40C0D0E0, 255, 0xFF102030},
      {TBlendMode::Normal, 0xFF102030, false, 0x00000000, false, 0x40C0D0E0, 255, 0xFF102030},
      {TBlendMode::Normal, 0x80102030, false, 0x00000000, true, 0x40C0D0E0, 255, 0x80687888},
      {TBlendMode::Normal, 0xFF102030, false, 0x00000000, true, 0x00C0D0E0, 100, 0x64102030},
      {TBlendMode::Normal, 0xFF102030, false, 0x00000000, false, 0x07C0D0E0, 100, 0x077B8B9B},
      {TBlendMode::Normal, 0xFF102030, true, 0xFF000000, true, 0x40C0D0E0, 255, 0xFF102030},
      {TBlendMode::Normal, 0xFF102030, true, 0x00000000, true, 0x40C0D0E0, 255, 0x40C0D0E0},
      {TBlendMode::Normal, 0xFF102030, true, 0x80000000, true, 0x40C0D0E0, 255, 0x9F687888},
      {TBlendMode::Normal, 0xFF102030, true, 0x80000000, true, 0x00C0D0E0, 255, 0x80102030},
      {TBlendMode::Normal, 0xFF102030, true, 0x80000000, false, 0x00C0D0E0, 255, 0xFF687888},
      {TBlendMode::Normal, 0xFF102030, true, 0xC0000000, true, 0x40C0D0E0, 100, 0x778C9CAC},
      {TBlendMode::Normal, 0xFF102030, true, 0xC0000000, true, 0x00C0D0E0, 100, 0x4B102030},
      {TBlendMode::Normal, 0xFF102030, true, 0x01000000, true, 0x00C0D0E0, 100, 0x00C0D0E0},
      {TBlendMode::Normal, 0x80102030, true, 0xC0000000, false, 0x07C0D0E0, 255, 0x077E8E9E},
      {TBlendMode::Screen, 0x80FFFFFF, true, 0xFF000000, true, 0x40102030, 255, 0x9E868E96},
      {TBlendMode::Overlay, 0xC0808080, false, 0x00000000, true, 0x40C0D080, 200, 0xAFBFCF80},
      {TBlendMode::LinearLight, 0xFF808080, true, 0xFF000000, true, 0x80C0D0E0, 255, 0xFEC0D0E0},
      {TBlendMode::Addition, 0xFFFFFFFF, true, 0x80000000, false, 0x00F0F0F0, 255, 0x00FFFFFF},
      {TBlendMode::Addition, 0xFFFFFFFF, true, 0x00000000, true, 0x00F0F0F0, 255, 0x00F0F0F0},
      {TBlendMode::MaxOpaque, 0x30112233, true, 0xC8000000, true, 0x64445566, 255, 0xC7112233},
      {TBlendMode::MaxOpaque, 0x30112233, true, 0xC8000000, false, 0x64445566, 255, 0x30112233},
      {TBlendMode::MaxOpaque, 0x30112233, true, 0x40000000, true, 0x64445566, 255, 0x64445566},
};
// clang-format on

TEST(SurfaceFill, ModesByTable) {
  for (const FillCase& c : kFillCases) {
    Ref<ISurface> mask = OnePixel(c.mask, c.mask_alpha);
    Ref<ISurface> dest = OnePixel(c.dest, c.dest_alpha);
    EXPECT_TRUE(dest->FillColor(c.colour, mask.get(), c.mode, c.opacity, {0, 0, 1, 1}, {0, 0, 1, 1}));
    EXPECT_EQ(Hex(dest->GetPixel(0, 0)), Hex(c.expected))
        << BlendModeName(c.mode) << " colour " << Hex(c.colour) << " mask " << Hex(c.mask)
        << (c.mask_alpha ? " (alpha)" : "") << " dst " << Hex(c.dest)
        << (c.dest_alpha ? " (alpha)" : "") << " opacity " << c.opacity;
  }
}

TEST(SurfaceFill, BltFastDrawsNothing) {
  Ref<ISurface> mask = OnePixel(0xFFFFFFFF, true);
  Ref<ISurface> dest = OnePixel(0x11223344, true);
  EXPECT_FALSE(dest->FillColor(0xFFFFFFFF, mask.get(), TBlendMode::BltFast, 255, {0, 0, 1, 1}, {0, 0, 1, 1}));
  EXPECT_EQ(dest->GetPixel(0, 0), 0x11223344u);
}

}  // namespace
}  // namespace corvellane
