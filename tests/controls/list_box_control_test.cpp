// List boxes end to end: rows drawn from the template, clicks, double
// clicks, the wheel, keys, the scroll buttons and the item operations.
#include <gtest/gtest.h>

#include "controls/list_box_control.h"
#include "persistence/localization.h"
#include "tests/controls/control_harness.h"
#include "tests/support/pixel_match.h"
#include "tests/widgets/dirty_rect_checker.h"

namespace corvellane::testing {
namespace {

// A list box at (10, 20) of 100 x 80 with rows of 20 pixels: the content
// box starts 4 pixels down, so the four rows cover y 24 .. 103.
std::string ListTree(std::string_view keys = R"(rowheight="20")", bool scroll_buttons = true) {
  std::string buttons;
  if (scroll_buttons)
    for (const char* name : {"button_up", "button_down"})
      buttons += std::string(R"(<widget type="ButtonControl" name=")") + name +
                 R"(" visible="yes" mousestop="yes" enabled="yes" anchor_left="90" anchor_top=")" +
                 (std::string(name) == "button_up" ? "0" : "70") + R"(" width="10" height="10"/>)";
  return R"(<widget name="root" visible="yes" mousestop="yes"><widgets>
      <widget type="ListBoxControl" name="list" visible="yes" mousestop="yes" enabled="yes" tabstop="yes"
              anchor_left="10" anchor_top="20" width="100" height="90" color="$FF00FF00" selectedcolor="$FFFF0000" )" +
         std::string(keys) + R"(><widgets>
        <widget type="test_box" name="image_contentbox" visible="yes" anchor_top="4" width="80" height="80" colour="$FF202080"/>
        <widget type="test_box" name="image_selectedbackground" width="80" height="20" colour="$FF808080"/>
        <widget type="text_widget" name="text" visible="yes" width="80" height="20" resourcename="font_list"
                drawmode="fillcolor"/>)" +
         buttons + R"(</widgets></widget>
    </widgets></widget>)";
}

class ListBoxTest : public ::testing::Test {
 protected:
  void Open(int items, std::string_view keys = R"(rowheight="20")", bool scroll_buttons = true) {
    h_ = std::make_unique<ControlHarness>(ListTree(keys, scroll_buttons));
    h_->DefineFont("font_list", "abcdefghijklmnopqrstuvwxyz0123456789%");
    h_->Root().SetOwner(h_->Root().GetOwner());
    list_ = h_->Get<TListBoxControl>("list");
    for (int i = 0; i < items; ++i) list_->AddItem("item" + std::to_string(i), "");
    h_->Window().SetFocus(list_.get());
  }
  // Screen point of a row's middle.
  static TPoint Row(int visible_row) { return {40, 24 + 20 * visible_row + 10}; }
  int Reported(int32_t code) {
    int count = 0;
    for (const auto& event : h_->EventsSeen()) count += event.second == code;
    return count;
  }

  std::unique_ptr<ControlHarness> h_;
  Ref<TListBoxControl> list_;
};

TEST_F(ListBoxTest, DownFollowsTheSelectionWithTheRows) {
  Open(10);
  ASSERT_EQ(list_->GetRows(), 4);
  list_->SetSelected(3);
  h_->Key(kKeyDown, 40);
  EXPECT_EQ(list_->GetSelected(), 4);
  EXPECT_EQ(list_->GetTop(), 1);
  h_->Key(kKeyDown, 35);
  EXPECT_EQ(list_->GetSelected(), 9);
  EXPECT_EQ(list_->GetTop(), 6);
  h_->Key(kKeyDown, 40);  // at the end: no change, no event
  h_->Key(kKeyDown, 36);
  EXPECT_EQ(list_->GetTop(), 0);
  EXPECT_EQ(Reported(kWidgetEventListItemSelected), 3);
  h_->Key(kKeyUp, 40);  // only key-downs move
  EXPECT_EQ(list_->GetSelected(), 0);
}

TEST_F(ListBoxTest, AClickSelectsTheItemUnderItAndNothingElse) {
  Open(3);
  struct Case {
    TPoint at;
    int selected;  // -1: unchanged
  };
  const Case cases[] = {
      {Row(1), 1},
      {Row(2), 2},
      {{40, 24 + 60 + 5}, -1},   // below the last item
      {{40, 104}, -1},           // the rows' bottom edge
      {{40, 22}, -1},            // above the content box
      {{5, 40}, -1},             // left of the list
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.at.x << "," << c.at.y);
    const int before = list_->GetSelected();
    const int events = Reported(kWidgetEventListItemSelected);
    h_->Click(c.at);
    EXPECT_EQ(list_->GetSelected(), c.selected < 0 ? before : c.selected);
    EXPECT_EQ(Reported(kWidgetEventListItemSelected), events + (c.selected < 0 ? 0 : 1));
  }
}

TEST_F(ListBoxTest, TwoQuickClicksOnOneItemAreADoubleClick) {
  Open(3);
  h_->Click(Row(1));
  h_->Click(Row(1));  // 32 ms later
  EXPECT_EQ(Reported(kWidgetEventListItemDoubleClicked), 1);
  h_->Click(Row(1));  // a third click starts afresh
  EXPECT_EQ(Reported(kWidgetEventListItemDoubleClicked), 1);
  for (int frame = 0; frame < 40; ++frame) h_->Frame(16);
  h_->Click(Row(1));  // too late
  h_->Click(Row(2));  // another item
  EXPECT_EQ(Reported(kWidgetEventListItemDoubleClicked), 1);
  EXPECT_TRUE(h_->Mouse(kMouseLeftDoubleClick, Row(1)));  // a platform's own double click
  EXPECT_FALSE(h_->Mouse(kMouseLeftDoubleClick, Row(3)));  // no item there
  EXPECT_EQ(Reported(kWidgetEventListItemDoubleClicked), 2);
  EXPECT_EQ(Reported(kWidgetEventListItemSelected), 5);
}

TEST_F(ListBoxTest, TheWheelAndTheScrollButtonsMoveTheRowsWithinTheItems) {
  Open(6);
  Ref<IWidget> up = h_->Get<IWidget>("list/button_up");
  Ref<IWidget> down = h_->Get<IWidget>("list/button_down");
  EXPECT_FALSE(up->IsEnabled());
  EXPECT_TRUE(down->IsEnabled());
  h_->Mouse(kMouseWheel, Row(1));  // a turn of 0 scrolls nothing
  EXPECT_EQ(list_->GetTop(), 0);
  EXPECT_TRUE(list_->HandleMouse(kMouseWheel, Row(0), uint32_t(-kWheelNotch) << 16));  // towards the player
  EXPECT_EQ(list_->GetTop(), 1);
  EXPECT_TRUE(list_->HandleMouse(kMouseWheel, Row(0), uint32_t(-3 * kWheelNotch) << 16));
  EXPECT_EQ(list_->GetTop(), 2);  // the last row shows the last item
  EXPECT_FALSE(down->IsEnabled());
  h_->Frame(16);
  h_->Click({105, 25});  // button_up
  EXPECT_EQ(list_->GetTop(), 1);
  EXPECT_TRUE(up->IsEnabled());
  EXPECT_TRUE(list_->HandleMouse(kMouseWheel, Row(0), uint32_t(5 * kWheelNotch) << 16));
  EXPECT_EQ(list_->GetTop(), 0);
  EXPECT_TRUE(h_->EventsSeen().empty());  // the buttons' clicks stay inside the list
}

TEST_F(ListBoxTest, DeletingKeepsTheSelectionOnItsItemAndAnAbsentKeyDeletesNothing) {
  Open(0);
  for (const char* name : {"ann", "bob", "cy", "dee"}) list_->AddItem(name, name);
  list_->SetSelected(2);
  list_->DeleteItem(Variant("nobody"));
  list_->DeleteItem(Variant(9));
  list_->DeleteItem(Variant(2.5));
  EXPECT_EQ(list_->GetItemCount(), 4);
  list_->DeleteItem(Variant("bob"));
  EXPECT_EQ(list_->GetItem(Variant(list_->GetSelected())), "cy");
  list_->DeleteItem(Variant(1));  // the selected one: the next takes its place
  EXPECT_EQ(list_->GetItem(Variant(list_->GetSelected())), "dee");
  list_->DeleteItem(Variant("dee"));
  EXPECT_EQ(list_->GetItem(Variant(list_->GetSelected())), "ann");
  list_->Clear();
  EXPECT_EQ(list_->GetSelected(), -1);
  EXPECT_EQ(list_->GetItem(Variant(0)), "");
}

TEST_F(ListBoxTest, ARowHeightOfZeroShowsNoRowsAndSelectsNothing) {
  Open(3, R"(rowheight="0")");
  DirtyRectChecker checker(128, 128);
  EXPECT_TRUE(checker.RunFrame(h_->Screen()));
  EXPECT_EQ(list_->GetRows(), 0);
  EXPECT_FALSE(h_->Mouse(kMouseLeftUp, Row(0)));
  EXPECT_TRUE(h_->EventsSeen().empty());
  EXPECT_TRUE(checker.RunFrame(h_->Screen()));
}

TEST_F(ListBoxTest, RowsAreDrawnInTheirColoursAndTheCanvasFollowsScrollingAndSelection) {
  Open(8, R"(rowheight="20")", false);
  list_->SetSelected(1);
  DirtyRectChecker checker(128, 128);
  ASSERT_TRUE(checker.RunFrame(h_->Screen()));
  Ref<TSurface> canvas = MakeSurface(128, 128, false);
  h_->Root().Draw(canvas.get(), 0, 0);
  EXPECT_TRUE(PixelsMatch(canvas->GetPixel(12, 24 + 5), 0xFF00FF00));       // row 0: "item0" in green
  EXPECT_TRUE(PixelsMatch(canvas->GetPixel(12, 24 + 20 + 5), 0xFFFF0000));  // row 1, selected: red
  EXPECT_TRUE(PixelsMatch(canvas->GetPixel(85, 24 + 20 + 5), 0xFF808080));  // its background beyond the text
  for (int step = 0; step < 6; ++step) {
    h_->Key(kKeyDown, 40);
    ASSERT_TRUE(checker.RunFrame(h_->Screen())) << step;
  }
  list_->HandleMouse(kMouseWheel, Row(0), uint32_t(2 * kWheelNotch) << 16);
  ASSERT_TRUE(checker.RunFrame(h_->Screen()));
  list_->DeleteItem(Variant(0));
  ASSERT_TRUE(checker.RunFrame(h_->Screen()));
}

TEST_F(ListBoxTest, ItemsAreShownAsWrittenNotAsReferences) {
  CreateMultiLanguages();  // text widgets expand references only with the texts loaded
  Open(0, R"(rowheight="20")", false);
  list_->AddItem("a%b%c", "");
  Ref<TSurface> canvas = MakeSurface(128, 128, false);
  h_->Root().Draw(canvas.get(), 0, 0);
  // Five glyphs of 6 pixels: the last one ends at 10 + 30.
  EXPECT_TRUE(PixelsMatch(canvas->GetPixel(10 + 29, 24 + 5), 0xFFFF0000));
  ReleaseMultiLanguages();
}

}  // namespace
}  // namespace corvellane::testing
