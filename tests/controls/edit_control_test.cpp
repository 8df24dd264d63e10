// Edit controls end to end: typing through character messages in any
// script, the caret and the keys that move it, selection, the length limit,
// Unicode capitals, and the text shown exactly as typed.
#include <gtest/gtest.h>

#include "controls/edit_control.h"
#include "controls/unicode_text.h"
#include "persistence/localization.h"
#include "tests/controls/control_harness.h"
#include "tests/widgets/dirty_rect_checker.h"
#include "widgets/text_widget.h"

namespace corvellane::testing {
namespace {

constexpr int32_t kW = ControlHarness::kGlyphWidth;
// The text starts 10 pixels into the edit at (20, 30); the caret sits 2
// pixels left of the text's left edge and 1 above it.
constexpr int32_t kTextLeft = 10;

std::string EditTree(std::string_view keys) {
  return R"(<widget name="root" visible="yes" mousestop="yes"><widgets>
      <widget type="EditControl" name="edit_name" visible="yes" mousestop="yes" enabled="yes" tabstop="yes"
              anchor_left="20" anchor_top="30" width="200" height="24" )" +
         std::string(keys) + R"(><widgets>
        <widget type="test_box" name="selection" z="0" anchor_top="2" width="0" height="12"/>
        <widget type="text_widget" name="text" visible="yes" z="1" anchor_left="10" anchor_top="3" width="180"
                height="12" resourcename="font_edit"/>
        <widget type="test_box" name="cursor" z="2" anchor_left="8" anchor_top="2" width="2" height="12"/>
      </widgets></widget>
    </widgets></widget>)";
}

class EditControlTest : public ::testing::Test {
 protected:
  void Open(std::string_view keys = "") {
    h_ = std::make_unique<ControlHarness>(EditTree(keys));
    h_->DefineFont("font_edit", "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ%ëËłŁолегОЛЕГ李");
    h_->Root().SetOwner(h_->Root().GetOwner());  // the font is there now: attach again
    edit_ = h_->Get<TEditControl>("edit_name");
    h_->Window().SetFocus(edit_.get());
  }
  std::string Shown() { return h_->Get<IWidget>("edit_name/text")->GetProperty("text").ToText(); }
  double CaretLeft() { return h_->Get<IWidget>("edit_name/cursor")->GetAnchorLeft(); }
  int Typed() {
    int count = 0;
    for (const auto& event : h_->EventsSeen()) count += event.second == kWidgetEventCharTyped;
    return count;
  }

  std::unique_ptr<ControlHarness> h_;
  Ref<TEditControl> edit_;
};

TEST_F(EditControlTest, NamesInAnyScriptArriveWholeAndReadBackAsTyped) {
  for (const char* name : {"zoë", "łukasz", "Олег", "李"}) {
    SCOPED_TRACE(name);
    Open();
    h_->Type(name);
    EXPECT_EQ(edit_->GetValue(), name);
    EXPECT_EQ(edit_->GetProperty("text_utf8").ToText(), name);
    EXPECT_EQ(Shown(), name);
    EXPECT_EQ(Typed(), static_cast<int>(DecodeUtf8(name).size()));
  }
}

TEST_F(EditControlTest, CapitalsFollowTheUnicodeTables) {
  Open(R"(capitalize="yes")");
  h_->Type("zoë łukasz олег 李");
  EXPECT_EQ(edit_->GetValue(), "ZOË ŁUKASZ ОЛЕГ 李");
}

TEST_F(EditControlTest, BackspaceDeleteAndTheCaretKeysEditWhereTheCaretIs) {
  Open();
  h_->Type("annx");
  h_->Key(kKeyDown, 8);  // Backspace: "ann"
  EXPECT_EQ(edit_->GetValue(), "ann");
  h_->Key(kKeyDown, 36);  // Home
  h_->Key(kKeyDown, 8);   // nothing before the caret
  EXPECT_EQ(edit_->GetValue(), "ann");
  h_->Key(kKeyDown, 46);  // Delete: "nn"
  h_->Type("A");
  h_->Key(kKeyDown, 39);  // Right
  h_->Key(kKeyDown, 46);  // "An"
  h_->Key(kKeyDown, 35);  // End
  h_->Key(kKeyDown, 37);  // Left
  h_->Type("i");
  h_->Key(kKeyChar, 8);   // a typed backspace character works the same
  h_->Type("a");
  EXPECT_EQ(edit_->GetValue(), "Aan");
  EXPECT_EQ(edit_->GetCursor(), 2);
  // Every change the player made is reported, so a screen keeps the typed name.
  EXPECT_EQ(Typed(), 4 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1);
}

TEST_F(EditControlTest, ShiftSelectsAndTypingReplacesTheSelection) {
  Open();
  h_->Type("Bertram");
  h_->Key(kKeyDown, 37, kKeyFlagShift);
  h_->Key(kKeyDown, 37, kKeyFlagShift);
  h_->Key(kKeyDown, 37, kKeyFlagShift);
  EXPECT_EQ(edit_->SelectionStart(), 4);
  EXPECT_EQ(edit_->SelectionEnd(), 7);
  Ref<IWidget> selection = h_->Get<IWidget>("edit_name/selection");
  EXPECT_TRUE(selection->IsVisible());
  EXPECT_EQ(selection->GetAnchorLeft(), kTextLeft + 4 * kW);
  EXPECT_EQ(selection->GetWidth(), 3 * kW);
  h_->Type("ie");
  EXPECT_EQ(edit_->GetValue(), "Bertie");
  EXPECT_FALSE(selection->IsVisible());
  h_->Key(kKeyDown, 'A', kKeyFlagControl);
  h_->Key(kKeyDown, 46);
  EXPECT_EQ(edit_->GetValue(), "");
}

TEST_F(EditControlTest, TheCaretStandsAfterTheCharacterBeforeItAndOnlyWhileFocused) {
  Open();
  EXPECT_EQ(CaretLeft(), kTextLeft - 2);
  h_->Type("abc");
  EXPECT_EQ(CaretLeft(), kTextLeft + 3 * kW - 2);
  h_->Key(kKeyDown, 37);
  EXPECT_EQ(CaretLeft(), kTextLeft + 2 * kW - 2);
  EXPECT_TRUE(h_->Get<IWidget>("edit_name/cursor")->IsVisible());
  h_->Window().ClearFocus();
  EXPECT_FALSE(h_->Get<IWidget>("edit_name/cursor")->IsVisible());
  EXPECT_FALSE(edit_->HandleKey(kKeyChar, 'z', 0));  // not focused: nothing typed
  EXPECT_EQ(edit_->GetValue(), "abc");
}

TEST_F(EditControlTest, AClickPutsTheCaretInTheNearestGap) {
  Open();
  h_->Type("abcdef");
  h_->Mouse(kMouseLeftDown, {20 + kTextLeft + 2 * kW + 2, 36});
  EXPECT_EQ(edit_->GetCursor(), 2);
  h_->Mouse(kMouseLeftDown, {20 + kTextLeft + 2 * kW + 4, 36});
  EXPECT_EQ(edit_->GetCursor(), 3);
}

TEST_F(EditControlTest, TheLengthLimitStopsTypingButEveryCharacterIsReported) {
  Open(R"(max="3")");
  h_->Type("abcd");
  EXPECT_EQ(edit_->GetValue(), "abc");
  EXPECT_EQ(Typed(), 4);
}

TEST_F(EditControlTest, ControlCharactersAndInvisibleMarksAreNotTyped) {
  Open();
  for (char32_t code : {U'\t', U'\r', U'\x7f', U'\x85', U'\u202e', U'\u200b', U'\ufeff', U'\ufffe'})
    h_->Key(kKeyChar, static_cast<int32_t>(code));
  EXPECT_EQ(edit_->GetValue(), "");
}

TEST_F(EditControlTest, PercentSignsAreShownAsTypedNotAsReferences) {
  CreateMultiLanguages();  // text widgets expand references only with the texts loaded
  Open();
  h_->Type("50%off%");
  EXPECT_EQ(edit_->GetValue(), "50%off%");
  EXPECT_EQ(QueryInterface<TTextWidget>(h_->Get<IWidget>("edit_name/text"))->GetText(), "50%off%");
  ReleaseMultiLanguages();
}

TEST_F(EditControlTest, AWrittenValueShorterThanTheCaretSendsItToTheStart) {
  Open();
  h_->Type("Marguerite");
  edit_->SetProperty("value", Variant("Ann"));
  EXPECT_EQ(edit_->GetCursor(), 0);
  edit_->SetProperty("text_utf8", Variant("Ann-Zoë"));
  EXPECT_EQ(edit_->GetCursor(), 0);
  EXPECT_EQ(edit_->GetValue(), "Ann-Zoë");
}

TEST_F(EditControlTest, TypingKeepsTheCanvasRightThroughTheReportedRectangles) {
  Open();
  DirtyRectChecker checker(256, 64);
  ASSERT_TRUE(checker.RunFrame(h_->Screen()));
  for (const char* step : {"Z", "o", "ë", "!"}) {
    h_->Type(step);
    ASSERT_TRUE(checker.RunFrame(h_->Screen())) << step;
  }
  h_->Key(kKeyDown, 8);
  ASSERT_TRUE(checker.RunFrame(h_->Screen()));
  h_->Key(kKeyDown, 36, kKeyFlagShift);
  ASSERT_TRUE(checker.RunFrame(h_->Screen()));
  h_->Window().ClearFocus();
  ASSERT_TRUE(checker.RunFrame(h_->Screen()));
}

TEST_F(EditControlTest, SavedDataKeepsTheCaretWhereTheDataHadIt) {
  Open(R"(max="12" capitalize="yes")");
  h_->Type("ABC");
  Ref<IHierStorageRoot> out = CreateStorage("widget");
  edit_->SaveTo(out.get());
  EXPECT_EQ(out->GetValue("value", Variant()).ToText(), "ABC");
  EXPECT_EQ(out->GetValue("max", Variant()).ToText(), "12");
  EXPECT_EQ(out->GetValue("capitalize", Variant()).ToText(), "yes");
  Ref<IHierStorage> children = out->GetChild("widgets", 0);
  ASSERT_TRUE(children);
  std::string caret_left;
  for (int i = 0; i < children->GetChildCount("widget"); ++i)
    if (Ref<IHierStorage> child = children->GetChild("widget", i);
        child->GetValue("name", Variant()).ToText() == "cursor")
      caret_left = child->GetValue("anchor_left", Variant()).ToText();
  EXPECT_EQ(caret_left, "8");
  EXPECT_EQ(CaretLeft(), kTextLeft + 3 * kW - 2);  // and back after the caret after saving
}

}  // namespace
}  // namespace corvellane::testing
