#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/platform/sdl_platform.h"
#include "tests/support/x11_window_capture.h"

namespace corvellane {
namespace {

// These tests open real windows. They run in the test entry that provides a
// virtual X server (it sets CORVELLANE_WINDOW_TESTS) and skip elsewhere, so
// the main suites never depend on the developer's desktop.
class SdlWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("CORVELLANE_WINDOW_TESTS")) GTEST_SKIP() << "window tests run under xvfb-run only";
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) FAIL() << "no display although one was promised";
    platform = std::make_unique<TSdlPlatform>();
    ASSERT_TRUE(platform->OpenWindow("Corvellane test", {64, 48}));
    ASSERT_TRUE(platform->SetDisplayMode(DisplayMode::Windowed));
  }

  // Left half red, right half blue, one green pixel at (10, 20).
  void PresentTestCanvas() {
    canvas.assign(64 * 48, 0);
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 64; ++x) canvas[size_t(y * 64 + x)] = x < 32 ? 0xFFFF0000u : 0x000000FFu;  // alpha ignored
    }
    canvas[20 * 64 + 10] = 0xFF00FF00u;
    platform->Present({canvas, 64, 48, 64});
  }

  PlatformEvent Translate(const SDL_Event& sdl) {
    PlatformEvent e;
    EXPECT_TRUE(platform->TranslateEvent(sdl, e));
    return e;
  }

  static SDL_Event Key(Uint32 type, SDL_Keycode sym, Uint16 mod) {
    SDL_Event e{};
    e.key.type = type;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    return e;
  }

  std::unique_ptr<TSdlPlatform> platform;
  std::vector<uint32_t> canvas;
};

TEST_F(SdlWindow, PresentsTheCanvasInAWindowOfTheLogicalSize) {
  PresentTestCanvas();
  DisplaySize size;
  std::vector<uint32_t> pixels = platform->ReadBackPixels(size);
  ASSERT_EQ(size, (DisplaySize{64, 48}));
  EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(pixels[63] & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(pixels[20 * 64 + 10] & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(platform->GetLayout().output, (TRect{0, 0, 64, 48}));
}

// Full screen as the desktop really grants it: with a window manager the
// window covers the desktop and the picture sits whole between black bars;
// without one (this virtual server, a kiosk session) the window stays as it
// was, and the picture and the mouse must stay with it. Either way, what the
// X server shows is the canvas placed by the layout for the window's real
// size, and a point of the window maps to the logical point shown there.
TEST_F(SdlWindow, WideFullScreenShowsTheWholePictureInTheWindowTheDesktopReallyGives) {
  ASSERT_TRUE(platform->SetDisplayMode(DisplayMode::WideFullScreen));
  // A few frames, as the game would run them, while the desktop settles.
  for (int frame = 0; frame < 10; ++frame) {
    PlatformEvent e;
    while (platform->PollEvent(e)) {
    }
    PresentTestCanvas();
    SDL_Delay(20);
  }
  DisplaySize real;
  std::vector<uint32_t> shown = testing::CaptureShownWindow(platform->Window(), real);
  ASSERT_FALSE(shown.empty());
  const DisplayLayout& layout = platform->GetLayout();
  ASSERT_EQ(layout.area, real) << "the layout follows the window the server shows";
  if (real == platform->GetDesktopSize()) {
    EXPECT_EQ(platform->GetDisplayMode(), DisplayMode::WideFullScreen);
  } else {
    EXPECT_EQ(platform->GetDisplayMode(), DisplayMode::Windowed) << "a refused full screen is a window again";
    EXPECT_EQ(real, (DisplaySize{64, 48}));
  }
  auto at = [&](int x, int y) { return shown[size_t(y) * size_t(real.width) + size_t(x)]; };
  for (const TRect& bar : layout.bars) EXPECT_EQ(at(bar.left, bar.top), 0u);
  const TRect& out = layout.output;
  EXPECT_EQ(at(out.left + 2, out.top + 2), 0xFF0000u);
  EXPECT_EQ(at(out.right - 3, out.bottom - 3), 0x0000FFu);
  // The middle of the green logical pixel (scaled up, its edges blend).
  const TPoint corner = MapLogicalToArea(layout, {10, 20});
  const TPoint beyond = MapLogicalToArea(layout, {11, 21});
  const TPoint green{(corner.x + beyond.x) / 2, (corner.y + beyond.y) / 2};
  const uint32_t middle = at(green.x, green.y);
  EXPECT_TRUE((middle >> 8 & 0xFF) > 0xE0 && (middle >> 16) < 0x20 && (middle & 0xFF) < 0x20) << std::hex << middle;
  SDL_Event motion{};
  motion.motion.type = SDL_MOUSEMOTION;
  motion.motion.x = green.x;
  motion.motion.y = green.y;
  EXPECT_EQ(Translate(motion).position, (TPoint{10, 20}));
  ASSERT_TRUE(platform->SetDisplayMode(DisplayMode::Windowed));
}

TEST_F(SdlWindow, TranslatesMouseKeysTextAndAltShortcuts) {
  SDL_Event motion{};
  motion.motion.type = SDL_MOUSEMOTION;
  motion.motion.x = 12;
  motion.motion.y = 34;
  PlatformEvent e = Translate(motion);
  EXPECT_EQ(e.type, EventType::MouseMove);
  EXPECT_EQ(e.position, (TPoint{12, 34}));

  SDL_Event button{};
  button.button.type = SDL_MOUSEBUTTONDOWN;
  button.button.button = SDL_BUTTON_RIGHT;
  button.button.x = 5;
  button.button.y = 6;
  e = Translate(button);
  EXPECT_EQ(std::tuple(e.type, e.button), std::tuple(EventType::MouseDown, MouseButton::Right));
  button.button.type = SDL_MOUSEBUTTONUP;
  EXPECT_EQ(Translate(button).type, EventType::MouseUp);

  const std::pair<SDL_Keycode, KeyCode> keys[] = {{SDLK_RETURN, KeyCode::Enter}, {SDLK_ESCAPE, KeyCode::Escape},
                                                  {SDLK_q, KeyCode('Q')},        {SDLK_7, KeyCode('7')},
                                                  {SDLK_F5, FunctionKey(5)},     {SDLK_LEFT, KeyCode::Left}};
  for (auto [sym, code] : keys) {
    e = Translate(Key(SDL_KEYDOWN, sym, KMOD_NONE));
    EXPECT_EQ(std::tuple(e.type, e.key), std::tuple(EventType::KeyDown, code)) << sym;
    EXPECT_EQ(Translate(Key(SDL_KEYUP, sym, KMOD_NONE)).type, EventType::KeyUp);
  }

  SDL_Event text{};
  text.text.type = SDL_TEXTINPUT;
  std::snprintf(text.text.text, sizeof text.text.text, "é");
  e = Translate(text);
  EXPECT_EQ(std::tuple(e.type, e.text), std::tuple(EventType::Text, std::string("é")));

  for (auto [sym, code] : {std::pair{SDLK_RETURN, KeyCode::Enter}, std::pair{SDLK_f, KeyCode('F')},
                           std::pair{SDLK_r, KeyCode('R')}}) {
    e = Translate(Key(SDL_KEYDOWN, sym, KMOD_LALT));
    EXPECT_EQ(std::tuple(e.type, e.key), std::tuple(EventType::AltKey, code));
    PlatformEvent ignored;
    EXPECT_FALSE(platform->TranslateEvent(text, ignored));  // the letter Alt+F would type
    EXPECT_FALSE(platform->TranslateEvent(Key(SDL_KEYUP, sym, KMOD_LALT), ignored));
  }
  EXPECT_EQ(Translate(text).type, EventType::Text);  // typing works again afterwards
}

TEST_F(SdlWindow, ClosingTheWindowIsARequest) {
  SDL_Event close{};
  close.window.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  EXPECT_EQ(Translate(close).type, EventType::CloseRequest);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  EXPECT_EQ(Translate(quit).type, EventType::CloseRequest);
}

}  // namespace
}  // namespace corvellane
