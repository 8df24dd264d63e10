// Rect widgets: the colour and its alpha blended with the transparency
// level, the "color" property, saving, and redrawing after a change.
#include <gtest/gtest.h>

#include <string>

#include "tests/widgets/group_fixture.h"
#include "widgets/rect_widget.h"

namespace corvellane::testing {
namespace {

class RectWidgetTest : public GroupTreeTest {
 protected:
  Ref<TRectWidget> LoadRect(std::string_view attributes) {
    Load(R"(<widget type="group_widget" name="root" visible="yes"><widgets>
        <widget type="rect_widget" name="rect_fill" visible="yes" anchor_left="4" anchor_top="5"
                width="10" height="6" )" +
         std::string(attributes) + "/></widgets></widget>");
    return QueryInterface<TRectWidget>(Find("rect_fill"));
  }
};

// Normal blending of the colour over the background at a weight out of 255.
uint32_t Blend(uint32_t colour, uint32_t background, int weight) {
  uint32_t out = 0xFF000000;
  for (int shift = 0; shift < 24; shift += 8) {
    const int c = static_cast<int>((colour >> shift) & 0xFF);
    const int b = static_cast<int>((background >> shift) & 0xFF);
    out |= static_cast<uint32_t>(b + (c - b) * weight / 255) << shift;
  }
  return out;
}

TEST_F(RectWidgetTest, FillsItsRectangleWithTheColour) {
  struct Case {
    const char* attributes;
    int weight;  // of the red over the background
  };
  const Case cases[] = {
      {R"(color="$FFFF0000")", 255},
      {R"(color="$80FF0000")", 128},                              // the colour's own alpha
      {R"(color="$FFFF0000" transparentlevel="128")", 128},       // the widget's level
      {R"(color="$80FF0000" transparentlevel="128")", 64},        // both
      {R"(color="$00FF0000")", 0},                                // alpha 0 leaves the screen as it is
      {R"(color="$FFFF0000" transparentlevel="0")", 0},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(LoadRect(c.attributes)) << c.attributes;
    ASSERT_TRUE(checker.RunFrame(*screen)) << c.attributes;
    const uint32_t inside = Blend(0xFFFF0000, kBackground, c.weight);
    EXPECT_PRED2(LooksLike, Pixel(4, 5), inside) << c.attributes;
    EXPECT_PRED2(LooksLike, Pixel(13, 10), inside) << c.attributes;
    EXPECT_EQ(Pixel(14, 10), kBackground) << c.attributes;
    EXPECT_EQ(Pixel(13, 11), kBackground) << c.attributes;
    EXPECT_EQ(Pixel(3, 5), kBackground) << c.attributes;
  }
}

TEST_F(RectWidgetTest, ColourPropertyReadsTheIntegerAndConvertsWrittenText) {
  struct Case {
    Variant written;
    uint32_t colour;
  };
  const Case cases[] = {
      {Variant("$80FF0000"), 0x80FF0000u},
      {Variant("0x10"), 0x10u},
      {Variant("255"), 255u},
      {Variant(int32_t{4096}), 4096u},
      {Variant(static_cast<int32_t>(0xFF00FF00u)), 0xFF00FF00u},
      {Variant("-1"), 0xFFFFFFFFu},
      {Variant("ruby"), 0u},  // unreadable: 0
      {Variant(""), 0u},
      {Variant(2.5), 0u},     // "2.5" is no colour
  };
  Ref<TRectWidget> rect = LoadRect(R"(color="$FF123456")");
  ASSERT_TRUE(rect);
  for (const Case& c : cases) {
    rect->SetColor(0xFF123456);
    rect->SetProperty("color", c.written);
    EXPECT_EQ(rect->GetColor(), c.colour) << c.written.ToText();
    EXPECT_EQ(static_cast<uint32_t>(rect->GetProperty("color").ToInt()), c.colour) << c.written.ToText();
  }
}

TEST_F(RectWidgetTest, ANewColourIsRedrawnAndTheSameOneIsNot) {
  Ref<TRectWidget> rect = LoadRect(R"(color="$FF0000FF")");
  ASSERT_TRUE(checker.RunFrame(*screen));
  screen->TakeInvalidated();
  rect->SetProperty("color", "$FF0000FF");
  EXPECT_FALSE(rect->IsChanged());
  rect->SetProperty("color", "$FF00FF00");
  EXPECT_TRUE(rect->IsChanged());
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_PRED2(LooksLike, Pixel(8, 8), 0xFF00FF00);
}

TEST_F(RectWidgetTest, MovingAndResizingRedrawsWhatChanged) {
  Ref<TRectWidget> rect = LoadRect(R"(color="$C0FFFF00")");
  ASSERT_TRUE(checker.RunFrame(*screen));
  const struct {
    const char* name;
    Variant value;
  } writes[] = {{"anchor_left", 20.5}, {"width", 3}, {"height", 20}, {"anchor_top", -2}, {"width", 0},
                {"width", 7},          {"visible", false}, {"visible", true}};
  for (const auto& w : writes) {
    rect->SetProperty(w.name, w.value);
    ASSERT_TRUE(checker.RunFrame(*screen)) << w.name << " = " << w.value.ToText();
  }
}

TEST_F(RectWidgetTest, SavesItsColourAlways) {
  struct Case {
    const char* attributes;
    const char* saved;
  };
  const Case cases[] = {{"", R"(color="$00000000")"},
                        {R"(color="$80ff0000")", R"(color="$80FF0000")"},
                        {R"(color="4096")", R"(color="$00001000")"},
                        {R"(color="red")", R"(color="$00000000")"}};
  for (const Case& c : cases) {
    Ref<IWidget> rect = WidgetFromXml("<widget type=\"rect_widget\" " + std::string(c.attributes) + "/>");
    ASSERT_TRUE(rect);
    Ref<IHierStorageRoot> node = CreateStorage("widget");
    SaveObject(rect.get(), node.get());
    EXPECT_NE(node->SaveToText().find(c.saved), std::string::npos) << node->SaveToText();
    Ref<TRectWidget> copy = QueryInterface<TRectWidget>(WidgetFromXml(node->SaveToText()));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->GetColor(), QueryInterface<TRectWidget>(rect)->GetColor());
  }
}

TEST_F(RectWidgetTest, DetachedItDrawsNothing) {
  Ref<TRectWidget> rect = QueryInterface<TRectWidget>(WidgetFromXml(
      R"(<widget type="rect_widget" visible="yes" width="4" height="4" color="$FFFFFFFF"/>)"));
  ASSERT_TRUE(rect);
  Ref<TSurface> target = MakeSurface(8, 8, false);
  target->SetPixel(1, 1, kBackground);
  rect->Draw(target.get(), 0, 0);  // no owner, so no engine to make the mask with
  EXPECT_EQ(target->GetPixel(1, 1), kBackground);
}

}  // namespace
}  // namespace corvellane::testing
