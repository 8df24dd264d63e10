// The state-machine widget: weighted choice over many draws, the table of
// which r picks which action, switching on duration, and the state rules.
#include <gtest/gtest.h>

#include <string>

#include "engine/random_source.h"
#include "scenarios/statemachine_widget.h"
#include "tests/scenarios/scenario_fixture.h"

namespace corvellane::testing {
namespace {

std::string MachineXml(std::string_view actions) {
  return R"(<widget type="group_widget" name="root" visible="yes"><widgets>
      <widget type="statemachine_widget" name="sm" visible="yes"><actiondefs>)" +
         std::string(actions) + R"(</actiondefs><widgets>
        <widget type="test_box" name="one" visible="yes" width="3" height="3" colour="$FFFF0000"/>
        <widget type="test_box" name="two" visible="yes" width="3" height="3" colour="$FF00FF00"/>
        <widget type="test_box" name="three" visible="yes" width="3" height="3" colour="$FF0000FF"/>
      </widgets></widget></widgets></widget>)";
}

constexpr std::string_view kOneAndThree = R"(
    <actiondef name="a" state="0" probability="1" duration="0" widgetname="one"/>
    <actiondef name="b" state="0" probability="3" duration="0" widgetname="two"/>)";

class StateMachineTest : public ScenarioTest {
 public:
  Ref<TStateMachineWidget> Machine() { return QueryInterface<TStateMachineWidget>(Find("sm")); }
  std::string Current() {
    const Ref<IActionDef>& a = Machine()->GetCurrentAction();
    return a ? a->GetName() : "(none)";
  }
};

TEST_F(StateMachineTest, WeightsOneAndThreeGiveOneInFourAndThreeInFour) {
  for (uint32_t seed : {1u, 77u, 4242u}) {
    GlobalRandom().Seed(seed);
    Load(MachineXml(kOneAndThree));
    constexpr int kDraws = 40000;
    int first = 0;
    for (int i = 0; i < kDraws; ++i) {
      Machine()->NextAction();
      if (Current() == "a") ++first;
    }
    // Binomial(40000, 1/4): standard deviation about 87; 0.25 +- 0.01 is 4.6 of them.
    EXPECT_NEAR(first / double(kDraws), 0.25, 0.01) << "seed " << seed;
  }
}

TEST_F(StateMachineTest, EachValueOfRPicksExactlyOneActionInProportion) {
  Load(MachineXml(kOneAndThree));
  TActionDefCollection& actions = Machine()->Actions();
  EXPECT_EQ(actions.TotalWeight(0), 4);
  struct Case { int64_t r; const char* action; };
  const Case table[] = {{0, "a"}, {1, "b"}, {2, "b"}, {3, "b"}, {4, "(none)"}};
  for (const Case& c : table) {
    Ref<IActionDef> a = actions.PickAction(0, c.r);
    EXPECT_EQ(a ? a->GetName() : "(none)", c.action) << "r = " << c.r;
  }
}

TEST_F(StateMachineTest, WeightsOfZeroAreNeverChosenUnlessTheStateHasNoOtherWeight) {
  Load(MachineXml(R"(<actiondef name="zero" state="0" probability="0" duration="0" widgetname="one"/>
                  <actiondef name="some" state="0" probability="2" duration="0" widgetname="two"/>
                  <actiondef name="only" state="1" probability="0" duration="0" widgetname="three"/>)"));
  for (int i = 0; i < 200; ++i) EXPECT_EQ(Machine()->Actions().ChooseAction(0)->GetName(), "some");
  EXPECT_EQ(Machine()->Actions().ChooseAction(1)->GetName(), "only");
}

TEST_F(StateMachineTest, AttachingShowsExactlyTheChosenChildAndSwitchesOnDuration) {
  GlobalRandom().Seed(5);
  Load(MachineXml(R"(<actiondef name="sit" state="0" probability="1" duration="100" nextstate="1" widgetname="one"/>
                  <actiondef name="look" state="1" probability="1" duration="50" nextstate="7" widgetname="two"/>)"));
  EXPECT_EQ(Current(), "sit");
  EXPECT_TRUE(Find("sm/one")->IsVisible());
  EXPECT_FALSE(Find("sm/two")->IsVisible());
  EXPECT_FALSE(Find("sm/three")->IsVisible());
  Frame(60);
  EXPECT_EQ(Current(), "sit");
  EXPECT_TRUE(LooksLike(Pixel(1, 1), 0xFFFF0000));
  Frame(60);  // 120 >= 100: on to state 1
  EXPECT_EQ(Current(), "look");
  EXPECT_EQ(Machine()->GetCurrentState(), 1);
  EXPECT_FALSE(Find("sm/one")->IsVisible());
  EXPECT_TRUE(LooksLike(Pixel(1, 1), 0xFF00FF00));
  Frame(60);  // state 7 has no action: nothing plays
  EXPECT_EQ(Current(), "(none)");
  EXPECT_FALSE(Find("sm/two")->IsVisible());
  Frame(60);  // the duration stays: back to state 0 after it
  EXPECT_EQ(Current(), "sit");
  EXPECT_TRUE(Find("sm/one")->IsVisible());
}

TEST_F(StateMachineTest, TheActionTableSavesBackWithEveryKey) {
  Load(MachineXml(kOneAndThree));
  Ref<IHierStorageRoot> doc = CreateStorage("widget");
  QueryInterface<IPersistable>(Machine())->SaveTo(doc.get());
  const std::string xml = doc->GetXml();
  EXPECT_NE(xml.find(R"(probability="3")"), std::string::npos) << xml;
  EXPECT_NE(xml.find(R"(nextstate="0")"), std::string::npos) << xml;
}

}  // namespace
}  // namespace corvellane::testing
