// bench_game.h: the demo game started in a program folder and run frame by
// frame on the headless platform, for the benchmarks that measure whole
// frames of the game (update, dirty pass, drawing, the headless present).
//
//   PrepareBenchProcess();                       // once: classes, texts, reader
//   BenchGame game(CORVELLANE_GAME_DIR);         // the demo, a fresh settings folder
//   game.RunFrames(480);
//   BenchGame play(CORVELLANE_GAME_DIR, "8000 click 252 630\n", {"Tester"});
//
// With player names the settings folder knows those players (the first one
// current), so the main screen asks for no name. Frames are 16 ms of
// virtual time; the script's times are milliseconds of that time.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "game/game.h"

namespace corvellane {

inline constexpr double kFramePeriodMs = 8.0;
inline constexpr int kBenchFrameMs = 16;

// Class registry, language texts, archives: what the program sets up once.
void PrepareBenchProcess();

class BenchGame {
 public:
  explicit BenchGame(const std::string& program_folder, std::string_view script = {},
                     const std::vector<std::string>& players = {});
  ~BenchGame();
  BenchGame(const BenchGame&) = delete;
  BenchGame& operator=(const BenchGame&) = delete;

  bool Started() const { return started_; }
  void RunFrames(int frames);
  // Runs the game up to that time of its clock.
  void RunTo(int ms) { RunFrames(ms / kBenchFrameMs - FramesRun()); }
  int FramesRun() const { return engine_->FramesRun(); }
  TGame& Game();

 private:
  std::unique_ptr<THeadlessPlatform> platform_;
  Ref<TEngine> engine_;
  bool started_ = false;
};

}  // namespace corvellane
