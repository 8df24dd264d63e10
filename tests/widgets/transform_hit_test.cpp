// Transform widgets are hit where they draw: for every kind, at anchors
// with fractions (which round and truncate differently), a click counts
// exactly on the pixels the widget painted; and a click handed on to the
// inner widget reaches the part of it that is drawn under the mouse.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/widgets/transform_fixture.h"

namespace corvellane::testing {
namespace {

struct HitCase {
  const char* label;
  std::string xml;
};

void PrintTo(const HitCase& c, std::ostream* out) { *out << c.label; }

std::string MaskResource() { return R"(<resource type="ImageResource" name="oval" file="oval.png" format="png"/>)"; }

class TransformHitTest : public TransformTest, public ::testing::WithParamInterface<HitCase> {
 protected:
  void SetUp() override {
    // A mask with a hole in its middle column.
    std::vector<uint32_t> pixels(12 * 10, 0xFF000000);
    for (int y = 0; y < 10; ++y) pixels[y * 12 + 6] = 0;
    WritePicture("oval.png", 12, 10, pixels);
    DefineResources(MaskResource());
  }
};

TEST_P(TransformHitTest, ClicksCountExactlyOnTheDrawnPixels) {
  LoadRoot(GetParam().xml, R"(anchor_left="3.5" anchor_top="2.5")");
  SetPicture("t/picture", Quarters(12, 10));
  Ref<TSurface> drawn = DrawnOnTransparency();
  int painted = 0, disagreeing = 0;
  std::string first;
  for (int32_t y = 0; y < kHeight; ++y) {
    for (int32_t x = 0; x < kWidth; ++x) {
      const bool is_drawn = (drawn->GetPixel(x, y) >> 24) != 0;
      const bool is_hit = screen_->Root()->WidgetAtPos({x, y}) != nullptr;
      painted += is_drawn;
      if (is_drawn != is_hit && disagreeing++ == 0)
        first = "(" + std::to_string(x) + ", " + std::to_string(y) + ") drawn " + std::to_string(is_drawn);
    }
  }
  EXPECT_GT(painted, 20);
  EXPECT_EQ(disagreeing, 0) << "first at " << first;
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, TransformHitTest,
    ::testing::Values(
        HitCase{"smooth_move", Transform("smooth_move_widget", R"(anchor_left="20.6" anchor_top="30.3")")},
        HitCase{"zoom", Transform("zoom_widget", R"(anchor_left="40.5" anchor_top="30.5" zoom="2" centerx="4" centery="3")")},
        HitCase{"zoom_mirrored",
                Transform("zoom_widget", R"(anchor_left="40.6" anchor_top="31.5" zoomx="-1.5" zoomy="0.5" centerx="6")")},
        HitCase{"rotate", Transform("rotate_widget",
                                    R"(anchor_left="80.5" anchor_top="60.4" angle="30" zoom="1.5" centerx="6" centery="5")")},
        HitCase{"rotate_quarter", Transform("rotate_widget", R"(anchor_left="50.5" anchor_top="50.5" angle="90" centerx="2")")},
        HitCase{"rotate_unturned", Transform("rotate_widget", R"(anchor_left="50.25" anchor_top="50.75" zoom="1.25")")},
        HitCase{"timed_rotate", Transform("rotate_widget_timed", R"(anchor_left="60.5" anchor_top="40.5" startangle="200")")},
        HitCase{"contour", Transform("contour_widget", R"(anchor_left="31.5" anchor_top="21.6" contourthickness="3")",
                                     R"(anchor_left="1.5" anchor_top="2.5")")},
        HitCase{"cut_sector", Transform("cutsector_widget",
                                        R"(anchor_left="33.5" anchor_top="20.6" centerx="6" centery="5" endangle="90")",
                                        R"(anchor_left="2.5")")},
        HitCase{"scroll_area", Transform("scrollarea_widget",
                                         R"(anchor_left="71.5" anchor_top="20.6" width="9" height="7" shiftleft="4" shifttop="2")",
                                         R"(anchor_left="1.5" anchor_top="1")")},
        HitCase{"mask", Transform("mask_widget", R"(anchor_left="11.5" anchor_top="80.7")", R"(anchor_left="3.5")")},
        HitCase{"masked", Transform("masked_widget", R"(anchor_left="91.5" anchor_top="80.6" resourcename="oval")")}),
    [](const ::testing::TestParamInfo<HitCase>& info) { return std::string(info.param.label); });

// ---- What the inner widget is asked ----

// Two mouse-stop boxes side by side inside the transform: "a" red on the
// left, "b" green on the right.
std::string TwoBoxes(std::string_view type, std::string_view attributes) {
  return "<widget type=\"" + std::string(type) + "\" name=\"t\" visible=\"yes\" mousestop=\"yes\" " +
         std::string(attributes) +
         R"(><widgets><widget type="group_widget" name="g" visible="yes" mousestop="yes" anchor_left="2" anchor_top="1">
              <widgets>
                <widget type="test_box" name="a" visible="yes" mousestop="yes" width="10" height="8" colour="$FFFF0000"/>
                <widget type="test_box" name="b" visible="yes" mousestop="yes" anchor_left="10" width="10" height="8"
                        colour="$FF00FF00"/>
              </widgets></widget></widgets></widget>)";
}

class InnerHitTest : public TransformTest, public ::testing::WithParamInterface<HitCase> {};

TEST_P(InnerHitTest, TheInnerWidgetDrawnUnderTheMouseIsHit) {
  LoadRoot(GetParam().xml);
  Ref<TSurface> drawn = DrawnOnTransparency();
  int checked = 0;
  for (int32_t y = 1; y + 1 < kHeight; ++y) {
    for (int32_t x = 1; x + 1 < kWidth; ++x) {
      // Only points inside an area of one colour: sample boundaries may
      // round either way.
      const uint32_t colour = drawn->GetPixel(x, y);
      bool uniform = colour == kRed || colour == kGreen;
      for (int32_t dy = -1; dy <= 1; ++dy)
        for (int32_t dx = -1; dx <= 1; ++dx) uniform = uniform && drawn->GetPixel(x + dx, y + dy) == colour;
      if (!uniform) continue;
      ++checked;
      Ref<IWidget> hit = screen_->Root()->WidgetAtPos({x, y});
      ASSERT_TRUE(hit) << x << ", " << y;
      EXPECT_EQ(hit->GetName(), colour == kRed ? "a" : "b") << "at " << x << ", " << y;
    }
  }
  EXPECT_GT(checked, 40);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, InnerHitTest,
    ::testing::Values(HitCase{"zoomed", TwoBoxes("zoom_widget", R"(anchor_left="40" anchor_top="30" zoom="3")")},
                      HitCase{"mirrored", TwoBoxes("zoom_widget", R"(anchor_left="90" anchor_top="30" zoomx="-2" zoomy="2")")},
                      HitCase{"turned", TwoBoxes("rotate_widget", R"(anchor_left="80" anchor_top="60" angle="35" zoom="2.5"
                                                                       centerx="10" centery="4")")},
                      HitCase{"upside_down", TwoBoxes("rotate_widget", R"(anchor_left="70" anchor_top="60" angle="180" zoom="2")")},
                      HitCase{"scrolled", TwoBoxes("scrollarea_widget", R"(anchor_left="30" anchor_top="40" width="16"
                                                                              height="6" shiftleft="5" shifttop="1")")},
                      HitCase{"cut", TwoBoxes("cutsector_widget", R"(anchor_left="30" anchor_top="40" centerx="11" centery="5"
                                                                       startangle="-30" endangle="60")")}),
    [](const ::testing::TestParamInfo<HitCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace corvellane::testing
