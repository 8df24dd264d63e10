#include "tests/story_screens/screen_seeds.h"

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

void LiveScreenSeed(std::string_view file, std::string_view type) {
  SCOPED_TRACE(file);
  RegisterAllGameClasses();
  std::ifstream in(TestSourceDir() + "/fuzz/corpus/widget_fuzzer/" + std::string(file));
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  Ref<IHierStorageRoot> root = OpenStorageText(text, file);
  ASSERT_TRUE(root);
  Ref<TGameScreen> screen = QueryInterface<TGameScreen>(CreateFromStorage(root.get()));
  ASSERT_TRUE(screen);
  EXPECT_EQ(screen->GetTypeName(), type);
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

}  // namespace corvellane::testing
