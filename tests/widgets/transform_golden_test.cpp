// Golden pictures of the transforms whose pixels come from resampling and
// stamping: a rotated, a zoomed, a contoured and a cut-sector widget over
// a background, compared pixel for pixel with pictures reviewed by eye in
// tests/golden/. After a deliberate change, regenerate them with
//   CORVELLANE_UPDATE_GOLDEN=1 ctest --test-dir build -R TransformGolden
// look at every transform_*.png, and commit them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/image_decoder.h"
#include "engine/platform/png_writer.h"
#include "tests/support/test_folders.h"
#include "tests/widgets/transform_fixture.h"

namespace corvellane::testing {
namespace {

// A badge: a disc shading from gold to rose, a dark stripe across it and a
// soft rim, on transparency.
Ref<TSurface> Badge(int32_t width, int32_t height) {
  Ref<TSurface> s = MakeSurface(width, height, true);
  const double cx = width / 2.0, cy = height / 2.0, radius = std::min(width, height) / 2.0;
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const double dx = (x + 0.5 - cx) / radius, dy = (y + 0.5 - cy) / radius;
      const double d = std::sqrt(dx * dx + dy * dy);
      if (d >= 1) continue;
      const auto alpha = static_cast<uint32_t>(255 * std::min(1.0, (1 - d) * 6));
      const bool stripe = std::fabs(dx - dy) < 0.25;
      const auto red = static_cast<uint32_t>(stripe ? 60 : 240 - 40 * d);
      const auto green = static_cast<uint32_t>(stripe ? 30 : 200 - 150 * d);
      const auto blue = static_cast<uint32_t>(stripe ? 90 : 80 + 60 * dy);
      s->SetPixel(x, y, alpha << 24 | red << 16 | green << 8 | blue);
    }
  }
  return s;
}

Ref<TSurface> ReadPng(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  return DecodePng({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
}

bool WriteSurfacePng(const std::string& path, const ISurface& surface) {
  CanvasView view;
  view.width = surface.GetWidth();
  view.height = surface.GetHeight();
  view.stride = view.width;
  view.pixels = {surface.GetScanLine(0), size_t(view.width) * size_t(view.height)};
  return WritePng(path, view);
}

// The same element named "u" instead of "t".
std::string Renamed(std::string xml) { return xml.replace(xml.find("name=\"t\""), 8, "name=\"u\""); }

struct GoldenCase {
  const char* name;
  std::string xml;
};

void PrintTo(const GoldenCase& c, std::ostream* out) { *out << c.name; }

class TransformGoldenTest : public TransformTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(TransformGoldenTest, LooksAsReviewed) {
  LoadRoot(GetParam().xml);
  SetPicture("t/picture", Badge(48, 40));
  if (Find("u")) SetPicture("u/picture", Badge(30, 24));
  ASSERT_TRUE(checker.RunFrame(*screen_, 0));
  const std::string path = TestSourceDir() + "/tests/golden/transform_" + GetParam().name + ".png";
  if (std::getenv("CORVELLANE_UPDATE_GOLDEN")) {
    ASSERT_TRUE(WriteSurfacePng(path, checker.Kept())) << path;
    return;
  }
  Ref<TSurface> expected = ReadPng(path);
  ASSERT_TRUE(expected) << "missing golden picture " << path;
  ASSERT_EQ(expected->GetWidth(), kWidth);
  int differing = 0;
  for (int32_t y = 0; y < kHeight; ++y)
    for (int32_t x = 0; x < kWidth; ++x)
      differing += (expected->GetPixel(x, y) & 0xFFFFFF) != (checker.Kept().GetPixel(x, y) & 0xFFFFFF);
  EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TransformGoldenTest,
    ::testing::Values(GoldenCase{"rotated", Transform("rotate_widget", R"(anchor_left="80" anchor_top="60" angle="33"
                                                         centerx="24" centery="20" zoom="1.6" smooth="yes")")},
                      GoldenCase{"zoomed", Transform("zoom_widget", R"(anchor_left="80.5" anchor_top="60.25" zoomx="2.6"
                                                        zoomy="2.2" centerx="24" centery="20" smooth="yes")")},
                      GoldenCase{"contoured", Transform("contour_widget", R"(anchor_left="56" anchor_top="40"
                                                           contourcolor="$FF2040C0" contourthickness="3" smooth="yes")",
                                                        R"(anchor_left="10")") +
                                                  Renamed(Transform("contour_widget", R"(anchor_left="56" anchor_top="70"
                                                           contourcolor="$C0FFFFFF" contourthickness="2")"))},
                      GoldenCase{"cut_sector", Transform("cutsector_widget", R"(anchor_left="56" anchor_top="40" centerx="24"
                                                            centery="20" startangle="-60" endangle="75")")}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvellane::testing
