// Hit-testing and geometry through groups and decorators: nested offsets,
// mouse stops, "returnselfbypos", the shape of a group, decorators refining
// a hit with their inner widget.
#include <gtest/gtest.h>

#include <vector>

#include "tests/widgets/group_fixture.h"

namespace corvellane::testing {
namespace {

// Screen positions: root (3, 2); panel (10.5 -> 10, 4) -> (13, 6);
// button (2, 2) -> (15..18, 8..11); label over it, no mouse stop (17..22, 8..11);
// the floor under everything (3..42, 2..31).
constexpr const char* kTree = R"(
<widget type="group_widget" name="root" visible="yes" mousestop="yes" anchor_left="3" anchor_top="2">
  <widgets>
    <widget type="test_box" name="floor" visible="yes" mousestop="yes" width="40" height="30"/>
    <widget type="group_widget" name="panel" visible="yes" mousestop="yes" anchor_left="10.5" anchor_top="4" z="1">
      <widgets>
        <widget type="test_box" name="button" visible="yes" mousestop="yes" anchor_left="2" anchor_top="2"
                width="4" height="4"/>
        <widget type="test_box" name="label" visible="yes" anchor_left="4" anchor_top="2" width="6" height="4" z="1"/>
      </widgets>
    </widget>
    <widget type="group_widget" name="empty" visible="yes" mousestop="yes" anchor_left="7.5" anchor_top="8.5"/>
  </widgets>
</widget>)";

class GroupHitTest : public GroupTreeTest {
 public:
  GroupHitTest() { Load(kTree); }
};

TEST_F(GroupHitTest, TopmostMouseStopAtTheScreenPointIsHit) {
  struct Case {
    TPoint p;
    const char* expected;
  };
  const Case cases[] = {
      {{15, 8}, "button"}, {{18, 11}, "button"}, {{19, 8}, "floor"},  // under the label, which lets clicks through
      {{14, 8}, "floor"},  {{15, 12}, "floor"},  {{42, 31}, "floor"}, {{43, 31}, "(none)"}, {{2, 2}, "(none)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.p.x << "," << c.p.y);
    EXPECT_EQ(HitName(c.p), c.expected);
  }
}

TEST_F(GroupHitTest, GroupWithoutMouseStopOrVisibilityHidesItsChildrenFromClicks) {
  Find("panel")->SetMouseStop(false);
  EXPECT_EQ(HitName({15, 8}), "floor");
  Find("panel")->SetMouseStop(true);
  Find("panel")->SetVisible(false);
  EXPECT_EQ(HitName({15, 8}), "floor");
}

TEST_F(GroupHitTest, ReturnSelfByPosAnswersForChildrenThatAreNoMouseStop) {
  Find("panel")->SetProperty("returnselfbypos", true);
  EXPECT_EQ(HitName({15, 8}), "button");
  EXPECT_EQ(HitName({21, 8}), "panel") << "the label is no mouse stop";
  EXPECT_EQ(HitName({14, 8}), "floor") << "outside every child of the panel";
}

TEST_F(GroupHitTest, GroupShapeIsTheUnionOfItsVisibleChildren) {
  Ref<IWidget> panel = Find("panel");
  EXPECT_EQ(panel->GetRect(), (TRect{12, 6, 20, 10}));  // in the root's space
  EXPECT_EQ(panel->GetWidth(), 8);
  EXPECT_EQ(panel->GetProperty("left").ToFloat(), 12.0);
  EXPECT_TRUE(panel->ContainsPoint({19, 9}, false));
  EXPECT_FALSE(panel->ContainsPoint({20, 9}, false));
  Find("panel/label")->SetVisible(false);
  EXPECT_EQ(panel->GetRect(), (TRect{12, 6, 16, 10}));
  EXPECT_FALSE(panel->ContainsPoint({17, 9}, false));
}

TEST_F(GroupHitTest, GroupWithoutVisibleChildrenIsAnEmptyRectangleAtItsAnchor) {
  Ref<IWidget> empty = Find("empty");
  EXPECT_EQ(empty->GetRect(), (TRect{8, 8, 8, 8}));  // 7.5 -> 8, 8.5 -> 8
  EXPECT_FALSE(empty->ContainsPoint({8, 8}, true));
  EXPECT_EQ(empty->WidgetAtPos({8, 8}), nullptr);
}

TEST_F(GroupHitTest, ScreenPointsMapIntoEachLevelBySubtractingRoundedAnchors) {
  EXPECT_EQ(Find("panel/button")->ScreenToLocal({15, 8}), (TPoint{2, 2}));
  EXPECT_EQ(Find("panel")->ScreenToLocal({15, 8}), (TPoint{12, 6}));
  auto* panel_owner = dynamic_cast<IWidgetOwner*>(Find("panel").get());
  ASSERT_NE(panel_owner, nullptr);
  EXPECT_EQ(panel_owner->ChildScreenToLocal({0, 0}), (TPoint{-13, -6}));
  EXPECT_EQ(panel_owner->GetPath(), "GS_Test/root/panel");
  EXPECT_EQ(Find("panel/button")->GetPath(), "GS_Test/root/panel/button");
}

TEST_F(GroupHitTest, OwnerRequestsClimbThroughGroupsToTheScreen) {
  Ref<IWidget> panel_widget = Find("panel");  // outlives the tree below
  auto* panel = dynamic_cast<IWidgetOwner*>(panel_widget.get());
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->GetEngine(), static_cast<IEngine*>(engine.get()));
  screen->SetMouse({31, 17});
  EXPECT_EQ(panel->GetMousePos(), (TPoint{31, 17}));
  EXPECT_EQ(Find("panel/button")->GetProperty("mouse_x").ToInt(), 31);
  panel->SetMousePos({1, 2});
  EXPECT_EQ(screen->GetMousePos(), (TPoint{1, 2}));
  screen->TakeInvalidated();
  panel->InvalidateRect({1, 2, 3, 4});
  EXPECT_EQ(screen->TakeInvalidated(), (std::vector<TRect>{{1, 2, 3, 4}}));
  EXPECT_EQ(panel->CreateFromFactory("nothing", nullptr), nullptr);

  screen->DetachRoot();
  EXPECT_EQ(panel->GetEngine(), nullptr);
  EXPECT_EQ(panel->GetMousePos(), (TPoint{0, 0}));
}

TEST_F(GroupHitTest, DecoratorHitIsRefinedByItsInnerWidget) {
  Load(R"(<widget type="group_widget" name="root" visible="yes" mousestop="yes">
            <widgets>
              <widget type="replicator_widget" name="tiles" visible="yes" mousestop="yes" anchor_left="10" cols="3">
                <widgets>
                  <widget type="test_box" name="tile" visible="yes" mousestop="yes" width="5" height="4"/>
                </widgets>
              </widget>
            </widgets>
          </widget>)");
  EXPECT_EQ(HitName({10, 0}), "tile");
  EXPECT_EQ(HitName({16, 3}), "tiles") << "only the first copy is the inner widget's own place";
  EXPECT_EQ(HitName({25, 0}), "(none)");
  EXPECT_EQ(Find("tiles/anything")->GetName(), "tile");
}

}  // namespace
}  // namespace corvellane::testing
