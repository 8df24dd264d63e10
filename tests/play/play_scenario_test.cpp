#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "persistence/log.h"
#include "play/anim_widget_scenarios.h"
#include "play/find_obj_scenario.h"
#include "play/fly_bonus_scenario.h"
#include "tests/play/play_fixture.h"
#include "widgets/input_messages.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane::testing {
namespace {

using ::testing::ElementsAre;

// One row of pictures in 50 x 50 boxes, 10 apart.
constexpr std::string_view kShapesRow =
    "shapes_interval=10;shapes_all_items_max_width=500;shapes_max_height=50;shapes_max_width=50;"
    "shapes_items_add_type=1;shapes_items_move_speed=2";

class PlayScenarioTest : public PlayTest {
 protected:
  PlayScenarioTest() {
    // A box at (0, 0) for scenarios to move, and the hint button.
    AddFactory("box", R"(<widget type="test_box" name="%name%" visible="yes" width="10" height="10"
                                  anchor_left="%x%" anchor_top="%y%"/>)");
    owner_->AddToGroup(Box("thing", 0, 0), TPlayGroup::Background);
    owner_->root->FindWidget("ui_group")->GetWidgets()->Add(Box("button_hint", 40, 80));
  }
  Ref<IWidget> Box(const std::string& name, int x, int y) {
    return owner_->CreateScreenWidget(
        "box", CreateObject<TParamCollection>("\\name=" + name + "\\x=" + std::to_string(x) + "\\y=" + std::to_string(y))
                   .get());
  }
  // Frames of 16 ms until the widget is gone from the animation group (at most `limit` ms).
  int32_t RunUntilGone(const Ref<IWidget>& widget, int32_t limit = 10000) {
    int32_t elapsed = 0;
    while (widget->GetOwner() && elapsed < limit) {
      Frame();
      elapsed += 16;
    }
    return elapsed;
  }
};

TEST_F(PlayScenarioTest, TheMoveTimeFollowsTheSpeedUpToTheLongestTime) {
  struct Case {
    int32_t speed;
    int32_t max_time;
    int32_t move_time;
  };
  AddFactory("mover", R"(<widget type="state_scenario_move_widget" name="%name%" widgetname="background_group/thing"
                                 endposx="150" anim_speed="%speed%" max_anim_time="%max%"/>)");
  for (const Case& c : {Case{2, 250, 250}, Case{2, 0, 300}, Case{0, 250, 250}}) {
    SCOPED_TRACE(::testing::Message() << c.speed << " ms/px, at most " << c.max_time);
    Ref<IWidget> mover = RunScreenFactory(
        "mover", "\\name=mover\\speed=" + std::to_string(c.speed) + "\\max=" + std::to_string(c.max_time));
    auto scenario = QueryInterface<TStateScenarioAbstractAnimWidget>(mover);
    ASSERT_TRUE(scenario);
    EXPECT_EQ(scenario->MoveTime(), c.move_time);
    EXPECT_EQ(scenario->StartPoint(), (TPoint{0, 0})) << "missing points are the widget's";
    Frame();
    Ref<IWidget> flight = mover->FindWidget("fly_picture1");
    ASSERT_TRUE(flight);
    EXPECT_EQ(flight->GetProperty("timetolive").ToInt(), c.move_time);
    EXPECT_GE(RunUntilGone(mover), c.move_time) << "the scenario waits for its flight";
  }
}

struct PeakCase {
  const char* angle;
  double factor;
};

class FindScenarioTest : public PlayScenarioTest, public ::testing::WithParamInterface<PeakCase> {};

TEST_P(FindScenarioTest, TheObjectPeaksAndFliesIntoThePanelBeforeItIsRecorded) {
  // A 100-pixel picture at zoom 0.5 whose panel item is also drawn at 0.5.
  SetLayout(kShapesRow);
  Scene("s", Obj("vase", 0, 100, 100, {std::string("l1:300:200:0.5:0.5:") + GetParam().angle}));
  Story(GeneratedScene("s", Param("ho_names", ";vase/l1;")), 0);
  AddFactory("gamefield_find_obj_offset",
             R"(<widget type="state_scenario_find_obj" name="%name%" widgetname="%widgetname%" endposx="%endposx%"
                        endposy="%endposy%" anim_speed="1" max_anim_time="300" play_sound="no"/>)");
  Ref<ILevelManager> level = Start(0);
  Ref<IWidget> vase = SceneWidget("vase_l1");
  ASSERT_TRUE(level->ClickObject(vase.get(), {300, 200}));
  Ref<IWidget> find = owner_->FindScreenWidget("animation_group/vase_l1");
  ASSERT_TRUE(find);
  double peak = 0;
  bool flew = false;
  for (int frame = 0; frame < 300 && find->GetOwner(); ++frame) {
    Frame();
    peak = std::max(peak, vase->GetProperty("zoomx").ToFloat());
    flew = flew || find->FindWidget("fly_picture1");
  }
  EXPECT_FALSE(find->GetOwner()) << "the find ended";
  EXPECT_NEAR(peak, 0.5 * GetParam().factor, 1e-6);
  EXPECT_NEAR(vase->GetProperty("zoomx").ToFloat(), 0.5, 1e-6) << "settled at the item's zoom";
  EXPECT_NEAR(vase->GetProperty("angle").ToFloat(), 0.0, 1e-6) << "and its angle";
  EXPECT_EQ(vase->GetZ(), 700);
  EXPECT_TRUE(flew);
  EXPECT_EQ(level->GetRemaining(), 0) << "recorded when the flight ended";
  EXPECT_EQ(owner_->wins, 1);
  EXPECT_TRUE(vase->IsDead() || !vase->GetOwner());
}

INSTANTIATE_TEST_SUITE_P(Angles, FindScenarioTest,
                         ::testing::Values(PeakCase{"5", 1.43}, PeakCase{"15", 1.3}, PeakCase{"-8", 1.43}),
                         [](const ::testing::TestParamInfo<PeakCase>& info) {
                           return "Angle" + std::string(info.param.angle[0] == '-' ? "Minus" : "") +
                                  std::string(info.param.angle + (info.param.angle[0] == '-' ? 1 : 0));
                         });

TEST_F(PlayScenarioTest, AFlyBonusNearTheRightEdgeIsRightAligned) {
  AddFactory("bonus", R"(<widget type="state_scenario_fly_bonus" name="%name%" anchor_left="%x%" anchor_top="%y%"
                                 text="+100" push_down_in_right="%push%"/>)");
  AddFactory("gamefield_fly_bonus_text", R"(<widget type="text_widget" name="bonus_text" visible="yes"
                                                    anchor_left="%x1%" anchor_top="%y1%" width="%width%"
                                                    height="%height%" text="%text%" textalign="%textalign%"/>)");
  AddFactory("gamefield_fly_bonus", R"(<widget type="fly_widget" name="bonus_fly" visible="yes" startposx="%x1%"
                                               startposy="%y1%" endposx="%x2%" endposy="%y2%" timetolive="500"
                                               currenttime="%currenttime%"/>)");
  struct Case {
    int x;
    const char* push;
    TPoint start;
    const char* align;
  };
  for (const Case& c : {Case{700, "no", {300, 200}, "right"}, Case{700, "yes", {300, 240}, "right"},
                        Case{600, "no", {600, 200}, "left"}, Case{624, "no", {624, 200}, "left"}}) {
    SCOPED_TRACE(c.x);
    Ref<IWidget> bonus = RunScreenFactory("bonus", "\\name=bonus\\x=" + std::to_string(c.x) + "\\y=200\\push=" + c.push);
    auto scenario = QueryInterface<TStateScenarioFlyBonus>(bonus);
    ASSERT_TRUE(scenario);
    EXPECT_EQ(scenario->Alignment(), c.align);
    Frame();
    Ref<IWidget> flight = bonus->FindWidget("bonus_fly");
    ASSERT_TRUE(flight);
    EXPECT_EQ(WidgetScreenPosition(*flight), c.start);
    EXPECT_LE(flight->GetProperty("currenttime").ToInt(), -1000 + 16) << "it waits a second";
    EXPECT_TRUE(flight->GetProperty("surface").ToObject<ISurface>()) << "the rendered text flies";
    RunUntilGone(bonus);
    Frame();
  }
}

TEST_F(PlayScenarioTest, AHintWithoutItsObjectOrButtonEndsAtOnce) {
  AddFactory("hint_scenario", R"(<widget type="state_scenario_hint" name="%name%" hint_object_widgetname="%object%"
                                         button_widgetname="%button%"/>)");
  for (const char* params : {"\\name=h\\object=objects_group/nothing\\button=ui_group/button_hint",
                             "\\name=h\\object=background_group/thing\\button=ui_group/nothing"}) {
    SCOPED_TRACE(params);
    Ref<IWidget> hint = RunScreenFactory("hint_scenario", params);
    Frame();
    EXPECT_FALSE(hint->GetOwner()) << "finished and removed in its first frame";
    EXPECT_TRUE(owner_->FindScreenWidget("ui_group/button_hint")->IsVisible());
  }
}

TEST_F(PlayScenarioTest, AHintPulsesItsObjectAndPutsEverythingBack) {
  AddFactory("hint_scenario", R"(<widget type="state_scenario_hint" name="%name%" hint_object_widgetname="%object%"
                                         button_widgetname="ui_group/button_hint" angle="30"/>)");
  AddFactory("hint_arrow", R"(<widget type="test_box" name="%name%" visible="yes" width="20" height="8"/>)");
  AddFactory("hint_arrow_move", R"(<widget type="fly_widget" name="%name%" visible="yes" startposx="%x1%"
                                           startposy="%y1%" endposx="%x2%" endposy="%y2%" timetolive="%move_time%"/>)");
  AddFactory("ps_star_line", R"(<widget type="test_box" name="%name%" timetolive="100"/>)");
  Ref<IWidget> thing = owner_->FindScreenWidget("background_group/thing");
  thing->SetAnchorLeft(65 + 300);
  thing->SetAnchorTop(722 - 400);
  thing->SetTransparentLevel(200);
  Ref<IWidget> button = owner_->FindScreenWidget("ui_group/button_hint");
  Ref<IWidget> hint = RunScreenFactory("hint_scenario", "\\name=hint_scenariothing\\object=background_group/thing");
  Frame();
  Frame();
  EXPECT_FALSE(button->IsVisible()) << "the arrow is on its way";
  Ref<IWidget> arrow = hint->FindWidget("hint_arrow_move");
  ASSERT_TRUE(arrow);
  // 500 pixels at 0.7 a ms; the arrow's centre leaves the button's and has a 60 ms start.
  EXPECT_GT(arrow->GetAnchorLeft(), 65 - 10);
  EXPECT_TRUE(owner_->FindScreenWidget("animation_group/thing_hint0"));
  EXPECT_TRUE(owner_->FindScreenWidget("animation_group/thing_hint4"));

  int32_t elapsed = 32;
  double brightest = 0;
  while (hint->GetOwner() && elapsed < 5000) {
    Frame();
    elapsed += 16;
    brightest = std::max<double>(brightest, thing->GetTransparentLevel());
  }
  EXPECT_FALSE(hint->GetOwner());
  EXPECT_GE(elapsed, 714) << "the arrow's flight: 500 px / 0.7";
  EXPECT_EQ(brightest, 255) << "the object lit up";
  EXPECT_EQ(thing->GetTransparentLevel(), 200) << "and came back";
  EXPECT_TRUE(thing->IsVisible());
  EXPECT_TRUE(button->IsVisible());
}

TEST_F(PlayScenarioTest, AHintRemovedEarlyPutsTheObjectBack) {
  AddFactory("hint_scenario", R"(<widget type="state_scenario_hint" name="%name%" hint_object_widgetname="%object%"
                                         button_widgetname="ui_group/button_hint"/>)");
  Ref<IWidget> thing = owner_->FindScreenWidget("background_group/thing");
  thing->SetVisible(false);
  thing->SetTransparentLevel(90);
  Ref<IWidget> hint = RunScreenFactory("hint_scenario", "\\name=h\\object=background_group/thing");
  for (int frame = 0; frame < 200 && !thing->IsVisible(); ++frame) Frame();
  ASSERT_TRUE(thing->IsVisible()) << "a hidden place shows itself";
  ClearGroup(TPlayGroup::Animation);  // the player clicked it: the screen ends the hint
  EXPECT_FALSE(thing->IsVisible());
  EXPECT_EQ(thing->GetTransparentLevel(), 90);
  EXPECT_TRUE(owner_->FindScreenWidget("ui_group/button_hint")->IsVisible());
}

TEST_F(PlayScenarioTest, APenaltyBlocksClicksForItsDuration) {
  AddFactory("penalty", R"(<widget type="state_scenario_penalty" name="%name%" duration="%duration%"/>)");
  struct Case {
    int32_t duration;
    int frames_blocked;
  };
  for (const Case& c : {Case{0, 1}, Case{100, 8}}) {
    SCOPED_TRACE(c.duration);
    RunScreenFactory("penalty", "\\name=p\\duration=" + std::to_string(c.duration));
    int blocked = 0;
    for (int frame = 0; frame < 20; ++frame) {
      Frame();
      if (owner_->input_blocked) ++blocked;
    }
    EXPECT_EQ(blocked, c.frames_blocked);
  }
  RunScreenFactory("penalty", "\\name=p\\duration=5000");
  Frame();
  EXPECT_TRUE(owner_->input_blocked);
  ClearGroup(TPlayGroup::Animation);  // a restart clears the animations
  EXPECT_FALSE(owner_->input_blocked) << "never left blocked";
}

TEST_F(PlayScenarioTest, TheLevelStartsPausedShowsItsTutorialAndResumes) {
  AddFactory("start_level_anim", R"(<widget type="state_scenario_game_start_level" name="%name%">
                                       <widgets><widget type="test_box" name="curtain" timetolive="100"/></widgets>
                                     </widget>)");
  Ref<IWidget> start = RunScreenFactory("start_level_anim", "\\name=start");
  std::vector<bool> paused;
  auto watch = [&] { paused.push_back(owner_->paused); };
  owner_->paused = false;
  Frame();
  watch();
  EXPECT_EQ(owner_->tutorials, 1);
  EXPECT_TRUE(start->GetOwner()) << "its animation runs";
  RunUntilGone(start);
  EXPECT_FALSE(owner_->paused);
  EXPECT_THAT(paused, ElementsAre(false));

  start = RunScreenFactory("start_level_anim", "\\name=start");
  owner_->paused = true;
  start->SetProperty("currenttime", Variant(-500));  // still waiting: the level stays paused
  Frame();
  EXPECT_EQ(owner_->tutorials, 1);
  owner_->paused = false;
  start->SetProperty("currenttime", Variant(0));
  Frame();
  EXPECT_EQ(owner_->tutorials, 2);
  start->HandleMouse(kMouseLeftUp, {5, 5}, 0);
  EXPECT_TRUE(start->IsDead()) << "a click skips the start animation";
  EXPECT_FALSE(owner_->paused);
}

TEST_F(PlayScenarioTest, TheEndOfALevelIsToldOnceAfterItsDurationOrAtAClick) {
  AddFactory("end", R"(<widget type="state_scenario_end_level" name="%name%" win_anim="%win%" duration="100"/>)");
  Ref<IWidget> end = RunScreenFactory("end", "\\name=end\\win=yes");
  Frame();
  Frame();
  EXPECT_TRUE(owner_->ended.empty());
  RunUntilGone(end);
  EXPECT_THAT(owner_->ended, ElementsAre(true));

  end = RunScreenFactory("end", "\\name=end\\win=no");
  Frame();
  end->HandleMouse(kMouseLeftUp, {5, 5}, 0);
  RunUntilGone(end);
  EXPECT_THAT(owner_->ended, ElementsAre(true, false));

  AddFactory("close_gamescreen_anim",
             R"(<widget type="state_scenario_close_screen" name="%name%" extraparams="\user_quit=yes"/>)");
  RunUntilGone(RunScreenFactory("close_gamescreen_anim", "\\name=close"));
  EXPECT_EQ(owner_->leaves, 1);
  EXPECT_THAT(owner_->ended, ElementsAre(true, false)) << "closing is no end of a level";
}

// A screen that is no play screen.
class TOtherScreenHandler : public TAbstractObject, public virtual IEventHandler {
 public:
  void HandleWidgetEvent(IWidget*, int32_t, const Variant&) override {}
  IEngine* GetEngine() override { return nullptr; }
  IGameScreenOwner* GetScreenOwner() override { return nullptr; }
};

TEST_F(PlayScenarioTest, AScenarioOutsideThePlayScreenEndsWithAWarning) {
  AddFactory("end", R"(<widget type="state_scenario_end_level" name="%name%"/>)");
  Ref<IWidget> end = owner_->CreateScreenWidget("end", CreateObject<TParamCollection>("\\name=end").get());
  auto handler = MakeRef<TOtherScreenHandler>();
  auto other = MakeRef<TTestScreen>();
  other->SetEventHandler(handler.get());
  TLogCapture log;
  other->SetRoot(end);
  EXPECT_TRUE(end->IsDead());
  EXPECT_EQ(log.Count("outside the play screen"), 1);
  end->Update(16);
  other->DetachRoot();
  EXPECT_TRUE(owner_->ended.empty());
}

TEST_F(PlayScenarioTest, PanelItemsSlideIntoTheGapAndAreBusyMeanwhile) {
  AddFactory("panel_item_move",
             R"(<widget type="state_scenario_panel_item_move" name="%name%" widgetname="%widgetname%"
                        currenttime="%currenttime%" endposx="%endposx%" endposy="%endposy%" anim_speed="%anim_speed%"
                        max_anim_time="160"/>)");
  Ref<ILevelManager> level = StartHiddenShapes(kShapesRow, {"a", "b", "c"});
  Ref<IWidget> a = SceneWidget("a_l1");
  Ref<IWidget> b_item = Panel()->Items()[1].widget;
  ASSERT_TRUE(level->ClickObject(a.get(), {100, 100}));
  level->ObjectActivated(a.get());
  Frame();
  ASSERT_TRUE(owner_->FindScreenWidget("animation_group/b"));
  EXPECT_TRUE(Panel()->Items()[0].busy) << "b is on its way";
  EXPECT_EQ(b_item->GetAnchorLeft(), 51) << "moves wait for the hide";
  // c goes while b and c move: its hide waits for them.
  Ref<IWidget> c = SceneWidget("c_l1");
  ASSERT_TRUE(level->ClickObject(c.get(), {300, 100}));
  level->ObjectActivated(c.get());
  EXPECT_TRUE(Panel()->Items()[1].to_hide);
  std::vector<double> path;
  for (int frame = 0; frame < 60; ++frame) {
    Frame();
    path.push_back(b_item->GetAnchorLeft());
  }
  EXPECT_THAT(ItemNames(), ElementsAre("b"));
  EXPECT_EQ(b_item->GetAnchorLeft(), 1);
  EXPECT_FALSE(Panel()->Items()[0].busy);
  EXPECT_TRUE(std::is_sorted(path.rbegin(), path.rend())) << "it only moves left";
  EXPECT_GT(std::count_if(path.begin(), path.end(), [](double x) { return x > 1 && x < 51; }), 2)
      << "and slides there over several frames";
}

}  // namespace
}  // namespace corvellane::testing
