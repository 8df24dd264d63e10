// Move and circular-motion widgets: where they are and how transparent at
// each moment of their lifetime, when they die, what they read and save,
// and that every frame of their flight redraws exactly what changed.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "tests/widgets/group_fixture.h"
#include "widgets/circular_motion_widget.h"
#include "widgets/move_widget.h"

namespace corvellane::testing {
namespace {

constexpr uint32_t kInk = 0xFF30C060;

Ref<TSurface> Picture(int32_t width, int32_t height) {
  Ref<TSurface> s = MakeSurface(width, height, true);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) s->SetPixel(x, y, kInk);
  return s;
}

template <class Widget = TMoveWidget>
Ref<Widget> Loaded(const std::string& element_xml) {
  Ref<Widget> widget = QueryInterface<Widget>(WidgetFromXml(element_xml));
  EXPECT_TRUE(widget) << element_xml;
  return widget;
}

std::string MoveXml(std::string_view attributes, std::string_view type = "move_widget") {
  return "<widget type=\"" + std::string(type) + "\" name=\"flyer\" visible=\"yes\" " + std::string(attributes) + "/>";
}

class MoveWidgetTest : public GroupTreeTest {
 protected:
  void SetUp() override { Load(R"(<widget type="group_widget" name="root" visible="yes"/>)"); }
  // Loaded with a picture and put into the root group.
  template <class Widget = TMoveWidget>
  Ref<Widget> Fly(const std::string& attributes, std::string_view type = "move_widget") {
    Ref<Widget> widget = Loaded<Widget>(MoveXml(attributes, type));
    if (!widget) return widget;
    widget->SetSurface(Picture(4, 3));
    screen->Root()->GetWidgets()->Add(widget);
    return widget;
  }
  int ChildCount() { return screen->Root()->GetWidgets()->Count(); }
};

// ---- Straight motion ----

struct MoveCase {
  const char* label;
  const char* attributes;
  int32_t elapsed;
  double left;
  double top;
};

// Widgets loaded on their own, without a tree.
class LooseWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterWidgetClasses(); }
  void TearDown() override { ClearClassRegistry(); }
};

class StraightMotionTest : public LooseWidgetTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(StraightMotionTest, AnchorsFollowTheTimeInWholePixels) {
  const MoveCase& c = GetParam();
  Ref<TMoveWidget> widget = Loaded(MoveXml(c.attributes));
  widget->Update(c.elapsed);
  EXPECT_EQ(widget->GetAnchorLeft(), c.left);
  EXPECT_EQ(widget->GetAnchorTop(), c.top);
}

INSTANTIATE_TEST_SUITE_P(
    Motions, StraightMotionTest,
    ::testing::Values(
        MoveCase{"half_way_tie_to_even", R"(timetolive="1000" endposx="101")", 500, 50, 0},
        MoveCase{"at_the_end", R"(timetolive="1000" endposx="101")", 1000, 101, 0},
        MoveCase{"tie_rounds_up_to_even", R"(timetolive="1000" endposx="3")", 500, 2, 0},
        MoveCase{"both_axes_backwards", R"(timetolive="400" startposx="10" startposy="20" endposx="-30" endposy="60")",
                 100, 0, 30},
        MoveCase{"no_time_yet", R"(timetolive="400" startposx="10" startposy="20" endposx="-30" endposy="60")", 0, 10,
                 20},
        MoveCase{"delayed_by_negative_time", R"(currenttime="-200" timetolive="400" startposx="10" endposx="50")", 100,
                 10, 0},
        MoveCase{"delay_over", R"(currenttime="-200" timetolive="400" startposx="10" endposx="50")", 300, 20, 0},
        // The product (end - start) * t would overflow 32 bits.
        MoveCase{"long_flight", R"(timetolive="2000000000" endposx="1000" endposy="-1000")", 1000000000, 500, -500},
        MoveCase{"far_points", R"(timetolive="1000" startposx="-200000000" endposx="200000000")", 500, 0, 0},
        // Unreadable keys keep their defaults.
        MoveCase{"unreadable_start", R"(timetolive="1000" startposx="ten" endposx="100")", 500, 50, 0}),
    [](const auto& info) { return std::string(info.param.label); });

struct LevelCase {
  const char* label;
  const char* attributes;
  int32_t elapsed;
  int32_t level;
};

class MotionLevelTest : public LooseWidgetTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(MotionLevelTest, LevelChangesEvenlyInWholeSteps) {
  const LevelCase& c = GetParam();
  Ref<TMoveWidget> widget = Loaded(MoveXml(c.attributes));
  widget->Update(c.elapsed);
  EXPECT_EQ(widget->GetTransparentLevel(), c.level);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, MotionLevelTest,
    ::testing::Values(LevelCase{"fading_out", R"(timetolive="1000" end_trans_level="0")", 100, 230},
                      LevelCase{"truncated_towards_zero", R"(timetolive="1000" end_trans_level="0")", 999, 1},
                      LevelCase{"fading_in", R"(timetolive="1000" start_trans_level="0")", 999, 254},
                      LevelCase{"at_the_end", R"(timetolive="1000" start_trans_level="40" end_trans_level="200")",
                                1000, 200},
                      LevelCase{"start_level_after_loading", R"(timetolive="1000" start_trans_level="40")", 0, 40},
                      LevelCase{"same_levels_leave_the_level", R"(timetolive="1000" start_trans_level="40"
                                end_trans_level="40" transparentlevel="90")", 500, 40},
                      LevelCase{"levels_held_to_a_byte", R"(timetolive="1000" start_trans_level="300"
                                end_trans_level="-45")", 500, 128},
                      LevelCase{"long_fade", R"(timetolive="2000000000" end_trans_level="0")", 1000000000, 128}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(MoveWidgetTest, LoadingPlacesTheWidgetAtItsStart) {
  Ref<TMoveWidget> widget = Loaded(MoveXml(R"(anchor_left="5" anchor_top="6" startposx="12" startposy="-3"
      start_trans_level="77" transparentlevel="200")"));
  EXPECT_EQ(widget->GetAnchorLeft(), 12);
  EXPECT_EQ(widget->GetAnchorTop(), -3);
  EXPECT_EQ(widget->GetTransparentLevel(), 77);
}

TEST_F(MoveWidgetTest, SavesOnlyTheSurfaceWidgetsKeys) {
  Ref<TMoveWidget> widget = Loaded(MoveXml(R"(timetolive="500" startposx="12" startposy="3" endposx="40"
      endposy="41" start_trans_level="77" end_trans_level="9" centerx="1" centery="2")",
                                           "circular_motion_widget"));
  Ref<IHierStorageRoot> node = CreateStorage("widget");
  SaveObject(widget.get(), node.get());
  const std::string text = node->SaveToText();
  for (const char* key : {"startpos", "endpos", "trans_level", "center"})
    EXPECT_EQ(text.find(key), std::string::npos) << key << " in " << text;
  EXPECT_NE(text.find("fillcolor"), std::string::npos) << text;
  EXPECT_NE(text.find("timetolive=\"500\""), std::string::npos) << text;
}

TEST_F(MoveWidgetTest, PointsWrittenAtRunTimeTakeEffectAtTheNextAdvance) {
  Ref<TMoveWidget> widget = Loaded(MoveXml(R"(timetolive="1000" endposx="100")"));
  widget->Update(500);
  EXPECT_EQ(widget->GetAnchorLeft(), 50);
  widget->SetProperty("startposx", 20);
  widget->SetProperty("endposy", "40");
  EXPECT_EQ(widget->GetAnchorLeft(), 50) << "not before the next advance";
  widget->Update(250);
  EXPECT_EQ(widget->GetAnchorLeft(), 80);  // 20 + 80 * 3/4
  EXPECT_EQ(widget->GetAnchorTop(), 30);
  for (const char* name : {"startposx", "startposy", "endposx", "endposy"})
    EXPECT_TRUE(widget->GetProperty(name).IsEmptyOrNull()) << name << " is not readable";
  EXPECT_FALSE(widget->GetExtraParams() && widget->GetExtraParams()->Contains("startposx"));
}

TEST_F(MoveWidgetTest, DiesWhenItsTimeIsOver) {
  struct Case {
    const char* attributes;
    int32_t first;
    bool dead_after_first;
    int32_t second;
  };
  const Case cases[] = {
      {R"(timetolive="1000")", 999, false, 1},  // arrives at 1000: dead by the lifetime rule
      {R"(timetolive="0")", 0, false, 1},       // no duration: dies once the time is positive
      {R"(timetolive="-5")", 0, true, 0},       // past a negative lifetime at once
      {R"(timetolive="100" currenttime="-50")", 120, false, 30},
  };
  for (const Case& c : cases) {
    Ref<TMoveWidget> widget = Loaded(MoveXml(c.attributes));
    widget->Update(c.first);
    EXPECT_EQ(widget->IsDead(), c.dead_after_first) << c.attributes;
    widget->Update(c.second);
    EXPECT_TRUE(widget->IsDead()) << c.attributes;
  }
}

TEST_F(MoveWidgetTest, RestartingAFlightOfNoDurationStaysAtTheStart) {
  // Time and lifetime both 0: the level and angle fractions would be 0 / 0.
  for (const char* type : {"move_widget", "circular_motion_widget"}) {
    Ref<TMoveWidget> widget = Loaded(MoveXml(R"(startposx="30" startposy="40" endposx="90" endposy="-10"
        centerx="35" centery="40" start_trans_level="10" end_trans_level="250")",
                                             type));
    widget->SetAnchorLeft(-1);
    widget->SetAnchorTop(-1);
    widget->SetTransparentLevel(99);
    widget->Restart();
    EXPECT_EQ(widget->GetAnchorLeft(), 30) << type;
    EXPECT_EQ(widget->GetAnchorTop(), 40) << type;
    EXPECT_EQ(widget->GetTransparentLevel(), 10) << type;
    EXPECT_FALSE(widget->IsDead()) << type;
    widget->Update(1);
    EXPECT_TRUE(widget->IsDead()) << type;
  }
}

TEST_F(MoveWidgetTest, EveryFrameOfAFlightRedrawsWhatChangedAndTheGroupRemovesItAtTheEnd) {
  Ref<TMoveWidget> widget = Fly(R"(timetolive="400" startposx="-2" startposy="40" endposx="58" endposy="3"
      start_trans_level="255" end_trans_level="60")");
  ASSERT_TRUE(checker.RunFrame(*screen, 0));
  EXPECT_PRED2(LooksLike, Pixel(0, 40), kInk);
  for (int frame = 0; frame < 25 && ChildCount() > 0; ++frame) ASSERT_TRUE(checker.RunFrame(*screen, 17));
  EXPECT_EQ(ChildCount(), 0) << "dead on arrival and removed";
  ASSERT_TRUE(checker.RunFrame(*screen, 17));
  for (int32_t y = 0; y < kCanvasHeight; ++y)
    for (int32_t x = 0; x < kCanvasWidth; ++x) ASSERT_EQ(Pixel(x, y), kBackground) << x << ", " << y;
}

TEST_F(MoveWidgetTest, WithoutAPictureItMovesButDrawsNothing) {
  Ref<TMoveWidget> widget = Loaded(MoveXml(R"(timetolive="100" endposx="20")"));
  screen->Root()->GetWidgets()->Add(widget);
  ASSERT_TRUE(checker.RunFrame(*screen, 50));
  EXPECT_EQ(widget->GetAnchorLeft(), 10);
  EXPECT_EQ(Pixel(10, 0), kBackground);
}

// ---- Circular motion ----

constexpr double kPi = std::numbers::pi;

struct CircleCase {
  const char* label;
  const char* attributes;
  int32_t elapsed;
  double left;
  double top;
};

class CircularMotionTest : public LooseWidgetTest, public ::testing::WithParamInterface<CircleCase> {};

TEST_P(CircularMotionTest, TravelsAroundTheCentre) {
  const CircleCase& c = GetParam();
  Ref<TMoveWidget> widget = Loaded(MoveXml(c.attributes, "circular_motion_widget"));
  widget->Update(c.elapsed);
  EXPECT_NEAR(widget->GetAnchorLeft(), c.left, 1e-6);
  EXPECT_NEAR(widget->GetAnchorTop(), c.top, 1e-6);
}

// Centre (100, 100) unless said otherwise. Angles 3 and -3 rad: the points
// (-99, 14) and (-99, -14) around (0, 0).
const char* kQuarter = R"(timetolive="1000" centerx="100" centery="100" startposx="200" startposy="100"
    endposx="100" endposy="200")";
const char* kAcrossPi = R"(timetolive="1000" startposx="-99" startposy="14" endposx="-99" endposy="-14")";
const char* kAcrossPiBack = R"(timetolive="1000" startposx="-99" startposy="-14" endposx="-99" endposy="14")";
const char* kAcrossZero = R"(timetolive="1000" startposx="99" startposy="-14" endposx="99" endposy="14")";
const char* kSpiral = R"(timetolive="1000" centerx="100" centery="100" startposx="110" startposy="100"
    endposx="100" endposy="130")";

INSTANTIATE_TEST_SUITE_P(
    Circles, CircularMotionTest,
    ::testing::Values(CircleCase{"quarter_start", kQuarter, 0, 200, 100},
                      CircleCase{"quarter_half_way", kQuarter, 500, 100 + 100 * std::cos(kPi / 4),
                                 100 + 100 * std::sin(kPi / 4)},
                      CircleCase{"quarter_end", kQuarter, 1000, 100, 200},
                      // Through the direction pi, not through 0.
                      CircleCase{"across_pi", kAcrossPi, 500, -std::hypot(99, 14), 0},
                      CircleCase{"across_pi_backwards", kAcrossPiBack, 500, -std::hypot(99, 14), 0},
                      CircleCase{"across_zero", kAcrossZero, 500, std::hypot(99, 14), 0},
                      CircleCase{"spiral", kSpiral, 500, 100 + 20 * std::cos(kPi / 4),
                                 100 + 20 * std::sin(kPi / 4)},
                      CircleCase{"spiral_end", kSpiral, 1000, 100, 130}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(MoveWidgetTest, EveryFrameOfACircularFlightRedrawsWhatChanged) {
  Ref<TMoveWidget> widget = Fly<TCircularMotionWidget>(R"(timetolive="600" centerx="30" centery="24"
      startposx="50" startposy="24" endposx="30" endposy="6" end_trans_level="90")",
                                                       "circular_motion_widget");
  for (int frame = 0; frame < 60 && ChildCount() > 0; ++frame) ASSERT_TRUE(checker.RunFrame(*screen, 13));
  EXPECT_EQ(ChildCount(), 0);
}

}  // namespace
}  // namespace corvellane::testing
