// Flash scenarios followed frame by frame: the tween of each kind of value,
// timing by duration and at random, a chain in which each scenario brings
// in the next, a click that cuts the chain short, and the idle cases.
#include <gtest/gtest.h>

#include <string>

#include "engine/random_source.h"
#include "scenarios/flash_scenario.h"
#include "tests/scenarios/scenario_fixture.h"

namespace corvellane::testing {
namespace {

std::string Tree(std::string_view scenarios) {
  return R"(<widget type="group_widget" name="root" visible="yes" mousestop="yes"><widgets>
      <widget type="test_box" name="a" visible="yes" width="4" height="4" anchor_left="2" anchor_top="2"/>
      <widget type="test_box" name="b" visible="no" width="4" height="4" anchor_left="20" anchor_top="2"/>)" +
         std::string(scenarios) + "</widgets></widget>";
}

class FlashTest : public ScenarioTest {
 public:
  Ref<TFlashScenario> Flash(std::string_view name) { return QueryInterface<TFlashScenario>(Find(name)); }
  int32_t Level(std::string_view name) { return Find(name)->GetTransparentLevel(); }
  void Click(TPoint p) {
    Ref<IWidget> hit = HitAt(p);
    ASSERT_TRUE(hit) << "nothing takes a click at " << p.x << ", " << p.y;
    hit->HandleMouse(513, p, 0);
    hit->HandleMouse(514, p, 0);
  }
};

TEST_F(FlashTest, AFadeFollowsTheTruncatedLineAndEndsExactlyAtItsTarget) {
  Load(Tree(R"(<widget type="flash_scenario" name="fade" linked_widget_name="a" duration="1000"
                       properties="transparentlevel" value="0"/>)"));
  struct Step { int32_t ms; int32_t level; };
  // The first advance starts it (its clock back at 0); then 255 + trunc(-255 t / 1000).
  const Step steps[] = {{16, 255}, {250, 192}, {250, 128}, {499, 1}, {1, 0}};
  for (const Step& s : steps) {
    Frame(s.ms);
    EXPECT_EQ(Level("a"), s.level) << "after " << s.ms;
  }
  EXPECT_FALSE(Flash("fade")->IsStarted());
}

TEST_F(FlashTest, AnIncrementMovesByTheGivenAmountAsARealValue) {
  Load(Tree(R"(<widget type="flash_scenario" name="move" linked_widget_name="a" duration="400"
                       properties="anchor_left" value="inc:100"/>)"));
  Frame(0);
  Frame(100);
  EXPECT_DOUBLE_EQ(Find("a")->GetAnchorLeft(), 2 + 25.0);
  Frame(300);
  EXPECT_DOUBLE_EQ(Find("a")->GetAnchorLeft(), 102.0);
}

TEST_F(FlashTest, ARandomIntegerTargetIsAWholeNumberOfTheRange) {
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    GlobalRandom().Seed(seed);
    Load(Tree(R"(<widget type="flash_scenario" name="f" linked_widget_name="a" duration="10"
                         properties="z" value="rnd:50:10"/>)"));
    Frame(16);
    Frame(16);  // past its end: at the target
    const int32_t z = Find("a")->GetZ();
    EXPECT_TRUE(z >= 50 && z <= 59) << z;
  }
}

TEST_F(FlashTest, ARandomDurationLiesInItsRange) {
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    GlobalRandom().Seed(seed);
    Load(Tree(R"(<widget type="flash_scenario" name="f" duration="rnd:500:200"/>)"));
    Frame(1);
    const int32_t d = Flash("f")->GetEffectiveDuration();
    EXPECT_TRUE(d >= 501 && d <= 700) << d;
  }
}

// Three scenarios: "show_a" fades a in over 100 ms and then brings in
// "show_b", which makes b visible and moves it 30 to the right over 200 ms
// and then brings in "wait" (no duration: it waits for a click).
constexpr std::string_view kChain = R"(
    <widget type="flash_scenario" name="show_a" linked_widget_name="a" duration="100"
            properties="transparentlevel" value="int:255" next="show_b" mousestop="yes" z="5"/>
    <widget type="flash_scenario" name="show_b" paused="yes" linked_widget_name="b" duration="200"
            properties=";anchor_left;transparentlevel;" value=";inc:30;int:0;" show_on_start="yes"
            mousestop="yes" z="5" next="wait"/>
    <widget type="flash_scenario" name="wait" paused="yes" linked_widget_name="a" properties="transparentlevel"
            value="40" mousestop="yes" hide_on_end="yes" dead_on_end="yes"/>)";

TEST_F(FlashTest, AChainBringsInEachScenarioAfterTheOneBefore) {
  Load(Tree(kChain));
  Find("a")->SetTransparentLevel(55);
  Frame(16);  // show_a starts
  Frame(50);
  EXPECT_EQ(Level("a"), 55 + 100);
  EXPECT_FALSE(Find("b")->IsVisible());
  Frame(50);  // show_a ends: a at 255, show_b restarted and shown
  EXPECT_EQ(Level("a"), 255);
  EXPECT_TRUE(Find("b")->IsVisible());
  EXPECT_TRUE(Flash("show_b")->IsStarted());
  Frame(100);
  EXPECT_DOUBLE_EQ(Find("b")->GetAnchorLeft(), 35.0);
  EXPECT_EQ(Level("b"), 128);
  Frame(100);
  EXPECT_DOUBLE_EQ(Find("b")->GetAnchorLeft(), 50.0);
  EXPECT_EQ(Level("b"), 0);
  Frame(16);
  EXPECT_TRUE(Flash("wait")->IsStarted());
  // "wait" has no duration: many frames later a is still where it was.
  for (int i = 0; i < 20; ++i) Frame(100);
  EXPECT_EQ(Level("a"), 255);
  EXPECT_TRUE(Find("wait"));
}

TEST_F(FlashTest, AClickCutsTheChainShortWithEveryTargetSet) {
  Load(Tree(kChain));
  Frame(16);
  Frame(30);
  Click({60, 40});  // anywhere: show_a ends at once and brings in show_b
  EXPECT_EQ(Level("a"), 255);
  EXPECT_TRUE(Flash("show_b")->IsStarted());
  Frame(16);
  Click({0, 0});  // show_b ends: b at its targets
  EXPECT_DOUBLE_EQ(Find("b")->GetAnchorLeft(), 50.0);
  EXPECT_EQ(Level("b"), 0);
  Frame(16);
  Frame(16);
  Click({1, 1});  // "wait": its target, hidden, dead and removed
  EXPECT_EQ(Level("a"), 40);
  EXPECT_FALSE(Find("a")->IsVisible());
  Frame(16);
  EXPECT_FALSE(Find("wait"));
}

TEST_F(FlashTest, WithoutADurationNothingIsDrivenAwayFromTheTarget) {
  Load(Tree(R"(<widget type="flash_scenario" name="f" linked_widget_name="a" duration="-5"
                       properties="transparentlevel" value="200"/>)"));
  Find("a")->SetTransparentLevel(100);
  for (int i = 0; i < 10; ++i) {
    Frame(100);
    EXPECT_EQ(Level("a"), 100);
  }
  Find("f")->Pause();
  EXPECT_EQ(Level("a"), 200);
}

TEST_F(FlashTest, SixPropertiesMakeItIdleButItStillRunsItsLists) {
  Load(Tree(R"(<widget type="flash_scenario" name="f" linked_widget_name="a" duration="100"
                       properties="z;z;z;z;z;z" value="1;1;1;1;1;1" next="b"/>)"));
  Frame(16);
  EXPECT_FALSE(Flash("f")->IsTweening());
  Frame(100);
  EXPECT_EQ(Find("a")->GetZ(), 0);
  EXPECT_TRUE(Find("b")->IsVisible());
}

TEST_F(FlashTest, ASoundThatCannotPlayCountsAsNoSound) {
  Load(Tree(R"(<widget type="flash_scenario" name="f" duration="playsound:no_such_sound:300:50" next="b"/>)"));
  Frame(16);
  EXPECT_TRUE(Flash("f")->IsTimed());
  EXPECT_EQ(Flash("f")->GetEffectiveDuration(), 50);
  Frame(50);
  EXPECT_TRUE(Find("b")->IsVisible());
}

TEST_F(FlashTest, AScenarioThatBringsItselfBackRepeatsAndARingWithoutDurationStops) {
  Load(Tree(R"(<widget type="flash_scenario" name="pulse" linked_widget_name="a" duration="100"
                       properties="z" value="inc:1" next="pulse"/>
               <widget type="flash_scenario" name="ring_a" duration="0" next="ring_b"/>
               <widget type="flash_scenario" name="ring_b" paused="yes" duration="0" next="ring_a"/>)"));
  for (int i = 0; i < 10; ++i) Frame(50);
  EXPECT_EQ(Find("a")->GetZ(), 4) << "one step up every 100 ms, started anew each time";
}

TEST_F(FlashTest, TheDurationTextSavesBackAsItWasRead) {
  for (const char* text : {"800", "rnd:200", "rnd:500:200", "playsound:snd:300", "playsound:snd:300:1000"}) {
    Ref<IWidget> f = WidgetFromXml(std::string(R"(<widget type="flash_scenario" duration=")") + text + R"("/>)");
    Ref<IHierStorageRoot> doc = CreateStorage("widget");
    QueryInterface<IPersistable>(f)->SaveTo(doc.get());
    EXPECT_EQ(doc->GetValue("duration", Variant()).ToText(), text);
  }
}

}  // namespace
}  // namespace corvellane::testing
