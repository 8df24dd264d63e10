// Image decoding: every PNG colour type to 8-bit colour with alpha, JPEG
// colour, and damaged or oversized files refused.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "engine/image_decoder.h"
#include "engine/image_resource.h"
#include "tests/engine/fake_resource_owner.h"
#include "tests/engine/test_images.h"
#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

using testing::EncodeFlatJpeg;
using testing::EncodeJpeg;
using testing::EncodePng;
using testing::Png;
using testing::PngPicture;
using testing::WithColourKey;
using testing::WithPalette;

std::span<const uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

TEST(DecodePng, EveryColourTypeAndDepthBecomesEightBitColourWithAlpha) {
  const struct {
    const char* what;
    PngPicture target;
    uint32_t first, second;
    bool has_alpha;
  } cases[] = {
      {"rgb", Png(2, 1, PNG_COLOR_TYPE_RGB, 8, {255, 0, 0, 0, 128, 255}), 0xFFFF0000, 0xFF0080FF, false},
      {"rgba", Png(2, 1, PNG_COLOR_TYPE_RGBA, 8, {10, 20, 30, 128, 40, 50, 60, 255}), 0x800A141E, 0xFF28323C, true},
      {"grey", Png(2, 1, PNG_COLOR_TYPE_GRAY, 8, {0, 200}), 0xFF000000, 0xFFC8C8C8, false},
      {"grey 1-bit", Png(2, 1, PNG_COLOR_TYPE_GRAY, 1, {0x80}), 0xFFFFFFFF, 0xFF000000, false},
      {"grey+alpha", Png(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {100, 50, 200, 255}), 0x32646464, 0xFFC8C8C8, true},
      {"rgb 16-bit", Png(2, 1, PNG_COLOR_TYPE_RGB, 16, {0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}),
       0xFFFF0000, 0xFF00FFFF, false},
      {"palette+tRNS",
       WithPalette(Png(2, 1, PNG_COLOR_TYPE_PALETTE, 8, {1, 0}), {{255, 0, 0}, {0, 0, 255}}, {255, 128}),
       0x800000FF, 0xFFFF0000, true},
      {"palette 2-bit",
       WithPalette(Png(2, 1, PNG_COLOR_TYPE_PALETTE, 2, {0x10}), {{1, 2, 3}, {4, 5, 6}}),
       0xFF010203, 0xFF040506, false},
      {"rgb colour key",
       WithColourKey(Png(2, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 9, 9, 9}), {0, 9, 9, 9, 0}),
       0xFF010203, 0x00000000, true},
  };
  for (const auto& c : cases) {
    Ref<TSurface> s = DecodePng(Bytes(EncodePng(c.target)));
    ASSERT_TRUE(s) << c.what;
    EXPECT_EQ(s->GetWidth(), 2) << c.what;
    EXPECT_EQ(s->GetHeight(), 1) << c.what;
    EXPECT_EQ(s->GetPixel(0, 0), c.first) << c.what;
    // A fully transparent pixel's colour is of no consequence.
    if ((c.second >> 24) == 0)
      EXPECT_EQ(s->GetPixel(1, 0) >> 24, 0u) << c.what;
    else
      EXPECT_EQ(s->GetPixel(1, 0), c.second) << c.what;
    EXPECT_EQ(s->HasAlpha(), c.has_alpha) << c.what;
  }
}

TEST(DecodePng, GreyOfAnyImageForMasks) {
  auto grey = DecodePngGrey(Bytes(testing::EncodeGreyPng(3, 2, {0, 17, 255, 1, 2, 3})));
  ASSERT_TRUE(grey);
  EXPECT_EQ(grey->width, 3);
  EXPECT_EQ(grey->height, 2);
  EXPECT_EQ(grey->pixels, (std::vector<uint8_t>{0, 17, 255, 1, 2, 3}));
}

TEST(DecodePng, DamagedTruncatedAndOversizedFilesGiveNone) {
  const std::string good = EncodePng(Png(4, 4, PNG_COLOR_TYPE_RGB, 8, std::vector<uint8_t>(48, 7)));
  ASSERT_TRUE(DecodePng(Bytes(good)));
  for (size_t cut : {size_t(0), size_t(8), size_t(20), size_t(40), good.size() / 2, good.size() - 13})
    EXPECT_FALSE(DecodePng(Bytes(good.substr(0, cut)))) << "cut at " << cut;
  std::string flipped = good;
  flipped[flipped.size() - 20] ^= 0x55;  // inside the image data: checksum fails
  EXPECT_FALSE(DecodePng(Bytes(flipped)));
  EXPECT_FALSE(DecodePng(Bytes(std::string("not a png at all"))));

  // The limit is checked from the header, before any pixel memory exists.
  const int widest = kMaxSurfaceSide;
  EXPECT_TRUE(DecodePng(Bytes(EncodePng(Png(widest, 1, PNG_COLOR_TYPE_GRAY, 1, std::vector<uint8_t>(widest / 8))))));
  EXPECT_FALSE(DecodePng(Bytes(EncodePng(Png(widest + 8, 1, PNG_COLOR_TYPE_GRAY, 1, std::vector<uint8_t>(widest / 8 + 1))))));
  EXPECT_FALSE(DecodePngGrey(Bytes(EncodePng(Png(1, widest + 1, PNG_COLOR_TYPE_GRAY, 1, std::vector<uint8_t>(widest + 1))))));
}

TEST(DecodeJpeg, ColourComesThroughOpaque) {
  Ref<TSurface> s = DecodeJpeg(Bytes(EncodeFlatJpeg(16, 8, 200, 100, 50)));
  ASSERT_TRUE(s);
  EXPECT_EQ(s->GetWidth(), 16);
  EXPECT_EQ(s->GetHeight(), 8);
  EXPECT_FALSE(s->HasAlpha());
  const uint32_t p = s->GetPixel(5, 5);
  EXPECT_EQ(p >> 24, 255u);
  EXPECT_NEAR(int((p >> 16) & 255), 200, 2);
  EXPECT_NEAR(int((p >> 8) & 255), 100, 2);
  EXPECT_NEAR(int(p & 255), 50, 2);
}

TEST(DecodeJpeg, GreyDamagedTruncatedAndOversizedFilesGiveNone) {
  EXPECT_FALSE(DecodeJpeg(Bytes(EncodeJpeg(8, 8, 1, std::vector<uint8_t>(64, 90)))));
  std::vector<uint8_t> noise(64 * 64 * 3);
  for (size_t i = 0; i < noise.size(); ++i) noise[i] = uint8_t(i * 37 + i / 7);
  const std::string good = EncodeJpeg(64, 64, 3, noise);
  ASSERT_TRUE(DecodeJpeg(Bytes(good)));
  for (size_t cut : {size_t(0), size_t(2), size_t(100), good.size() / 2, good.size() - 2})
    EXPECT_FALSE(DecodeJpeg(Bytes(good.substr(0, cut)))) << "cut at " << cut;
  EXPECT_FALSE(DecodeJpeg(Bytes(std::string("\xFF\xD8\xFF\xE0garbage", 11))));
  EXPECT_FALSE(DecodeJpeg(Bytes(EncodeFlatJpeg(kMaxSurfaceSide + 1, 1, 1, 2, 3))));
}

// ---- image resources ----

class ImageResourceTest : public ::testing::Test {
 protected:
  Ref<IImageResource> Define(std::string_view file, std::string_view format, bool by_demand = false) {
    std::string xml = "<resource type=\"ImageResource\" name=\"img\"";
    if (!file.empty()) xml += " file=\"" + dir_.File(file) + "\"";
    if (!format.empty()) xml += " format=\"" + std::string(format) + "\"";
    if (by_demand) xml += " loadbydemand=\"yes\"";
    xml += "/>";
    owner_->Resources().RemoveOwner("");
    return QueryInterface<IImageResource>(owner_->Define(xml));
  }

  testing::TempDir dir_;
  Ref<testing::FakeResourceOwner> owner_ = MakeRef<testing::FakeResourceOwner>();
};

TEST_F(ImageResourceTest, EachFormatDecodesItsFilesAndAnythingElseGivesNoSurface) {
  dir_.Write("a.png", EncodePng(Png(2, 1, PNG_COLOR_TYPE_RGBA, 8, {1, 2, 3, 4, 5, 6, 7, 255})));
  dir_.Write("b.jpg", EncodeFlatJpeg(3, 2, 0, 0, 255));
  dir_.Write("m.png", testing::EncodeGreyPng(3, 2, {0, 50, 100, 150, 200, 255}));
  dir_.Write("m.jpg", EncodeFlatJpeg(3, 2, 255, 255, 255));
  dir_.Write("wide.png", testing::EncodeGreyPng(4, 2, std::vector<uint8_t>(8, 9)));
  dir_.Write("wide.jpg", EncodeFlatJpeg(3, 2, 255, 255, 255));
  dir_.Write("lone.png", testing::EncodeGreyPng(3, 2, std::vector<uint8_t>(6, 9)));
  dir_.Write("bad.png", "\x89PNG\r\n\x1a\n truncated");
  const struct {
    const char* file;
    const char* format;
    int width, height;
    bool has_alpha;
  } cases[] = {
      {"a.png", "png", 2, 1, true},     {"b.jpg", "jpeg", 3, 2, false},  {"m.png", "jpng", 3, 2, true},
      {"a.png", "", 0, 0, false},       {"a.png", "unknown", 0, 0, false}, {"missing.png", "png", 0, 0, false},
      {"bad.png", "png", 0, 0, false},  {"a.png", "jpeg", 0, 0, false},  {"lone.png", "jpng", 0, 0, false},
      {"wide.png", "jpng", 0, 0, false}, {"b.jpg", "png", 0, 0, false},
  };
  for (const auto& c : cases) {
    Ref<IImageResource> image = Define(c.file, c.format);
    ASSERT_TRUE(image) << c.file;
    const std::string what = std::string(c.file) + " as " + c.format;
    EXPECT_EQ(image->GetImageWidth(), c.width) << what;
    EXPECT_EQ(image->GetImageHeight(), c.height) << what;
    Ref<ISurface> surface = image->GetSurface();
    EXPECT_EQ(bool(surface), c.width > 0) << what;
    if (surface) EXPECT_EQ(surface->HasAlpha(), c.has_alpha) << what;
  }
}

TEST_F(ImageResourceTest, JpngTakesColourFromThePartnerAndAlphaFromTheGreyMask) {
  dir_.Write("m.png", testing::EncodeGreyPng(3, 2, {0, 50, 100, 150, 200, 255}));
  dir_.Write("m.jpg", EncodeFlatJpeg(3, 2, 255, 255, 255));
  Ref<ISurface> s = Define("m.png", "jpng")->GetSurface();
  ASSERT_TRUE(s);
  const uint32_t alphas[] = {0, 50, 100, 150, 200, 255};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(s->GetPixel(i % 3, i / 3) >> 24, alphas[i]) << i;
    EXPECT_GE(s->GetPixel(i % 3, i / 3) & 0xFF, 250u) << i;
  }
}

TEST_F(ImageResourceTest, LoadByDemandDefersDecodingAndUnloadMakesTheNextUseReload) {
  dir_.Write("a.png", EncodePng(Png(2, 2, PNG_COLOR_TYPE_GRAY, 8, {1, 2, 3, 4})));
  Ref<IImageResource> image = Define("a.png", "png", true);
  EXPECT_TRUE(image->IsLoadPending());
  EXPECT_EQ(owner_->reads, 0);
  EXPECT_EQ(image->GetImageWidth(), 2);
  EXPECT_FALSE(image->IsLoadPending());
  EXPECT_EQ(owner_->reads, 1);

  owner_->Resources().UnloadOwner("test");
  EXPECT_TRUE(image->IsLoadPending());
  EXPECT_EQ(owner_->reads, 1);
  EXPECT_TRUE(image->GetSurface());
  EXPECT_EQ(owner_->reads, 2);

  Ref<IImageResource> eager = Define("a.png", "png");
  EXPECT_FALSE(eager->IsLoadPending());
  EXPECT_EQ(owner_->reads, 3);
}

TEST_F(ImageResourceTest, DefinitionKeysSurviveSaving) {
  dir_.Write("a.png", EncodePng(Png(1, 1, PNG_COLOR_TYPE_GRAY, 8, {1})));
  Ref<IImageResource> image = Define("a.png", "png", true);
  Ref<IHierStorageRoot> saved = CreateStorage("resource");
  QueryInterface<IPersistable>(image)->SaveTo(saved.get());
  EXPECT_EQ(ReadText(saved.get(), "file"), dir_.File("a.png"));
  EXPECT_EQ(ReadText(saved.get(), "format"), "png");
  EXPECT_EQ(ReadText(saved.get(), "loadbydemand"), "yes");

  Ref<IImageResource> plain = Define("", "");
  Ref<IHierStorageRoot> bare = CreateStorage("resource");
  QueryInterface<IPersistable>(plain)->SaveTo(bare.get());
  EXPECT_TRUE(bare->GetValue("file", Variant(false)).IsText());  // written even when empty
  EXPECT_EQ(ReadText(bare.get(), "loadbydemand", "absent"), "absent");
}

}  // namespace
}  // namespace corvellane
