// screen_game_fixture.h: game screens loaded from a game definition and run
// inside the real game on the headless engine.
//
// "test_box" (tests/widgets/test_widgets.h) paints its rectangle and keeps
// the input it received; "recording_screen" is a TGameScreen that notes its
// hooks; "CursorGame" is the real game with a cursor list of two names, so
// the screens' cursor choice can be seen.
//
//   ScreenGameTest::SetUp runs the first frame: the main screen is open
//   (GameXml names the game; a fixture of its own overrides it).
//   Game().ShowScreen("GS_Dialog", nullptr);
//   RunFrames(3);
//   EXPECT_TRUE(CanvasMatchesFullRedraw());
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/sound_manager_interface.h"
#include "screens/game_screen.h"
#include "screens/screen_cursors_interface.h"
#include "tests/game/game_test_support.h"
#include "tests/support/pixel_match.h"
#include "tests/widgets/test_widgets.h"

namespace corvellane::testing {

class TRecordingScreen : public TGameScreen {
 public:
  // "opened 120": OnOpened after that many ms of frames since Open;
  // "params 1" from ApplyOpenParams; "event button_x 1"; "child GS_X
  // Button=button_yes" when a screen above it closed, with its result.
  std::vector<std::string> log;
  int32_t ms_since_open = 0;

  void Open(Ref<IParamCollection> parameters) override {
    ms_since_open = 0;
    TGameScreen::Open(std::move(parameters));
  }
  void Advance(int32_t elapsed_ms) override {
    ms_since_open += elapsed_ms;
    TGameScreen::Advance(elapsed_ms);
  }
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override {
    log.push_back("event " + sender->GetName() + " " + std::to_string(code));
  }
  void ChildClosed(std::string_view name, Ref<IParamCollection> result) override {
    TGameScreen::ChildClosed(name, result);
    std::string entry = "child " + std::string(name);
    for (int i = 0; result && i < result->Count(); ++i)
      if (Ref<IParam> param = result->GetParam(Variant(i)))
        entry += " " + param->GetName() + "=" + param->GetParamValue().ToText();
    log.push_back(entry);
  }

 protected:
  void ApplyOpenParams(IParamCollection* parameters) override {
    log.push_back("params " + std::to_string(parameters ? parameters->Count() : 0));
  }
  void OnOpened(IParamCollection* parameters) override {
    TGameScreen::OnOpened(parameters);
    log.push_back("opened " + std::to_string(ms_since_open));
  }
};

class TCursorGame : public TGame, public virtual IScreenCursors {
 public:
  std::string GetCurrentCursorName() override { return current_; }
  bool SelectCursor(std::string_view name) override {
    if (name != "cursor_arrow" && name != "cursor_hand") return false;
    current_ = std::string(name);
    return true;
  }
  std::string GetDefaultCursorName() override { return "cursor_arrow"; }

 private:
  std::string current_;
};

// The engine's sound pass-through as a log: "sound sound_show_window",
// "music music_background", "stop music music_background".
class TSoundLog : public TAbstractObject, public virtual ISoundManager {
 public:
  std::vector<std::string> log;

  ChannelHandle PlayMusic(IObject* music) override { return Note("music", music); }
  void StopMusic(IObject* music) override { Note("stop music", music); }
  ChannelHandle PlaySound(IObject* sound) override { return Note("sound", sound); }
  void StopSound(IObject* sound) override { Note("stop sound", sound); }

  bool Initialise(IResourceCollection*, TMixer*) override { return true; }
  void Shutdown() override {}
  bool IsInitialised() const override { return true; }
  void SetGroupSource(std::function<std::string()>) override {}
  void Update(int32_t) override {}
  bool IsEnabled() const override { return true; }
  void SetEnabled(bool) override {}
  void SetAppActive(bool) override {}
  void SetMusicVolume(const Variant&) override {}
  void SetSoundVolume(const Variant&) override {}
  int32_t GetMusicVolume() const override { return 100; }
  int32_t GetSoundVolume() const override { return 100; }
  void FadeMusicDown(int32_t) override {}
  void FadeMusicUp(int32_t) override {}
  void StopAllSounds() override {}
  void StopGroup(std::string_view) override {}
  void PauseGroup(std::string_view) override {}
  void ResumeGroup(std::string_view) override {}
  bool IsChannelPlaying(ChannelHandle) const override { return false; }

 private:
  ChannelHandle Note(const std::string& what, IObject* definition) {
    auto* named = dynamic_cast<INamedObject*>(definition);
    log.push_back(what + " " + (named ? named->GetName() : "?"));
    return 1;
  }
};

void RegisterScreenTestClasses();

class ScreenGameTest : public ::testing::Test {
 public:
  static constexpr int32_t kWidth = 320;
  static constexpr int32_t kHeight = 240;

  void SetUp() override;
  // The game definition the test runs; fixtures of their own screens
  // override it.
  virtual std::string GameXml() const;

  TGame& Game() { return run_->Game(); }
  TEngine& Engine() { return run_->Engine(); }
  std::vector<std::string> ShownNames() { return run_->ShownNames(); }
  void RunFrames(int frames) { run_->RunFrames(frames); }
  // Runs frames one by one, each checked against a full redraw.
  void RunCheckedFrames(int frames);
  template <class T = TGameScreen>
  T& Screen(std::string_view name) {
    auto* screen = dynamic_cast<T*>(Game().GetScreens()->GetScreen(Variant(name)).get());
    if (!screen) throw std::runtime_error("no screen " + std::string(name));
    return *screen;
  }
  Ref<TTestBox> Box(std::string_view screen, std::string_view path) {
    return QueryInterface<TTestBox>(Screen(screen).FindWidget(path));
  }
  // A click (press and release) given to the game, as the engine would.
  bool Click(TPoint at);
  bool KeyUp(KeyCode key);
  // Down and up, as a key press of the player.
  void Press(KeyCode key);
  // Typed text, as the platform delivers it.
  void Type(std::string_view utf8);
  uint32_t CanvasPixel(int32_t x, int32_t y) { return Engine().Canvas().GetPixel(x, y); }
  bool CanvasShows(TPoint at, uint32_t colour) { return PixelsMatch(CanvasPixel(at.x, at.y), colour); }
  // The canvas the engine kept through the reported rectangles against the
  // whole game drawn afresh (pixel_match.h: blending may differ by a step).
  ::testing::AssertionResult CanvasMatchesFullRedraw();

 private:
  std::unique_ptr<GameRun> run_;
};

}  // namespace corvellane::testing
