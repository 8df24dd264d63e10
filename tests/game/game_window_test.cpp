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
#include "tests/support/x11_window_capture.h"

namespace corvellane::testing {
namespace {

// Pixels of the shown picture (0x00RRGGBB) that differ from the canvas.
int DifferingFromCanvas(const std::vector<uint32_t>& shown, DisplaySize size, const ISurface& canvas) {
  int differing = 0;
  for (int32_t y = 0; y < size.height; ++y)
    for (int32_t x = 0; x < size.width; ++x)
      differing += (shown[size_t(y) * size_t(size.width) + size_t(x)] & 0xFFFFFF) != (canvas.GetPixel(x, y) & 0xFFFFFF);
  return differing;
}

// The demo game in a real window, for the tests that run under the test
// entry that provides a virtual X server (CORVELLANE_WINDOW_TESTS); they skip
// elsewhere.
class GameWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("CORVELLANE_WINDOW_TESTS")) GTEST_SKIP() << "window tests run under xvfb-run only";
    setenv("CORVELLANE_SETTINGS_DIR", settings.path().c_str(), 1);
    ResetGlobalOptions();
    RegisterAllGameClasses();
    saved_cwd = std::filesystem::current_path();
    SetProgramFolder(TestGameDir() + "/");
    ResetResourceReader();
    engine = CreateEngine(platform, ProductEngineIdentity());
  }
  void TearDown() override {
    if (!engine) return;
    engine->Finish();
    engine = nullptr;
    ResetGlobalOptions();
    std::filesystem::current_path(saved_cwd);
  }
  void RunFrames(int frames) {
    engine->SetFrameLimit(engine->FramesRun() + frames);
    engine->Run();
  }

  TempDir settings;
  std::filesystem::path saved_cwd;
  TSdlPlatform platform;
  Ref<TEngine> engine;
};

// The logo card, once it has faded in, shown pixel for pixel. Frames are
// paced by real time, so the card is waited for (a loaded machine runs fewer
// frames a second) rather than expected after a fixed count.
TEST_F(GameWindow, TheDemoGamePresentsItsCanvasInARealWindow) {
  ASSERT_TRUE(engine->Start(product::GameDefinitionFile));
  DisplaySize shown;
  std::vector<uint32_t> pixels;
  int lit = 0;
  while (engine->FramesRun() < 600 && lit <= 1024 * 768 / 2) {
    RunFrames(10);
    pixels = platform.ReadBackPixels(shown);
    lit = 0;
    for (uint32_t pixel : pixels) lit += (pixel & 0xFFFFFF) != 0;
  }
  EXPECT_EQ(platform.GetDisplayMode(), DisplayMode::Windowed);
  const ISurface& canvas = engine->Canvas();
  ASSERT_EQ(shown.width, canvas.GetWidth());
  ASSERT_EQ(shown.height, canvas.GetHeight());
  EXPECT_EQ(shown.width, 1024);
  EXPECT_EQ(shown.height, 768);
  EXPECT_EQ(DifferingFromCanvas(pixels, shown, canvas), 0);
  // And the game had drawn something: the logo card.
  EXPECT_GT(lit, shown.width * shown.height / 2);
}

// Alt+Enter where the desktop refuses full screen (this virtual server has
// no window manager, like a kiosk session): the window stays 1024 x 768 and
// shows the whole canvas, pixel for pixel, and the mouse still points at
// what it is over. A second Alt+Enter asks for full screen again.
TEST_F(GameWindow, AltEnterOnADesktopThatRefusesFullScreenKeepsThePictureAndTheMouseInTheWindow) {
  ASSERT_TRUE(engine->Start(product::GameDefinitionFile));
  RunFrames(60);
  SDL_Event alt_enter{};
  alt_enter.key.type = SDL_KEYDOWN;
  alt_enter.key.keysym.sym = SDLK_RETURN;
  alt_enter.key.keysym.mod = KMOD_LALT;
  ASSERT_EQ(SDL_PushEvent(&alt_enter), 1);
  RunFrames(30);

  DisplaySize shown_size;
  std::vector<uint32_t> shown = CaptureShownWindow(platform.Window(), shown_size);
  const ISurface& canvas = engine->Canvas();
  if (shown_size == platform.GetDesktopSize()) GTEST_SKIP() << "this desktop granted full screen";
  EXPECT_EQ(engine->GetEngineParam("FullScreenMode").ToText(), "no") << "the mode in effect";
  ASSERT_EQ(shown_size, (DisplaySize{canvas.GetWidth(), canvas.GetHeight()}));
  EXPECT_EQ(DifferingFromCanvas(shown, shown_size, canvas), 0);

  SDL_WarpMouseInWindow(platform.Window(), 300, 200);
  RunFrames(5);
  EXPECT_EQ(engine->GetCursorPos(), (TPoint{300, 200}));
}

}  // namespace
}  // namespace corvellane::testing
