// State scenarios: a machine followed frame by frame through its states,
// waits and factory widgets; how it starts, moves on and ends; clicks that
// complete it; and the operations it offers the classes built on it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/class_registry.h"
#include "persistence/object_io.h"
#include "scenarios/state_scenario.h"
#include "tests/scenarios/scenario_fixture.h"
#include "widgets/input_messages.h"

namespace corvellane::testing {
namespace {

// The pattern the play scenarios use: "enter" starts a spark from the
// factory and waits 100 ms, "wait_widgets" waits for the spark to die,
// "exit" ends the scenario.
class TSparkScenario : public TStateScenario {
 public:
  TSparkScenario() {
    AddState("wait_widgets", "exit", {}, Bind(&TStateScenario::AreWaitWidgetsDone));
    AddState("enter", "wait_widgets", Bind(&TSparkScenario::Launch), Bind(&TStateScenario::IsWaitOver));
    AddState("exit", "", Bind(&TStateScenario::Kill), AlwaysDone());
  }
  void Launch(TState&) {
    SetWait(100);
    Ref<TParamCollection> params = CreateObject<TParamCollection>("\\name=spark_1");
    CreateFactoryWidget(this, "spark", true, params.get());
  }
};

constexpr const char* kSparkTree = R"(
  <widget type="group_widget" name="root" visible="yes"><widgets>
    <widget type="spark_scenario" name="s" visible="yes" %s>
      <widgetfactories><widgetfactory type="WidgetFactory" name="spark"><widgetstring><![CDATA[
        <widget type="test_box" name="%name%" visible="yes" timetolive="150" width="3" height="3" anchor_left="4"/>
      ]]></widgetstring></widgetfactory></widgetfactories>
    </widget>
  </widgets></widget>)";

std::string SparkTree(const std::string& attributes) {
  std::string xml = kSparkTree;
  return xml.replace(xml.find("%s"), 2, attributes);
}

class StateScenarioTest : public ScenarioTest {
 protected:
  StateScenarioTest() { RegisterClass<TSparkScenario>("spark_scenario"); }
  Ref<TStateScenario> Machine() { return QueryInterface<TStateScenario>(Find("s")); }
  std::string StateName(const Ref<TStateScenario>& s) {
    return s->IsDead() ? "(dead)" : s->GetCurrentState() ? s->GetCurrentState()->name : "(none)";
  }
};

struct Step {
  int32_t elapsed;
  const char* state;
  int32_t time_in_state;
  const char* previous;
  const char* wait_list;
  int children;  // of the scenario
};

TEST_F(StateScenarioTest, AMachineFollowedFrameByFrame) {
  Load(SparkTree(""));
  Ref<TStateScenario> s = Machine();
  ASSERT_TRUE(s);
  const Step steps[] = {
      // The first frame enters "enter": the spark is made, the wait set
      // (the clock put back to 0); it is checked at once, not yet over.
      {40, "enter", 0, "", "spark_1;", 1},
      {40, "enter", 40, "", "spark_1;", 1},
      {40, "enter", 80, "", "spark_1;", 1},
      // The clock reaches the wait: one transition, checked next frame.
      {40, "wait_widgets", 0, "enter", "spark_1;", 1},
      // The spark reaches 160 >= 150 and is removed; the wait is done.
      {40, "(dead)", 0, "wait_widgets", "", 0},
  };
  int frame = 0;
  for (const Step& step : steps) {
    SCOPED_TRACE("frame " + std::to_string(++frame));
    Frame(step.elapsed);
    EXPECT_EQ(StateName(s), step.state);
    EXPECT_EQ(s->GetTimeInState(), step.time_in_state);
    EXPECT_EQ(s->GetPreviousStateName(), step.previous);
    EXPECT_EQ(s->GetWaitList(), step.wait_list);
    EXPECT_EQ(s->GetWidgets()->Count(), step.children);
  }
  EXPECT_EQ(ChildCount(), 0) << "the dead scenario is removed by its group";
}

TEST_F(StateScenarioTest, ANegativeClockDelaysTheStart) {
  Load(SparkTree(R"(currenttime="-50")"));
  Ref<TStateScenario> s = Machine();
  Frame(40);
  EXPECT_FALSE(s->GetCurrentState());
  EXPECT_EQ(s->GetWidgets()->Count(), 0);
  Frame(40);
  EXPECT_EQ(StateName(s), "enter");
}

// States declared in a test, each with the actions the case gives it.
class TScriptedScenario : public TStateScenario {
 public:
  using TStateScenario::AddState;
  std::vector<std::string> log;
  // Done from the given frame of the state on (counted from 1).
  TState::Check DoneInFrame(int n) {
    return [this, n, frames = 0](TState& state) mutable {
      log.push_back("check " + state.name);
      return ++frames >= n;
    };
  }
  TState::Action Note() {
    return [this](TState& state) { log.push_back("enter " + state.name); };
  }
};

class StateRulesTest : public ScenarioTest {
 protected:
  Ref<TScriptedScenario> Attach() {
    Load(R"(<widget type="group_widget" name="root" visible="yes"/>)");
    Ref<TScriptedScenario> s = CreateObject<TScriptedScenario>();
    s->SetName("s");
    screen->Root()->GetWidgets()->Add(s);
    return s;
  }
};

TEST_F(StateRulesTest, WithoutAStateNamedEnterTheFirstDeclaredStarts) {
  Ref<TScriptedScenario> s = Attach();
  s->AddState("first", "second", s->Note(), s->DoneInFrame(2));
  s->AddState("second", "", s->Note(), s->DoneInFrame(99));
  Frame(16);
  Frame(16);
  EXPECT_EQ(s->log, (std::vector<std::string>{"enter first", "check first", "check first", "enter second"}));
  EXPECT_EQ(s->GetCurrentState()->name, "second");
}

TEST_F(StateRulesTest, AStateWithoutADoneCheckIsLeftInTheFrameItIsChecked) {
  Ref<TScriptedScenario> s = Attach();
  s->AddState("enter", "next_one", s->Note());
  s->AddState("next_one", "", s->Note(), s->DoneInFrame(3));
  Frame(16);
  EXPECT_EQ(s->GetCurrentState()->name, "next_one") << "left in the first frame";
  Frame(16), Frame(16);
  EXPECT_FALSE(s->IsDead());
  Frame(16);
  EXPECT_TRUE(s->IsDead()) << "done in its third frame; the empty next name ends the machine";
  EXPECT_EQ(ChildCount(), 0);
}

TEST_F(StateRulesTest, AnOnlyStateWithoutCheckOrNextEndsInTheFirstFrame) {
  Ref<TScriptedScenario> s = Attach();
  s->AddState("only", "");
  Frame(16);
  EXPECT_EQ(ChildCount(), 0);
}

TEST_F(StateRulesTest, TheChoosersAnswerNextMeansTheDeclaredNextState) {
  Ref<TScriptedScenario> s = Attach();
  auto choose = [](std::string answer) {
    return [answer](TState&, std::string& next) { next = answer; };
  };
  s->AddState("enter", "declared", {}, {}, choose("next"));
  s->AddState("declared", "", {}, {}, choose("elsewhere"));
  s->AddState("elsewhere", "", {}, TStateScenario::AlwaysDone(), {}, [&](TState&, int32_t dt) {
    s->log.push_back("update " + std::to_string(dt));
  });
  Frame(16);
  EXPECT_EQ(s->GetCurrentState()->name, "declared");
  Frame(16);
  EXPECT_EQ(s->GetCurrentState()->name, "elsewhere");
  Frame(20);
  EXPECT_EQ(s->log, (std::vector<std::string>{"update 20"}));
  EXPECT_EQ(ChildCount(), 0);
}

TEST_F(StateRulesTest, AStateNameIsDeclaredOnceWhateverItsCase) {
  Ref<TScriptedScenario> s = Attach();
  EXPECT_TRUE(s->AddState("Enter", "a"));
  EXPECT_FALSE(s->AddState("ENTER", "b"));
  EXPECT_EQ(s->StateCount(), 1);
}

TEST_F(StateRulesTest, AWaitCountsFromWhenItIsSetAndIsOverOnce) {
  Ref<TScriptedScenario> s = Attach();
  Frame(50);
  s->SetWait(200);
  EXPECT_EQ(s->GetCurrentTime(), 0);
  int frames = 0;
  while (!s->IsWaitOver()) Frame(16), ++frames;
  EXPECT_EQ(frames, 13) << "the first frame at 208 >= 200";
  EXPECT_TRUE(s->IsWaitOver()) << "the wait is forgotten";
}

TEST_F(StateRulesTest, AStateScenarioFromDataHasNoStatesAndKeepsItsChildrenRunning) {
  Load(R"(<widget type="group_widget" name="root" visible="yes"><widgets>
            <widget type="state_scenario" name="s" visible="yes"><widgets>
              <widget type="test_box" name="box" visible="yes" width="2" height="2"/>
            </widgets></widget>
          </widgets></widget>)");
  for (int i = 0; i < 5; ++i) Frame(16);
  EXPECT_EQ(QueryInterface<TTestBox>(Find("s/box"))->advances, 5);
  EXPECT_EQ(ChildCount(), 1);
  Find("s")->SetProperty("force_complete", true);
  EXPECT_TRUE(Find("s")->GetProperty("force_complete").ToBool());
  Frame(16);
  EXPECT_EQ(ChildCount(), 1) << "the flag alone ends nothing";
}

TEST_F(StateRulesTest, AClickCompletingScenarioCatchesEveryClickAndEndsOnTheRelease) {
  Ref<TScriptedScenario> s = Attach();
  s->AddState("enter", "", {}, [](TState&) { return false; });
  s->SetVisible(true), s->SetMouseStop(true);
  screen->Root()->SetMouseStop(true);
  EXPECT_FALSE(screen->Root()->WidgetAtPos({30, 30})) << "not yet";
  s->SetClickCompletes(true);
  EXPECT_EQ(screen->Root()->WidgetAtPos({30, 30}), Ref<IWidget>(s));
  Frame(16);
  s->HandleMouse(kMouseLeftDown, {30, 30}, 0);
  EXPECT_FALSE(s->IsDead());
  s->HandleMouse(kMouseRightUp, {30, 30}, 0);
  EXPECT_TRUE(s->IsForceComplete());
  EXPECT_TRUE(s->IsDead());
}

TEST_F(StateRulesTest, AFactoryWidgetIsAddedOnlyWhenItsNameIsFree) {
  Load(R"(<widget type="group_widget" name="root" visible="yes">
            <widgetfactories><widgetfactory type="WidgetFactory" name="dot"><widgetstring><![CDATA[
              <widget type="test_box" name="%name%" visible="yes" width="1" height="1"/>
            ]]></widgetstring></widgetfactory></widgetfactories>
          </widget>)");
  Ref<TScriptedScenario> s = CreateObject<TScriptedScenario>();
  screen->Root()->GetWidgets()->Add(s);
  Ref<TParamCollection> params = CreateObject<TParamCollection>("\\name=d1");
  EXPECT_TRUE(s->CreateFactoryWidget(screen->Root().get(), "dot", true, params.get()));
  EXPECT_FALSE(s->CreateFactoryWidget(screen->Root().get(), "dot", true, params.get())) << "d1 is taken";
  EXPECT_FALSE(s->CreateFactoryWidget(screen->Root().get(), "nothing", true, params.get()));
  EXPECT_FALSE(s->CreateFactoryWidget(nullptr, "dot", true, params.get()));
  EXPECT_FALSE(s->CreateFactoryWidget(Find("d1").get(), "dot", true, params.get())) << "no collection";
  EXPECT_EQ(s->GetWaitList(), "d1;");
  EXPECT_TRUE(s->AreWaitWidgetsDone()) << "a plain name is the scenario's own child; d1 is the root's";
  EXPECT_EQ(s->GetWaitList(), "");
  s->AddWaitWidget("../d1");
  EXPECT_FALSE(s->AreWaitWidgetsDone());
  Find("d1")->SetDead(true);
  EXPECT_TRUE(s->AreWaitWidgetsDone()) << "dead counts as done";
}

}  // namespace
}  // namespace corvellane::testing
