// The widget fuzzer's seeds of the screens after a level load into the
// screen classes they name and live as the fuzzer gives them a life: with no
// game above them, no story and no open parameters, they open, run, take
// clicks and keys, and close without a fault. So the fuzzer starts from
// these screens, not from text that loads nothing.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "game/class_list.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "screens/game_screen.h"
#include "tests/support/test_folders.h"

namespace corvellane::testing {
namespace {

struct Seed {
  const char* file;
  const char* type;
};

TEST(AfterLevelSeeds, EachLoadsItsScreenAndLivesWithoutAGame) {
  RegisterAllGameClasses();
  const Seed seeds[] = {
      {"gamescreen_level_stat.xml", "CorvellaneGameScreenLevelStat"},
      {"gamescreen_game_menu.xml", "CorvellaneGameScreenMenu"},
      {"gamescreen_high_scores.xml", "CorvellaneGameScreenHighScores"},
  };
  for (const Seed& seed : seeds) {
    std::ifstream file(TestSourceDir() + "/fuzz/corpus/widget_fuzzer/" + seed.file);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    Ref<IHierStorageRoot> root = OpenStorageText(text, seed.file);
    ASSERT_TRUE(root) << seed.file;
    Ref<TGameScreen> screen = QueryInterface<TGameScreen>(CreateFromStorage(root.get()));
    ASSERT_TRUE(screen) << seed.file;
    EXPECT_EQ(screen->GetTypeName(), seed.type);
    screen->SetOwner(nullptr);
    screen->Open(nullptr);
    for (int frame = 0; frame < 20; ++frame) screen->Advance(16);
    for (TPoint point : {TPoint{10, 20}, TPoint{30, 62}, TPoint{200, 200}}) {
      screen->MouseEvent({.type = EventType::MouseDown, .position = point, .button = MouseButton::Left});
      screen->MouseEvent({.type = EventType::MouseUp, .position = point, .button = MouseButton::Left});
    }
    screen->KeyEvent({.type = EventType::KeyDown, .key = KeyCode::Escape});
    screen->Close();
    screen->Advance(1000);
    screen->ClearOwner();
  }
}

}  // namespace
}  // namespace corvellane::testing
