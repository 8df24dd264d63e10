// game_test_support.h: a game definition in a temporary program folder, run
// on the real engine over the headless platform, with stand-in screens that
// record what the game asks of them.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "game/game.h"
#include "shell/global_options.h"
#include "tests/support/temp_dir.h"
#include "widgets/game_screen_owner_interface.h"
#include "widgets/game_screen_slave_interface.h"

namespace corvellane::testing {

// "test_screen": a screen of the rectangle "left top right bottom" that takes
// "hide_frames" advances to disappear after Close (0: at once).
class TTestScreen : public TPersistObject, public virtual IGameScreenSlave {
 public:
  void LoadProperties(IHierStorage* node) override;

  void SetOwner(IGameScreenOwner* owner) override { owner_ = owner; }
  void ClearOwner() override { owner_ = nullptr; }
  void Open(Ref<IParamCollection> parameters) override;
  void Close() override;
  void Activate() override { Log("activate"); }
  void Deactivate() override { Log("deactivate"); }
  void Advance(int32_t elapsed_ms) override;
  void Draw(ISurface* surface, int32_t x, int32_t y) override;
  TRect GetScreenRect() override { return rect_; }
  void SetAppActive(bool) override {}
  bool MouseEvent(const PlatformEvent& event) override;
  bool KeyEvent(const PlatformEvent&) override { return false; }
  void ChildClosed(std::string_view name, Ref<IParamCollection> result) override;
  Ref<IWindow> GetScreenWindow() override { return nullptr; }
  Ref<IWidget> GetWindowWidget() override { return nullptr; }
  void EndFrame() override {}
  bool IsOpen() override { return open_; }

  IGameScreenOwner* Owner() const { return owner_; }
  Ref<IParamCollection> OpenParameters() const { return parameters_; }
  int draws = 0;
  int advances = 0;
  // Closes itself after this many advances (0: never).
  int close_after = 0;
  // Entries like "GS_A:open", shared by all screens of a game.
  static std::vector<std::string>& Journal();

 private:
  void Log(const std::string& what);
  IGameScreenOwner* owner_ = nullptr;
  TRect rect_{0, 0, 100, 100};
  uint32_t colour_ = 0xFF000000;
  int hide_frames_ = 0;
  int hiding_left_ = 0;
  bool open_ = false;
  Ref<IParamCollection> parameters_;
};

void RegisterTestScreen();

// A program folder holding the game definition (plain XML), and an engine
// running it headless. The settings folder (and so the options store) is
// "settings" in the same temporary folder; a second GameRun on the same
// folder sees what the first one stored.
class GameRun {
 public:
  explicit GameRun(std::string_view game_xml, const TempDir* shared_folder = nullptr);
  ~GameRun();

  bool Start();
  // Runs this many frames of the engine's loop (events first, as the loop does).
  void RunFrames(int frames);
  TGame& Game();
  TTestScreen& Screen(std::string_view name);
  TEngine& Engine() { return *engine_; }
  THeadlessPlatform& Platform() { return *platform_; }
  // The options store of this run's settings folder.
  std::string OptionsPath() const { return dir_.File("settings/options.dat"); }
  std::vector<std::string> ShownNames();

 private:
  TempDir own_dir_;
  const TempDir& dir_;
  std::filesystem::path saved_cwd_;
  std::string saved_program_folder_;
  std::unique_ptr<THeadlessPlatform> platform_;
  Ref<TEngine> engine_;
};

}  // namespace corvellane::testing
