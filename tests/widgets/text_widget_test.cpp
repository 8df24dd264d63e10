// Text widgets over a real bitmap font (a PNG sheet of white glyphs on
// alpha and its symbol table): layout of single and multiple lines,
// alignment, bearings, fixed width, wrapping, localised texts, drawing in
// the glyphs' colour or tinted, font substitutes and redraw on change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/localization.h"
#include "tests/widgets/dirty_rect_checker.h"
#include "tests/widgets/resource_fixture.h"
#include "tests/widgets/test_widgets.h"
#include "widgets/text_widget.h"

namespace corvellane::testing {
namespace {

constexpr uint32_t kInk = 0xFFFFFFFF;
constexpr uint32_t kRed = 0xFFFF0000;

// Glyph columns of the sheet: A 0-2, B 3-6, space 7-8 (blank), i 9 (four
// rows high, one pixel of bearing on each side), U+3001 10-11, e-acute 12-14.
constexpr const char* kSymbols =
    R"(<symbol scancode="65" left="0" width="3" height="5"/>)"
    R"(<symbol scancode="66" left="3" width="4" height="5"/>)"
    R"(<symbol scancode="32" left="7" width="2" height="5"/>)"
    R"(<symbol scancode="105" left="9" width="1" height="4" wleft="1" wright="1"/>)"
    R"(<symbol scancode="12289" left="10" width="2" height="5"/>)"
    R"(<symbol scancode="233" left="12" width="3" height="5"/>)";

class TextTest : public ResourceWidgetTest {
 protected:
  void SetUp() override {
    std::vector<uint32_t> sheet;
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 16; ++x) sheet.push_back(x == 7 || x == 8 ? 0x00FFFFFF : kInk);
    WritePicture("font.png", 16, 5, sheet);
    WritePicture("red.png", 2, 5, std::vector<uint32_t>(10, kRed));
    DefineResources(std::string(R"(<resource type="FontResource" name="font" file="font.png" format="png"><symbols>)") +
                    kSymbols +
                    R"(</symbols></resource>)"
                    R"(<resource type="FontResource" name="font_red" file="red.png" format="png"><symbols>)"
                    R"(<symbol scancode="90" width="2" height="5"/><symbol scancode="65" width="1" height="1"/>)"
                    R"(</symbols></resource>)"
                    R"(<resource type="FontSubstituteResource" name="font_both" fonts="font,font_red"/>)"
                    R"(<resource type="ImageResource" name="picture" file="red.png" format="png"/>)");
  }

  Ref<TTextWidget> Text(std::string_view attributes, std::string_view text = {}, std::string_view font = "font") {
    auto widget = Attach<TTextWidget>(R"(<widget type="text_widget" visible="yes" resourcename=")" + std::string(font) +
                                      "\" " + std::string(attributes) + "/>");
    if (!text.empty()) widget->SetProperty("text_utf8", text);
    return widget;
  }

  // "left,top" of each character, "-" for one not shown.
  static std::string Placement(const TTextWidget& text) {
    std::string out;
    for (const TSymbolInfo& s : text.Symbols()) {
      if (!out.empty()) out += ' ';
      out += s.visible ? std::to_string(s.rect.left) + "," + std::to_string(s.rect.top) : "-";
    }
    return out;
  }
};

TEST_F(TextTest, CharactersArePlacedByAlignmentBearingsAndWidth) {
  const struct {
    const char* attributes;
    const char* text;
    const char* placement;
  } cases[] = {
      {R"(width="20" height="10")", "AB", "0,0 3,0"},
      {R"(width="20" height="10" textalign="right")", "AB", "13,0 16,0"},
      {R"(width="20" height="10" textalign="center")", "AB", "6,0 9,0"},
      {R"(width="20" height="10" textalign="justify")", "AB", "0,0 3,0"},
      {R"(width="20" height="10" textvertalign="middle")", "AB", "0,2 3,2"},
      {R"(width="20" height="10" textvertalign="bottom")", "AB", "0,5 3,5"},
      {R"(width="20" height="10")", "iA", "1,0 3,0"},
      {R"(width="20" height="10" usefixedwidth="yes" fixedwidth="5")", "iA", "2,0 6,0"},
      {R"(width="20" height="10")", "AxB", "0,0 - 3,0"},
      {R"(width="20" height="10")", "\xC3\xA9" "A", "0,0 3,0"},
      {R"(width="8" height="10")", "ABA", "0,0 3,0 -"},
      {R"(width="10" height="10" textalign="center")", "ABAB", "0,0 3,0 7,0 -"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.attributes) + " " + c.text);
    EXPECT_EQ(Placement(*Text(c.attributes, c.text)), c.placement);
  }
}

TEST_F(TextTest, MultilineTextWrapsAtBreaksAndDropsLinesBelowTheBox) {
  const struct {
    const char* attributes;
    const char* text;
    const char* placement;
  } cases[] = {
      {R"(width="13" height="100")", "AB AB AB", "0,0 3,0 - 0,5 3,5 - 0,10 3,10"},
      // the spaces where lines wrap take no width
      {R"(width="13" height="100" textalign="right")", "AB AB AB", "6,0 9,0 - 6,5 9,5 - 6,10 9,10"},
      {R"(width="7" height="100")", "AAAAA", "0,0 3,0 0,5 3,5 0,10"},
      {R"(width="2" height="100")", "AA", "0,0 0,5"},
      {R"(width="13" height="7")", "AB AB AB", "0,0 3,0 - 0,5 3,5 - - -"},
      {R"(width="20" height="100")", "A\nB", "0,0 - 0,5"},
      {R"(width="20" height="100")", "A\n\nB", "0,0 - - 0,10"},
      {R"(width="8" height="100" textlineheight="8")", "AB AB", "0,0 3,0 - 0,8 3,8"},
      {R"(width="8" height="20" textvertalign="middle")", "AB AB", "0,5 3,5 - 0,10 3,10"},
      {R"(width="8" height="20" textvertalign="bottom")", "AB AB", "0,10 3,10 - 0,15 3,15"},
      // an ideographic comma is a break opportunity that stays visible
      {R"(width="12" height="100")", "AB\xE3\x80\x81" "AB", "0,0 3,0 7,0 0,5 3,5"},
      // blanks overflowing the line stay on it, undrawn
      {R"(width="8" height="100")", "AB  A", "0,0 3,0 - - 0,5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.attributes) + " " + c.text);
    EXPECT_EQ(Placement(*Text(std::string(R"(multiline="yes" )") + c.attributes, c.text)), c.placement);
  }
}

TEST_F(TextTest, TextOutsideTheBoxBelongsToTheRectangle) {
  auto text = Text(R"(anchor_left="10" anchor_top="10" width="20" height="2" textvertalign="bottom" textalign="right")",
                   "AB");
  EXPECT_EQ(text->GetTextExtent(), (TRect{13, -3, 20, 2}));
  EXPECT_EQ(text->GetRect(), (TRect{10, 7, 30, 12}));
  text->SetProperty("mousestop", true);
  EXPECT_NE(text->WidgetAtPos({25, 7}), nullptr);
  EXPECT_EQ(text->WidgetAtPos({25, 6}), nullptr);
  Ref<TSurface> canvas = Drawn(*text);
  EXPECT_TRUE(LooksLike(canvas->GetPixel(23, 7), kInk));  // above the box
  EXPECT_TRUE(LooksLike(canvas->GetPixel(29, 11), kInk));
  EXPECT_EQ(canvas->GetPixel(22, 7), kBackground);
}

TEST_F(TextTest, MeasuresTextsAndCharacterBoxes) {
  auto text = Text(R"(anchor_left="10.5" anchor_top="20" width="20" height="10")", "iAx");
  EXPECT_EQ(text->GetTextWidth("AB"), 7);
  EXPECT_EQ(text->GetTextWidth("iA"), 4);   // widths without bearings
  EXPECT_EQ(text->GetTextWidth("AxB"), 7);  // no symbol, no width
  EXPECT_EQ(text->GetTextHeight("iA"), 5);
  EXPECT_EQ(text->GetTextHeight("i"), 4);
  EXPECT_EQ(text->GetCharRect(1), (TRect{10, 20, 13, 24}));  // bearings around i
  EXPECT_EQ(text->GetCharRect(2), (TRect{13, 20, 16, 25}));
  for (int32_t index : {0, 3, 4}) EXPECT_FALSE(text->GetCharRect(index).has_value()) << index;
  text->SetProperty("usefixedwidth", true);
  text->SetProperty("fixedwidth", 5);
  EXPECT_EQ(text->GetTextWidth("AxB"), 10);
}

TEST_F(TextTest, LocalisedTextsAreShown) {
  CreateMultiLanguages();
  MultiLanguages()->AddString("greeting", "AB A");
  auto text = Text(R"(width="40" height="10" text="%greeting%")");
  EXPECT_EQ(text->GetProperty("text").ToText(), "AB A");
  EXPECT_EQ(Placement(*text), "0,0 3,0 7,0 9,0");
  text->SetProperty("text", "%GREETING%!");
  EXPECT_EQ(text->GetProperty("text_utf8").ToText(), "AB A!");
  text->SetProperty("text", "%nothing%");
  EXPECT_EQ(text->GetText(), "");
  EXPECT_TRUE(text->GetTextExtent().IsEmpty());
  ReleaseMultiLanguages();
}

TEST_F(TextTest, GlyphsAreDrawnInTheirColourOrTinted) {
  auto text = Text(R"(anchor_left="2" anchor_top="3" width="20" height="5")", "A B");
  Ref<TSurface> canvas = Drawn(*text);
  EXPECT_TRUE(LooksLike(canvas->GetPixel(2, 3), kInk));
  EXPECT_EQ(canvas->GetPixel(6, 3), kBackground);  // the blank glyph
  EXPECT_TRUE(LooksLike(canvas->GetPixel(7, 7), kInk));
  EXPECT_EQ(canvas->GetPixel(11, 3), kBackground);  // past the text

  text->SetProperty("drawmode", 1);
  text->SetProperty("fillcolor", "$FF30C0F0");
  canvas = Drawn(*text);
  EXPECT_TRUE(LooksLike(canvas->GetPixel(2, 3), 0xFF30C0F0));
  EXPECT_TRUE(LooksLike(canvas->GetPixel(10, 7), 0xFF30C0F0));
  EXPECT_EQ(canvas->GetPixel(6, 3), kBackground);

  text->SetProperty("transparentlevel", 0);
  EXPECT_EQ(Drawn(*text)->GetPixel(2, 3), kBackground);
}

TEST_F(TextTest, FontSubstitutesLendTheirGlyphs) {
  auto text = Text(R"(width="20" height="5")", "AZA", "font_both");
  EXPECT_EQ(Placement(*text), "0,0 3,0 5,0");
  Ref<TSurface> canvas = Drawn(*text);
  EXPECT_TRUE(LooksLike(canvas->GetPixel(0, 4), kInk));
  EXPECT_TRUE(LooksLike(canvas->GetPixel(4, 4), kRed));
  EXPECT_TRUE(LooksLike(canvas->GetPixel(5, 4), kInk));
}

TEST_F(TextTest, WithoutAFontNothingIsLaidOutOrDrawn) {
  for (const char* name : {"missing", "picture"}) {
    SCOPED_TRACE(name);
    auto text = Text(R"(width="20" height="5")", "AB", name);
    EXPECT_TRUE(text->Symbols().empty());
    EXPECT_EQ(text->GetRect(), (TRect{0, 0, 20, 5}));
    EXPECT_EQ(Drawn(*text)->GetPixel(0, 0), kBackground);
    text->SetProperty("resourcename", "font");
    EXPECT_EQ(Placement(*text), "0,0 3,0");
    EXPECT_TRUE(LooksLike(Drawn(*text)->GetPixel(0, 0), kInk));
  }
}

TEST_F(TextTest, ASymbolLargerThanItsSheetIsHeldToIt) {
  DefineResources(R"(<resource type="FontResource" name="font_damaged" file="font.png" format="png"><symbols>)"
                  R"(<symbol scancode="65" width="99999" height="16000000"/></symbols></resource>)");
  auto text = Text(R"(width="16000" height="10")", "AA", "font_damaged");
  EXPECT_EQ(text->GetTextExtent(), (TRect{0, 0, 32, 5}));
  EXPECT_TRUE(LooksLike(Drawn(*text)->GetPixel(31, 4), kInk));
}

TEST_F(TextTest, ChangesOfTextAndLayoutAreRedrawn) {
  DirtyRectChecker checker(40, 20, kBackground);
  auto text = Text(R"(anchor_left="4" anchor_top="3" width="20" height="10" multiline="yes")", "AB");
  ASSERT_TRUE(checker.RunFrame(*screen_));
  const std::vector<std::pair<const char*, Variant>> changes = {
      {"text_utf8", "AB AB AB"}, {"textalign", "right"},      {"textvertalign", "bottom"},
      {"multiline", false},      {"usefixedwidth", true},     {"fixedwidth", 6},
      {"drawmode", 1},           {"fillcolor", "$FF00FF00"},  {"text", "A"},
      {"resourcename", "none"},  {"resourcename", "font"},    {"anchor_left", 9},
  };
  for (const auto& [name, value] : changes) {
    SCOPED_TRACE(name);
    text->SetProperty(name, value);
    ASSERT_TRUE(checker.RunFrame(*screen_));
  }
}

TEST_F(TextTest, LineHeightAndSizeWaitForTheNextLayout) {
  auto text = Text(R"(width="8" height="100" multiline="yes")", "AB AB");
  text->SetProperty("textlineheight", 9);
  EXPECT_EQ(Placement(*text), "0,0 3,0 - 0,5 3,5");
  text->Invalidate();
  EXPECT_EQ(Placement(*text), "0,0 3,0 - 0,9 3,9");
}

TEST_F(TextTest, SavesLayoutKeysButNotTheText) {
  auto text = LoadWidget<TTextWidget>(R"(<widget resourcename="font" text="AB" textlineheight="12" multiline="yes"
      usefixedwidth="yes" fixedwidth="7" textalign="center" textvertalign="bottom"/>)");
  const std::string xml = SavedXml(*text);
  for (const char* expected : {R"(textlineheight="12")", R"(multiline="yes")", R"(usefixedwidth="yes")",
                               R"(fixedwidth="7")", R"(textalign="center")", R"(textvertalign="bottom")"})
    EXPECT_NE(xml.find(expected), std::string::npos) << expected << " in " << xml;
  EXPECT_EQ(xml.find("text="), std::string::npos) << xml;

  // A fixed width of 0 turns the fixed width off; absurd sizes are held.
  auto plain = LoadWidget<TTextWidget>(R"(<widget usefixedwidth="yes" fixedwidth="0" textlineheight="999999999"/>)");
  EXPECT_FALSE(plain->GetProperty("usefixedwidth").ToBool());
  EXPECT_LE(plain->GetProperty("textlineheight").ToInt(), kMaxSurfaceSide);
  const std::string plain_xml = SavedXml(*plain);
  for (const char* absent : {"usefixedwidth", "fixedwidth", "multiline", "textalign", "textvertalign"})
    EXPECT_EQ(plain_xml.find(absent), std::string::npos) << absent << " in " << plain_xml;
}

}  // namespace
}  // namespace corvellane::testing
