// The players' dialogs end to end: the demo game runs headless with an
// input script, as a player would click and type, and the files it keeps
// are read back deciphered by the content tool after each step.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <span>

#include "persistence/storage.h"
#include "story_screens/new_user_screen.h"
#include "tests/game/demo_run.h"
#include "tests/support/full_disk.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/subprocess.h"

namespace corvellane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr int kFrameMs = 16;

struct SavedProfiles {
  std::vector<std::string> names;
  std::string current;
};

std::string ReadWhole(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A file of the settings folder as the content tool deciphers it.
Ref<IHierStorageRoot> Deciphered(const TempDir& settings, std::string_view file, std::string_view key) {
  TempDir scratch;
  ProgramResult result = RunProgram(scratch, CORVELLANE_DATA_TOOL, {"decrypt", "--key", std::string(key)},
                                    ReadWhole(settings.path() / std::string(file)));
  EXPECT_EQ(result.exit_code, 0) << result.err;
  return OpenStorageText(result.out);
}

SavedProfiles ReadProfiles(const TempDir& settings) {
  SavedProfiles saved;
  Ref<IHierStorageRoot> root = Deciphered(settings, "users.dat", "profiles");
  if (!root) return saved;
  saved.current = root->GetValue("current_user_profile_name", Variant("")).ToText();
  for (int i = 0; i < root->GetChildCount("userprofile"); ++i)
    saved.names.push_back(root->GetChild("userprofile", i)->GetValue("name", Variant("")).ToText());
  return saved;
}

std::string Option(const TempDir& settings, std::string_view name) {
  Ref<IHierStorageRoot> root = Deciphered(settings, "options.dat", "options");
  return root ? root->GetChildText(name).ToText() : std::string();
}

// Runs the game up to that time of its clock.
void RunTo(DemoRun& run, int ms) { run.RunFrames(ms / kFrameMs - run.FramesRun()); }

// Runs the game to each step's time and checks the screen on top and the
// players' file as the content tool deciphers it.
struct PlayersStep {
  int ms;
  const char* top;
  std::vector<std::string> names;
  const char* current;
};

void ExpectPlayersAtEachStep(DemoRun& run, const TempDir& settings, std::span<const PlayersStep> steps) {
  for (const PlayersStep& step : steps) {
    SCOPED_TRACE(step.ms);
    RunTo(run, step.ms);
    EXPECT_EQ(run.Game().GetTopScreenName(), step.top);
    SavedProfiles saved = ReadProfiles(settings);
    EXPECT_EQ(saved.names, step.names);
    EXPECT_EQ(saved.current, step.current);
  }
}

std::string Greeting(DemoRun& run) {
  Ref<IGameScreenSlave> main = run.Game().GetScreens()->GetScreen(Variant("GS_Main"));
  return main->GetScreenWindow()->FindWidget("welcome_message")->GetProperty("text").ToText();
}

// Points of the demo's screens (content/game/data/screens/).
constexpr const char* kMenuPlayers = "252 706";
constexpr const char* kMenuOptions = "512 706";
constexpr const char* kRowCreate = "332 225";
constexpr const char* kRowFirstPlayer = "332 259";
constexpr const char* kProfilesOk = "392 604";
constexpr const char* kProfilesCreate = "688 230";
constexpr const char* kProfilesDelete = "688 306";
constexpr const char* kQuestionYes = "512 504";
constexpr const char* kScreenModeBox = "682 304";
constexpr const char* kWideScreenBox = "682 344";
constexpr const char* kNoticeOk = "512 510";

std::string Line(int ms, std::string_view action) { return std::to_string(ms) + " " + std::string(action) + "\n"; }

TEST(PlayerFlow, AFirstRunAsksForANameBeforeAnythingElseAndGreetsThePlayer) {
  TempDir settings;
  const std::string script = Line(6800, "key Escape") +  // no cancelling the first question
                             Line(7000, "text Zoëx") + Line(7300, "key Backspace") + Line(7600, "key Enter");
  DemoRun run(script, settings.path());
  ASSERT_TRUE(run.Started());
  RunTo(run, 6900);
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_NewUser_FirstRun");
  RunTo(run, 7400);
  auto* dialog = dynamic_cast<TGameScreenNewUser*>(
      run.Game().GetScreens()->GetScreen(Variant("GS_NewUser_FirstRun")).get());
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->GetTypedName(), "Zoë");
  EXPECT_FALSE(dialog->IsCancelAllowed());
  RunTo(run, 8800);
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_Main");
  EXPECT_THAT(Greeting(run), HasSubstr("Zoë"));
  // Kept at once, not only when the game ends.
  SavedProfiles saved = ReadProfiles(settings);
  EXPECT_THAT(saved.names, ElementsAre("Zoë"));
  EXPECT_EQ(saved.current, "Zoë");
  run.Finish();
  EXPECT_EQ(ReadProfiles(settings).current, "Zoë");
}

TEST(PlayerFlow, NamesInOtherScriptsSurviveTypingSavingAndTheNextStart) {
  const char* names[] = {"łukasz", "Олег", "李"};
  TempDir settings;
  {
    DemoRun run(Line(7000, std::string("text ") + names[0]) + Line(7500, "key Enter"), settings.path());
    RunTo(run, 8800);
    EXPECT_THAT(Greeting(run), HasSubstr(names[0]));
  }
  // The next start: two more players through the players' list.
  std::string script;
  int t = 7600;
  for (const char* name : {names[1], names[2]}) {
    script += Line(t, std::string("click ") + kMenuPlayers) + Line(t + 800, std::string("click ") + kRowCreate) +
              Line(t + 1600, std::string("text ") + name) + Line(t + 1900, "key Enter");
    t += 3200;
  }
  DemoRun again(script, settings.path());
  RunTo(again, 7000);
  EXPECT_THAT(Greeting(again), HasSubstr(names[0]));
  RunTo(again, t + 500);
  EXPECT_THAT(Greeting(again), HasSubstr(names[2]));
  again.Finish();
  SavedProfiles saved = ReadProfiles(settings);
  EXPECT_THAT(saved.names, ElementsAre(names[0], names[1], names[2]));
  EXPECT_EQ(saved.current, names[2]);
}

TEST(PlayerFlow, ASecondPlayerIsMadeTheFirstChosenAgainThenSaidGoodbyeTo) {
  TempDir settings;
  WriteDemoPlayers(settings.path(), {"Ann"});
  const std::string script =
      Line(7600, std::string("click ") + kMenuPlayers) + Line(8400, std::string("click ") + kRowCreate) +
      Line(9200, "text Bob") + Line(9500, "key Enter") +                              // Bob made and chosen
      Line(11000, std::string("click ") + kMenuPlayers) + Line(11800, std::string("click ") + kRowFirstPlayer) +
      Line(12300, std::string("click ") + kProfilesOk) +                              // Ann again
      Line(13500, std::string("click ") + kMenuPlayers) + Line(14300, std::string("click ") + kProfilesDelete) +
      Line(15100, std::string("click ") + kQuestionYes) +                             // goodbye, Ann
      Line(16000, "key Enter");
  DemoRun run(script, settings.path());
  ASSERT_TRUE(run.Started());
  const PlayersStep steps[] = {
      {9000, "GS_NewUser", {"Ann"}, "Ann"},
      {10500, "GS_Main", {"Ann", "Bob"}, "Bob"},
      {12000, "GS_UserProfiles", {"Ann", "Bob"}, "Bob"},  // chosen in the list, not yet confirmed
      {13200, "GS_Main", {"Ann", "Bob"}, "Ann"},
      {14800, "GS_QueryDeleteProfile", {"Ann", "Bob"}, "Ann"},
      {15900, "GS_UserProfiles", {"Bob"}, "Bob"},
      {16800, "GS_Main", {"Bob"}, "Bob"},
  };
  ExpectPlayersAtEachStep(run, settings, steps);
  EXPECT_THAT(Greeting(run), HasSubstr("Bob"));
}

TEST(PlayerFlow, ATakenNameIsRefusedWithAMessageAndAnEmptyOneCannotBeConfirmed) {
  TempDir settings;
  WriteDemoPlayers(settings.path(), {"Ann", "Zoë"});
  std::string script = Line(7600, std::string("click ") + kMenuPlayers) +
                       Line(8400, std::string("click ") + kProfilesCreate) + Line(9200, "key Enter") +  // empty
                       Line(9700, "text   ANN ") + Line(10000, "key Enter") + Line(10800, "key Escape");
  int t = 11200;
  for (int i = 0; i < 6; ++i, t += 50) script += Line(t, "key Backspace");
  script += Line(11600, "text ZOË") + Line(11900, "key Enter") + Line(12700, "key Enter");
  for (int i = 0; i < 3; ++i, t += 50) script += Line(13000 + 50 * i, "key Backspace");
  script += Line(13500, "text Cy") + Line(13800, "key Enter");
  DemoRun run(script, settings.path());
  ASSERT_TRUE(run.Started());
  RunTo(run, 9600);
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_NewUser");
  Ref<IWindow> dialog = run.Game().GetScreens()->GetScreen(Variant("GS_NewUser"))->GetScreenWindow();
  EXPECT_FALSE(dialog->FindWidget("button_ok")->IsEnabled());
  RunTo(run, 10600);
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_QueryNotUniqueName");
  Ref<IWindow> message = run.Game().GetScreens()->GetScreen(Variant("GS_QueryNotUniqueName"))->GetScreenWindow();
  EXPECT_EQ(message->FindWidget("text_user_name")->GetProperty("text").ToText(), "ANN");
  RunTo(run, 11100);
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_NewUser");  // the message went, the name dialog stayed
  RunTo(run, 12500);
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_QueryNotUniqueName");  // Zoë in capitals is Zoë
  RunTo(run, 14800);
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_Main");
  SavedProfiles saved = ReadProfiles(settings);
  EXPECT_THAT(saved.names, ElementsAre("Ann", "Zoë", "Cy"));
  EXPECT_EQ(saved.current, "Cy");
}

TEST(PlayerFlow, EachOptionSurvivesARestart) {
  TempDir settings;
  WriteDemoPlayers(settings.path(), {"Tester"});
  {
    // The music knob (volume 60) is taken at its middle and dragged left.
    DemoRun run(Line(7600, std::string("click ") + kMenuOptions) + Line(8400, std::string("click ") + kScreenModeBox) +
                    Line(8600, std::string("click ") + kWideScreenBox) + Line(8800, "down 597 378") +
                    Line(8900, "move 540 378") + Line(9000, "up 540 378") + Line(9500, "key Escape"),
                settings.path());
    RunTo(run, 9400);
    EXPECT_EQ(run.Game().GetTopScreenName(), "GS_Options");
    RunTo(run, 10200);
    EXPECT_EQ(run.Game().GetTopScreenName(), "GS_Main");
  }
  EXPECT_EQ(Option(settings, "FullScreenMode"), "yes");
  const std::string wide = Option(settings, "WideScreenMode");
  EXPECT_THAT(wide, ::testing::AnyOf("yes", "no"));
  EXPECT_EQ(Option(settings, "MusicVolume"), "35");

  DemoRun again(Line(7600, std::string("click ") + kMenuOptions), settings.path());
  RunTo(again, 8500);
  ASSERT_EQ(again.Game().GetTopScreenName(), "GS_Options");
  EXPECT_EQ(again.Engine().GetEngineParam("FullScreenMode").ToText(), "yes");
  EXPECT_EQ(again.Engine().GetEngineParam("MusicVolume").ToText(), "35");
  Ref<IWindow> options = again.Game().GetScreens()->GetScreen(Variant("GS_Options"))->GetScreenWindow();
  EXPECT_TRUE(options->FindWidget("checkbox_screenmode")->GetProperty("CheckBoxState").ToBool());
  EXPECT_EQ(options->FindWidget("trackbar_musicvolume")->GetProperty("position").ToInt(), 35);
}

// The options the first test leaves alone, each changed on its own page and
// found again by the next start: in the engine, on the page and in the file.
TEST(PlayerFlow, WideScreenAndTheSoundVolumeSurviveARestartToo) {
  struct Case {
    const char* option;
    std::string actions;  // on the open options page
    const char* saved;
    const char* widget;
    const char* property;
  };
  const Case cases[] = {
      {"WideScreenMode", Line(8400, std::string("click ") + kWideScreenBox), "yes", "checkbox_widescreenmode",
       "CheckBoxState"},
      // The sound knob (volume 80) taken near its middle and dragged to 15.
      {"SoundVolume", Line(8400, "down 640 428") + Line(8500, "move 500 428") + Line(8600, "up 500 428"), "15",
       "trackbar_soundvolume", "position"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    TempDir settings;
    WriteDemoPlayers(settings.path(), {"Tester"});
    {
      DemoRun run(Line(7600, std::string("click ") + kMenuOptions) + c.actions + Line(9500, "key Escape"),
                  settings.path());
      RunTo(run, 10200);
      EXPECT_EQ(run.Game().GetTopScreenName(), "GS_Main");
    }
    EXPECT_EQ(Option(settings, c.option), c.saved);

    DemoRun again(Line(7600, std::string("click ") + kMenuOptions), settings.path());
    RunTo(again, 8500);
    ASSERT_EQ(again.Game().GetTopScreenName(), "GS_Options");
    EXPECT_EQ(again.Engine().GetEngineParam(c.option).ToText(), c.saved);
    Ref<IWindow> options = again.Game().GetScreens()->GetScreen(Variant("GS_Options"))->GetScreenWindow();
    const Variant shown = options->FindWidget(c.widget)->GetProperty(c.property);
    EXPECT_EQ(std::string(c.saved) == "yes" ? std::string(shown.ToBool() ? "yes" : "no") : shown.ToText(), c.saved);
  }
}

// Enter and Escape answer the players' dialogs as OK and Cancel do, seen in
// the players' file after each answer: choosing, creating and deleting are
// kept by Enter and left undone by Escape.
TEST(PlayerFlow, EnterAndEscapeAreOkAndCancelInThePlayersDialogs) {
  constexpr const char* kRowSecondPlayer = "332 293";
  TempDir settings;
  WriteDemoPlayers(settings.path(), {"Ann", "Bob"});
  const std::string players = std::string("click ") + kMenuPlayers;
  const std::string script =
      Line(7600, players) + Line(8400, std::string("click ") + kRowSecondPlayer) + Line(8800, "key Escape") +
      Line(9600, players) + Line(10400, std::string("click ") + kRowSecondPlayer) + Line(10800, "key Enter") +
      Line(11600, players) + Line(12400, std::string("click ") + kProfilesCreate) + Line(13200, "text Cy") +
      Line(13500, "key Escape") + Line(14000, "key Escape") +
      Line(14800, players) + Line(15600, std::string("click ") + kProfilesCreate) + Line(16400, "text Cy") +
      Line(16700, "key Enter") +
      Line(17500, players) + Line(18300, std::string("click ") + kRowFirstPlayer) +
      Line(18700, std::string("click ") + kProfilesDelete) + Line(19500, "key Escape") +
      Line(20000, std::string("click ") + kProfilesDelete) + Line(20800, "key Enter") + Line(21500, "key Escape");
  DemoRun run(script, settings.path());
  ASSERT_TRUE(run.Started());
  const PlayersStep steps[] = {
      {9400, "GS_Main", {"Ann", "Bob"}, "Ann"},               // Bob chosen, then Escape: nothing kept
      {11400, "GS_Main", {"Ann", "Bob"}, "Bob"},              // Bob chosen, then Enter
      {13800, "GS_UserProfiles", {"Ann", "Bob"}, "Bob"},      // a name typed, then Escape
      {14600, "GS_Main", {"Ann", "Bob"}, "Bob"},
      {17300, "GS_Main", {"Ann", "Bob", "Cy"}, "Cy"},         // a name typed, then Enter
      {19400, "GS_QueryDeleteProfile", {"Ann", "Bob", "Cy"}, "Cy"},
      {19900, "GS_UserProfiles", {"Ann", "Bob", "Cy"}, "Cy"}, // Escape keeps Ann
      {21400, "GS_UserProfiles", {"Bob", "Cy"}, "Cy"},        // Enter says goodbye
      {22200, "GS_Main", {"Bob", "Cy"}, "Cy"},
  };
  ExpectPlayersAtEachStep(run, settings, steps);
}

// A new player whose save fails (a full disk) is told to the player, the
// file on disk keeps what it held, and the next save that works keeps the
// new player after all.
TEST(PlayerFlow, APlayerThatCannotBeSavedIsToldToThePlayer) {
  TempDir settings;
  WriteDemoPlayers(settings.path(), {"Ann"});
  const std::string script = Line(7600, std::string("click ") + kMenuPlayers) +
                             Line(8400, std::string("click ") + kProfilesCreate) + Line(9200, "text Cy") +
                             Line(9500, "key Enter") + Line(11000, std::string("click ") + kNoticeOk) +
                             Line(11800, std::string("click ") + kMenuPlayers) +
                             Line(12600, std::string("click ") + kProfilesOk);
  DemoRun run(script, settings.path());
  ASSERT_TRUE(run.Started());
  RunTo(run, 9400);
  {
    TFullDisk full;
    RunTo(run, 10300);
  }
  RunTo(run, 10800);
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_SaveNotice");
  SavedProfiles saved = ReadProfiles(settings);
  EXPECT_THAT(saved.names, ElementsAre("Ann"));
  EXPECT_EQ(saved.current, "Ann");
  RunTo(run, 11700);
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_Main");
  EXPECT_THAT(Greeting(run), HasSubstr("Cy"));
  RunTo(run, 13500);
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_Main");
  saved = ReadProfiles(settings);
  EXPECT_THAT(saved.names, ElementsAre("Ann", "Cy"));
  EXPECT_EQ(saved.current, "Cy");
}

}  // namespace
}  // namespace corvellane::testing
