// The high-score grid: one table drawn row by row through its column
// templates, numbers with thousands separators, the last entry highlighted,
// names shown as written.
#include <gtest/gtest.h>

#include "persistence/localization.h"
#include "persistence/object_io.h"
#include "records/record_table.h"
#include "story_screens/high_scores_grid_control.h"
#include "story_screens/story_screen_classes.h"
#include "tests/controls/control_harness.h"
#include "tests/support/pixel_match.h"

namespace corvellane::testing {
namespace {

constexpr uint32_t kInk = 0xFF00FF00;
constexpr uint32_t kLast = 0xFFFF0000;

// Player names from x 10, scores from x 60, rows 12 pixels apart from y 20.
constexpr const char* kGrid = R"(<widget name="root" visible="yes"><widgets>
  <widget type="HighScoresGridControl" name="grid" visible="yes" anchor_left="10" anchor_top="20" width="200"
          height="120" rowheight="12" color="$FF00FF00" selectedcolor="$FFFF0000" column_name_with_format_number="Score">
    <columns>
      <column name="Player" widgetname="text_player"/>
      <column name="Score" widgetname="text_score"/>
      <column name="Missing" widgetname="no_such_template"/>
    </columns>
    <widgets>
      <widget type="text_widget" name="text_player" visible="yes" width="50" height="12" resourcename="font_grid" drawmode="fillcolor"/>
      <widget type="text_widget" name="text_score" visible="yes" anchor_left="50" width="100" height="12"
              resourcename="font_grid" drawmode="fillcolor"/>
    </widgets>
  </widget>
</widgets></widget>)";

// The game's own registration of the story screens' classes, made before the
// harness loads its tree, so that the grid is created by its type name as the
// game creates it.
struct StoryScreenClassesRegistered {
  StoryScreenClassesRegistered() { RegisterStoryScreenClasses(); }
};

class HighScoresGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateMultiLanguages();
    MultiLanguages()->AddString("thousand_separator", ",");
    h_.DefineFont("font_grid", "0123456789,%ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    table_ = CreateObject<TRecordTable>("name=0\\max_records=10\\record_structure={param=Score\\param=Player}");
  }
  void TearDown() override { ReleaseMultiLanguages(); }

  void Enter(std::string_view player, std::string_view score) {
    ASSERT_TRUE(table_->AddRecord(
        CreateObject<TParamCollection>("\\Player=" + std::string(player) + "\\Score=" + std::string(score)).get()));
  }
  Ref<TSurface> Drawn() {
    h_.Get<IWidget>("grid")->SetProperty("recordtable", Variant(Ref<IObject>(table_)));
    Ref<TSurface> canvas = MakeSurface(240, 160, false);
    h_.Root().Draw(canvas.get(), 0, 0);
    return canvas;
  }
  // Whether the glyph cell at column `glyph` of the row is inked in the colour.
  static bool Inked(TSurface& canvas, int32_t left, int row, int glyph, uint32_t colour) {
    return PixelsMatch(canvas.GetPixel(left + glyph * ControlHarness::kGlyphWidth + 2, 20 + 12 * row + 4), colour);
  }

  StoryScreenClassesRegistered registered_;
  ControlHarness h_{kGrid};
  Ref<TRecordTable> table_;
};

TEST_F(HighScoresGridTest, ScoresShowTheirThousandsAndTheLastEntryStandsOut) {
  Enter("Ann", "12345");
  Enter("Bob", "900");
  Ref<TSurface> canvas = Drawn();
  ASSERT_EQ(table_->GetLastIndex(), 1);
  // Row 0: "12,345" is six glyphs; row 1, the last entry: "900" in the other colour.
  EXPECT_TRUE(Inked(*canvas, 60, 0, 5, kInk));
  EXPECT_FALSE(Inked(*canvas, 60, 0, 6, kInk));
  EXPECT_TRUE(Inked(*canvas, 10, 0, 2, kInk));
  EXPECT_TRUE(Inked(*canvas, 60, 1, 2, kLast));
  EXPECT_TRUE(Inked(*canvas, 10, 1, 0, kLast));
  EXPECT_FALSE(Inked(*canvas, 60, 1, 3, kLast));
  // The templates themselves stand nowhere.
  EXPECT_FALSE(h_.Get<IWidget>("grid/text_player")->IsVisible());
}

TEST_F(HighScoresGridTest, NamesAreShownAsWrittenAndEmptyCellsStayEmpty) {
  Enter("a%b%c", "100");
  Enter("", "50");
  Ref<TSurface> canvas = Drawn();
  EXPECT_TRUE(Inked(*canvas, 10, 0, 4, kInk));    // five glyphs: nothing expanded
  EXPECT_FALSE(Inked(*canvas, 10, 1, 0, kInk));   // no name: no cell
  EXPECT_FALSE(Inked(*canvas, 10, 1, 0, kLast));
  EXPECT_TRUE(Inked(*canvas, 60, 1, 1, kLast));
}

TEST_F(HighScoresGridTest, WithoutATableNothingIsDrawnAndTheColumnsSaveBack) {
  Ref<TSurface> canvas = MakeSurface(240, 160, false);
  h_.Root().Draw(canvas.get(), 0, 0);
  EXPECT_EQ(canvas->GetPixel(12, 24), 0u);
  Ref<IHierStorageRoot> out = CreateStorage("widget");
  h_.Get<THighScoresGridControl>("grid")->SaveTo(out.get());
  Ref<IHierStorage> columns = out->GetChild("columns", 0);
  ASSERT_TRUE(columns);
  ASSERT_EQ(columns->GetChildCount("column"), 3);
  EXPECT_EQ(columns->GetChild("column", 1)->GetValue("widgetname", Variant()).ToText(), "text_score");
  EXPECT_EQ(out->GetValue("column_name_with_format_number", Variant()).ToText(), "Score");
}

}  // namespace
}  // namespace corvellane::testing
