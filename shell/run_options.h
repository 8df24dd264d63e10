// run_options.h: how the player (or a test) asks the game to run.
//
// Beside the shell's own first-argument options (command_line.h) the game
// takes these, in any order:
//
//   --headless            no window and no audio device; virtual clock
//   --frames N            stop after N frames
//   --dt MS               virtual milliseconds per frame (headless, default 16)
//   --seed N              fix the random source, so a run repeats exactly
//   --input FILE          timed input script (headless)
//   --capture DIR         pictures of a headless run: "capture NAME" lines
//                         and DIR/last.png at the end
//   --capture-every K     also every K-th frame as DIR/frame_NNNNNN.png
//   --audio-out FILE      the mixed sound of a headless run as a WAV file
//   --trace FILE          the play trace: what happens in each level, one
//                         JSON object a line (headless or in a window)
//   --soak SECONDS        headless, SECONDS of game time of random input
//                         (app/soak_run.h); ends with a memory report
//
// "-changepath FOLDER" is the shell's and skipped here. Anything else, or a
// number that does not read, is an error naming the option, so a run never
// starts on a misread request.
//
//   RunRequest request = ParseRunOptions(arguments);
//   if (request.error) { std::cerr << *request.error << "\n"; return 2; }
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "persistence/log.h"

namespace corvellane {

struct RunOptions {
  bool headless = false;
  std::optional<int32_t> frames;
  int32_t frame_step_ms = 16;
  std::optional<uint32_t> seed;
  std::string input_file;
  std::string capture_dir;
  int32_t capture_every = 0;
  std::string audio_out;
  std::string trace_file;
  std::optional<int32_t> soak_seconds;  // set: a soak run, headless
  LogLevel log_level = LogLevel::Warning;
};

struct RunRequest {
  RunOptions options;
  std::optional<std::string> error;  // set: do not run
};

// The arguments exclude the program name.
RunRequest ParseRunOptions(std::span<const std::string> arguments);

}  // namespace corvellane
