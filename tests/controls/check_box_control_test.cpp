// Check boxes and radio groups end to end: XML trees under a stand-in screen,
// the mouse through the real input router, the cursor polled for hover.
#include <gtest/gtest.h>

#include "controls/check_box_control.h"
#include "controls/radio_group_control.h"
#include "tests/controls/control_harness.h"

namespace corvellane::testing {
namespace {

constexpr const char* kLooks[] = {"image_check_normal",   "image_check_selected",   "image_check_disabled",
                                  "image_uncheck_normal", "image_uncheck_selected", "image_uncheck_disabled"};

std::string Box(std::string_view name, int top, std::string_view keys, bool all_looks = true) {
  std::string looks;
  for (std::string_view look : kLooks)
    if (all_looks || look.find("normal") != std::string_view::npos)
      looks += "<widget type=\"test_box\" name=\"" + std::string(look) + "\" width=\"20\" height=\"20\"/>";
  return "<widget type=\"CheckBoxControl\" name=\"" + std::string(name) +
         "\" visible=\"yes\" mousestop=\"yes\" anchor_left=\"10\" anchor_top=\"" + std::to_string(top) +
         "\" width=\"20\" height=\"20\" " + std::string(keys) + "><widgets>" + looks + "</widgets></widget>";
}

std::string Tree(std::string_view content) {
  return "<widget name=\"root\" visible=\"yes\" mousestop=\"yes\"><widgets>" + std::string(content) +
         "</widgets></widget>";
}

std::string Shown(ControlHarness& h, std::string_view box) {
  std::string shown;
  for (const char* look : kLooks)
    if (Ref<IWidget> child = h.Root().FindWidget(std::string(box) + "/" + look); child && child->IsVisible())
      shown += (shown.empty() ? "" : " ") + std::string(look);
  return shown;
}

TEST(CheckBoxControl, AClickTogglesReportsAndShowsTheHoveredTickedLook) {
  ControlHarness h(Tree(Box("check_sound", 10, R"(enabled="yes")")));
  h.AddScreenSound("sound_effect");
  h.Frame(16);
  EXPECT_EQ(Shown(h, "check_sound"), "image_uncheck_normal");
  h.Click({15, 15});
  auto box = h.Get<TCheckBoxControl>("check_sound");
  EXPECT_TRUE(box->IsChecked());
  EXPECT_EQ(h.EventsSeen(), (Events{{"check_sound", kWidgetEventCheckBoxToggled}}));
  EXPECT_EQ(Shown(h, "check_sound"), "image_check_selected");
  EXPECT_EQ(h.Engine().sounds, (std::vector<std::string>{"sound_effect"}));
  EXPECT_EQ(h.Window().GetCapture(), nullptr);

  h.Click({15, 15}, {200, 200});  // released elsewhere: no toggle
  EXPECT_TRUE(box->IsChecked());
  EXPECT_EQ(h.EventsSeen().size(), 1u);
}

TEST(CheckBoxControl, EachStateShowsItsLookOrTheNormalOneOfItsKind) {
  struct Case {
    bool enabled, hover, checked;
    const char* all_looks;
    const char* normal_looks_only;
  };
  const Case cases[] = {
      {false, false, false, "image_uncheck_disabled", "image_uncheck_normal"},
      {false, true, true, "image_check_disabled", "image_check_normal"},
      {true, false, false, "image_uncheck_normal", "image_uncheck_normal"},
      {true, true, false, "image_uncheck_selected", "image_uncheck_normal"},
      {true, false, true, "image_check_normal", "image_check_normal"},
      {true, true, true, "image_check_selected", "image_check_normal"},
  };
  for (const Case& c : cases) {
    for (bool all : {true, false}) {
      SCOPED_TRACE(::testing::Message() << c.enabled << c.hover << c.checked << all);
      ControlHarness h(Tree(Box("check", 10, c.enabled ? R"(enabled="yes")" : "", all)));
      h.Get<IWidget>("check")->SetProperty("CheckBoxState", Variant(c.checked));
      h.MoveCursor(c.hover ? TPoint{12, 12} : TPoint{300, 300});
      h.Frame(16);
      EXPECT_EQ(Shown(h, "check"), all ? c.all_looks : c.normal_looks_only);
    }
  }
}

TEST(CheckBoxControl, ADisabledBoxIgnoresClicksAndAWrittenStateReportsNothing) {
  ControlHarness h(Tree(Box("check", 10, "")));
  h.Click({15, 15});
  EXPECT_FALSE(h.Get<TCheckBoxControl>("check")->IsChecked());
  h.Get<IWidget>("check")->SetProperty("CheckBoxState", Variant(true));
  EXPECT_TRUE(h.Get<IWidget>("check")->GetProperty("CheckBoxState").ToBool());
  EXPECT_TRUE(h.EventsSeen().empty());
}

TEST(CheckBoxControl, ItsBottomAndRightEdgesAreNotPartOfIt) {
  ControlHarness h(Tree(Box("check", 10, R"(enabled="yes")")));
  h.Click({30, 15});  // x = left + width
  h.Click({15, 30});
  EXPECT_FALSE(h.Get<TCheckBoxControl>("check")->IsChecked());
  h.Click({29, 29});
  EXPECT_TRUE(h.Get<TCheckBoxControl>("check")->IsChecked());
}

std::string RadioTree() {
  return Tree(R"(<widget type="RadioGroupControl" name="radio_mode" visible="yes" mousestop="yes" width="40" height="100"><widgets>)" +
              Box("check_a", 10, R"(enabled="yes")") + Box("check_b", 40, R"(enabled="yes")") +
              Box("check_c", 70, R"(enabled="yes")") + "</widgets></widget>");
}

TEST(RadioGroupControl, AClickedBoxIsTheOnlyTickedOneAndTheGroupReportsIt) {
  ControlHarness h(RadioTree());
  auto radio = h.Get<TRadioGroupControl>("radio_mode");
  EXPECT_EQ(radio->GetItemIndex(), -1);
  h.Click({15, 45});
  EXPECT_EQ(radio->GetItemIndex(), 1);
  EXPECT_EQ(h.EventsSeen(), (Events{{"radio_mode", kWidgetEventRadioGroupChanged}}));
  h.Click({15, 75});
  h.Click({15, 75});  // the ticked box stays ticked
  EXPECT_EQ(radio->GetProperty("RadioGroupItemIndex").ToInt(), 2);
  for (const char* box : {"check_a", "check_b", "check_c"})
    EXPECT_EQ(h.Get<TCheckBoxControl>(std::string("radio_mode/") + box)->IsChecked(), std::string(box) == "check_c");
}

TEST(RadioGroupControl, TakesTheTickedBoxByPositionWithoutAnEvent) {
  ControlHarness h(RadioTree());
  auto radio = h.Get<TRadioGroupControl>("radio_mode");
  radio->SetProperty("RadioGroupItemIndex", Variant(0));
  EXPECT_TRUE(h.Get<TCheckBoxControl>("radio_mode/check_a")->IsChecked());
  radio->SetProperty("RadioGroupItemIndex", Variant(7));  // no such box: none ticked
  for (const char* box : {"check_a", "check_b", "check_c"})
    EXPECT_FALSE(h.Get<TCheckBoxControl>(std::string("radio_mode/") + box)->IsChecked());
  EXPECT_TRUE(h.EventsSeen().empty());
}

}  // namespace
}  // namespace corvellane::testing
