// The font maker's sheets and symbol tables, loaded the way the game loads
// them: a FontResource whose "symbols" come from the generated table through
// "_outstorage".
#include <gtest/gtest.h>

#include <string>

#include "engine/font_resource.h"
#include "persistence/storage.h"
#include "tests/engine/fake_resource_owner.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/subprocess.h"

namespace corvellane {
namespace {

using testing::ProgramResult;
using testing::RunProgram;

constexpr const char* kSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// The first and last rows of the symbol's cell that hold any ink.
struct TInkRows {
  int first = -1;
  int last = -1;
};

class FontMaker : public ::testing::Test {
 protected:
  ~FontMaker() override { ClearExternalStorageCache(); }

  Ref<IFontResource> Make(const std::string& name, const std::vector<std::string>& style = {}) {
    std::vector<std::string> arguments = {kSans, "16", dir_.File(name + ".png"), dir_.File(name + ".xml")};
    arguments.insert(arguments.end(), style.begin(), style.end());
    ProgramResult result = RunProgram(dir_, CORVELLANE_FONT_MAKER, arguments);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    return QueryInterface<IFontResource>(owner_->Define(
        "<resource type=\"FontResource\" name=\"" + name + "\" file=\"" + dir_.File(name + ".png") +
        "\" format=\"png\" _outstorage=\"\\file={" + dir_.File(name + ".xml") + "}\"/>"));
  }

  static TInkRows InkRows(IFontResource& font, const char* character) {
    Ref<ISymbol> symbol = font.GetSymbol(character);
    Ref<ISurface> sheet = font.GetSurface();
    TInkRows rows;
    if (!symbol || !sheet) return rows;
    const TRect r = symbol->GetSymbolRect();
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if ((sheet->GetPixel(x, y) >> 24) != 0) {
          if (rows.first < 0) rows.first = y - r.top;
          rows.last = y - r.top;
        }
    return rows;
  }

  static int Advance(IFontResource& font, const char* character) {
    Ref<ISymbol> s = font.GetSymbol(character);
    return s ? s->GetLeftBearing() + s->GetSymbolWidth() + s->GetRightBearing() : -1;
  }

  testing::TempDir dir_;
  Ref<testing::FakeResourceOwner> owner_ = MakeRef<testing::FakeResourceOwner>();
};

TEST_F(FontMaker, PlainFontHasWhiteInkForLatinAndTypographicCharacters) {
  Ref<IFontResource> font = Make("text");
  ASSERT_TRUE(font);
  Ref<ISurface> sheet = font->GetSurface();
  ASSERT_TRUE(sheet);
  EXPECT_TRUE(sheet->HasAlpha());
  for (const char* character : {"A", "\xC3\xA9", "\xE2\x82\xAC", "\xE2\x80\x9C", "\xE2\x80\xA6"}) {
    Ref<ISymbol> symbol = font->GetSymbol(character);
    ASSERT_TRUE(symbol) << character;
    EXPECT_GE(InkRows(*font, character).first, 0) << character << " has no ink";
    const TRect r = symbol->GetSymbolRect();
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        const uint32_t pixel = sheet->GetPixel(x, y);
        if ((pixel >> 24) != 0) {
          EXPECT_EQ(pixel & 0xFFFFFF, 0xFFFFFFu) << character;
        }
      }
    }
  }
}

TEST_F(FontMaker, GlyphsShareOneBaselineAndLineHeight) {
  Ref<IFontResource> font = Make("text");
  ASSERT_TRUE(font);
  for (const char* character : {"A", "x", "g", "\xC3\x89"})
    EXPECT_EQ(font->GetSymbol(character)->GetSymbolHeight(), font->GetLineHeight()) << character;
  // Letters sitting on the baseline end on the same row of their cells;
  // a descender goes below it and a capital starts above an x-height letter.
  EXPECT_EQ(InkRows(*font, "A").last, InkRows(*font, "x").last);
  EXPECT_GT(InkRows(*font, "g").last, InkRows(*font, "x").last);
  EXPECT_LT(InkRows(*font, "A").first, InkRows(*font, "x").first);
  EXPECT_LT(InkRows(*font, "\xC3\x89").first, InkRows(*font, "E").first);  // É's accent
}

TEST_F(FontMaker, AdvancesFollowTheFace) {
  Ref<IFontResource> font = Make("text");
  ASSERT_TRUE(font);
  EXPECT_GT(Advance(*font, " "), 0);
  EXPECT_LT(Advance(*font, "i"), Advance(*font, "W"));
  EXPECT_EQ(Advance(*font, "0"), Advance(*font, "8"));  // tabular figures stay tabular
  EXPECT_EQ(Advance(*font, "\xC3\xA9"), Advance(*font, "e"));
}

TEST_F(FontMaker, BakedTitleStyleDrawsOutlineAndShadowAroundTheFill) {
  Ref<IFontResource> plain = Make("plain");
  Ref<IFontResource> title = Make("title", {"--fill", "$FF00FF00", "--outline", "2", "--outline-colour", "$FFFF0000",
                                            "--shadow-x", "2", "--shadow-y", "2", "--shadow-blur", "2",
                                            "--shadow-colour", "$FF0000FF"});
  ASSERT_TRUE(plain && title);
  Ref<ISymbol> o = title->GetSymbol("O");
  Ref<ISurface> sheet = title->GetSurface();
  bool green = false, red = false, blue = false;
  const TRect r = o->GetSymbolRect();
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const uint32_t p = sheet->GetPixel(x, y);
      green |= p == 0xFF00FF00;
      red |= p == 0xFFFF0000;
      blue |= (p & 0xFFFFFF) == 0x0000FF && (p >> 24) != 0;
    }
  }
  EXPECT_TRUE(green && red && blue) << green << red << blue;
  // The outline widens the letters (the pen moves on by its width), and the
  // line makes room for it.
  EXPECT_EQ(Advance(*title, "O"), Advance(*plain, "O") + 2);
  EXPECT_GT(title->GetLineHeight(), plain->GetLineHeight());
}

TEST_F(FontMaker, BadCommandLinesFailWithAMessage) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {kSans, "16", dir_.File("a.png")},
      {kSans, "sixteen", dir_.File("a.png"), dir_.File("a.xml")},
      {dir_.File("missing.ttf"), "16", dir_.File("a.png"), dir_.File("a.xml")},
      {kSans, "16", dir_.File("a.png"), dir_.File("a.xml"), "--fill", "white"},
      {kSans, "16", dir_.File("a.png"), dir_.File("a.xml"), "--outline"},
  };
  for (const auto& arguments : cases) {
    ProgramResult result = RunProgram(dir_, CORVELLANE_FONT_MAKER, arguments);
    EXPECT_EQ(result.exit_code, 2) << (arguments.empty() ? "" : arguments.back());
    EXPECT_NE(result.err, "");
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("a.png")));
}

}  // namespace
}  // namespace corvellane
