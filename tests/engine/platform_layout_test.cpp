#include <gtest/gtest.h>

#include <vector>

#include "engine/platform/display_layout.h"
#include "engine/platform/frame_clock.h"
#include "engine/platform/key_codes.h"

namespace corvellane {
namespace {

struct LayoutCase {
  const char* name;
  DisplaySize logical;
  DisplaySize area;
  TRect output;
  std::vector<TRect> bars;
};

class DisplayLayoutTable : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(DisplayLayoutTable, OutputAndBarsCoverTheAreaAndKeepTheAspect) {
  const LayoutCase& c = GetParam();
  DisplayLayout layout = ComputeDisplayLayout(c.logical, c.area);
  EXPECT_EQ(layout.output, c.output);
  EXPECT_EQ(layout.bars, c.bars);
  if (layout.output.Width() < c.logical.width) return;  // shrunk: not every pixel is shown
  // Every logical corner lands inside the output rectangle and maps back.
  for (TPoint corner : {TPoint{0, 0}, TPoint{c.logical.width - 1, c.logical.height - 1}}) {
    TPoint area = MapLogicalToArea(layout, corner);
    EXPECT_GE(area.x, layout.output.left);
    EXPECT_LT(area.x, layout.output.right);
    EXPECT_GE(area.y, layout.output.top);
    EXPECT_LT(area.y, layout.output.bottom);
    EXPECT_EQ(MapAreaToLogical(layout, area), corner);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, DisplayLayoutTable,
    ::testing::Values(
        LayoutCase{"windowed", {640, 480}, {640, 480}, {0, 0, 640, 480}, {}},
        LayoutCase{"hd_wide", {640, 480}, {1920, 1080}, {240, 0, 1680, 1080}, {{0, 0, 240, 1080}, {1680, 0, 1920, 1080}}},
        LayoutCase{"four_by_three_larger", {640, 480}, {1024, 768}, {0, 0, 1024, 768}, {}},
        LayoutCase{"five_by_four_tall", {640, 480}, {1280, 1024}, {0, 32, 1280, 992}, {{0, 0, 1280, 32}, {0, 992, 1280, 1024}}},
        LayoutCase{"sixteen_by_ten", {640, 480}, {1680, 1050}, {140, 0, 1540, 1050}, {{0, 0, 140, 1050}, {1540, 0, 1680, 1050}}},
        LayoutCase{"ultra_wide", {640, 480}, {3440, 1440}, {760, 0, 2680, 1440}, {{0, 0, 760, 1440}, {2680, 0, 3440, 1440}}},
        LayoutCase{"portrait", {640, 480}, {1080, 1920}, {0, 555, 1080, 1365}, {{0, 0, 1080, 555}, {0, 1365, 1080, 1920}}},
        // A wide logical screen is shown whole, never cropped to 4:3.
        LayoutCase{"wide_logical_on_hd", {800, 480}, {1920, 1080}, {60, 0, 1860, 1080}, {{0, 0, 60, 1080}, {1860, 0, 1920, 1080}}},
        LayoutCase{"wide_logical_on_four_by_three", {800, 480}, {1024, 768}, {0, 77, 1024, 691}, {{0, 0, 1024, 77}, {0, 691, 1024, 768}}},
        // 640 * 1001 / 480 = 1334.67 rounds to 1335, leaving one pixel a side.
        LayoutCase{"odd_leftover", {640, 480}, {1337, 1001}, {1, 0, 1336, 1001}, {{0, 0, 1, 1001}, {1336, 0, 1337, 1001}}},
        LayoutCase{"smaller_than_logical", {640, 480}, {320, 320}, {0, 40, 320, 280}, {{0, 0, 320, 40}, {0, 280, 320, 320}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DisplayLayout, DegenerateSizesGiveAnEmptyOutputAndIdentityMapping) {
  for (auto [logical, area] : {std::pair{DisplaySize{0, 480}, DisplaySize{640, 480}},
                               std::pair{DisplaySize{640, 480}, DisplaySize{0, 0}}}) {
    DisplayLayout layout = ComputeDisplayLayout(logical, area);
    EXPECT_TRUE(layout.output.IsEmpty());
    EXPECT_TRUE(layout.bars.empty());
    EXPECT_EQ(MapAreaToLogical(layout, {5, 7}), (TPoint{5, 7}));
  }
}

struct MouseCase {
  TPoint area;
  TPoint logical;
};

TEST(DisplayLayout, MouseMappingOnAWideDesktop) {
  DisplayLayout layout = ComputeDisplayLayout({640, 480}, {1920, 1080});
  // Scale 2.25: the output starts at x = 240.
  const MouseCase cases[] = {
      {{240, 0}, {0, 0}},       {{242, 2}, {0, 0}},       {{243, 3}, {1, 1}},
      {{1679, 1079}, {639, 479}}, {{1680, 540}, {640, 240}}, {{239, 0}, {-1, 0}},
      {{0, 0}, {-107, 0}},
  };
  for (const MouseCase& c : cases) {
    EXPECT_EQ(MapAreaToLogical(layout, c.area), c.logical) << c.area.x << "," << c.area.y;
  }
  EXPECT_EQ(ClampToLogical(layout, {-107, 900}), (TPoint{0, 479}));
  EXPECT_EQ(ClampToLogical(layout, {700, -3}), (TPoint{639, 0}));
}

TEST(DisplayLayout, LogicalToAreaIsTheInverseForEveryLogicalPixel) {
  for (DisplaySize area : {DisplaySize{1920, 1080}, DisplaySize{1366, 768}, DisplaySize{1280, 1024}}) {
    DisplayLayout layout = ComputeDisplayLayout({640, 480}, area);
    for (int x = -3; x < 643; ++x) {
      ASSERT_EQ(MapAreaToLogical(layout, MapLogicalToArea(layout, {x, 0})).x, x) << area.width;
    }
    for (int y = -3; y < 483; ++y) {
      ASSERT_EQ(MapAreaToLogical(layout, MapLogicalToArea(layout, {0, y})).y, y) << area.width;
    }
  }
}

struct WideCase {
  DisplaySize logical;
  DisplaySize desktop;
  WideChoice choice;
  bool has_mode;
  bool wide;
};

TEST(DisplayLayout, WideScreenDecision) {
  const WideCase cases[] = {
      {{640, 480}, {1024, 768}, WideChoice::System, true, false},
      {{640, 480}, {1920, 1080}, WideChoice::System, true, true},
      {{640, 480}, {1280, 1024}, WideChoice::System, true, false},  // |1.25 - 1.333| < 0.1
      {{640, 480}, {1920, 1080}, WideChoice::No, true, false},
      {{640, 480}, {1024, 768}, WideChoice::Yes, true, true},
      {{640, 480}, {1024, 768}, WideChoice::No, false, true},       // no 640 x 480 mode
      {{800, 480}, {800, 480}, WideChoice::No, true, true},         // not 4:3
  };
  for (const WideCase& c : cases) {
    EXPECT_EQ(DecideWideScreen(c.logical, c.desktop, c.choice, c.has_mode), c.wide)
        << c.logical.width << "x" << c.logical.height << " on " << c.desktop.width << "x" << c.desktop.height;
  }
}

TEST(FrameClock, PacesFramesAndCapsLongStalls) {
  TFrameClock clock;
  clock.Restart(1000);
  EXPECT_EQ(clock.TimeUntilDue(1000), 8u);
  EXPECT_EQ(clock.TimeUntilDue(1005), 3u);
  EXPECT_EQ(clock.TimeUntilDue(1009), 0u);
  EXPECT_EQ(clock.Take(1016), 16u);
  // The machine slept for ten minutes: one ordinary step, then normal again.
  EXPECT_EQ(clock.Take(1016 + 600000), TFrameClock::kMaxStepMs);
  EXPECT_EQ(clock.Take(1016 + 600000 + 9), 9u);
}

TEST(FrameClock, SurvivesTheClockWrappingAround) {
  TFrameClock clock;
  clock.Restart(0xFFFFFFFCu);
  EXPECT_EQ(clock.TimeUntilDue(2), 2u);
  EXPECT_EQ(clock.Take(6), 10u);
}

TEST(KeyCodes, NamesAndCharacters) {
  const std::pair<const char*, int> named[] = {
      {"Enter", 13}, {"escape", 27}, {"Tab", 9}, {"Backspace", 8}, {"Space", 32}, {"Left", 37},
      {"Up", 38},    {"Right", 39},  {"Down", 40}, {"F1", 112},   {"f12", 123},  {"q", 'Q'},
      {"Z", 'Z'},    {"7", '7'},
  };
  for (auto [name, code] : named) EXPECT_EQ(KeyCodeFromName(name), KeyCode(code)) << name;
  for (const char* bad : {"", "F0", "F13", "F1x", "Enterr", "!", "ab", "F-1"}) {
    EXPECT_EQ(KeyCodeFromName(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace corvellane
