// Enter and Escape are OK and Cancel on every dialog of the demo: each is
// shown over the main menu, answered by a key, and gone again.
#include <gtest/gtest.h>

#include "persistence/object_io.h"
#include "tests/game/demo_run.h"

namespace corvellane::testing {
namespace {

void Press(DemoRun& run, KeyCode key) {
  PlatformEvent event;
  event.key = key;
  for (EventType type : {EventType::KeyDown, EventType::KeyUp}) {
    event.type = type;
    run.Game().KeyEvent(event);
  }
}

void Type(DemoRun& run, std::string_view text) {
  PlatformEvent event;
  event.type = EventType::Text;
  event.text = std::string(text);
  run.Game().KeyEvent(event);
}

TEST(DialogKeys, EnterAndEscapeAnswerEveryDialog) {
  struct Case {
    const char* screen;
    const char* params;
    const char* typed;
    KeyCode key;
  };
  const Case cases[] = {
      {"GS_Options", "", "", KeyCode::Escape},
      {"GS_Options", "", "", KeyCode::Enter},
      {"GS_UserProfiles", "", "", KeyCode::Escape},
      {"GS_UserProfiles", "", "", KeyCode::Enter},
      {"GS_ComingSoon", "", "", KeyCode::Escape},
      {"GS_ComingSoon", "", "", KeyCode::Enter},
      {"GS_QueryDeleteProfile", "\\user_name=Tester", "", KeyCode::Escape},
      {"GS_QueryNotUniqueName", "", "", KeyCode::Enter},
      {"GS_QueryNotUniqueName", "", "", KeyCode::Escape},
      {"GS_NewUser", "", "", KeyCode::Escape},
      {"GS_NewUser", "", "Dee", KeyCode::Enter},
      {"GS_Quit", "", "", KeyCode::Escape},
      {"GS_SaveNotice", "", "", KeyCode::Enter},
      {"GS_SaveNotice", "", "", KeyCode::Escape},
  };
  DemoRun run;
  ASSERT_TRUE(run.Started());
  run.RunUntilTopScreen("GS_Main", 1000);
  run.RunFrames(120);
  ASSERT_EQ(run.Game().GetTopScreenName(), "GS_Main");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.screen) + (c.key == KeyCode::Enter ? " Enter" : " Escape"));
    Ref<IParamCollection> params = *c.params ? CreateObject<TParamCollection>(c.params) : nullptr;
    ASSERT_TRUE(run.Game().ShowScreen(c.screen, params));
    run.RunFrames(40);
    if (*c.typed) Type(run, c.typed);
    Press(run, c.key);
    run.RunFrames(40);
    EXPECT_EQ(run.Game().GetTopScreenName(), "GS_Main");
  }
  // The name typed last became the player; none of the answers deleted one.
  EXPECT_EQ(run.Game().GetUserProfiles()->GetCurrentProfile()->GetName(), "Dee");
  EXPECT_EQ(run.Game().GetUserProfiles()->Count(), 2);
}

TEST(DialogKeys, EscapeOnTheMenuAsksBeforeLeavingAndEnterThereLeaves) {
  DemoRun run;
  run.RunUntilTopScreen("GS_Main", 1000);
  run.RunFrames(120);
  Press(run, KeyCode::Escape);
  run.RunFrames(30);
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_Quit");
  const int before = run.FramesRun();
  Press(run, KeyCode::Enter);
  run.RunFrames(30);  // the game ends: no frame runs any more
  EXPECT_LE(run.FramesRun(), before + 1);
}

}  // namespace
}  // namespace corvellane::testing
