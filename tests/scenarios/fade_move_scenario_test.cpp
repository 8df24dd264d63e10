// Transparent and move scenarios: the target's level and place at each
// moment of the fade, what finishing gives back, long times and far points,
// a lifetime of 0, a new target, and a target named in data.
#include <gtest/gtest.h>

#include <string>

#include "scenarios/move_scenario.h"
#include "tests/scenarios/scenario_fixture.h"

namespace corvellane::testing {
namespace {

class FadeMoveTest : public ScenarioTest {
 protected:
  // A root with the target box "box" (level 200) and the scenario "s".
  template <class S = TTransparentScenario>
  Ref<S> Start(std::string_view type, std::string_view attributes) {
    Load(R"(<widget type="group_widget" name="root" visible="yes"><widgets>
              <widget type="test_box" name="box" visible="yes" width="6" height="4" transparentlevel="200"/>
            </widgets></widget>)");
    Ref<S> scenario = QueryInterface<S>(WidgetFromXml("<widget type=\"" + std::string(type) +
                                                      "\" name=\"s\" " + std::string(attributes) + "/>"));
    EXPECT_TRUE(scenario);
    screen->Root()->GetWidgets()->Add(scenario);
    scenario->SetProperty("widget", Variant(Find("box")));
    return scenario;
  }
  int32_t Level() { return Find("box")->GetTransparentLevel(); }
};

struct FadeCase {
  const char* attributes;
  int32_t elapsed;
  int32_t level;
};

class FadeLevelTest : public FadeMoveTest, public ::testing::WithParamInterface<FadeCase> {};

TEST_P(FadeLevelTest, TheTargetsLevelFollowsTheClockInWholeSteps) {
  Start("transparent_scenario", GetParam().attributes);
  Frame(GetParam().elapsed);
  EXPECT_EQ(Level(), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, FadeLevelTest,
    ::testing::Values(
        // 255 + 250 x (-255) div 1000: -63.75 truncates to -63.
        FadeCase{R"(timetolive="1000" start_trans_level="255" end_trans_level="0")", 250, 192},
        FadeCase{R"(timetolive="1000" start_trans_level="0" end_trans_level="255")", 999, 254},
        FadeCase{R"(timetolive="1000" start_trans_level="100" end_trans_level="50")", 500, 75},
        // At the lifetime the scenario is dead and, removed, gives the level back.
        FadeCase{R"(timetolive="1000" start_trans_level="255" end_trans_level="0")", 1000, 200},
        FadeCase{R"(timetolive="1000" start_trans_level="255" end_trans_level="0")", 1001, 200},
        // Not started yet: the level for the negative time, held to 0.
        FadeCase{R"(timetolive="1000" start_trans_level="40" currenttime="-500")", 100, 0}));

TEST_F(FadeMoveTest, ALifetimeOfNothingFinishesInTheFirstFrameWithTime) {
  Ref<TTransparentScenario> fade = Start("transparent_scenario", R"(start_trans_level="0" end_trans_level="255")");
  EXPECT_EQ(Level(), 200) << "no division by a lifetime of 0";
  Frame(0);
  EXPECT_EQ(ChildCount(), 2);
  Frame(16);
  EXPECT_EQ(ChildCount(), 1) << "finished and removed";
  EXPECT_EQ(Level(), 200);
  EXPECT_FALSE(fade->GetTarget());
}

TEST_F(FadeMoveTest, MakeInvisibleHidesTheTargetAtItsOldLevel) {
  Start("transparent_scenario", R"(timetolive="300" start_trans_level="255" end_trans_level="0" makeinvisible="yes")");
  for (int i = 0; i < 18; ++i) Frame(20);
  EXPECT_EQ(ChildCount(), 1);
  EXPECT_FALSE(Find("box")->IsVisible());
  EXPECT_EQ(Level(), 200);
}

TEST_F(FadeMoveTest, RemovingTheScenarioGivesTheLevelBack) {
  Start("transparent_scenario", R"(timetolive="1000" start_trans_level="0" end_trans_level="255")");
  Frame(300);
  EXPECT_EQ(Level(), 76);
  screen->Root()->GetWidgets()->DeleteItem(Variant("s"));
  EXPECT_EQ(Level(), 200);
}

TEST_F(FadeMoveTest, ANewTargetGivesTheOldOneItsLevelBackAndLeavesItInItsGroup) {
  Ref<TTransparentScenario> fade = Start("transparent_scenario", R"(timetolive="1000" start_trans_level="0")");
  EXPECT_EQ(Level(), 0);
  Ref<IWidget> other = WidgetFromXml(R"(<widget type="test_box" name="other" visible="yes" width="2" height="2"/>)");
  screen->Root()->GetWidgets()->Add(other);
  fade->SetProperty("widget", Variant(other));
  EXPECT_EQ(Level(), 200);
  EXPECT_TRUE(Find("box")->GetOwner()) << "still attached";
  EXPECT_EQ(other->GetTransparentLevel(), 0);
  fade->SetProperty("widget", Variant("not a widget"));
  EXPECT_EQ(fade->GetTarget(), other) << "ignored";
  Frame(16);
}

struct MoveCase {
  const char* attributes;
  int32_t elapsed;
  double left;
  double top;
};

class MovePlaceTest : public FadeMoveTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(MovePlaceTest, TheTargetGlidesOnTheLineAndEndsExactlyAtTheEnd) {
  Start<TMoveScenario>("move_scenario", GetParam().attributes);
  screen->Root()->Update(GetParam().elapsed);
  EXPECT_DOUBLE_EQ(Find("box")->GetAnchorLeft(), GetParam().left);
  EXPECT_DOUBLE_EQ(Find("box")->GetAnchorTop(), GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, MovePlaceTest,
    ::testing::Values(MoveCase{R"(timetolive="1000" endposx="100" endposy="50")", 250, 25, 12.5},
                      MoveCase{R"(timetolive="1000" startposx="10" endposx="-30" endposy="7")", 500, -10, 3.5},
                      MoveCase{R"(timetolive="1000" endposx="100" endposy="50")", 1000, 100, 50},
                      MoveCase{R"(timetolive="1000" endposx="100" endposy="50")", 1200, 100, 50},
                      // 2 000 000 x 1 500 000 does not fit 32 bits.
                      MoveCase{R"(timetolive="2000000" endposx="2000000" endposy="-2000000")", 1500000, 1500000,
                               -1500000}));

TEST_F(FadeMoveTest, EveryFrameOfAMoveRedrawsWhatChanged) {
  Start<TMoveScenario>("move_scenario", R"(timetolive="700" startposx="2" startposy="3" endposx="50" endposy="40"
                                           start_trans_level="30" end_trans_level="255")");
  for (int i = 0; i < 50; ++i) Frame(16);
  EXPECT_EQ(ChildCount(), 1);
  EXPECT_DOUBLE_EQ(Find("box")->GetAnchorLeft(), 50);
}

TEST_F(FadeMoveTest, ATargetNamedInDataIsTakenWhenTheScenarioIsAttached) {
  Load(R"(<widget type="group_widget" name="root" visible="yes"><widgets>
            <widget type="group_widget" name="card" visible="yes" transparentlevel="90"><widgets>
              <widget type="test_box" name="box" visible="yes" width="6" height="4"/>
            </widgets></widget>
            <widget type="move_scenario" name="s" timetolive="400" endposx="20" endposy="8" start_trans_level="0"
                    end_trans_level="255" redefinedparams="\widget=../card/box/owner"/>
          </widgets></widget>)");
  EXPECT_EQ(Find("card")->GetTransparentLevel(), 0);
  Frame(100);
  EXPECT_DOUBLE_EQ(Find("card")->GetAnchorLeft(), 5);
  for (int i = 0; i < 4; ++i) Frame(100);
  EXPECT_EQ(Find("card")->GetTransparentLevel(), 90);
  EXPECT_DOUBLE_EQ(Find("card")->GetAnchorTop(), 8);
}

}  // namespace
}  // namespace corvellane::testing
