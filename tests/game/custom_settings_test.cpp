// Custom settings end to end: a game on the headless engine whose
// definition names settings files; their commands change a parameter, add
// a widget, change a property and load resource definitions. A broken or
// missing file leaves the game running, with a log line.
#include <gtest/gtest.h>

#include <string>

#include "game/class_list.h"
#include "persistence/cipher.h"
#include "persistence/log.h"
#include "screens/screen_classes.h"
#include "tests/game/game_test_support.h"
#include "tests/widgets/test_widgets.h"
#include "widgets/game_screen_slave_interface.h"
#include "widgets/window_interface.h"

namespace corvellane::testing {
namespace {

std::string GameXml(std::string_view settings) {
  return R"(<game type="Game" splashlogosgs="" splashgs="" maings="GS_Main">
  <custom_settings>)" + std::string(settings) + R"(</custom_settings>
  <params><param name="ShowFPS" value="no"/></params>
  <gamescreens>
    <gamescreen type="GameScreen" name="GS_Main"><window visible="yes"><widgets>
      <widget type="group_widget" name="ui" visible="yes"><widgets>
        <widget type="test_box" name="box" visible="yes" width="4" height="4"/>
      </widgets></widget>
    </widgets></window></gamescreen>
  </gamescreens>
</game>)";
}

constexpr std::string_view kCommands = R"(<settings><commands>
  <command name="fps" type="param_command" paramname="ShowFPS" value="yes"/>
  <command name="empty" type="param_command" paramname="" value="1"/>
  <command name="star" type="add_widget_command" gamescreenname="GS_Main" parent_widget_name="ui">
    <storage_string><widget type="test_box" name="star" visible="yes" width="2" height="2" anchor_left="40"/></storage_string>
  </command>
  <command name="box_again" type="add_widget_command" gamescreenname="GS_Main" parent_widget_name="ui">
    <storage_string><widget type="test_box" name="box" visible="yes" width="9" height="9"/></storage_string>
  </command>
  <command name="star_faint" type="widget_change_property_value_command" gamescreenname="GS_Main"
           widgetname="ui\star" paramname="transparentlevel" value="90"/>
  <command name="nowhere" type="widget_change_property_value_command" gamescreenname="GS_Main"
           widgetname="star" paramname="transparentlevel" value="10"/>
  <command name="pictures" type="load_resource_command" groupname="season">
    <storage_string><defs><content>
      <resource name="img_season" type="ImageResource" file="data\images\none.png" format="png"/>
    </content></defs></storage_string>
  </command>
</commands></settings>)";

class CustomSettingsTest : public ::testing::Test {
 public:
  CustomSettingsTest() {
    RegisterAllGameClasses();
    RegisterClass<TTestBox>("test_box");
  }
  Ref<IWidget> Widget(GameRun& run, std::string_view path) {
    Ref<IGameScreenSlave> screen = run.Game().GetScreens()->GetScreen(Variant("GS_Main"));
    return screen->GetScreenWindow()->FindWidget(path);
  }
};

TEST_F(CustomSettingsTest, CommandsChangeAParameterAddAWidgetChangeAPropertyAndLoadResources) {
  TempDir dir;
  dir.Write("data/ini/season.xml", kCommands);
  GameRun run(GameXml(R"(<custom_setting name="season" filename="data\ini\season.xml"/>)"), &dir);
  TLogCapture log;
  ASSERT_TRUE(run.Start());
  run.RunFrames(3);
  EXPECT_EQ(run.Game().GetGameParam("ShowFPS").ToText(), "yes");
  EXPECT_EQ(run.Engine().GetEngineParam("ShowFPS").ToText(), "yes");
  Ref<IWidget> star = Widget(run, "ui/star");
  ASSERT_TRUE(star);
  EXPECT_EQ(star->GetTransparentLevel(), 90);
  EXPECT_EQ(Widget(run, "ui/box")->GetWidth(), 9) << "a widget of an existing name replaces it";
  EXPECT_EQ(Widget(run, "ui")->GetWidgets()->Count(), 2);
  EXPECT_TRUE(run.Engine().GetResource("img_season"));
  // "star" is not a top-level widget of the screen: that command did nothing, and says so.
  EXPECT_EQ(log.Count("\"nowhere\""), 1);
  EXPECT_TRUE(star->IsVisible());
  EXPECT_EQ(star->GetOwner(), QueryInterface<IWidgetOwner>(Widget(run, "ui")).get()) << "attached to its parent";
}

TEST_F(CustomSettingsTest, AnEncipheredFileIsReadWithItsKey) {
  TempDir dir;
  dir.Write("data/ini/season.dat", EncryptText("winter", kCommands));
  GameRun run(GameXml(R"(<custom_setting name="season" filename="data\ini\season.dat" key="winter"/>)"), &dir);
  ASSERT_TRUE(run.Start());
  run.RunFrames(2);
  EXPECT_TRUE(Widget(run, "ui/star"));
}

TEST_F(CustomSettingsTest, BrokenOrMissingFilesLeaveTheGameRunningWithALogLine) {
  TempDir dir;
  dir.Write("data/ini/broken.xml", "<settings><commands><command name=");
  dir.Write("data/ini/season.xml", kCommands);
  GameRun run(GameXml(R"(<custom_setting name="broken" filename="data\ini\broken.xml"/>
                         <custom_setting name="gone" filename="data\ini\gone.xml"/>
                         <custom_setting name="season" filename="data\ini\season.xml"/>)"),
              &dir);
  TLogCapture log;
  ASSERT_TRUE(run.Start());
  run.RunFrames(5);
  EXPECT_EQ(log.Count("custom settings \"broken\""), 1);
  EXPECT_EQ(log.Count("custom settings \"gone\""), 1);
  EXPECT_TRUE(Widget(run, "ui/star")) << "the settings after the broken ones still run";
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_Main");
}

TEST_F(CustomSettingsTest, WithoutTheFileNothingIsAdded) {
  GameRun run(GameXml(R"(<custom_setting name="season" filename="data\ini\season.xml"/>)"));
  ASSERT_TRUE(run.Start());
  run.RunFrames(2);
  EXPECT_FALSE(Widget(run, "ui/star"));
  EXPECT_EQ(Widget(run, "ui")->GetWidgets()->Count(), 1);
}

}  // namespace
}  // namespace corvellane::testing
