// demo_run.h: the demo game from the build's program folder, run headless
// frame by frame with an input script, for tests that look at its frames.
//
// The demo asks a first-time player for a name before its menu; a run gets a
// settings folder in which a player ("Tester") is already known, unless it
// is given a settings folder of its own (an empty one is a first run):
//
//   DemoRun visit(script);                       // Tester is playing
//   TempDir settings;
//   DemoRun first(script, settings.path());      // the name dialog comes first
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "game/game.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {

class DemoRun {
 public:
  // The script's times are milliseconds of game time (16 ms a frame).
  // With an audio file, the mixed sound of the run is written there.
  explicit DemoRun(std::string_view input_script = {}, std::string audio_out = {});
  // The settings folder is used as it is, and kept after the run.
  DemoRun(std::string_view input_script, const std::filesystem::path& settings_folder);
  ~DemoRun();

  bool Started() const { return started_; }
  void RunFrames(int frames);
  // Ends the run (and closes the audio file) before the checks read it.
  void Finish();
  // Runs frames until the screen is on top (at most the limit); the frames run.
  int RunUntilTopScreen(std::string_view name, int limit);
  int FramesRun() const { return engine_->FramesRun(); }
  TEngine& Engine() { return *engine_; }
  TGame& Game();
  // The whole game drawn afresh into a new canvas of the game's size.
  Ref<ISurface> FullRedraw();

 private:
  void Start(std::string_view input_script, std::string audio_out, const std::filesystem::path& settings_folder);

  TempDir settings_;
  std::filesystem::path saved_cwd_;
  std::string saved_program_folder_;
  std::unique_ptr<THeadlessPlatform> platform_;
  Ref<TEngine> engine_;
  bool started_ = false;
};

// Writes "users.dat" into the settings folder, enciphered as the game keeps
// it: the players of those names, the first one current.
void WriteDemoPlayers(const std::filesystem::path& settings_folder, const std::vector<std::string>& names);

// Pixels that differ between two canvases of the same size (-1: sizes differ).
int CountDifferentPixels(const ISurface& a, const ISurface& b);

}  // namespace corvellane::testing
