// Push buttons end to end: XML trees under a stand-in screen, the mouse
// through the real input router, the cursor polled by the buttons.
#include <gtest/gtest.h>

#include "controls/button_control.h"
#include "tests/controls/control_harness.h"

namespace corvellane::testing {
namespace {

// A button at (10.5, 20) of 40 x 20 with its three looks, and a plain box
// beside it.
std::string ButtonTree(std::string_view button_keys, std::string_view looks = "normal selected disabled") {
  std::string children;
  for (std::string_view look : {"normal", "selected", "disabled"})
    if (looks.find(look) != std::string_view::npos)
      children += "<widget type=\"test_box\" name=\"image_" + std::string(look) +
                  "\" visible=\"yes\" width=\"40\" height=\"20\"/>";
  return R"(<widget name="root" visible="yes" mousestop="yes"><widgets>
      <widget type="ButtonControl" name="button_ok" visible="yes" mousestop="yes"
              anchor_left="10.5" anchor_top="20" width="40" height="20" )" +
         std::string(button_keys) + "><widgets>" + children + R"(</widgets></widget>
      <widget type="test_box" name="box_other" visible="yes" mousestop="yes"
              anchor_left="100" anchor_top="100" width="10" height="10"/>
    </widgets></widget>)";
}

constexpr TPoint kInside{20, 25};
constexpr TPoint kOutside{200, 200};

// Which look the button shows: the names of its visible children.
std::string ShownLooks(ControlHarness& h) {
  std::string shown;
  for (const char* look : {"image_normal", "image_selected", "image_disabled"}) {
    Ref<IWidget> child = h.Root().FindWidget(std::string("button_ok/") + look);
    if (child && child->IsVisible()) shown += (shown.empty() ? "" : " ") + std::string(look);
  }
  return shown;
}

TEST(ButtonControl, PressAndReleaseInsideClicksOnce) {
  ControlHarness h(ButtonTree(R"(enabled="yes")"));
  h.Frame(16);
  h.Click(kInside);
  EXPECT_EQ(h.EventsSeen(), (Events{{"button_ok", kWidgetEventClick}}));
  EXPECT_EQ(h.Window().GetCapture(), nullptr);
  EXPECT_FALSE(h.Get<TButtonControl>("button_ok")->IsPressed());
}

TEST(ButtonControl, ReleaseOutsideDoesNothingButGiveTheCaptureBack) {
  ControlHarness h(ButtonTree(R"(enabled="yes")"));
  auto button = h.Get<TButtonControl>("button_ok");
  EXPECT_TRUE(h.Mouse(kMouseLeftDown, kInside));
  EXPECT_EQ(h.Window().GetCapture().get(), static_cast<IWidget*>(button.get()));
  EXPECT_TRUE(button->IsPressed());
  // The box under the release point does not get it: the button holds the mouse.
  EXPECT_TRUE(h.Mouse(kMouseLeftUp, {105, 105}));
  EXPECT_TRUE(h.Get<TTestBox>("box_other")->mouse_messages.empty());
  EXPECT_TRUE(h.EventsSeen().empty());
  EXPECT_EQ(h.Window().GetCapture(), nullptr);
  EXPECT_FALSE(button->IsPressed());
}

TEST(ButtonControl, OnlyTheLeftButtonPresses) {
  ControlHarness h(ButtonTree(R"(enabled="yes")"));
  for (int32_t message : {kMouseRightDown, kMouseMiddleDown}) {
    SCOPED_TRACE(message);
    EXPECT_FALSE(h.Mouse(message, kInside));
    EXPECT_EQ(h.Window().GetCapture(), nullptr);
  }
  EXPECT_FALSE(h.Mouse(kMouseRightUp, kInside));
  EXPECT_FALSE(h.Mouse(kMouseLeftUp, kInside));  // never pressed
  EXPECT_TRUE(h.EventsSeen().empty());
}

TEST(ButtonControl, ABoundaryPixelBelongsToTheButtonOnlyWhenItCoversIt) {
  // Anchor 10.5 rounds to 10 (ties to even): columns 10 .. 49, rows 20 .. 39.
  ControlHarness h(ButtonTree(R"(enabled="yes")"));
  auto button = h.Get<TButtonControl>("button_ok");
  EXPECT_EQ(button->GetRect(), (TRect{10, 20, 50, 40}));
  struct Case {
    TPoint p;
    bool inside;
  } cases[] = {{{10, 20}, true}, {{49, 39}, true}, {{9, 25}, false}, {{50, 25}, false}, {{20, 40}, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.p.x << "," << c.p.y);
    EXPECT_EQ(button->ContainsPoint(c.p, false), c.inside);
    EXPECT_EQ(h.Root().WidgetAtPos(c.p) == Ref<IWidget>(button), c.inside);
  }
}

TEST(ButtonControl, WithoutEnabledInItsDataAButtonIsDisabledAndIgnoresClicks) {
  ControlHarness h(ButtonTree(""));
  h.Frame(16);
  EXPECT_EQ(ShownLooks(h), "image_disabled");
  h.Click(kInside);
  EXPECT_TRUE(h.EventsSeen().empty());
  EXPECT_EQ(h.Window().GetCapture(), nullptr);
  EXPECT_EQ(ShownLooks(h), "image_disabled");  // hovering changes nothing

  ControlHarness without_look(ButtonTree("", "normal selected"));
  without_look.Frame(16);
  EXPECT_EQ(ShownLooks(without_look), "image_normal");
}

TEST(ButtonControl, HoverSwitchesLooksAndDraggingOutsideShowsNormalWhileCaptured) {
  ControlHarness h(ButtonTree(R"(enabled="yes")"));
  h.Frame(16);
  EXPECT_EQ(ShownLooks(h), "image_normal");
  h.MoveCursor(kInside);
  h.Frame(16);
  EXPECT_EQ(ShownLooks(h), "image_selected");
  h.Mouse(kMouseLeftDown, kInside);
  h.MoveCursor(kOutside);
  h.Frame(16);
  EXPECT_EQ(ShownLooks(h), "image_normal");
  EXPECT_TRUE(h.Get<TButtonControl>("button_ok")->IsPressed());
  h.Mouse(kMouseLeftUp, kInside);  // back inside: the release clicks
  EXPECT_EQ(h.EventsSeen().size(), 1u);
  h.Frame(16);
  EXPECT_EQ(ShownLooks(h), "image_selected");
}

TEST(ButtonControl, HoverWithoutASelectedLookKeepsTheNormalOne) {
  ControlHarness h(ButtonTree(R"(enabled="yes")", "normal disabled"));
  h.MoveCursor(kInside);
  h.Frame(16);
  EXPECT_EQ(ShownLooks(h), "image_normal");
  h.Get<TButtonControl>("button_ok")->SetProperty("enabled", false);
  EXPECT_EQ(ShownLooks(h), "image_disabled");
}

TEST(ButtonControl, ShowingALookResumesItAndHidingPausesIt) {
  ControlHarness h(ButtonTree(R"(enabled="yes")"));
  h.MoveCursor(kInside);
  h.Frame(16);
  EXPECT_FALSE(h.Get("button_ok/image_selected")->IsPaused());
  EXPECT_TRUE(h.Get("button_ok/image_normal")->IsPaused());
  EXPECT_TRUE(h.Get("button_ok/image_disabled")->IsPaused());
}

TEST(ButtonControl, SoundsOnEnteringAndPressingFoundUpTheOwnerChain) {
  ControlHarness h(ButtonTree(R"(enabled="yes")"));
  h.AddScreenSound("sound_buttonclick");
  h.AddScreenSound("sound_buttonhover");
  h.Frame(16);
  h.MoveCursor(kInside);
  h.Frame(16);
  h.Frame(16);  // still inside: no second hover sound
  h.Mouse(kMouseLeftDown, kInside);
  h.Mouse(kMouseLeftUp, kInside);
  EXPECT_EQ(h.Engine().sounds, (std::vector<std::string>{"sound_buttonhover", "sound_buttonclick"}));
  h.Mouse(kMouseRightDown, kInside);
  EXPECT_EQ(h.Engine().sounds.size(), 2u);
}

TEST(ButtonControl, ADisabledButtonIsSilent) {
  ControlHarness h(ButtonTree(""));
  h.AddScreenSound("sound_buttonclick");
  h.AddScreenSound("sound_buttonhover");
  h.MoveCursor(kInside);
  h.Frame(16);
  h.Click(kInside);
  EXPECT_TRUE(h.Engine().sounds.empty());
}

TEST(ButtonControl, LosingTheCaptureEndsThePressWithoutAction) {
  ControlHarness h(ButtonTree(R"(enabled="yes")"));
  h.Mouse(kMouseLeftDown, kInside);
  h.Window().SetCapture(h.Get("box_other").get());
  EXPECT_FALSE(h.Get<TButtonControl>("button_ok")->IsPressed());
  h.Window().ReleaseCapture();
  h.Mouse(kMouseLeftUp, kInside);
  EXPECT_TRUE(h.EventsSeen().empty());
}

TEST(ButtonControl, ClickingNeverTakesTheKeyboardFocus) {
  ControlHarness h(ButtonTree(R"(enabled="yes" tabstop="yes")"));
  h.Click(kInside);
  EXPECT_EQ(h.Window().GetFocus(), nullptr);
}

TEST(ButtonControl, CheckImagesHidesTheButtonWhileAPictureIsEmpty) {
  const std::string tree = R"(<widget name="root" visible="yes" mousestop="yes"><widgets>
      <widget type="ButtonControl" name="button_ok" visible="yes" enabled="yes" width="40" height="20"
              check_images="yes"><widgets>
        <widget type="test_box" name="image_normal" visible="yes" width="40" height="20"
                extraparams="\resourcename=picture_missing"/>
        <widget type="test_box" name="image_selected" width="40" height="20"
                extraparams="\resourcename=picture_empty"/>
      </widgets></widget></widgets></widget>)";
  ControlHarness h(tree);
  h.AddEmptyImage("picture_empty");
  auto button = h.Get<TButtonControl>("button_ok");
  h.Frame(16);
  EXPECT_FALSE(button->IsVisible());
  button->SetVisible(true);
  h.Frame(16);
  EXPECT_FALSE(button->IsVisible()) << "checked again while the picture stays empty";

  ControlHarness unchecked(std::string(tree).replace(tree.find("check_images=\"yes\""), 18, ""));
  unchecked.AddEmptyImage("picture_empty");
  unchecked.Frame(16);
  EXPECT_TRUE(unchecked.Get("button_ok")->IsVisible());
}

TEST(ButtonControl, SavesItsKeysOnlyWhenSetAndInOrder) {
  auto button = LoadWidget<TButtonControl>(
      R"(<widget name="button_go" width="10" height="5" url="http://example.org/" actiontype="URL" check_images="yes"/>)");
  const std::string xml = SavedXml(*button);
  EXPECT_NE(xml.find(R"(actiontype="url")"), std::string::npos) << xml;
  EXPECT_LT(xml.find("actiontype="), xml.find("url=\"http"));
  for (const char* absent : {"GSParams", "gamescreenname", "file_to_run", "props_to_change", "check_images", "enabled"})
    EXPECT_EQ(xml.find(absent), std::string::npos) << absent << " in " << xml;
  EXPECT_EQ(button->GetProperty("check_images"), Variant(true));
}

}  // namespace
}  // namespace corvellane::testing
