// The step-by-step loading screens, the self-refreshing screen and the
// progress screen inside the real game on the headless engine: one item a
// frame, the lists and definitions they load, their clocks, closing by
// themselves or on a click, screens rebuilt on opening, the progress bar
// counting frames and the wait button leading on to the main screen.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/image_resource.h"
#include "engine/resource_definition.h"
#include "engine/resource_types.h"
#include "persistence/storage.h"
#include "screens/step_loading_screens.h"
#include "tests/engine/test_images.h"
#include "tests/screens/screen_game_fixture.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

using ::testing::ElementsAre;

// A progress bar, a clock box that shows how far the screen's time went, and
// a continue button that appears when everything is loaded.
constexpr const char* kLoadingWidgets = R"(
  <widget type="test_box" name="clock" visible="yes" width="4" height="4"/>
  <widget type="ProgressBarControl" name="progress" visible="yes" anchor_top="10" width="100" height="10">
    <widgets><widget type="test_box" name="bar" visible="yes" width="100" height="10"/></widgets>
  </widget>
  <widget type="ButtonControl" name="image_loaded" mousestop="yes" enabled="yes" anchor_top="30" width="40" height="20">
    <widgets><widget type="test_box" name="image_normal" visible="yes" width="40" height="20"/></widgets>
  </widget>)";

const std::string kLoading = std::string(R"(<game type="CursorGame" maings="GS_Main">
  <params><param name="ScreenWidth" value="320"/><param name="ScreenHeight" value="240"/></params>
  <gamescreens>
    <gamescreen type="recording_screen" name="GS_Main">
      <window><widgets><widget type="test_box" name="background" visible="yes" width="320" height="240"/></widgets></window>
    </gamescreen>
    <gamescreen type="GameScreenSplashResourceLoad" name="GS_Load" total_updates="200">
      <window anchor_left="40" anchor_top="40"><widgets>)") + kLoadingWidgets + R"(</widgets></window>
    </gamescreen>
    <gamescreen type="GameScreenSplashResourceDefsLoad" name="GS_LevelLoading" close_after_load="yes">
      <window anchor_left="40" anchor_top="40"><widgets>)" + kLoadingWidgets + R"(</widgets></window>
    </gamescreen>
    <gamescreen type="GameScreenSplashSelfRefresh" name="GS_Refresh">
      <window><widgets><widget type="test_box" name="box" visible="yes" width="10" height="10"/></widgets></window>
    </gamescreen>
    <gamescreen type="GameScreenSplashSelfRefresh" name="GS_Later" refresh_on_first_show="yes">
      <window><widgets><widget type="test_box" name="box" visible="yes" width="10" height="10"/></widgets></window>
    </gamescreen>
    <gamescreen type="GameScreenSplashProgress" name="GS_Progress" cursor_name="cursor_hand" wait_button_name="button_go">
      <window><widgets>
        <widget type="group_widget" name="image_loading" visible="yes"/>
        <widget type="test_box" name="image_loaded" width="10" height="10"/>
        <widget type="test_box" name="button_go" width="10" height="10"/>
      </widgets></window>
    </gamescreen>
  </gamescreens>
</game>)";

class LoadingScreenTest : public ScreenGameTest {
 public:
  std::string GameXml() const override { return kLoading; }

 protected:
  // Pictures of one pixel, defined in the engine for the owner; "loadbydemand"
  // ones wait.
  void DefinePictures(std::string_view definitions, std::string_view owner = "test") {
    RegisterEngineResourceTypes();
    pictures_.Write("pixel.png", EncodePng(Png(1, 1, PNG_COLOR_TYPE_RGBA, 8, {1, 2, 3, 255})));
    std::string text(definitions);
    for (size_t at = text.find("file=\""); at != std::string::npos; at = text.find("file=\"", at + 1))
      text.insert(at + 6, pictures_.File(""));
    Ref<IHierStorageRoot> defs = OpenStorageText("<defs><content>" + text + "</content></defs>");
    Engine().LoadResourceDefs(defs.get(), owner, false);
  }
  bool Loaded(std::string_view name) {
    Ref<IResource> resource = Engine().GetResource(name);
    return resource && !resource->IsLoadPending();
  }
  int32_t Clock(std::string_view screen) {
    return Screen(screen).FindWidget("clock")->GetProperty("currenttime").ToInt();
  }
  double Progress(std::string_view screen) {
    return Screen(screen).FindWidget("progress")->GetProperty("position").ToFloat();
  }

  TempDir pictures_;
};

TEST_F(LoadingScreenTest, ResourcesLoadOneAFrameAndANameInBothListsStaysAsItIs) {
  DefinePictures(R"(<resource type="ImageResource" name="pic_a" file="pixel.png" format="png" loadbydemand="yes"/>
                    <resource type="ImageResource" name="pic_b" file="pixel.png" format="png"/>
                    <resource type="ImageResource" name="pic_c" file="pixel.png" format="png"/>)");
  Ref<ISurface> kept = QueryInterface<IImageResource>(Engine().GetResource("pic_b"))->GetSurface();
  ASSERT_TRUE(Game().ShowScreen("GS_Load", CreateObject<TParamCollection>(
                                               "\\load_list=pic_a; pic_b ;;no_such\\unload_list=pic_b;pic_c")));
  auto& load = Screen<TGameScreenSplashResourceLoad>("GS_Load");
  EXPECT_EQ(load.ItemCount(), 3);
  RunFrames(1);
  EXPECT_TRUE(Loaded("pic_a"));
  EXPECT_FALSE(Loaded("pic_c"));  // unloaded before the first item
  EXPECT_NEAR(Progress("GS_Load"), 1.0 / 3, 1e-9);
  RunFrames(2);
  EXPECT_EQ(load.ItemsDone(), 3);
  EXPECT_EQ(QueryInterface<IImageResource>(Engine().GetResource("pic_b"))->GetSurface(), kept);
  EXPECT_FALSE(load.IsFinished());
  RunFrames(1);
  EXPECT_TRUE(load.IsFinished());
  EXPECT_FALSE(load.FindWidget("progress")->IsVisible());
  EXPECT_TRUE(load.FindWidget("image_loaded")->IsVisible());
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main", "GS_Load"));
  RunFrames(14);  // the mouse guard
  Click({40 + 5, 40 + 35});
  RunFrames(1);
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main"));
}

TEST_F(LoadingScreenTest, TheWidgetsClocksShareTheTimeAmongTheItemsAndEndOnTheBudget) {
  ASSERT_TRUE(Game().ShowScreen("GS_Load", CreateObject<TParamCollection>("\\load_list=x;y;z")));
  std::vector<int32_t> clock;
  for (int frame = 0; frame < 3; ++frame) {
    RunFrames(1);
    clock.push_back(Clock("GS_Load"));
  }
  EXPECT_THAT(clock, ElementsAre(66, 132, 200));
  RunFrames(1);  // finishing does not advance
  EXPECT_EQ(Clock("GS_Load"), 200);
  RunFrames(1);  // then the frames run as they come
  EXPECT_EQ(Clock("GS_Load"), 216);
}

TEST_F(LoadingScreenTest, DefinitionsLoadOneAFrameAndTheScreenClosesItselfAfterTheLast) {
  RegisterEngineResourceTypes();
  pictures_.Write("pixel.png", EncodePng(Png(1, 1, PNG_COLOR_TYPE_RGBA, 8, {1, 2, 3, 255})));
  Ref<TResourceDefCollection> defs = CreateObject<TResourceDefCollection>();
  defs->LoadFrom(OpenStorageText(R"(<resource_defs resourcegroup="level">
      <resource_def name="scene_bg" type="ImageResource" file=")" + pictures_.File("pixel.png") + R"(" typeparams="\format=png"/>
      <resource_def name="scene_fg" type="ImageResource" file=")" + pictures_.File("pixel.png") + R"(" typeparams="\format=png"/>
    </resource_defs>)").get());
  defs->AttachEngine(&Engine());
  Ref<TParamCollection> params = CreateObject<TParamCollection>();
  params->SetNamedValue("resource_defs", Variant(Ref<IResourceDefCollection>(defs)));
  ASSERT_TRUE(Game().ShowScreen("GS_LevelLoading", params));
  RunFrames(1);
  EXPECT_TRUE(Loaded("scene_bg"));
  EXPECT_FALSE(Engine().GetResource("scene_fg"));
  RunFrames(1);
  EXPECT_TRUE(Loaded("scene_fg"));
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main", "GS_LevelLoading"));
  RunFrames(1);
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main"));
  EXPECT_THAT(Screen<TRecordingScreen>("GS_Main").log, ElementsAre("params 0", "opened 0", "child GS_LevelLoading"));
  defs->RemoveGroupResources();
  defs->DetachEngine();
}

TEST_F(LoadingScreenTest, AValueThatIsNoDefinitionListLoadsNothing) {
  ASSERT_TRUE(Game().ShowScreen("GS_LevelLoading", CreateObject<TParamCollection>("\\resource_defs=scene_bg")));
  RunFrames(2);
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main"));
}

TEST_F(LoadingScreenTest, ASelfRefreshingScreenStartsFromItsDefinitionAtEveryOpening) {
  TGameScreen& refresh = Screen("GS_Refresh");
  ASSERT_TRUE(Game().ShowScreen("GS_Refresh", nullptr));
  refresh.FindWidget("box")->SetVisible(false);
  refresh.FindWidget("box")->SetAnchorLeft(50);
  ASSERT_TRUE(Game().CloseScreen(&refresh, nullptr));
  ASSERT_TRUE(Game().ShowScreen("GS_Refresh", nullptr));
  Ref<IWidget> box = refresh.FindWidget("box");
  ASSERT_TRUE(box);
  EXPECT_TRUE(box->IsVisible());
  EXPECT_EQ(box->GetAnchorLeft(), 0);
  RunCheckedFrames(2);

  EXPECT_FALSE(Screen("GS_Later").FindWidget("box"));  // built at the first opening only
  ASSERT_TRUE(Game().ShowScreen("GS_Later", nullptr));
  EXPECT_TRUE(Screen("GS_Later").FindWidget("box"));
  RunCheckedFrames(2);
}

TEST_F(LoadingScreenTest, TheProgressScreenSelectsTheDefaultCursorWhenLoadingIsComplete) {
  auto& game = dynamic_cast<TCursorGame&>(Game());
  ASSERT_TRUE(Game().ShowScreen("GS_Progress", nullptr));
  EXPECT_EQ(game.GetCurrentCursorName(), "cursor_hand");
  ASSERT_TRUE(Game().CloseScreen(&Screen("GS_Progress"), nullptr));
  ASSERT_TRUE(Game().ShowScreen("GS_Progress", CreateObject<TParamCollection>("\\LoadComplete=yes")));
  EXPECT_EQ(game.GetCurrentCursorName(), "cursor_arrow");
  EXPECT_TRUE(Screen("GS_Progress").FindWidget("button_go")->IsVisible());
  EXPECT_FALSE(Screen("GS_Progress").FindWidget("image_loading")->IsVisible());
}

// The game's loading screen ("GS_Splash") with a progress bar inside its
// "image_loading" and, when named, a wait button; "GS_Bar" is one more
// progress screen that is never told that loading is complete.
std::string ProgressGame(std::string_view wait_button) {
  const std::string progress = R"(
        <widget type="test_box" name="backdrop" visible="yes" width="320" height="240"/>
        <widget type="group_widget" name="image_loading" visible="yes" z="1"><widgets>
          <widget type="ProgressBarControl" name="progress" visible="yes" width="100" height="10">
            <widgets><widget type="test_box" name="bar" visible="yes" width="100" height="10"/></widgets>
          </widget>
        </widgets></widget>
        <widget type="test_box" name="image_loaded" z="1" anchor_top="20" width="10" height="10"/>)";
  const std::string button = wait_button.empty() ? "" : R"(
        <widget type="ButtonControl" name="button_go" mousestop="yes" enabled="yes" z="1" anchor_top="40" width="40" height="20">
          <widgets><widget type="test_box" name="image_normal" visible="yes" width="40" height="20"/></widgets>
        </widget>)";
  return std::string(R"(<game type="CursorGame" maings="GS_Main" splashgs="GS_Splash">
  <params><param name="ScreenWidth" value="320"/><param name="ScreenHeight" value="240"/></params>
  <gamescreens>
    <gamescreen type="recording_screen" name="GS_Main">
      <window><widgets><widget type="test_box" name="background" visible="yes" width="320" height="240"/></widgets></window>
    </gamescreen>
    <gamescreen type="GameScreenSplashProgress" name="GS_Splash" cursor_name="cursor_hand" wait_button_name=")") +
         std::string(wait_button) + R"(">
      <window><widgets>)" + progress + button + R"(</widgets></window>
    </gamescreen>
    <gamescreen type="GameScreenSplashProgress" name="GS_Bar" total_updates="8">
      <window><widgets>)" + progress + R"(</widgets></window>
    </gamescreen>
  </gamescreens>
</game>)";
}

class ProgressScreenTest : public LoadingScreenTest {
 public:
  std::string GameXml() const override { return ProgressGame("button_go"); }
};

class ProgressScreenWithoutWaitButtonTest : public LoadingScreenTest {
 public:
  std::string GameXml() const override { return ProgressGame(""); }
};

TEST_F(ProgressScreenTest, TheBarFollowsTheFramesTowardsItsTotalAndStopsFull) {
  ASSERT_TRUE(Game().ShowScreen("GS_Bar", nullptr));
  struct Step {
    int frames;
    double position;
    int32_t bar_width;
  };
  const Step steps[] = {{2, 0.25, 25}, {4, 0.75, 75}, {2, 1.0, 100}, {3, 1.0, 100}};
  for (const Step& step : steps) {
    RunFrames(step.frames);
    SCOPED_TRACE(step.position);
    EXPECT_DOUBLE_EQ(Screen("GS_Bar").FindWidget("image_loading/progress")->GetProperty("position").ToFloat(),
                     step.position);
    EXPECT_EQ(Box("GS_Bar", "image_loading/progress/bar")->GetWidth(), step.bar_width);
  }
  RunCheckedFrames(1);
}

TEST_F(ProgressScreenTest, WhenLoadingIsCompleteTheWaitButtonLeadsToTheMainScreenAndTheSplashPicturesGo) {
  // Loading at start is over after the first frame: the screen waits.
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Splash"));
  TGameScreen& splash = Screen("GS_Splash");
  EXPECT_TRUE(splash.FindWidget("button_go")->IsVisible());
  EXPECT_FALSE(splash.FindWidget("image_loading")->IsVisible());
  EXPECT_TRUE(splash.FindWidget("image_loaded")->IsVisible());
  EXPECT_EQ(dynamic_cast<TCursorGame&>(Game()).GetCurrentCursorName(), "cursor_arrow");
  DefinePictures(R"(<resource type="ImageResource" name="pic_card" file="pixel.png" format="png"/>)", "splash");
  DefinePictures(R"(<resource type="ImageResource" name="pic_tip" file="pixel.png" format="png"/>)", "splash2");
  DefinePictures(R"(<resource type="ImageResource" name="pic_menu" file="pixel.png" format="png"/>)");
  RunCheckedFrames(20);  // waiting, past the mouse guard
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Splash"));
  Click({10, 50});
  RunFrames(1);
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main"));
  EXPECT_FALSE(Engine().GetResource("pic_card"));
  EXPECT_FALSE(Engine().GetResource("pic_tip"));
  EXPECT_TRUE(Loaded("pic_menu"));
  RunCheckedFrames(2);
}

TEST_F(ProgressScreenWithoutWaitButtonTest, LoadingCompleteGoesStraightToTheMainScreen) {
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main"));
  EXPECT_THAT(Screen<TRecordingScreen>("GS_Main").log, ElementsAre("params 0", "opened 0"));
}

}  // namespace
}  // namespace corvellane::testing
