// Track bars and progress bars: positions in steps and within range, the
// knob dragged with the mouse and moved with keys, the bar cut to its share.
#include <gtest/gtest.h>

#include "controls/progress_bar_control.h"
#include "controls/track_bar_control.h"
#include "tests/controls/control_harness.h"
#include "tests/widgets/dirty_rect_checker.h"

namespace corvellane::testing {
namespace {

// A horizontal bar at (10, 10) of 110 x 10 with a knob 10 wide: the knob
// travels 100 pixels.
std::string BarTree(std::string_view keys) {
  return R"(<widget name="root" visible="yes" mousestop="yes"><widgets>
      <widget type="TrackBarControl" name="trackbar_volume" visible="yes" mousestop="yes" enabled="yes"
              tabstop="yes" anchor_left="10" anchor_top="10" width="110" height="10" )" +
         std::string(keys) + R"(><widgets>
        <widget type="test_box" name="image_track" visible="yes" width="110" height="10" colour="$FF404040"/>
        <widget type="group_widget" name="image_slider" visible="yes" z="1"><widgets>
          <widget type="test_box" name="image_slidernormal" visible="yes" width="10" height="10"/>
          <widget type="test_box" name="image_sliderselected" width="10" height="10" colour="$FFFF0000"/>
        </widgets></widget>
      </widgets></widget>
    </widgets></widget>)";
}

TEST(TrackBarControl, PositionsTakeTheNearestStepFromTheMinimumAndStayInRange) {
  struct Case {
    int min, max, frequency, value, expected;
  };
  const Case cases[] = {
      {0, 100, 10, 44, 40}, {0, 100, 10, 45, 40}, {0, 100, 10, 55, 60},  // ties to even
      {0, 100, 10, 250, 100}, {0, 100, 10, -7, 0},
      {0, 98, 10, 96, 98},     // the step past the maximum stops at it
      {3, 100, 10, 4, 3},      // steps count from the minimum
      {3, 100, 10, 9, 13},     {-50, 50, 25, -30, -25},
      {5, 1, 1, 3, 5},         // a maximum below the minimum is the minimum
      {0, 10, 0, 7, 7},        // frequency below 1 is 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.min << ".." << c.max << " /" << c.frequency << " <- " << c.value);
    ControlHarness h(BarTree("min=\"" + std::to_string(c.min) + "\" max=\"" + std::to_string(c.max) +
                             "\" frequency=\"" + std::to_string(c.frequency) + "\""));
    auto bar = h.Get<TTrackBarControl>("trackbar_volume");
    bar->SetProperty("position", Variant(c.value));
    EXPECT_EQ(bar->GetPosition(), c.expected);
  }
}

TEST(TrackBarControl, TheKnobIsPlacedByThePositionAndEveryChangeIsReported) {
  ControlHarness h(BarTree(R"(min="0" max="100" frequency="5")"));
  auto bar = h.Get<TTrackBarControl>("trackbar_volume");
  Ref<IWidget> knob = h.Get<IWidget>("trackbar_volume/image_slider");
  bar->SetProperty("position", Variant(40));
  EXPECT_EQ(knob->GetAnchorLeft(), 40);
  bar->SetProperty("position", Variant(41));  // the same step: no event
  EXPECT_EQ(h.EventsSeen(), (Events{{"trackbar_volume", kWidgetEventTrackBarMoved}}));
}

TEST(TrackBarControl, DraggingTheKnobMovesThePositionInStepsAndReleaseSettlesIt) {
  ControlHarness h(BarTree(R"(min="0" max="100" frequency="10")"));
  h.AddScreenSound("sound_effect");
  auto bar = h.Get<TTrackBarControl>("trackbar_volume");
  Ref<IWidget> knob = h.Get<IWidget>("trackbar_volume/image_slider");
  EXPECT_FALSE(h.Mouse(kMouseLeftDown, {60, 15}));  // on the track, not the knob
  EXPECT_TRUE(h.Mouse(kMouseLeftDown, {13, 15}));   // grabbed 3 pixels into the knob
  EXPECT_TRUE(h.Get<IWidget>("trackbar_volume/image_slider/image_sliderselected")->IsVisible());
  EXPECT_TRUE(h.Mouse(kMouseMove, {50, 15}));
  EXPECT_EQ(knob->GetAnchorLeft(), 37);  // follows the pointer
  EXPECT_EQ(bar->GetPosition(), 40);
  EXPECT_TRUE(h.Mouse(kMouseMove, {400, 15}));
  EXPECT_EQ(bar->GetPosition(), 100);
  EXPECT_EQ(knob->GetAnchorLeft(), 100);
  h.Mouse(kMouseMove, {46, 15});
  EXPECT_TRUE(h.Mouse(kMouseLeftUp, {46, 15}));
  EXPECT_EQ(bar->GetPosition(), 30);
  EXPECT_EQ(knob->GetAnchorLeft(), 30);
  EXPECT_FALSE(h.Get<IWidget>("trackbar_volume/image_slider/image_sliderselected")->IsVisible());
  EXPECT_EQ(h.Window().GetCapture(), nullptr);
  EXPECT_EQ(h.Engine().sounds, (std::vector<std::string>{"sound_effect"}));
  EXPECT_EQ(h.EventsSeen().size(), 3u);  // 40, 100, 30
}

TEST(TrackBarControl, KeysMoveByAStepWhileFocused) {
  ControlHarness h(BarTree(R"(min="0" max="20" frequency="5")"));
  auto bar = h.Get<TTrackBarControl>("trackbar_volume");
  h.Window().SetFocus(bar.get());
  h.Key(kKeyDown, 39);
  EXPECT_EQ(bar->GetPosition(), 5);
  h.Key(kKeyDown, 35);
  h.Key(kKeyDown, 39);
  EXPECT_EQ(bar->GetPosition(), 20);
  h.Key(kKeyDown, 36);
  h.Key(kKeyDown, 37);
  EXPECT_EQ(bar->GetPosition(), 0);
  h.Key(kKeyDown, 40);  // Down belongs to vertical bars
  EXPECT_EQ(bar->GetPosition(), 0);
}

TEST(TrackBarControl, DraggingKeepsTheCanvasRight) {
  ControlHarness h(BarTree(R"(min="0" max="100" frequency="1")"));
  DirtyRectChecker checker(128, 32);
  ASSERT_TRUE(checker.RunFrame(h.Screen()));
  h.Mouse(kMouseLeftDown, {12, 15});
  ASSERT_TRUE(checker.RunFrame(h.Screen()));
  for (int x : {30, 70, 110, 20}) {
    h.Mouse(kMouseMove, {x, 15});
    ASSERT_TRUE(checker.RunFrame(h.Screen())) << x;
  }
  h.Mouse(kMouseLeftUp, {20, 15});
  ASSERT_TRUE(checker.RunFrame(h.Screen()));
}

std::string ProgressTree(std::string_view keys) {
  return R"(<widget name="root" visible="yes"><widgets>
      <widget type="ProgressBarControl" name="progress" visible="yes" anchor_left="10" anchor_top="10"
              width="100" height="100" )" +
         std::string(keys) + R"(><widgets>
        <widget type="image_widget" name="image_fill" visible="yes" anchor_top="5" resourcename="fill"
                resourcetop="10" width="100" height="100"/>
      </widgets></widget>
    </widgets></widget>)";
}

TEST(ProgressBarControl, AHorizontalBarIsCutToItsShareOfTheWidth) {
  ControlHarness h(ProgressTree(""));
  auto progress = h.Get<TProgressBarControl>("progress");
  Ref<IWidget> fill = h.Get<IWidget>("progress/image_fill");
  const std::pair<double, int> cases[] = {{0.25, 25}, {1.5, 100}, {-2, 0}, {0.333, 33}};
  for (auto [position, width] : cases) {
    progress->SetProperty("position", Variant(position));
    EXPECT_EQ(fill->GetWidth(), width) << position;
  }
  EXPECT_EQ(progress->GetProperty("position").ToFloat(), 0.333);
}

TEST(ProgressBarControl, AVerticalBarGrowsUpwardsShowingTheLowerPartOfItsPicture) {
  ControlHarness h(ProgressTree(R"(vertical="yes")"));
  auto progress = h.Get<TProgressBarControl>("progress");
  Ref<IWidget> fill = h.Get<IWidget>("progress/image_fill");
  progress->SetProperty("position", Variant(0.25));
  EXPECT_EQ(fill->GetHeight(), 25);
  EXPECT_EQ(fill->GetAnchorTop(), 105 - 25);
  EXPECT_EQ(fill->GetProperty("resourcetop").ToInt(), 10 + 75);
  EXPECT_EQ(fill->GetWidth(), 100);
}

}  // namespace
}  // namespace corvellane::testing
