// What a click does: the button's own actions (screens, web address, file,
// property writes) or event 1 to the event handler.
#include <gtest/gtest.h>

#include "controls/button_control.h"
#include "tests/controls/control_harness.h"

namespace corvellane::testing {
namespace {

std::string Tree(std::string_view button_keys) {
  return R"(<widget name="root" visible="yes" mousestop="yes"><widgets>
      <widget type="ButtonControl" name="button_go" visible="yes" mousestop="yes" enabled="yes"
              width="40" height="20" )" +
         std::string(button_keys) + R"(/>
      <widget type="group_widget" name="panel" visible="yes"><widgets>
        <widget type="test_box" name="box_hint" visible="yes" width="5" height="5"/>
      </widgets></widget>
    </widgets></widget>)";
}

constexpr TPoint kOnButton{5, 5};

TEST(ButtonActions, ShowGameScreenPassesUpperCaseParametersAsTexts) {
  ControlHarness h(Tree(R"(actiontype="ShowGameScreen" gamescreenname="GS_Level" GSParams="\level=3\mode=easy")"));
  h.Click(kOnButton);
  ASSERT_EQ(h.ScreenOwner().shown.size(), 1u);
  EXPECT_EQ(h.ScreenOwner().shown[0].name, "GS_Level");
  using Params = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(h.ScreenOwner().shown[0].params, (Params{{"LEVEL", "3"}, {"MODE", "easy"}}));
  EXPECT_TRUE(h.EventsSeen().empty()) << "the screen is not told";
}

TEST(ButtonActions, ShowGameScreenWithoutANameDoesNothing) {
  ControlHarness h(Tree(R"(actiontype="showgamescreen" GSParams="\level=3")"));
  h.Click(kOnButton);
  EXPECT_TRUE(h.ScreenOwner().shown.empty());
  EXPECT_TRUE(h.EventsSeen().empty());
}

TEST(ButtonActions, AnActionTypeWrittenAtRunTimeIsNotLowerCased) {
  ControlHarness h(Tree(R"(gamescreenname="GS_Level")"));
  h.Get("button_go")->SetProperty("actiontype", "ShowGameScreen");
  h.Click(kOnButton);
  EXPECT_TRUE(h.ScreenOwner().shown.empty());
  EXPECT_EQ(h.EventsSeen(), (Events{{"button_go", kWidgetEventClick}}));
}

TEST(ButtonActions, CloseGameScreenClosesTheScreenHoldingTheButton) {
  ControlHarness h(Tree(R"(actiontype="closegamescreen")"));
  h.Click(kOnButton);
  EXPECT_EQ(h.ScreenOwner().closed, (std::vector<IGameScreenSlave*>{h.HandlerAsScreen()}));
}

TEST(ButtonActions, DesktopHandOffsGoThroughTheEngine) {
  ControlHarness url(Tree(R"(actiontype="url" url="https://example.org/help")"));
  url.Click(kOnButton);
  EXPECT_EQ(url.Engine().web_addresses, (std::vector<std::string>{"https://example.org/help"}));

  ControlHarness file(Tree(R"(actiontype="run_file" file_to_run="manual.pdf")"));
  file.Click(kOnButton);
  EXPECT_EQ(file.Engine().opened_files, (std::vector<std::string>{"manual.pdf"}));
  EXPECT_TRUE(file.EventsSeen().empty());
}

TEST(ButtonActions, ChangePropsWritesThroughPathsFromTheButton) {
  ControlHarness h(Tree(
      R"(actiontype="change_props" props_to_change="\window:/panel/box_hint/visible=no\../panel/anchor_left=7\visible=no")"));
  h.Click(kOnButton);
  EXPECT_FALSE(h.Get("panel/box_hint")->IsVisible());
  EXPECT_EQ(h.Get("panel")->GetAnchorLeft(), 7.0);
  EXPECT_FALSE(h.Get("button_go")->IsVisible());
  EXPECT_TRUE(h.EventsSeen().empty());
}

TEST(ButtonActions, AButtonThatKillsItselfFinishesItsClick) {
  ControlHarness h(Tree(R"(actiontype="change_props" props_to_change="\dead=yes")"));
  h.Mouse(kMouseLeftDown, kOnButton);
  EXPECT_TRUE(h.Mouse(kMouseLeftUp, kOnButton));
  h.Frame(16);
  EXPECT_EQ(h.Root().FindWidget("button_go"), nullptr);
  EXPECT_EQ(h.Window().GetCapture(), nullptr);
}

TEST(ButtonActions, WithoutAScreenAroundAClickIsHarmless) {
  auto button = LoadWidget<TButtonControl>(R"(<widget visible="yes" enabled="yes" width="10" height="10" actiontype="closegamescreen"/>)");
  EXPECT_TRUE(button->MouseDown({1, 1}, 0, TMouseButton::kLeft));
  EXPECT_TRUE(button->MouseUp({1, 1}, 0, TMouseButton::kLeft));
  button->SetProperty("actiontype", "");
  EXPECT_TRUE(button->MouseDown({1, 1}, 0, TMouseButton::kLeft));
  EXPECT_TRUE(button->MouseUp({1, 1}, 0, TMouseButton::kLeft));
  button->Update(16);
}

}  // namespace
}  // namespace corvellane::testing
