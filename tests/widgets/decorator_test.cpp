// Decorators: the replicator's grid and its bounded counts, the inner
// widget's attachment and time, the behaviour decorator's placement and
// dirty rectangles.
#include <gtest/gtest.h>

#include "tests/widgets/group_fixture.h"
#include "widgets/behaviour_widget.h"
#include "widgets/replicator_widget.h"

namespace corvellane::testing {
namespace {

constexpr uint32_t kInk = 0xFF3366CC;  // TTestBox's colour

// A 5 x 4 tile repeated 3 x 2 times from (4, 4); the tile's own anchor and
// visibility play no part in the grid.
constexpr const char* kTiles = R"(
<widget type="group_widget" name="root" visible="yes">
  <widgets>
    <widget type="replicator_widget" name="tiles" visible="yes" anchor_left="4" anchor_top="4" cols="3" rows="2">
      <widgets>
        <widget type="test_box" name="tile" anchor_left="100" width="5" height="4"/>
      </widgets>
    </widget>
  </widgets>
</widget>)";

class DecoratorTest : public GroupTreeTest {
 public:
  Ref<TReplicatorWidget> Tiles() { return QueryInterface<TReplicatorWidget>(Find("tiles")); }
};

TEST_F(DecoratorTest, ReplicatorDrawsItsInnerWidgetAsAGrid) {
  Load(kTiles);
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_EQ(Tiles()->GetWidth(), 15);
  EXPECT_EQ(Tiles()->GetHeight(), 8);
  for (TPoint p : {TPoint{4, 4}, TPoint{18, 4}, TPoint{4, 11}, TPoint{18, 11}})
    EXPECT_PRED2(LooksLike, Pixel(p.x, p.y), kInk) << p.x << "," << p.y;
  for (TPoint p : {TPoint{19, 4}, TPoint{4, 12}, TPoint{3, 4}})
    EXPECT_PRED2(LooksLike, Pixel(p.x, p.y), kBackground) << p.x << "," << p.y;

  Tiles()->SetProperty("cols", 1);
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(10, 4), kBackground);
  EXPECT_EQ(Tiles()->GetProperty("cols").ToInt(), 1);
}

TEST_F(DecoratorTest, ReplicatorCountsAreBoundedAndZeroDrawsNothing) {
  struct Case {
    const char* cols;
    int32_t expected_cols;
    int32_t expected_width;
  };
  const Case cases[] = {
      {"0", 0, 0},
      {"-5", 0, 0},
      {"2000000000", kMaxReplicatorCount, 4 * kMaxReplicatorCount},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cols);
    Ref<TReplicatorWidget> tiles = QueryInterface<TReplicatorWidget>(WidgetFromXml(
        std::string(R"(<widget type="replicator_widget" visible="yes" rows="2000000000" cols=")") + c.cols +
        R"("><widgets><widget type="test_box" width="4" height="3"/></widgets></widget>)"));
    ASSERT_TRUE(tiles);
    EXPECT_EQ(tiles->GetCols(), c.expected_cols);
    EXPECT_EQ(tiles->GetWidth(), c.expected_width);
    // Only the copies that can reach the canvas are drawn.
    Ref<TSurface> canvas = MakeSurface(16, 8, true);
    tiles->Draw(canvas.get(), -2, -1);
    EXPECT_EQ(canvas->GetPixel(15, 7) != 0, c.expected_cols > 0);
  }
}

TEST_F(DecoratorTest, ReplicatorSavesItsCountsAndInnerWidget) {
  Ref<IWidget> tiles = WidgetFromXml(R"(<widget type="replicator_widget" name="tiles" rows="3">
      <widgets><widget type="test_box" name="tile" width="4" height="3"/></widgets></widget>)");
  ASSERT_TRUE(tiles);
  const std::string xml = SavedXml(*QueryInterface<IPersistable>(tiles));
  EXPECT_NE(xml.find(R"(cols="1")"), std::string::npos) << xml;
  Ref<TReplicatorWidget> copy = QueryInterface<TReplicatorWidget>(WidgetFromXml(xml));
  ASSERT_TRUE(copy && copy->GetInnerWidget());
  EXPECT_EQ(copy->GetRows(), 3);
  EXPECT_EQ(copy->GetInnerWidget()->GetName(), "tile");
  EXPECT_EQ(copy->GetHeight(), 9);
}

TEST_F(DecoratorTest, InnerWidgetIsAttachedDetachedAndReplacedWithTheDecorator) {
  Ref<IWidget> tiles = WidgetFromXml(R"(<widget type="replicator_widget" name="tiles" visible="yes">
      <widgets><widget type="test_box" name="tile" width="4" height="3"/></widgets></widget>)");
  Ref<TReplicatorWidget> replicator = QueryInterface<TReplicatorWidget>(tiles);
  ASSERT_TRUE(replicator && replicator->GetInnerWidget());
  Ref<IWidget> tile = replicator->GetInnerWidget();
  EXPECT_EQ(tile->GetOwner(), nullptr) << "nothing is attached while loading";

  Load(R"(<widget type="group_widget" name="root" visible="yes"/>)");
  screen->Root()->GetWidgets()->Add(tiles);
  EXPECT_EQ(tile->GetOwner(), dynamic_cast<IWidgetOwner*>(replicator.get()));
  EXPECT_EQ(tile->GetPath(), "GS_Test/root/tiles/tile");

  // A widget taken from a group into the decorator leaves the group.
  Ref<TTestBox> other = LoadWidget<TTestBox>(R"(<widget name="other" visible="yes" width="2" height="2"/>)");
  screen->Root()->GetWidgets()->Add(other);
  replicator->SetInnerWidget(other);
  EXPECT_EQ(tile->GetOwner(), nullptr);
  EXPECT_EQ(Find("other"), nullptr);
  EXPECT_EQ(Find("tiles/x").get(), static_cast<IWidget*>(other.get()));
  EXPECT_EQ(other->GetOwner(), dynamic_cast<IWidgetOwner*>(replicator.get()));

  replicator->SetInnerWidget(tiles);  // itself
  replicator->SetInnerWidget(screen->Root());
  EXPECT_EQ(replicator->GetInnerWidget().get(), static_cast<IWidget*>(other.get()));

  screen->DetachRoot();
  EXPECT_EQ(other->GetOwner(), nullptr);
}

TEST_F(DecoratorTest, InnerWidgetReadAndReplacedByNameThroughAPath) {
  Load(kTiles);
  Ref<IWidget> tile = screen->Root()->GetProperty("tiles/widget").ToObject<IWidget>();
  ASSERT_TRUE(tile);
  EXPECT_EQ(tile->GetName(), "tile");
  ASSERT_TRUE(checker.RunFrame(*screen));

  Ref<IWidget> wide = WidgetFromXml(R"(<widget type="test_box" name="wide" width="6" height="4"/>)");
  screen->Root()->SetProperty("tiles/widget", Variant(wide));
  EXPECT_EQ(tile->GetOwner(), nullptr) << "the old inner widget is detached";
  EXPECT_EQ(wide->GetOwner(), dynamic_cast<IWidgetOwner*>(Tiles().get()));
  EXPECT_EQ(Tiles()->GetWidth(), 18);
  ASSERT_TRUE(checker.RunFrame(*screen));  // the wider grid, through the dirty rectangles
  EXPECT_PRED2(LooksLike, Pixel(21, 4), kInk);

  Tiles()->SetProperty("widget", Variant("not a widget"));
  EXPECT_EQ(Tiles()->GetInnerWidget(), wide);
  Tiles()->SetProperty("widget", Variant::Null());
  EXPECT_EQ(wide->GetOwner(), nullptr);
  EXPECT_TRUE(Tiles()->GetProperty("widget").IsNull());
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(4, 4), kBackground);
}

TEST_F(DecoratorTest, InnerWidgetRunsOnTheDecoratorsTimeUnlessPaused) {
  Load(kTiles);
  Ref<TTestBox> tile = Box("tiles/tile");
  Tiles()->SetProperty("time_rate", 0.5);
  screen->Root()->Update(20);
  EXPECT_EQ(tile->GetCurrentTime(), 10);
  screen->Root()->UpdateDirtyRegion(false, false);
  tile->Pause();
  screen->Root()->Update(20);
  EXPECT_EQ(tile->GetCurrentTime(), 10);
  Tiles()->Restart();
  EXPECT_FALSE(tile->IsPaused());
  EXPECT_EQ(tile->GetCurrentTime(), 0);
}

TEST_F(DecoratorTest, BehaviourDecoratorPlacesItsInnerWidgetAndRedrawsItsChanges) {
  Load(R"(<widget type="group_widget" name="root" visible="yes"/>)");
  Ref<TBehaviourWidget> effect = CreateObject<TBehaviourWidget>();
  effect->SetName("effect");
  effect->SetVisible(true);
  effect->SetAnchorLeft(10);
  effect->SetAnchorTop(2);
  Ref<TTestBox> inner = LoadWidget<TTestBox>(R"(<widget visible="yes" anchor_left="3" width="4" height="4"/>)");
  effect->SetInnerWidget(inner);
  screen->Root()->GetWidgets()->Add(effect);

  EXPECT_EQ(effect->GetRect(), (TRect{13, 2, 17, 6}));
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(13, 2), kInk);

  inner->SetAnchorLeft(20);
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(13, 2), kBackground);
  EXPECT_PRED2(LooksLike, Pixel(30, 2), kInk);

  inner->SetTransparentLevel(0);
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(30, 2), kBackground);
}

}  // namespace
}  // namespace corvellane::testing
