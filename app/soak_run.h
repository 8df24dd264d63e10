// soak_run.h: the game's soak mode, "corvellane --soak SECONDS [--seed N]":
// SECONDS of game time, headless, with the random input of MakeSoakScript
// (engine/platform/soak_input.h), and a report of the process's memory at
// the end.
//
// When the random input ends the game (Quit on the menu, then Leave), the
// game is started again for the time that is left, so every soak covers its
// whole length; the starts are counted in the report. A start that fails
// ends the soak with the game's exit status.
//
// Memory is sampled once a second of game time. The first half of the soak
// is its warm-up (screens, pictures and sounds are loaded for the first
// time, the play screen's scenes among them); after it, the resident memory
// should stay flat:
//
//   soak: 1800 s of game time, 1 start, 4112 events; resident memory after
//   the warm-up 71234 kB, highest since 71480 kB, at the end 71300 kB;
//   peak 80020 kB
//
//   TSoakRun soak(seconds * 1000);
//   int status = soak.Run([&](std::vector<ScriptEvent> script, ClockWatch watch) {
//     ... run the game headless with the script, calling watch at each clock step ...
//     return SoakStint{exit_status, game_ms_played};
//   });
//   std::cout << soak.Report() << "\n";
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/platform/input_script.h"

namespace corvellane {

struct SoakStint {
  int exit_status = 0;
  uint32_t game_ms = 0;  // game time the start ran for
};

using ClockWatch = std::function<void(uint32_t now_ms)>;
using SoakStintRunner = std::function<SoakStint(std::vector<ScriptEvent> script, ClockWatch watch)>;

class TSoakRun {
 public:
  explicit TSoakRun(uint32_t length_ms);

  // The exit status: 0 when the whole length ran.
  int Run(const SoakStintRunner& run_stint);
  std::string Report() const;

 private:
  void Sample(uint32_t soak_ms);

  uint32_t length_ms_;
  uint32_t warm_up_ms_;
  uint32_t played_ms_ = 0;
  uint32_t next_sample_ms_ = 0;
  int starts_ = 0;
  size_t events_ = 0;
  uint64_t after_warm_up_kb_ = 0;
  uint64_t highest_since_kb_ = 0;
  uint64_t last_kb_ = 0;
};

}  // namespace corvellane
