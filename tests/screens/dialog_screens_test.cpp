// The query dialogs, the delete question, the options page and the quit
// question inside the real game on the headless engine: their texts, their
// answers by button, Enter and Escape, and a dialog closed only once.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "persistence/localization.h"
#include "screens/options_screen.h"
#include "screens/query_dialog.h"
#include "tests/screens/screen_game_fixture.h"

namespace corvellane::testing {
namespace {

using ::testing::ElementsAre;

std::string Button(std::string_view name, int left, std::string_view keys = R"(enabled="yes")") {
  return "<widget type=\"ButtonControl\" name=\"" + std::string(name) +
         "\" visible=\"yes\" mousestop=\"yes\" anchor_left=\"" + std::to_string(left) +
         "\" anchor_top=\"60\" width=\"40\" height=\"20\" " + std::string(keys) + "/>";
}

// Dialogs at (40, 40); the question fades out over 160 ms, the others go at once.
const std::string kDialogs = R"(<game type="CursorGame" maings="GS_Main">
  <params>
    <param name="ScreenWidth" value="320"/><param name="ScreenHeight" value="240"/>
    <param name="FullScreenMode" value="no"/><param name="SoundVolume" value="80"/>
    <param name="MusicVolume" value="60"/>
  </params>
  <gamescreens>
    <gamescreen type="recording_screen" name="GS_Main">
      <window><widgets>
        <widget type="test_box" name="background" visible="yes" width="320" height="240" colour="$FF204060"/>
      </widgets></window>
    </gamescreen>
    <gamescreen type="GameScreenQueryDialog" name="GS_Question">
      <window anchor_left="40" anchor_top="40">
        <effects><widgets>
          <widget type="func_appearance_effect" name="hide_effect" durationtime="160" surfaceparamname="picture/surface">
            <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets>
          </widget>
        </widgets></effects>
        <widgets>
          <widget type="test_box" name="panel" visible="yes" mousestop="yes" width="200" height="100" colour="$FFE0C040"/>
          <widget type="text_widget" name="text_question" visible="yes" width="180" height="20"/>
          )" + Button("button_yes", 10) + Button("button_no", 60) + R"(
        </widgets>
      </window>
    </gamescreen>
    <gamescreen type="GameScreenQueryDialog" name="GS_Message">
      <window anchor_left="40" anchor_top="40"><widgets>)" + Button("button_ok", 10) + R"(</widgets></window>
    </gamescreen>
    <gamescreen type="GameScreenQueryDeleteProfile" name="GS_QueryDeleteProfile">
      <window anchor_left="40" anchor_top="40"><widgets>
        <widget type="text_widget" name="label_user_profile_name" visible="yes" width="180" height="20" text="nobody"/>
        )" + Button("button_yes", 10) + Button("button_no", 60) + R"(
      </widgets></window>
    </gamescreen>
    <gamescreen type="GameScreenOptions" name="GS_Options">
      <window anchor_left="40" anchor_top="40"><widgets>
        <widget type="CheckBoxControl" name="checkbox_screenmode" visible="yes" mousestop="yes" enabled="yes"
                anchor_left="10" anchor_top="10" width="20" height="20"/>
        <widget type="CheckBoxControl" name="checkbox_widescreenmode" visible="yes" mousestop="yes" enabled="yes"
                anchor_left="40" anchor_top="10" width="20" height="20"/>
        <widget type="TrackBarControl" name="trackbar_soundvolume" visible="yes" mousestop="yes" enabled="yes"
                anchor_left="10" anchor_top="40" width="110" height="10" min="0" max="100" frequency="10">
          <sounds><sound name="sound_checksoundvolume" resourcename="res_beep"/></sounds>
          <widgets><widget type="test_box" name="image_slider" visible="yes" width="10" height="10"/></widgets>
        </widget>
        <widget type="TrackBarControl" name="trackbar_musicvolume" visible="yes" mousestop="yes" enabled="yes"
                anchor_left="10" anchor_top="60" width="110" height="10" min="0" max="100" frequency="10">
          <widgets><widget type="test_box" name="image_slider" visible="yes" width="10" height="10"/></widgets>
        </widget>
        )" + Button("button_close", 150) + R"(
      </widgets></window>
    </gamescreen>
  </gamescreens>
</game>)";

class DialogTest : public ScreenGameTest {
 public:
  std::string GameXml() const override { return kDialogs; }

 protected:
  TRecordingScreen& Main() { return Screen<TRecordingScreen>("GS_Main"); }
  // Shows the dialog and waits out its mouse guard.
  void Show(std::string_view name, Ref<IParamCollection> params = nullptr) {
    ASSERT_TRUE(Game().ShowScreen(name, params));
    RunFrames(14);
  }
};

TEST_F(DialogTest, OpenParametersFillTheWidgetsTheyName) {
  Ref<IParamCollection> params = CreateObject<TParamCollection>("\\text_question=Stay for tea?\\no_such_widget=x");
  Show("GS_Question", params);
  EXPECT_EQ(Screen("GS_Question").FindWidget("text_question")->GetProperty("text").ToText(), "Stay for tea?");
}

TEST_F(DialogTest, EachButtonAndEachKeyAnswersWithItsButton) {
  struct Case {
    const char* screen;
    const char* how;  // a button to click, or "Enter" / "Escape"
    const char* answer;
  };
  const Case cases[] = {
      {"GS_Question", "button_yes", "button_yes"}, {"GS_Question", "button_no", "button_no"},
      {"GS_Question", "Enter", "button_yes"},      {"GS_Question", "Escape", "button_no"},
      {"GS_Message", "Enter", "button_ok"},        {"GS_Message", "Escape", "button_ok"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.screen) + " " + c.how);
    Main().log.clear();
    Show(c.screen);
    if (std::string(c.how) == "Enter") Press(KeyCode::Enter);
    else if (std::string(c.how) == "Escape") Press(KeyCode::Escape);
    else Click({40 + (std::string(c.how) == "button_no" ? 60 : 10) + 5, 40 + 65});
    RunFrames(12);
    EXPECT_THAT(ShownNames(), ElementsAre("GS_Main"));
    EXPECT_THAT(Main().log, ElementsAre("child " + std::string(c.screen) + " Button=" + c.answer));
  }
}

TEST_F(DialogTest, AClosingDialogIsClosedOnceWhateverFollows) {
  Show("GS_Question");
  Main().log.clear();
  Press(KeyCode::Enter);      // fading out for 160 ms
  Press(KeyCode::Escape);     // too late: no second answer
  Click({40 + 65, 40 + 65});  // nor by the mouse
  RunFrames(12);
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main"));
  EXPECT_THAT(Main().log, ElementsAre("child GS_Question Button=button_yes"));
}

TEST_F(DialogTest, TheDeleteQuestionShowsTheNameAsWritten) {
  CreateMultiLanguages();
  Show("GS_QueryDeleteProfile", CreateObject<TParamCollection>("\\user_name=Zoë %100%"));
  EXPECT_EQ(Screen("GS_QueryDeleteProfile").FindWidget("label_user_profile_name")->GetProperty("text").ToText(),
            "Zoë %100%");
  Press(KeyCode::Escape);
  Show("GS_QueryDeleteProfile");  // without a name the label is empty
  EXPECT_EQ(Screen("GS_QueryDeleteProfile").FindWidget("label_user_profile_name")->GetProperty("text").ToText(), "");
  ReleaseMultiLanguages();
}

TEST_F(DialogTest, OptionsShowTheEngineAndEveryChangeGoesToTheGameAtOnce) {
  Engine().SetEngineParam("IsAvailableWideScreenMode", "no");
  Show("GS_Options");
  auto& options = Screen<TGameScreenOptions>("GS_Options");
  Ref<IWidget> screen_mode = options.FindWidget("checkbox_screenmode");
  Ref<IWidget> sound = options.FindWidget("trackbar_soundvolume");
  EXPECT_FALSE(screen_mode->GetProperty("CheckBoxState").ToBool());
  EXPECT_FALSE(options.FindWidget("checkbox_widescreenmode")->IsEnabled());
  EXPECT_EQ(sound->GetProperty("position").ToInt(), 80);
  EXPECT_EQ(options.FindWidget("trackbar_musicvolume")->GetProperty("position").ToInt(), 60);

  Click({40 + 15, 40 + 15});
  EXPECT_EQ(Engine().GetEngineParam("FullScreenMode").ToText(), "yes");
  EXPECT_EQ(Game().GetGameParam("FullScreenMode").ToText(), "yes");
  sound->SetProperty("position", Variant(30));
  EXPECT_EQ(Game().GetGameParam("SoundVolume").ToText(), "30");
  EXPECT_EQ(Engine().GetEngineParam("SoundVolume").ToText(), "30");
  Press(KeyCode::Escape);
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main"));

  // Opened again, it shows what was chosen and changes nothing by itself.
  Show("GS_Options");
  EXPECT_TRUE(screen_mode->GetProperty("CheckBoxState").ToBool());
  EXPECT_EQ(sound->GetProperty("position").ToInt(), 30);
  Press(KeyCode::Enter);
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main"));
}

TEST_F(DialogTest, TheSoundVolumeBarPlaysItsSoundWhenMovedButNotWhenShown) {
  auto sounds = MakeRef<TSoundLog>();
  Engine().SetSoundManager(sounds);
  Engine().SetEngineParam("SoundVolume", "50");
  Show("GS_Options");
  auto played = [&] { return std::count(sounds->log.begin(), sounds->log.end(), "sound sound_checksoundvolume"); };
  EXPECT_EQ(played(), 0);
  Screen("GS_Options").FindWidget("trackbar_soundvolume")->SetProperty("position", Variant(70));
  EXPECT_EQ(played(), 1);
  Screen("GS_Options").FindWidget("trackbar_musicvolume")->SetProperty("position", Variant(10));
  EXPECT_EQ(played(), 1);
  EXPECT_EQ(Game().GetGameParam("MusicVolume").ToText(), "10");
  Engine().SetSoundManager(nullptr);
}

}  // namespace
}  // namespace corvellane::testing
