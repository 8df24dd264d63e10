// Groups holding their children: z placement and re-sorting, names, moving
// widgets between groups, deletion, the advance pass with births and deaths,
// time standing still in hidden groups, loading and saving.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/widgets/group_fixture.h"
#include "widgets/widget_collections.h"

namespace corvellane::testing {
namespace {

Ref<TTestBox> NewBox(std::string_view name, int32_t z = 0) {
  Ref<TTestBox> box = CreateObject<TTestBox>();
  box->SetName(name);
  box->SetZ(z);
  box->SetVisible(true);
  box->SetWidth(2);
  box->SetHeight(2);
  return box;
}

std::string Order(IWidgetCollection& children) {
  std::string names;
  for (int i = 0; i < children.Count(); ++i) names += children.GetWidgetAt(i)->GetName();
  return names;
}

constexpr const char* kEmptyRoot = R"(<widget type="group_widget" name="root" visible="yes"/>)";

class GroupCollectionTest : public GroupTreeTest {
 public:
  GroupCollectionTest() { Load(kEmptyRoot); }
  IWidgetCollection& Children() { return *screen->Root()->GetWidgets(); }
  IWidgetOwner* RootAsOwner() { return dynamic_cast<IWidgetOwner*>(screen->Root().get()); }
};

TEST_F(GroupCollectionTest, NewChildGoesAfterEverySiblingOfEqualOrLowerZ) {
  struct Case {
    std::vector<int32_t> zs;  // added in this order as "a", "b", ...
    std::string expected;
  };
  const Case cases[] = {
      {{0, 0, 0}, "abc"},
      {{2, 1, 0}, "cba"},
      {{1, 0, 1, 2, 0}, "beacd"},
      {{5, -3, 5, 0}, "bdac"},
  };
  for (const Case& c : cases) {
    Children().ClearItems();
    std::string name = "a";
    for (int32_t z : c.zs) {
      Children().Add(NewBox(name, z));
      ++name[0];
    }
    EXPECT_EQ(Order(Children()), c.expected);
  }
}

TEST_F(GroupCollectionTest, ZChangedAtRunTimeIsSortedInTheDirtyPassKeepingEqualOrder) {
  for (const char* name : {"a", "b", "c", "d"}) Children().Add(NewBox(name, 1));
  Children().GetWidgetByName("a")->SetZ(2);
  Children().GetWidgetByName("d")->SetZ(0);
  EXPECT_EQ(Order(Children()), "abcd");
  screen->Root()->UpdateDirtyRegion(false, false);
  EXPECT_EQ(Order(Children()), "dbca");
}

TEST_F(GroupCollectionTest, WidgetsWithTakenOrEmptyNamesAreHeldAndAttached) {
  Ref<TTestBox> first = NewBox("twin");
  Ref<TTestBox> second = NewBox("TWIN");
  Ref<TTestBox> unnamed1 = NewBox("");
  Ref<TTestBox> unnamed2 = NewBox("");
  for (const Ref<TTestBox>& box : {first, second, unnamed1, unnamed2}) Children().Add(box);

  ASSERT_EQ(Children().Count(), 4);
  EXPECT_EQ(Children().GetWidgetByName("twin").get(), static_cast<IWidget*>(first.get()));
  for (const Ref<TTestBox>& box : {first, second, unnamed1, unnamed2}) EXPECT_EQ(box->GetOwner(), RootAsOwner());

  // Every one of them is detached when the group lets go.
  Children().ClearItems();
  for (const Ref<TTestBox>& box : {first, second, unnamed1, unnamed2}) EXPECT_EQ(box->GetOwner(), nullptr);
}

TEST_F(GroupCollectionTest, AddingAWidgetTwiceKeepsOneEntry) {
  Ref<TTestBox> box = NewBox("once");
  Children().Add(box);
  Children().Add(box);
  EXPECT_EQ(Children().Count(), 1);
}

TEST_F(GroupCollectionTest, WidgetMovedToAnotherGroupLeavesTheFirst) {
  Load(R"(<widget type="group_widget" name="root" visible="yes">
            <widgets>
              <widget type="group_widget" name="left" visible="yes"/>
              <widget type="group_widget" name="right" visible="yes" anchor_left="20"/>
            </widgets>
          </widget>)");
  Ref<TTestBox> box = NewBox("traveller");
  Find("left")->GetWidgets()->Add(box);
  ASSERT_TRUE(checker.RunFrame(*screen));

  Find("right")->GetWidgets()->Add(box);
  EXPECT_EQ(Find("left")->GetWidgets()->Count(), 0);
  EXPECT_EQ(Find("right/traveller").get(), static_cast<IWidget*>(box.get()));
  EXPECT_EQ(box->GetOwner(), dynamic_cast<IWidgetOwner*>(Find("right").get()));
  EXPECT_TRUE(checker.RunFrame(*screen)) << "the old place is redrawn";
}

TEST_F(GroupCollectionTest, GroupIsNeverAddedIntoItselfOrBelowItself) {
  Load(R"(<widget type="group_widget" name="root" visible="yes">
            <widgets><widget type="group_widget" name="panel" visible="yes"/></widgets>
          </widget>)");
  Ref<IWidget> root = screen->Root();
  Ref<IWidget> panel = Find("panel");
  panel->GetWidgets()->Add(panel);
  panel->GetWidgets()->Add(root);
  EXPECT_EQ(panel->GetWidgets()->Count(), 0);
  EXPECT_EQ(root->GetOwner(), static_cast<IWidgetOwner*>(screen.get()));
  EXPECT_EQ(Find("panel"), panel);
}

TEST_F(GroupCollectionTest, DeletedChildIsDetachedAndItsPlaceRedrawn) {
  Ref<TTestBox> box = NewBox("gone");
  box->SetAnchorLeft(5);
  Children().Add(box);
  ASSERT_TRUE(checker.RunFrame(*screen));
  Children().DeleteItem(Variant("gone"));
  EXPECT_EQ(box->GetOwner(), nullptr);
  EXPECT_EQ(Children().Count(), 0);
  EXPECT_TRUE(checker.RunFrame(*screen));
  Children().DeleteItem(Variant("no such child"));  // nothing happens
}

// A child that brings a sibling into the world during its first advance.
class TSpawningBox : public TTestBox {
 public:
  void Advance(int32_t elapsed_ms) override {
    TTestBox::Advance(elapsed_ms);
    auto* group = dynamic_cast<IWidget*>(GetOwner());
    if (spawned || !group) return;
    spawned = NewBox("spawned", -1);  // goes in front of this one in the list
    group->GetWidgets()->Add(spawned);
  }
  Ref<TTestBox> spawned;
};

TEST_F(GroupCollectionTest, ChildAddedDuringTheAdvanceIsAdvancedOnceInTheSameFrame) {
  Ref<TTestBox> before = NewBox("before", 0);
  Ref<TSpawningBox> spawner = CreateObject<TSpawningBox>();
  spawner->SetName("spawner");
  Ref<TTestBox> after = NewBox("after", 2);
  for (Ref<TTestBox> box : {before, Ref<TTestBox>(spawner), after}) Children().Add(box);

  screen->Root()->Update(16);
  ASSERT_TRUE(spawner->spawned);
  EXPECT_EQ(spawner->spawned->advances, 1);
  for (TTestBox* box : {before.get(), static_cast<TTestBox*>(spawner.get()), after.get()}) EXPECT_EQ(box->advances, 1);
  EXPECT_FALSE(dynamic_cast<TWidgetCollection&>(Children()).IsIterating());
}

class TFailingBox : public TTestBox {
 public:
  void Advance(int32_t) override { throw std::runtime_error("broken child"); }
};

TEST_F(GroupCollectionTest, AnErrorDuringTheAdvancePassEndsTheIteration) {
  Children().Add(CreateObject<TFailingBox>());
  auto& children = dynamic_cast<TWidgetCollection&>(Children());
  EXPECT_THROW(children.AdvanceAll(16), std::runtime_error);
  EXPECT_FALSE(children.IsIterating());
}

TEST_F(GroupCollectionTest, DeadChildIsRemovedInTheFrameItDies) {
  Ref<TTestBox> mortal = NewBox("mortal");
  mortal->SetTimeToLive(40);
  Children().Add(mortal);
  Children().Add(NewBox("immortal"));
  ASSERT_TRUE(checker.RunFrame(*screen, 16));
  ASSERT_TRUE(checker.RunFrame(*screen, 16));
  EXPECT_EQ(Children().Count(), 2);
  ASSERT_TRUE(checker.RunFrame(*screen, 16));
  EXPECT_EQ(Order(Children()), "immortal");
  EXPECT_EQ(mortal->GetOwner(), nullptr);
}

TEST_F(GroupCollectionTest, ChildrenOfAGroupHiddenForTwoFramesStandStill) {
  Load(R"(<widget type="group_widget" name="root" visible="yes">
            <widgets>
              <widget type="group_widget" name="panel" visible="yes">
                <widgets><widget type="test_box" name="clock" visible="yes" width="1" height="1"/></widgets>
              </widget>
            </widgets>
          </widget>)");
  Ref<TTestBox> clock = Box("panel/clock");
  ASSERT_TRUE(checker.RunFrame(*screen));
  Find("panel")->SetVisible(false);
  // The frame that hides it and the next one still advance the children.
  std::vector<int> advances;
  for (int frame = 0; frame < 4; ++frame) {
    ASSERT_TRUE(checker.RunFrame(*screen));
    advances.push_back(clock->advances);
  }
  EXPECT_EQ(advances, (std::vector<int>{2, 3, 3, 3}));
  EXPECT_EQ(Find("panel")->GetProperty("currenttime").ToInt(), 16 * 5) << "the group's own time goes on";

  Find("panel")->SetVisible(true);
  ASSERT_TRUE(checker.RunFrame(*screen));
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_EQ(clock->advances, 4);
}

TEST_F(GroupCollectionTest, PauseRestartAndPropertiesReachEveryChild) {
  for (const char* name : {"a", "b"}) Children().Add(NewBox(name));
  screen->Root()->Pause();
  for (const char* name : {"a", "b"}) EXPECT_TRUE(Find(name)->IsPaused());
  screen->Root()->Update(16);
  EXPECT_EQ(Box("a")->advances, 0);
  screen->Root()->Resume();
  EXPECT_FALSE(Find("b")->IsPaused());

  Box("a")->Update(100);
  screen->Root()->UpdateDirtyRegion(false, false);
  screen->Root()->Restart();
  EXPECT_EQ(Box("a")->GetCurrentTime(), 0);

  Children().SetPropertyOnAll("anchor_top", 7);
  for (const char* name : {"a", "b"}) EXPECT_EQ(Find(name)->GetAnchorTop(), 7.0);
}

TEST_F(GroupCollectionTest, ChildrenLoadFromDataAndOnlyStoredOnesAreSavedBack) {
  Ref<IWidget> root = Load(R"(<widget type="group_widget" name="root" visible="yes">
            <widgets>
              <widget type="test_box" name="top" visible="yes" z="3"/>
              <widget type="test_box" name="bottom" visible="yes" z="-1"/>
              <widget type="no_such_type" name="skipped"/>
            </widgets>
          </widget>)");
  EXPECT_EQ(Order(Children()), "bottomtop");
  Ref<TTestBox> created = NewBox("created");
  created->SetStored(false);  // what a factory does to the widgets it makes
  Children().Add(created);

  const std::string xml = SavedXml(*QueryInterface<IPersistable>(root));
  EXPECT_NE(xml.find(R"(name="bottom")"), std::string::npos) << xml;
  EXPECT_NE(xml.find(R"(type="group_widget")"), std::string::npos) << xml;
  EXPECT_EQ(xml.find("created"), std::string::npos) << xml;

  Ref<IWidget> copy = WidgetFromXml(xml);
  ASSERT_TRUE(copy);
  EXPECT_EQ(Order(*copy->GetWidgets()), "bottomtop");
}

TEST_F(GroupCollectionTest, ChildOfADeletedGroupKeepsNoLinkToIt) {
  Ref<TTestBox> survivor = NewBox("survivor");
  {
    Ref<IWidget> group = WidgetFromXml(R"(<widget type="group_widget" name="short_lived" visible="yes"/>)");
    Children().Add(group);
    group->GetWidgets()->Add(survivor);
    EXPECT_NE(survivor->GetOwner(), nullptr);
    Children().DeleteItem(Variant("short_lived"));
  }
  EXPECT_EQ(survivor->GetOwner(), nullptr);
}

}  // namespace
}  // namespace corvellane::testing
