// A small screen tree of groups and boxes: the dirty-rectangle invariant
// through moves, visibility and z changes, births and deaths; hit-testing;
// rendering into an image.
#include <gtest/gtest.h>

#include <functional>

#include "tests/widgets/group_fixture.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane::testing {
namespace {

constexpr const char* kTree = R"(
<widget type="group_widget" name="root" visible="yes" mousestop="yes">
  <widgets>
    <widget type="test_box" name="back" visible="yes" mousestop="yes" width="40" height="30" colour="$FF404040"/>
    <widget type="group_widget" name="panel" visible="yes" mousestop="yes" anchor_left="10.5" anchor_top="5" z="1">
      <widgets>
        <widget type="test_box" name="button" visible="yes" mousestop="yes" anchor_left="2" anchor_top="3"
                width="8" height="6" colour="$FFCC0000"/>
        <widget type="test_box" name="label" visible="yes" anchor_left="5" anchor_top="5" width="8" height="6"
                z="1" colour="$FF00CC00" transparentlevel="160"/>
      </widgets>
    </widget>
    <widget type="test_box" name="hidden" mousestop="yes" anchor_left="50" width="5" height="5"/>
  </widgets>
</widget>)";

class WidgetTreeTest : public GroupTreeTest {
 protected:
  void SetUp() override { root_ = Load(kTree); }
  Ref<IWidget> At(std::string_view path) { return Find(path); }

  Ref<IWidget> root_;
};

TEST_F(WidgetTreeTest, KeptCanvasMatchesFullRedrawFrameByFrame) {
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"first frame", [] {}},
      {"quiet frame", [] {}},
      {"child moves", [&] { At("panel/button")->SetAnchorLeft(3.5); }},
      {"group moves by half a pixel", [&] { At("panel")->SetAnchorLeft(11.5); }},
      {"group moves down", [&] { At("panel")->SetAnchorTop(12); }},
      {"label goes below the button", [&] { At("panel/label")->SetZ(-1); }},
      {"label back on top", [&] { At("panel/label")->SetZ(5); }},
      {"panel goes behind the back", [&] { At("panel")->SetZ(-1); }},
      {"panel in front again", [&] { At("panel")->SetZ(2); }},
      {"child fades", [&] { At("panel/label")->SetTransparentLevel(40); }},
      {"group hidden", [&] { At("panel")->SetVisible(false); }},
      {"moved while hidden", [&] { At("panel")->SetAnchorLeft(30); At("panel/button")->SetAnchorTop(0); }},
      {"group shown", [&] { At("panel")->SetVisible(true); }},
      {"hidden box shown", [&] { At("hidden")->SetVisible(true); }},
      {"child hidden", [&] { At("panel/button")->SetVisible(false); }},
      {"child added", [&] {
         auto box = LoadWidget<TTestBox>(R"(<widget name="late" visible="yes" anchor_left="1" width="6" height="6" colour="$FF0000CC"/>)");
         At("panel")->GetWidgets()->Add(box);
       }},
      {"child set to die", [&] { At("panel/label")->SetProperty("timetolive", 1); }},
      {"child deleted", [&] { At("panel")->GetWidgets()->DeleteItem(Variant("late")); }},
      {"root moves", [&] { root_->SetAnchorLeft(-7); }},
  };
  for (const auto& [what, step] : steps) {
    SCOPED_TRACE(what);
    step();
    ASSERT_TRUE(checker.RunFrame(*screen));
  }
  EXPECT_EQ(At("panel/label"), nullptr);  // removed in the frame it died
}

TEST_F(WidgetTreeTest, HitTestingFindsTheTopmostMouseStop) {
  // panel at 10.5 -> 10 (ties to even); button at 10 + 2 = 12 .. 20, 8 .. 14.
  struct Case {
    TPoint p;
    const char* expected;
  };
  const Case cases[] = {
      {{12, 8}, "button"},  {{19, 13}, "button"}, {{20, 13}, "back"},  // right edge is not the button's
      {{11, 8}, "back"},    {{16, 12}, "button"},                      // the label above is no mouse stop
      {{39, 29}, "back"},   {{40, 29}, "(none)"}, {{52, 2}, "(none)"},  // the hidden box is not hit
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.p.x << "," << c.p.y);
    EXPECT_EQ(HitName(c.p), c.expected);
  }
}

TEST_F(WidgetTreeTest, HitTestingAgreesWithWhereWidgetsAreDrawn) {
  // An odd width: rounding left + width on its own would shift the right
  // edge by one pixel at half-pixel anchors.
  At("panel/button")->SetProperty("width", 7);
  for (double anchor : {0.5, 1.5, 2.5, -0.5, 3.49, 3.51}) {
    SCOPED_TRACE(anchor);
    At("panel/button")->SetAnchorLeft(anchor);
    At("back")->SetVisible(false);
    At("panel/label")->SetVisible(false);
    Ref<TSurface> canvas = MakeSurface(80, 60, true);
    root_->Draw(canvas.get(), 0, 0);
    for (int32_t x = 0; x < 30; ++x) {
      const bool drawn = canvas->GetPixel(x, 10) != 0;
      Ref<IWidget> hit = root_->WidgetAtPos({x, 10});
      EXPECT_EQ(drawn, hit && hit->GetName() == "button") << "x " << x;
    }
  }
}

TEST_F(WidgetTreeTest, OnlyVisibleMouseStopsAllTheWayDownAreHit) {
  At("panel")->SetMouseStop(false);
  EXPECT_EQ(root_->WidgetAtPos({12, 8})->GetName(), "back");
  At("panel")->SetMouseStop(true);
  At("panel/button")->SetVisible(false);
  EXPECT_EQ(root_->WidgetAtPos({12, 8})->GetName(), "back");
  root_->SetVisible(false);
  EXPECT_EQ(root_->WidgetAtPos({1, 1}), nullptr);
}

TEST_F(WidgetTreeTest, ScreenPositionsAddTheRoundedAnchorsPerLevel) {
  root_->SetAnchorLeft(0.5);                // 0
  At("panel")->SetAnchorLeft(0.5);          // 0; the sum 1.0 would give 1
  auto button = At("panel/button");
  button->SetAnchorLeft(0);
  EXPECT_EQ(button->ScreenToLocal({7, 7}), (TPoint{7, 2}));
  button->UpdateDirtyRegion(false, true);
  EXPECT_EQ(QueryInterface<TVisualWidget>(button)->GetCurrentRect(), (TRect{0, 8, 8, 14}));
}

TEST_F(WidgetTreeTest, ImageOfAWidgetIsItsDrawingCutToItsRectangle) {
  Ref<ISurface> image = At("panel")->GetImage();
  ASSERT_NE(image, nullptr);
  // The panel spans the button (2..10, 3..9) and the label (5..13, 5..11).
  EXPECT_EQ(image->GetWidth(), 11);
  EXPECT_EQ(image->GetHeight(), 8);
  EXPECT_TRUE(image->HasAlpha());
  EXPECT_EQ(image->GetPixel(0, 0), 0xFFCC0000u);
  EXPECT_EQ(image->GetPixel(10, 0), 0u);  // outside both children: transparent
  EXPECT_NE(image->GetPixel(10, 7), 0u);  // the label alone
  screen->SetEngine(nullptr);
  EXPECT_EQ(At("panel/button")->GetImage(), nullptr);
  Ref<TTestBox> loose = CreateObject<TTestBox>();
  EXPECT_EQ(loose->GetImage(), nullptr);
}

}  // namespace
}  // namespace corvellane::testing
