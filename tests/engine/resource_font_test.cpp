// Bitmap fonts, their symbols, font substitutes, and removing resources by
// owner.
#include <gtest/gtest.h>

#include <string>

#include "engine/font_resource.h"
#include "engine/utf8_code_point.h"
#include "tests/engine/fake_resource_owner.h"
#include "tests/engine/test_images.h"
#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

TEST(FirstCodePoint, DecodesOneCharacterAndRefusesMalformedText) {
  const struct {
    const char* text;
    std::optional<uint32_t> code;
  } cases[] = {
      {"A", 65},
      {"Abc", 65},
      {"\xC3\xA9t", 233},             // é
      {"\xE2\x82\xAC", 0x20AC},       // €
      {"\xF0\x9F\x98\x80", 0x1F600},  // beyond the 16-bit range: the whole code
      {"", std::nullopt},
      {"\x80", std::nullopt},             // stray continuation byte
      {"\xC3", std::nullopt},             // truncated
      {"\xC3" "A", std::nullopt},         // no continuation byte
      {"\xC0\x81", std::nullopt},         // overlong
      {"\xED\xA0\x80", std::nullopt},     // surrogate
      {"\xF4\x90\x80\x80", std::nullopt}, // above U+10FFFF
      {"\xFF", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(FirstCodePoint(c.text), c.code) << c.text;
}

class FontTest : public ::testing::Test {
 protected:
  // A font whose sheet is a PNG of the given width and whose symbols are
  // given as <symbol .../> elements.
  Ref<IFontResource> DefineFont(std::string_view name, int sheet_width, std::string_view symbols,
                                std::string_view owner_name = "test") {
    const std::string sheet = std::string(name) + ".png";
    dir_.Write(sheet, testing::EncodePng(testing::Png(sheet_width, 1, PNG_COLOR_TYPE_GRAY, 8,
                                                      std::vector<uint8_t>(size_t(sheet_width), 1))));
    return QueryInterface<IFontResource>(owner_->Define(
        "<resource type=\"FontResource\" name=\"" + std::string(name) + "\" file=\"" + dir_.File(sheet) +
            "\" format=\"png\"><symbols>" + std::string(symbols) + "</symbols></resource>",
        owner_name));
  }
  Ref<IFontResource> DefineSubstitute(std::string_view name, std::string_view fonts) {
    return QueryInterface<IFontResource>(owner_->Define("<resource type=\"FontSubstituteResource\" name=\"" +
                                                        std::string(name) + "\" fonts=\"" + std::string(fonts) +
                                                        "\"/>"));
  }

  testing::TempDir dir_;
  Ref<testing::FakeResourceOwner> owner_ = MakeRef<testing::FakeResourceOwner>();
};

TEST_F(FontTest, SymbolsAreFoundByTheCodeOfTheFirstCharacter) {
  Ref<IFontResource> font = DefineFont("f", 8,
                                       R"(<symbol scancode="65" left="1" top="2" width="5" height="9" wleft="1" wright="-2"/>)"
                                       R"(<symbol scancode="066" width="4" height="12"/>)"
                                       R"(<symbol scancode="233" width="3" height="7"/>)");
  ASSERT_TRUE(font);
  EXPECT_EQ(font->GetLineHeight(), 12);
  EXPECT_EQ(font->GetImageWidth(), 8);

  Ref<ISymbol> a = font->GetSymbol("Apple");
  ASSERT_TRUE(a);
  EXPECT_EQ(a->GetName(), "65");
  EXPECT_EQ(a->GetScanCode(), 65u);
  EXPECT_EQ(a->GetSymbolRect(), (TRect{1, 2, 6, 11}));
  EXPECT_EQ(a->GetSymbolWidth(), 5);
  EXPECT_EQ(a->GetSymbolHeight(), 9);
  EXPECT_EQ(a->GetLeftBearing(), 1);
  EXPECT_EQ(a->GetRightBearing(), -2);

  Ref<ISymbol> b = font->GetSymbol("B");  // written "066" in the definition
  ASSERT_TRUE(b);
  EXPECT_EQ(b->GetName(), "66");
  ASSERT_TRUE(font->GetSymbol("\xC3\xA9"));
  EXPECT_EQ(font->GetSymbol("\xC3\xA9")->GetScanCode(), 233u);

  EXPECT_FALSE(font->GetSymbol(""));
  EXPECT_FALSE(font->GetSymbol("C"));
  EXPECT_FALSE(font->GetSymbol("\xC3"));
}

TEST_F(FontTest, SymbolValuesBeyondAnySheetAreHeldToASurfacesSide) {
  struct Case {
    const char* symbol;
    TRect rect;
    int32_t left_bearing, right_bearing;
  };
  const int32_t side = kMaxSurfaceSide;
  const Case cases[] = {
      {R"(left="2147483647" width="2147483647" top="2147483000" height="1000")", {side, side, 2 * side, side + 1000}, 0, 0},
      {R"(left="-2147483648" width="-2147483648" height="-1")", {-side, 0, -2 * side, -1}, 0, 0},
      {R"(left="100" width="2147483600" wleft="2147483647" wright="-2147483648")", {100, 0, 100 + side, 0}, side, -side},
      {R"(left="3" top="4" width="5" height="6" wleft="-7" wright="8")", {3, 4, 8, 10}, -7, 8},
  };
  int serial = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.symbol);
    const std::string name = "f" + std::to_string(serial++);
    Ref<IFontResource> font = DefineFont(name, 8, std::string(R"(<symbol scancode="65" )") + c.symbol + "/>");
    ASSERT_TRUE(font);
    Ref<ISymbol> a = font->GetSymbol("A");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->GetSymbolRect(), c.rect);
    EXPECT_EQ(a->GetSymbolWidth(), c.rect.right - c.rect.left);
    EXPECT_EQ(a->GetLeftBearing(), c.left_bearing);
    EXPECT_EQ(a->GetRightBearing(), c.right_bearing);
  }
}

TEST_F(FontTest, SymbolsSaveTheirKeys) {
  Ref<IFontResource> font = DefineFont("f", 4, R"(<symbol scancode="65" top="3" width="5" height="9"/>)");
  Ref<IHierStorageRoot> saved = CreateStorage("resource");
  QueryInterface<IPersistable>(font)->SaveTo(saved.get());
  Ref<IHierStorage> symbols = saved->GetChild("symbols", 0);
  ASSERT_TRUE(symbols);
  Ref<IHierStorage> symbol = symbols->GetChild("symbol", 0);
  ASSERT_TRUE(symbol);
  EXPECT_EQ(ReadText(symbol.get(), "scancode"), "65");
  EXPECT_EQ(ReadText(symbol.get(), "top"), "3");
  EXPECT_EQ(ReadText(symbol.get(), "width"), "5");
  EXPECT_EQ(ReadText(symbol.get(), "height"), "9");
  EXPECT_EQ(ReadText(symbol.get(), "left", "absent"), "absent");
  EXPECT_EQ(ReadText(symbol.get(), "wleft", "absent"), "absent");
}

TEST_F(FontTest, SubstituteSkipsMissingNamesAndTakesEachCharacterFromTheFirstFontThatHasIt) {
  DefineFont("latin", 5, R"(<symbol scancode="65" width="2" height="10"/>)");
  DefineFont("greek", 7, R"(<symbol scancode="65" width="2" height="4"/><symbol scancode="937" width="3" height="14"/>)");
  owner_->Define(R"(<resource type="ImageResource" name="not_a_font" file="x.png" format="png"/>)");
  Ref<IFontResource> sub = DefineSubstitute("sub", " latin, missing ,, not_a_font ,greek,");
  ASSERT_TRUE(sub);
  EXPECT_EQ(dynamic_cast<TFontSubstituteResource&>(*sub).MemberCount(), 2);
  EXPECT_EQ(sub->GetLineHeight(), 14);
  EXPECT_FALSE(sub->GetSurface());  // no symbol asked for yet

  ASSERT_TRUE(sub->GetSymbol("A"));
  EXPECT_EQ(sub->GetSymbol("A")->GetSymbolHeight(), 10);  // latin comes first
  EXPECT_EQ(sub->GetImageWidth(), 5);
  ASSERT_TRUE(sub->GetSymbol("\xCE\xA9"));  // Ω only in greek
  ASSERT_TRUE(sub->GetSurface());
  EXPECT_EQ(sub->GetSurface()->GetWidth(), 7);
  EXPECT_FALSE(sub->GetSymbol("Z"));
}

TEST_F(FontTest, SubstitutesNamingEachOtherFindNothingRatherThanRecurseForever) {
  DefineFont("latin", 5, R"(<symbol scancode="65" width="2" height="10"/>)");
  Ref<IFontResource> one = DefineSubstitute("one", "two, one, latin");
  Ref<IFontResource> two = DefineSubstitute("two", "one");
  QueryInterface<IResourceOwnerLink>(one)->AttachResourceOwner(owner_.get());  // now "two" exists
  EXPECT_TRUE(one->GetSymbol("A"));
  EXPECT_TRUE(two->GetSymbol("A"));
  EXPECT_FALSE(one->GetSymbol("Z"));
  EXPECT_FALSE(two->GetSymbol("Z"));
  EXPECT_EQ(one->GetLineHeight(), 10);
  EXPECT_EQ(two->GetLineHeight(), 10);
}

TEST_F(FontTest, RemoveOwnerTakesTheOwnersResourcesAndAnEmptyOwnerTakesAll) {
  for (const char* name : {"a1", "b1", "a2", "b2"}) DefineFont(name, 2, "", std::string(1, name[0]));
  TResourceCollection& resources = owner_->Resources();
  ASSERT_EQ(resources.Count(), 4);
  resources.RemoveOwner("a");
  ASSERT_EQ(resources.Count(), 2);
  EXPECT_EQ(resources.GetResource(0)->GetName(), "b1");
  EXPECT_EQ(resources.GetResource(1)->GetName(), "b2");
  resources.RemoveOwner("nobody");
  EXPECT_EQ(resources.Count(), 2);
  resources.RemoveOwner("");
  EXPECT_EQ(resources.Count(), 0);
}

}  // namespace
}  // namespace corvellane
