#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "engine/engine.h"
#include "engine/platform/sdl_platform.h"
#include "engine/resource_reader.h"
#include "game/class_list.h"
#include "game/product_identity.h"
#include "persistence/paths.h"
#include "shell/declarations.h"
#include "shell/global_options.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_folders.h"

namespace corvellane::testing {
namespace {

// The demo game in a real window: it runs under the test entry that provides
// a virtual X server (CORVELLANE_WINDOW_TESTS) and skips elsewhere.
TEST(GameWindow, TheDemoGamePresentsItsCanvasInARealWindow) {
  if (!std::getenv("CORVELLANE_WINDOW_TESTS")) GTEST_SKIP() << "window tests run under xvfb-run only";
  const std::string game_dir = TestGameDir();
  TempDir settings;
  setenv("CORVELLANE_SETTINGS_DIR", settings.path().c_str(), 1);
  ResetGlobalOptions();
  RegisterAllGameClasses();
  const std::filesystem::path saved_cwd = std::filesystem::current_path();
  SetProgramFolder(game_dir + "/");
  ResetResourceReader();

  TSdlPlatform platform;
  Ref<TEngine> engine = CreateEngine(platform, ProductEngineIdentity());
  ASSERT_TRUE(engine->Start(product::GameDefinitionFile));
  engine->SetFrameLimit(120);  // the logo card fades in over 0.7 s of real time
  engine->Run();
  // Loading behind the loading screen runs frames of its own.
  EXPECT_GE(engine->FramesRun(), 120);
  EXPECT_EQ(platform.GetDisplayMode(), DisplayMode::Windowed);

  DisplaySize shown;
  std::vector<uint32_t> pixels = platform.ReadBackPixels(shown);
  const ISurface& canvas = engine->Canvas();
  ASSERT_EQ(shown.width, canvas.GetWidth());
  ASSERT_EQ(shown.height, canvas.GetHeight());
  EXPECT_EQ(shown.width, 1024);
  EXPECT_EQ(shown.height, 768);
  int differing = 0;
  for (int32_t y = 0; y < shown.height; ++y)
    for (int32_t x = 0; x < shown.width; ++x)
      differing += (pixels[size_t(y) * size_t(shown.width) + size_t(x)] & 0xFFFFFF) != (canvas.GetPixel(x, y) & 0xFFFFFF);
  EXPECT_EQ(differing, 0);
  // And the game had drawn something by then: the logo card.
  int lit = 0;
  for (uint32_t pixel : pixels) lit += (pixel & 0xFFFFFF) != 0;
  EXPECT_GT(lit, shown.width * shown.height / 2);

  engine->Finish();
  engine = nullptr;
  ResetGlobalOptions();
  std::filesystem::current_path(saved_cwd);
}

}  // namespace
}  // namespace corvellane::testing
