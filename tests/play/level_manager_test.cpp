#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "persistence/log.h"
#include "play/abstract_level_manager.h"
#include "play/double_scene_level_manager.h"
#include "tests/play/play_fixture.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::string_view kShapes =
    "shapes_interval=10;shapes_all_items_max_width=500;shapes_max_height=50;shapes_max_width=50;"
    "shapes_items_add_type=1;shapes_items_move_speed=2";
constexpr std::string_view kNames =
    "names_col_interval=0;names_row_height=20;names_col_width=100;names_max_in_column=3;names_left_shift=5;"
    "names_top_shift=2;names_max_columns_num=4;names_items_add_type=2";
constexpr std::string_view kParts =
    "complete_vertical_obj_max_width=100;complete_vertical_obj_max_height=100;"
    "complete_horizontal_obj_max_width=200;complete_horizontal_obj_max_height=100;"
    "complete_horizontal_obj_top_shift=8;complete_obj_left_shift=4";
constexpr std::string_view kPlaces =
    "disposable_interval=10;disposable_all_items_max_width=500;disposable_max_height=50;"
    "disposable_max_width=50;disposable_items_add_type=1;disposable_items_move_speed=2";
constexpr std::string_view kIdentical =
    "identical_left_coord=0;identical_top_coord=0;identical_all_items_max_width=600;identical_max_height=50;"
    "identical_max_width=50;identical_items_interval=10";

class LevelManagerTest : public PlayTest {
 protected:
  // A click on the scene object widget; the find is recorded as when its animation ends.
  bool Find(ILevelManager& level, std::string_view widget, TPlayGroup group = TPlayGroup::Objects) {
    Ref<IWidget> target = SceneWidget(widget, group);
    if (!target) return false;
    const bool found = level.ClickObject(target.get(), {200, 150});
    if (found) level.ObjectActivated(target.get());
    return found;
  }
};

// ---- A find in every one-scene mode ----------------------------------------

struct ModeCase {
  const char* name;
  int32_t mode;
  std::string_view layout;
  std::string objects;
  std::string params;
  const char* target;         // the widget clicked
  const char* other;          // the widget left to find
  const char* discovered_key;
  const char* find_factory;   // the find animation's factory, empty: none
  const char* other_item;     // the panel entry left after the first find
};

class OneSceneFind : public LevelManagerTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(OneSceneFind, IsRecordedInTheSceneAndTakenFromThePanel) {
  const ModeCase& c = GetParam();
  SetLayout(c.layout);
  Scene("s", c.objects + Obj("deco", 5, 30, 30, {"l1:50:60"}));
  Story(GeneratedScene("s", c.params + Param("d_names", ";deco/l1;")), c.mode);
  Ref<ILevelManager> level = Start(c.mode);
  ASSERT_TRUE(level);
  EXPECT_EQ(level->GetTotal(), 2);
  EXPECT_EQ(level->GetRemaining(), 2);
  EXPECT_TRUE(SceneWidget("deco_l1"));
  EXPECT_FALSE(level->IsTarget(owner_->GetWidgetObject(SceneWidget("deco_l1").get()).get()));
  EXPECT_FALSE(level->ClickObject(SceneWidget("deco_l1").get(), {50, 60})) << "a decoration is no find";

  Ref<IWidget> target = SceneWidget(c.target);
  ASSERT_TRUE(target);
  Ref<ISceneObjectDef> object = owner_->GetWidgetObject(target.get());
  EXPECT_TRUE(level->IsTarget(object.get()));
  if (c.mode == 4) level->ObjectActivated(target.get());  // placed first, then judged
  ASSERT_TRUE(level->ClickObject(target.get(), {200, 150}));
  EXPECT_EQ(owner_->score, 100) << "5 s after the last find";
  ASSERT_FALSE(owner_->effects.empty());
  EXPECT_EQ(owner_->effects.back().factory, "focus_object_find_score");
  EXPECT_EQ(owner_->effects.back().params["value"], "100");
  Ref<IWidget> animation = owner_->FindScreenWidget(std::string("animation_group/") + c.target);
  if (*c.find_factory) {
    ASSERT_TRUE(animation);
    EXPECT_EQ(animation->GetProperty("factory").ToText(), c.find_factory);
    EXPECT_EQ(animation->GetProperty("widgetname").ToText(), std::string("objects_group/") + c.target);
    EXPECT_FALSE(target->IsMouseStop());
    level->ObjectActivated(target.get());
  } else {
    EXPECT_FALSE(animation);
  }

  EXPECT_EQ(level->GetRemaining(), 1);
  EXPECT_EQ(level->GetTotal(), 2);
  EXPECT_EQ(SceneParam(c.discovered_key), std::string(";") + object->GetName() + "/l1;");
  EXPECT_EQ(level->GetDiscovered(StoryScene().get()), SceneParam(c.discovered_key));
  EXPECT_FALSE(level->IsTarget(object.get())) << "found once";
  EXPECT_EQ(target->IsDead(), c.mode != 4) << "found objects leave the scene, placed ones stay";
  EXPECT_EQ(target->IsVisible(), c.mode == 4);
  EXPECT_EQ(owner_->wins, 0);
  Frame();
  if (c.mode == 3)
    EXPECT_THAT(ItemNames(), ElementsAre("box", "lid", "key")) << "found parts stay on the broken object";
  else
    EXPECT_THAT(ItemNames(), ElementsAre(c.other_item)) << "the found object's item is taken out";

  ASSERT_TRUE(Find(*level, c.other) || (level->ObjectActivated(SceneWidget(c.other).get()),
                                        level->ClickObject(SceneWidget(c.other).get(), {5, 5})));
  EXPECT_EQ(level->GetRemaining(), 0);
  EXPECT_EQ(owner_->wins, 1);
}

const std::string kTwoHidden = Obj("vase", 0, 40, 40, {"l1:100:100"}) + Obj("cup", 0, 40, 40, {"l1:300:200"});
const std::string kTwoHiddenParams = Param("ho_names", ";vase/l1;cup/l1;");

INSTANTIATE_TEST_SUITE_P(
    Modes, OneSceneFind,
    ::testing::Values(
        ModeCase{"HiddenShapes", 0, kShapes, kTwoHidden, kTwoHiddenParams, "vase_l1", "cup_l1", "ho_names_discovered",
                 "offset", "cup"},
        ModeCase{"HiddenNames", 1, kNames, kTwoHidden, kTwoHiddenParams, "vase_l1", "cup_l1", "ho_names_discovered",
                 "offset", "cup"},
        ModeCase{"HiddenParts", 3, kParts,
                 Obj("box", 3, 80, 80, {"l1:500:300"}) + Obj("lid", 2, 40, 20, {"l1:100:100", "spec:500:270"}) +
                     Obj("key", 2, 20, 20, {"l1:700:100", "spec:520:320"}),
                 Param("co_names", ";box/l1;") + Param("hp_names", ";lid/l1;key/l1;"), "lid_l1", "key_l1",
                 "hp_names_discovered", "plain", ""},
        ModeCase{"FindPlaces", 4, kPlaces, Obj("vase", 4, 40, 40, {"l1:100:100", "l2:600:400"}) +
                                               Obj("cup", 4, 40, 40, {"l1:300:200"}),
                 Param("do_names", ";vase/l1;cup/l1;"), "vase_l1", "cup_l1", "do_names_placed", "", "cup"}),
    [](const ::testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.name); });

// ---- Targets, lists and scenes ---------------------------------------------

TEST_F(LevelManagerTest, AHalfPlayedSceneResumesWithItsFindsKept) {
  SetLayout(kShapes);
  Scene("s", kTwoHidden + Obj("pen", 0, 40, 40, {"l1:400:300"}, R"(onactivation_factory="sparkle")"),
        R"(<widgetfactory type="WidgetFactory" name="sparkle"><widgetstring><![CDATA[
             <widget type="group_widget" name="sparkle_%widgetname%" visible="yes" anchor_left="%anchor_left%"/>
           ]]></widgetstring></widgetfactory>)");
  Story(GeneratedScene("s", Param("ho_names", ";vase/l1;cup/l1;pen/l1;") +
                                Param("ho_names_discovered", ";vase/l1;pen/l1;")),
        0);
  Ref<ILevelManager> level = Start(0);
  EXPECT_EQ(level->GetTotal(), 3) << "found objects count to the total";
  EXPECT_EQ(level->GetRemaining(), 1);
  EXPECT_FALSE(SceneWidget("vase_l1")) << "a found object is not built again";
  EXPECT_TRUE(SceneWidget("cup_l1"));
  EXPECT_THAT(ItemNames(), ElementsAre("cup"));
  // The found pen's activation shows as it did after the find, at its place.
  Ref<IWidget> sparkle = SceneWidget("sparkle_pen_l1");
  ASSERT_TRUE(sparkle);
  EXPECT_EQ(sparkle->GetAnchorLeft(), 400);
  EXPECT_EQ(owner_->score, 0) << "no points for the finds of an earlier visit";
  ASSERT_TRUE(Find(*level, "cup_l1"));
  EXPECT_EQ(owner_->wins, 1);
  EXPECT_EQ(SceneParam("ho_names_discovered"), ";vase/l1;pen/l1;cup/l1;");
  level->ResetDiscovered(StoryScene().get());
  EXPECT_EQ(SceneParam("ho_names_discovered"), ";");
}

TEST_F(LevelManagerTest, ASpecialPartIsInPlaceFromTheStart) {
  SetLayout(kParts);
  Scene("s", Obj("box", 3, 80, 80, {"l1:500:300"}) + Obj("lid", 2, 40, 20, {"spec:500:270"}) +
                 Obj("key", 2, 20, 20, {"l1:700:100", "spec:520:320"}));
  Story(GeneratedScene("s", Param("co_names", ";box/l1;") + Param("hp_names", ";lid/spec;key/l1;")), 3);
  Ref<ILevelManager> level = Start(3);
  EXPECT_EQ(level->GetTotal(), 2);
  EXPECT_EQ(level->GetRemaining(), 1);
  EXPECT_FALSE(SceneWidget("lid_spec")) << "never a target, never in the scene";
  const std::vector<TPanelItem>& items = Panel()->Items();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[1].object->GetName(), "lid");
  EXPECT_TRUE(items[1].found);
  EXPECT_TRUE(items[1].widget->IsVisible()) << "shown in its place on the broken object";
  EXPECT_FALSE(items[2].widget->IsVisible()) << "the missing part waits";
  EXPECT_TRUE(SceneWidget("key_l1")->IsMouseStop());
  EXPECT_EQ(Panel()->GetObjectNames(), ";box;");
  ASSERT_TRUE(Find(*level, "key_l1"));
  EXPECT_TRUE(Panel()->Items()[2].widget->IsVisible());
  EXPECT_EQ(owner_->wins, 1);
}

TEST_F(LevelManagerTest, ALevelWithoutTargetsIsRefusedWithAMessage) {
  SetLayout(kShapes);
  Scene("s", Obj("deco", 5, 30, 30, {"l1:50:60"}));
  Story(GeneratedScene("s", Param("d_names", ";deco/l1;")), 0);
  Ref<IPanelManager> panel = QueryInterface<IPanelManager>(CreateNamed("PanelManagerHiddenShapes", "Panel"));
  owner_->GetPanelWidget()->SetPanelManager(panel);
  panel->SetupPanel(owner_.get(), -1);
  Ref<ILevelManager> level = QueryInterface<ILevelManager>(CreateNamed("LevelManagerHiddenShapes", "LevelManager"));
  owner_->level = level;
  level->SetOwner(owner_.get());
  ASSERT_TRUE(level->LoadScenes());
  TLogCapture log;
  EXPECT_FALSE(level->SetupLevel());
  EXPECT_EQ(log.Count("no object to find"), 1);
  EXPECT_EQ(owner_->wins, 0);
}

TEST_F(LevelManagerTest, AMissingSceneIsReportedAndNotLoaded) {
  Scene("other", Obj("vase", 0, 40, 40, {"l1:100:100"}));
  Story(GeneratedScene("s", Param("ho_names", ";vase/l1;")), 0);
  Ref<ILevelManager> level = QueryInterface<ILevelManager>(CreateNamed("LevelManagerHiddenShapes", "LevelManager"));
  level->SetOwner(owner_.get());
  TLogCapture log;
  EXPECT_FALSE(level->LoadScenes());
  EXPECT_FALSE(level->SetupLevel());
  EXPECT_GE(log.Count("\"s\""), 1);
  level->ReleaseScenes();
}

TEST_F(LevelManagerTest, FindPlacesAcceptsAnyFreeLocationOfTheObject) {
  SetLayout(kPlaces);
  Scene("s", Obj("vase", 4, 40, 20, {"l1:100:100", "l2:600:400"}));
  Story(GeneratedScene("s", Param("do_names", ";vase/l1;")), 4);
  Ref<ILevelManager> level = Start(4);
  Ref<IWidget> other_place = SceneWidget("vase_l2");
  ASSERT_TRUE(other_place) << "every location gets a widget";
  EXPECT_FALSE(other_place->IsVisible());
  Ref<ISceneObjectDef> vase = owner_->GetWidgetObject(other_place.get());

  // The rectangle is 40 x 20 at zoom 1 around the anchor; 10 pixels of slack.
  struct Case {
    TPoint point;
    const char* location;
  };
  for (const Case& c : {Case{{600 + 20 + 9, 400}, "l2"}, Case{{600 + 20 + 11, 400}, ""},
                        Case{{600, 400 - 10 - 9}, "l2"}, Case{{600, 400 - 10 - 11}, ""}, Case{{100, 100}, "l1"}}) {
    Ref<ISceneObjectLocation> found = level->FindLocationAt(vase.get(), c.point, nullptr);
    EXPECT_EQ(found ? found->GetName() : "", c.location) << c.point.x << ", " << c.point.y;
  }

  level->ObjectActivated(other_place.get());
  EXPECT_TRUE(level->ClickObject(other_place.get(), {600, 400}));
  EXPECT_TRUE(other_place->IsVisible());
  EXPECT_FALSE(other_place->IsDead());
  EXPECT_EQ(SceneParam("do_names"), ";vase/l2;") << "the generator's choice gives way to the player's";
  EXPECT_EQ(SceneParam("do_names_placed"), ";vase/l2;");
  EXPECT_FALSE(level->FindLocationAt(vase.get(), {600, 400}, nullptr)) << "a filled place is not free";
  EXPECT_EQ(owner_->wins, 1);
}

// ---- Two halves ---------------------------------------------------------------

class TwoHalvesTest : public LevelManagerTest {
 protected:
  // Two scenes whose identical objects "key" and "ring" stand in both halves'
  // windows (shift 256: x 256..768), "far" only outside the left one.
  void Build(std::string_view left_discovered = ";") {
    SetLayout(kIdentical);
    const std::string objects = Obj("key", 1, 40, 40, {"l1:300:100"}) + Obj("ring", 1, 40, 40, {"l1:600:200"}) +
                                Obj("far", 1, 40, 40, {"l1:900:200"});
    Scene("s", objects);
    Scene("s2", objects);
    const std::string lists = Param("io_names", ";key/l1;ring/l1;far/l1;");
    Story(GeneratedScene("s", lists + Param("io_names_discovered", left_discovered)) + GeneratedScene("s2", lists),
          2);
    level_ = Start(2);
  }
  Ref<ILevelManager> level_;
};

TEST_F(TwoHalvesTest, OnlyObjectsWithinTheHalfsWindowAreBuilt) {
  Build();
  for (const char* name : {"key_l1", "ring_l1"}) {
    EXPECT_TRUE(SceneWidget(name, TPlayGroup::LeftObjects)) << name;
    EXPECT_TRUE(SceneWidget(name, TPlayGroup::RightObjects)) << name;
  }
  EXPECT_FALSE(SceneWidget("far_l1", TPlayGroup::LeftObjects));
  EXPECT_EQ(SceneWidget("ring_l1", TPlayGroup::LeftObjects)->GetAnchorLeft(), 600 - 256);
  EXPECT_EQ(level_->GetTotal(), 2) << "two pairs";
  EXPECT_EQ(level_->GetRemaining(), 2);
  EXPECT_THAT(ItemNames(), ElementsAre("key", "ring"));
  EXPECT_EQ(owner_->FindScreenWidget("background_group/left_background")->GetProperty("resourceleft").ToText(), "256");
}

TEST_F(TwoHalvesTest, TheWindowRuleAtItsEdges) {
  struct Case {
    int anchor;
    int width;
    int shift;
    bool inside;
  };
  for (const Case& c : {Case{600, 100, 256, true}, Case{600, 100, 0, false}, Case{-50, 100, 0, false},
                        Case{-49, 100, 0, true}, Case{561, 100, 0, true}, Case{562, 100, 0, false}}) {
    SCOPED_TRACE(::testing::Message() << c.anchor << " " << c.width << " " << c.shift);
    SetLayout(kIdentical);
    const std::string objects = Obj("key", 1, c.width, 40, {"l1:" + std::to_string(c.anchor) + ":100"}) +
                                Obj("pin", 1, 10, 10, {"l1:300:300"});
    scene_list_.clear();
    Scene("s", objects, "", c.shift);
    Scene("s2", objects, "", c.shift);
    const std::string lists = Param("io_names", ";key/l1;pin/l1;");
    Story(GeneratedScene("s", lists) + GeneratedScene("s2", lists), 2);
    Ref<ILevelManager> level = Start(2);
    EXPECT_EQ(static_cast<bool>(SceneWidget("key_l1", TPlayGroup::LeftObjects)), c.inside);
    level->ReleaseScenes();
    ClearGroup(TPlayGroup::LeftObjects);
    ClearGroup(TPlayGroup::RightObjects);
  }
}

TEST_F(TwoHalvesTest, AFindInEitherHalfTakesItsTwin) {
  Build();
  Ref<IWidget> right_ring = SceneWidget("ring_l1", TPlayGroup::RightObjects);
  Ref<IWidget> left_ring = SceneWidget("ring_l1", TPlayGroup::LeftObjects);
  ASSERT_TRUE(level_->ClickObject(right_ring.get(), {800, 200}));
  EXPECT_FALSE(right_ring->IsMouseStop());
  EXPECT_FALSE(left_ring->IsMouseStop());
  // Both halves animate; the twins' names are alike, their animations are not.
  Ref<IWidget> first = owner_->FindScreenWidget("animation_group/ring_l1");
  Ref<IWidget> second = owner_->FindScreenWidget("animation_group/ring_l11");
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->GetProperty("factory").ToText(), "secondary");
  EXPECT_EQ(first->GetProperty("widgetname").ToText(), "right_part/objects_group/ring_l1");
  EXPECT_EQ(second->GetProperty("factory").ToText(), "offset");
  EXPECT_EQ(second->GetProperty("widgetname").ToText(), "left_part/objects_group/ring_l1");
  EXPECT_EQ(owner_->score, 100) << "one pair, one score";

  // Both halves of the last pair end in the same frame: one win.
  level_->ObjectActivated(right_ring.get());
  level_->ObjectActivated(left_ring.get());
  EXPECT_EQ(level_->GetRemaining(), 1);
  EXPECT_EQ(SceneParam("io_names_discovered", "s"), ";ring/l1;");
  EXPECT_EQ(SceneParam("io_names_discovered", "s2"), ";ring/l1;");
  EXPECT_EQ(Panel()->Items()[1].count, 1) << "the pair used once and kept in the panel";
  EXPECT_TRUE(Panel()->Items()[1].found);

  Ref<IWidget> left_key = SceneWidget("key_l1", TPlayGroup::LeftObjects);
  Ref<IWidget> right_key = SceneWidget("key_l1", TPlayGroup::RightObjects);
  ASSERT_TRUE(level_->ClickObject(left_key.get(), {300, 100}));
  level_->ObjectActivated(left_key.get());
  EXPECT_EQ(level_->GetRemaining(), 0) << "one of two left: half a pair rounds to even";
  EXPECT_EQ(owner_->wins, 0) << "the level is not decided on half a pair";
  level_->ObjectActivated(right_key.get());
  level_->ObjectActivated(right_key.get());
  EXPECT_EQ(owner_->wins, 1);
}

TEST_F(TwoHalvesTest, FoundPairsOfAnEarlierVisitCountButAreNotBuilt) {
  Build(";key/l1;");
  EXPECT_FALSE(SceneWidget("key_l1", TPlayGroup::LeftObjects));
  EXPECT_TRUE(SceneWidget("key_l1", TPlayGroup::RightObjects));
  EXPECT_EQ(level_->GetTotal(), 2);
  EXPECT_EQ(level_->GetRemaining(), 2) << "three targets left: 1.5 rounds to 2";
}

TEST_F(TwoHalvesTest, ALevelOfOnePairIsWonByIt) {
  SetLayout(kIdentical);
  Scene("s", Obj("key", 1, 40, 40, {"l1:300:100"}));
  Scene("s2", Obj("key", 1, 40, 40, {"l1:300:100"}));
  Story(GeneratedScene("s", Param("io_names", ";key/l1;")) + GeneratedScene("s2", Param("io_names", ";key/l1;")), 2);
  Ref<ILevelManager> level = Start(2);
  EXPECT_EQ(level->GetTotal(), 1);
  ASSERT_TRUE(Find(*level, "key_l1", TPlayGroup::LeftObjects));
  level->ObjectActivated(SceneWidget("key_l1", TPlayGroup::RightObjects).get());
  EXPECT_EQ(owner_->wins, 1);
}

TEST_F(LevelManagerTest, TheObjectPanelMayGoBeforeTheLevel) {
  Ref<ILevelManager> level = StartHiddenShapes(kShapes, {"a", "b"});
  Ref<IWidget> a = SceneWidget("a_l1");
  Ref<IWidgetCollection> ui = owner_->FindScreenWidget("ui_group")->GetWidgets();
  ui->GetWidgetAt(0)->SetDead(true);  // the panel's scroll area, and the panel with it
  ui->RemoveDead();
  EXPECT_FALSE(owner_->GetPanelWidget());
  // The panel's manager lets its items go with it: nothing is in view to be found.
  EXPECT_FALSE(level->ClickObject(a.get(), {100, 100}));
  level->ObjectActivated(a.get());
  EXPECT_EQ(level->GetRemaining(), 1) << "a find whose animation ends is recorded all the same";
}

}  // namespace
}  // namespace corvellane::testing
