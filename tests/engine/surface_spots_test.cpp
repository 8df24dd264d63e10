// FillColorSpots against FillColor spot by spot: the same pixels for every
// fill mode, opacity, mask and destination kind, with spots inside, across
// the canvas edges, outside it, overlapping each other, under dirty regions
// and under a clip rectangle.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/surface.h"

namespace corvellane {
namespace {

// Fills a surface with a repeatable pattern of every byte value (alpha
// included, zero alpha among them) from a small linear congruential step.
Ref<ISurface> Pattern(int32_t w, int32_t h, bool has_alpha, uint32_t seed) {
  Ref<ISurface> s = MakeSurface(w, h, has_alpha);
  uint32_t x = seed;
  for (int32_t row = 0; row < h; ++row) {
    for (int32_t col = 0; col < w; ++col) {
      x = x * 1664525u + 1013904223u;
      *s->GetPixelAddress(col, row) = x;
    }
  }
  return s;
}

enum class Clipping { None, Region, Rect };

void Clip(ISurface& s, Clipping clipping) {
  if (clipping == Clipping::Region) {
    s.AddDirtyRect({2, 2, 20, 14});
    s.AddDirtyRect({22, 10, 38, 28});
  } else if (clipping == Clipping::Rect) {
    s.SetClipRect(true, {3, 3, 30, 25});
  }
}

struct SpotsCase {
  const char* name;
  int32_t mask_w;
  int32_t mask_h;
  bool mask_alpha;
  bool dest_alpha;
  Clipping clipping;
};

const SpotsCase kCases[] = {
    {"4 x 4 mask with alpha", 4, 4, true, true, Clipping::None},
    {"4 x 4 mask over an opaque canvas", 4, 4, true, false, Clipping::None},
    {"4 x 4 mask without alpha", 4, 4, false, true, Clipping::None},
    {"4 x 4 mask under dirty rectangles", 4, 4, true, true, Clipping::Region},
    {"4 x 4 mask under a clip rectangle", 4, 4, true, false, Clipping::Rect},
    {"3 x 5 mask under dirty rectangles", 3, 5, true, true, Clipping::Region},
    {"9 x 9 mask, drawn row by row", 9, 9, true, true, Clipping::Region},
    {"9 x 9 mask without alpha", 9, 9, false, false, Clipping::None},
};

const TBlendMode kModes[] = {TBlendMode::Normal,      TBlendMode::Screen,   TBlendMode::Overlay,
                             TBlendMode::LinearLight, TBlendMode::Addition, TBlendMode::MaxOpaque};

// On a 40 x 30 canvas: inside, overlapping the previous ones, across each
// edge and corner, wholly outside and far away; colours of full, partial
// and zero alpha.
std::vector<TColourSpot> Spots() {
  return {{5, 5, 0xFF20C040},      {7, 6, 0x80FF0000},        {6, 8, 0x00FFFFFF},  {17, 11, 0xC01030F0},
          {-2, 10, 0xFF808080},    {37, 3, 0x40FFFF00},       {12, -3, 0xE0000000}, {20, 27, 0x90FF8000},
          {-3, -3, 0xFFFFFFFF},    {38, 28, 0x7F00FF00},      {50, 5, 0xFF000000}, {5, -20, 0xFF000000},
          {1 << 30, 4, 0xFF0000FF}, {-(1 << 30), 4, 0xFF0000FF}, {24, 14, 0x01020304}, {25, 15, 0xFEA0B0C0}};
}

std::string Describe(const SpotsCase& c, TBlendMode mode, int opacity) {
  return std::string(c.name) + ", mode " + std::to_string(static_cast<int>(mode)) + ", opacity " +
         std::to_string(opacity);
}

TEST(SurfaceSpots, DrawExactlyWhatFillColorDrawsSpotBySpot) {
  const std::vector<TColourSpot> spots = Spots();
  for (const SpotsCase& c : kCases) {
    const Ref<ISurface> mask = Pattern(c.mask_w, c.mask_h, c.mask_alpha, 11);
    for (TBlendMode mode : kModes) {
      for (int opacity : {255, 128, 300}) {
        const Ref<ISurface> expected = Pattern(40, 30, c.dest_alpha, 3);
        const Ref<ISurface> actual = Pattern(40, 30, c.dest_alpha, 3);
        Clip(*expected, c.clipping);
        Clip(*actual, c.clipping);
        bool expected_drawn = false;
        for (const TColourSpot& spot : spots) {
          expected_drawn = expected->FillColor(spot.colour, mask.get(), mode, opacity,
                                               {spot.x, spot.y, spot.x + c.mask_w, spot.y + c.mask_h},
                                               {0, 0, c.mask_w, c.mask_h}) ||
                           expected_drawn;
        }
        EXPECT_EQ(actual->FillColorSpots(mask.get(), mode, opacity, spots), expected_drawn)
            << Describe(c, mode, opacity);
        int differing = 0;
        for (int32_t y = 0; y < 30; ++y)
          for (int32_t x = 0; x < 40; ++x)
            differing += actual->GetPixelUnchecked(x, y) != expected->GetPixelUnchecked(x, y);
        EXPECT_EQ(differing, 0) << Describe(c, mode, opacity);
      }
    }
  }
}

TEST(SurfaceSpots, RefusesWhatFillColorRefuses) {
  const Ref<ISurface> canvas = Pattern(8, 8, true, 5);
  const Ref<ISurface> mask = Pattern(2, 2, true, 6);
  const Ref<ISurface> before = Pattern(8, 8, true, 5);
  const std::vector<TColourSpot> spots = {{1, 1, 0xFFFFFFFF}};
  EXPECT_FALSE(canvas->FillColorSpots(nullptr, TBlendMode::Normal, 255, spots));
  EXPECT_FALSE(canvas->FillColorSpots(mask.get(), TBlendMode::BltFast, 255, spots));
  EXPECT_FALSE(canvas->FillColorSpots(mask.get(), TBlendMode::Normal, 0, spots));
  EXPECT_FALSE(canvas->FillColorSpots(mask.get(), TBlendMode::Normal, 255, {}));
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(canvas->GetPixelUnchecked(x, y), before->GetPixelUnchecked(x, y));
}

// Spot by spot, each FillColor would see the spots before it in its mask.
TEST(SurfaceSpots, ASurfaceThatIsItsOwnMaskIsCopiedOnceBeforeTheFirstSpot) {
  const Ref<ISurface> mask = Pattern(6, 6, true, 9);
  const Ref<ISurface> expected = Pattern(6, 6, true, 9);
  const Ref<ISurface> actual = Pattern(6, 6, true, 9);
  const std::vector<TColourSpot> spots = {{1, 1, 0x80FF0000}, {-2, 3, 0xFF00FF00}};
  for (const TColourSpot& spot : spots)
    expected->FillColor(spot.colour, mask.get(), TBlendMode::Normal, 200, {spot.x, spot.y, spot.x + 6, spot.y + 6},
                        {0, 0, 6, 6});
  EXPECT_TRUE(actual->FillColorSpots(actual.get(), TBlendMode::Normal, 200, spots));
  for (int32_t y = 0; y < 6; ++y)
    for (int32_t x = 0; x < 6; ++x) EXPECT_EQ(actual->GetPixelUnchecked(x, y), expected->GetPixelUnchecked(x, y));
}

}  // namespace
}  // namespace corvellane
