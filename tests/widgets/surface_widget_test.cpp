// Surface widgets: the part of the surface shown, the colour-fill mode,
// bounded sizes, saving, and the linked surface widget's picture of
// another widget.
#include <gtest/gtest.h>

#include "tests/widgets/group_fixture.h"
#include "widgets/linked_surface_widget.h"
#include "widgets/surface_widget.h"

namespace corvellane::testing {
namespace {

constexpr uint32_t kInk = 0xFF3366CC;  // TTestBox's colour

// A 4 x 2 picture whose columns are red, green, blue, white.
Ref<TSurface> Stripes() {
  const uint32_t columns[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
  Ref<TSurface> s = MakeSurface(4, 2, true);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 4; ++x) s->SetPixel(x, y, columns[x]);
  return s;
}

class SurfaceWidgetTest : public GroupTreeTest {
 public:
  Ref<TSurfaceWidget> AddSurfaceWidget(std::string_view element_xml) {
    Ref<TSurfaceWidget> widget = QueryInterface<TSurfaceWidget>(WidgetFromXml(element_xml));
    EXPECT_TRUE(widget);
    if (widget) screen->Root()->GetWidgets()->Add(widget);
    return widget;
  }
};

TEST_F(SurfaceWidgetTest, ShowsThePartOfTheSurfaceSelectedByShiftAndSize) {
  Load(R"(<widget type="group_widget" name="root" visible="yes"/>)");
  Ref<TSurfaceWidget> widget =
      AddSurfaceWidget(R"(<widget type="surface_widget" name="picture" visible="yes" anchor_left="10" anchor_top="3"/>)");
  widget->SetProperty("shiftleft", 5);
  widget->SetSurface(Stripes());
  EXPECT_EQ(widget->GetWidth(), 4);
  EXPECT_EQ(widget->GetProperty("shiftleft").ToInt(), 0) << "a new surface starts at its corner";
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(10, 3), 0xFFFF0000);
  EXPECT_PRED2(LooksLike, Pixel(13, 4), 0xFFFFFFFF);

  widget->SetProperty("shiftleft", 2);
  widget->SetProperty("width", 2);
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(10, 3), 0xFF0000FF);
  EXPECT_PRED2(LooksLike, Pixel(11, 3), 0xFFFFFFFF);
  EXPECT_PRED2(LooksLike, Pixel(12, 3), kBackground);
}

TEST_F(SurfaceWidgetTest, FillColourModePaintsTheColourThroughTheSurface) {
  Load(R"(<widget type="group_widget" name="root" visible="yes"/>)");
  Ref<TSurfaceWidget> widget = AddSurfaceWidget(
      R"(<widget type="surface_widget" name="mask" visible="yes" drawmode="fillcolor" fillcolor="$FF00FF00"/>)");
  Ref<TSurface> mask = MakeSurface(3, 1, true);
  mask->SetPixel(0, 0, 0xFF000000);  // opaque: painted
  mask->SetPixel(2, 0, 0xFF000000);  // the middle pixel stays transparent
  widget->SetSurface(mask);
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(0, 0), 0xFF00FF00);
  EXPECT_PRED2(LooksLike, Pixel(1, 0), kBackground);
  EXPECT_PRED2(LooksLike, Pixel(2, 0), 0xFF00FF00);

  widget->SetProperty("fillcolor", "$FFFF0000");
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(0, 0), 0xFFFF0000);
  widget->SetProperty("drawmode", 0);
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(0, 0), 0xFF000000);
}

TEST_F(SurfaceWidgetTest, SizesWrittenAsPropertiesAreBounded) {
  Ref<TSurfaceWidget> widget = CreateObject<TSurfaceWidget>();
  struct Case {
    Variant value;
    int32_t expected;
  };
  const Case cases[] = {
      {Variant(40), 40}, {Variant("x"), 40},  // unreadable: unchanged
      {Variant(-3), 0},  {Variant(2000000000), kMaxWidgetSide},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value.ToText());
    widget->SetProperty("width", c.value);
    widget->SetProperty("height", c.value);
    EXPECT_EQ(widget->GetWidth(), c.expected);
    EXPECT_EQ(widget->GetHeight(), c.expected);
  }
  widget->SetProperty("drawmode", 7);
  EXPECT_EQ(widget->GetDrawMode(), TDrawMode::CopyRect) << "no such mode";
}

TEST_F(SurfaceWidgetTest, SavesFillColourAlwaysAndDrawModeWhenNotTheDefault) {
  Ref<TSurfaceWidget> plain = CreateObject<TSurfaceWidget>();
  const std::string plain_xml = SavedXml(*plain);
  EXPECT_NE(plain_xml.find(R"(fillcolor="$00000000")"), std::string::npos) << plain_xml;
  EXPECT_EQ(plain_xml.find("drawmode"), std::string::npos) << plain_xml;

  Ref<TSurfaceWidget> fill = QueryInterface<TSurfaceWidget>(
      WidgetFromXml(R"(<widget type="surface_widget" drawmode="fillcolor" fillcolor="$80FF0000"/>)"));
  ASSERT_TRUE(fill);
  Ref<TSurfaceWidget> copy = QueryInterface<TSurfaceWidget>(WidgetFromXml(SavedXml(*fill)));
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->GetDrawMode(), TDrawMode::FillColor);
  EXPECT_EQ(copy->GetFillColor(), 0x80FF0000u);
}

TEST_F(SurfaceWidgetTest, SurfaceIsHandedToAnotherWidgetByPath) {
  Load(R"(<widget type="group_widget" name="root" visible="yes"><widgets>
      <widget type="surface_widget" name="source" visible="yes"/>
      <widget type="group_widget" name="panel" visible="yes" anchor_left="20"><widgets>
        <widget type="surface_widget" name="target" visible="yes" anchor_top="5"/>
      </widgets></widget></widgets></widget>)");
  QueryInterface<TSurfaceWidget>(Find("source"))->SetSurface(Stripes());
  screen->Root()->SetProperty("panel/target/surface", screen->Root()->GetProperty("source/surface"));
  Ref<TSurfaceWidget> target = QueryInterface<TSurfaceWidget>(Find("panel/target"));
  EXPECT_EQ(target->GetSurface(), QueryInterface<TSurfaceWidget>(Find("source"))->GetSurface());
  EXPECT_EQ(target->GetWidth(), 4);
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(23, 6), 0xFFFFFFFF);

  target->SetProperty("surface", Variant("stripes"));
  EXPECT_TRUE(target->GetSurface()) << "a value that is no surface is ignored";
  target->SetProperty("surface", Variant::Null());
  EXPECT_FALSE(target->GetSurface());
  EXPECT_EQ(target->GetWidth(), 0);
}

TEST_F(SurfaceWidgetTest, DetachingReleasesTheSurface) {
  Load(R"(<widget type="group_widget" name="root" visible="yes"/>)");
  Ref<TSurfaceWidget> widget = AddSurfaceWidget(R"(<widget type="surface_widget" name="picture" visible="yes"/>)");
  widget->SetSurface(Stripes());
  screen->Root()->GetWidgets()->DeleteItem(Variant("picture"));
  EXPECT_FALSE(widget->GetSurface());
}

constexpr const char* kMirror = R"(
<widget type="group_widget" name="root" visible="yes">
  <widgets>
    <widget type="group_widget" name="scene" visible="yes" anchor_left="2" anchor_top="2">
      <widgets><widget type="test_box" name="box" visible="yes" anchor_left="1" width="3" height="2"/></widgets>
    </widget>
    <widget type="linked_surface_widget" name="mirror" visible="yes" anchor_left="30" linked_widget_name="../scene"/>
  </widgets>
</widget>)";

TEST_F(SurfaceWidgetTest, LinkedSurfaceShowsAFreshPictureOfTheLinkedWidgetEveryFrame) {
  Load(kMirror);
  Ref<TLinkedSurfaceWidget> mirror = QueryInterface<TLinkedSurfaceWidget>(Find("mirror"));
  ASSERT_TRUE(mirror);
  EXPECT_EQ(mirror->GetProperty("linked_widget_name").ToText(), "../scene");
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_EQ(mirror->GetWidth(), 3);
  EXPECT_PRED2(LooksLike, Pixel(30, 0), kInk);
  EXPECT_PRED2(LooksLike, Pixel(33, 0), kBackground);

  Box("scene/box")->SetWidth(5);
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_EQ(mirror->GetWidth(), 5);
  EXPECT_PRED2(LooksLike, Pixel(34, 1), kInk);
}

TEST_F(SurfaceWidgetTest, LinkedSurfaceWithoutAUsableTargetKeepsWhatItHas) {
  Load(kMirror);
  Ref<TLinkedSurfaceWidget> mirror = QueryInterface<TLinkedSurfaceWidget>(Find("mirror"));
  mirror->SetProperty("linked_widget_name", "../nothing");
  screen->Root()->Update(16);
  EXPECT_FALSE(mirror->GetSurface());
  struct Case {
    const char* path;
    const char* why;
  };
  const Case cases[] = {
      {"", "an empty path names the mirror itself"},
      {".", "the mirror itself"},
      {"..", "the group holding the mirror"},
  };
  for (const Case& c : cases) {
    mirror->SetLinkedWidgetName(c.path);
    screen->Root()->UpdateDirtyRegion(false, false);
    screen->Root()->Update(16);
    EXPECT_FALSE(mirror->GetSurface()) << c.why;
  }
}

}  // namespace
}  // namespace corvellane::testing
