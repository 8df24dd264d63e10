// Groups drawn into a canvas kept up to date through the dirty rectangles
// alone: z order, moving and hiding children and whole groups, children
// added, removed and dying, caching into an image.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/widgets/group_fixture.h"

namespace corvellane::testing {
namespace {

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kBlue = 0xFF0000FF;

// Two overlapping boxes in a group at (10, 5), inside a root at (2, 1).
constexpr const char* kTwoBoxes = R"(
<widget type="group_widget" name="root" visible="yes" anchor_left="2" anchor_top="1">
  <widgets>
    <widget type="group_widget" name="panel" visible="yes" anchor_left="10" anchor_top="5">
      <widgets>
        <widget type="test_box" name="front" visible="yes" z="5" width="6" height="6"/>
        <widget type="test_box" name="back" visible="yes" z="1" anchor_left="3" anchor_top="3" width="6" height="6"/>
      </widgets>
    </widget>
  </widgets>
</widget>)";

class GroupDrawTest : public GroupTreeTest {
 public:
  void LoadTwoBoxes() {
    Load(kTwoBoxes);
    Box("panel/front")->colour = kRed;
    Box("panel/back")->colour = kGreen;
  }
};

TEST_F(GroupDrawTest, HigherZIsDrawnOverLowerWhateverTheDataOrder) {
  LoadTwoBoxes();
  ASSERT_TRUE(checker.RunFrame(*screen));
  // front covers (12..17, 6..11) on screen, back (15..20, 9..14).
  EXPECT_PRED2(LooksLike, Pixel(12, 6), kRed);
  EXPECT_PRED2(LooksLike, Pixel(16, 10), kRed);  // overlap: front is on top
  EXPECT_PRED2(LooksLike, Pixel(19, 13), kGreen);
  EXPECT_PRED2(LooksLike, Pixel(11, 6), kBackground);
  Ref<IWidgetCollection> children = Find("panel")->GetWidgets();
  EXPECT_EQ(children->GetWidgetAt(0)->GetName(), "back");
  EXPECT_EQ(children->GetWidgetAt(1)->GetName(), "front");
}

TEST_F(GroupDrawTest, ChangingZAtRunTimeReordersInTheNextFrame) {
  LoadTwoBoxes();
  ASSERT_TRUE(checker.RunFrame(*screen));
  Box("panel/back")->SetZ(9);
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(16, 10), kGreen);
}

// Every step changes the tree one way; after each frame the kept canvas must
// equal a full redraw, and the change must show where it should.
TEST_F(GroupDrawTest, EveryKindOfChangeIsRedrawnThroughDirtyRectangles) {
  struct Step {
    std::string what;
    std::function<void(GroupDrawTest&)> change;
    TPoint probe;
    uint32_t expected;
  };
  const Step steps[] = {
      {"child moved", [](GroupDrawTest& t) { t.Box("panel/front")->SetAnchorLeft(20); }, {32, 6}, kRed},
      {"old place cleared", [](GroupDrawTest&) {}, {12, 6}, kBackground},
      {"child hidden", [](GroupDrawTest& t) { t.Box("panel/back")->SetVisible(false); }, {19, 13}, kBackground},
      {"child shown", [](GroupDrawTest& t) { t.Box("panel/back")->SetVisible(true); }, {19, 13}, kGreen},
      {"group moved", [](GroupDrawTest& t) { t.Find("panel")->SetAnchorTop(25); }, {19, 33}, kGreen},
      {"group left its old place", [](GroupDrawTest&) {}, {19, 13}, kBackground},
      {"group hidden", [](GroupDrawTest& t) { t.Find("panel")->SetVisible(false); }, {19, 33}, kBackground},
      {"child moved while group hidden", [](GroupDrawTest& t) { t.Box("panel/back")->SetAnchorLeft(0); },
       {13, 30}, kBackground},
      {"group shown again", [](GroupDrawTest& t) { t.Find("panel")->SetVisible(true); }, {13, 30}, kGreen},
      {"child half transparent",
       [](GroupDrawTest& t) { t.Box("panel/back")->SetTransparentLevel(0); }, {13, 30}, kBackground},
      {"child added",
       [](GroupDrawTest& t) {
         Ref<TTestBox> box = LoadWidget<TTestBox>(R"(<widget name="added" visible="yes" z="3" width="2" height="2"/>)");
         box->colour = kBlue;
         t.Find("panel")->GetWidgets()->Add(box);
       },
       {12, 26}, kBlue},
      {"child deleted", [](GroupDrawTest& t) { t.Find("panel")->GetWidgets()->DeleteItem(Variant("added")); },
       {12, 26}, kBackground},
      {"child dies", [](GroupDrawTest& t) { t.Box("panel/front")->SetDead(true); }, {32, 30}, kBackground},
  };
  LoadTwoBoxes();
  ASSERT_TRUE(checker.RunFrame(*screen));
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.change(*this);
    ASSERT_TRUE(checker.RunFrame(*screen));
    EXPECT_PRED2(LooksLike, Pixel(step.probe.x, step.probe.y), step.expected);
  }
  EXPECT_FALSE(Find("panel/front"));
}

TEST_F(GroupDrawTest, NothingChangedReportsNothing) {
  LoadTwoBoxes();
  ASSERT_TRUE(checker.RunFrame(*screen));
  screen->Root()->Update(16);
  screen->Root()->UpdateDirtyRegion(false, false);
  EXPECT_TRUE(screen->TakeInvalidated().empty());
}

// A cached group shows the picture taken at its last Invalidate.
constexpr const char* kCachedGroup = R"(
<widget type="group_widget" name="root" visible="yes">
  <widgets>
    <widget type="group_widget" name="cached" visible="yes" caching="yes" anchor_left="4" anchor_top="4"
            transparentlevel="255">
      <widgets>
        <widget type="test_box" name="a" visible="yes" anchor_left="2" anchor_top="2" width="4" height="4"/>
        <widget type="test_box" name="b" visible="yes" anchor_left="10" anchor_top="2" width="4" height="4"/>
      </widgets>
    </widget>
  </widgets>
</widget>)";

TEST_F(GroupDrawTest, CachedGroupDrawsNothingUntilInvalidatedWhileAttached) {
  Load(kCachedGroup);
  EXPECT_FALSE(Group("cached")->GetCache());
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(6, 6), kBackground);
  screen->Root()->Invalidate();  // what the screen does when it is shown
  ASSERT_TRUE(Group("cached")->GetCache());
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(6, 6), Box("cached/a")->colour);
}

TEST_F(GroupDrawTest, CacheSurfaceReadsThePictureTheGroupIsDrawnFrom) {
  Load(kCachedGroup);
  EXPECT_TRUE(screen->Root()->GetProperty("cached/cachesurface").IsNull());
  screen->Root()->Invalidate();
  ASSERT_TRUE(checker.RunFrame(*screen));
  Ref<ISurface> picture = screen->Root()->GetProperty("cached/cachesurface").ToObject<ISurface>();
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture, Group("cached")->GetCache());
  // Both boxes, from the corner of the first (2, 2) to the far side of the second (14, 6).
  EXPECT_EQ(picture->GetWidth(), 12);
  EXPECT_EQ(picture->GetHeight(), 4);
  EXPECT_PRED2(LooksLike, picture->GetPixel(0, 0), Box("cached/a")->colour);
  EXPECT_EQ(picture->GetPixel(5, 0) >> 24, 0u) << "between the boxes";
}

TEST_F(GroupDrawTest, ChangesInsideACachedGroupShowOnlyAfterTheNextInvalidate) {
  Load(kCachedGroup);
  screen->Root()->Invalidate();
  ASSERT_TRUE(checker.RunFrame(*screen));
  const uint32_t ink = Box("cached/a")->colour;

  Box("cached/a")->SetAnchorLeft(20);  // away from the left edge of the picture
  Box("cached/b")->SetVisible(false);
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(6, 6), ink) << "the old picture stays, in its old place";
  EXPECT_PRED2(LooksLike, Pixel(14, 6), ink);
  EXPECT_PRED2(LooksLike, Pixel(24, 6), kBackground);

  Group("cached")->Invalidate();
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(6, 6), kBackground);
  EXPECT_PRED2(LooksLike, Pixel(14, 6), kBackground);
  EXPECT_PRED2(LooksLike, Pixel(24, 6), ink);
}

TEST_F(GroupDrawTest, CachedGroupIsDrawnAtItsOwnTransparencyOnlyThroughTheCache) {
  Load(kCachedGroup);
  Group("cached")->SetTransparentLevel(0);
  screen->Root()->Invalidate();
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(6, 6), kBackground);

  Group("cached")->SetProperty("caching", false);
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(6, 6), Box("cached/a")->colour) << "children keep their own levels";
  EXPECT_FALSE(Group("cached")->GetCache());
}

TEST_F(GroupDrawTest, CachedGroupThatMovesTakesItsPictureAlong) {
  Load(kCachedGroup);
  screen->Root()->Invalidate();
  ASSERT_TRUE(checker.RunFrame(*screen));
  Group("cached")->SetAnchorLeft(30);
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(6, 6), kBackground);
  EXPECT_PRED2(LooksLike, Pixel(32, 6), Box("cached/a")->colour);
}

}  // namespace
}  // namespace corvellane::testing
