#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/temp_dir.h"
#include "tests/tools/subprocess.h"

namespace corvellane {
namespace {

using testing::ProgramResult;
using testing::RunProgram;

TEST(Program, HelpPrintsUsage) {
  testing::TempDir dir;
  for (const char* flag : {"--help", "-h", "--HELP"}) {
    ProgramResult result = RunProgram(dir, CORVELLANE_PROGRAM, {flag});
    EXPECT_EQ(result.exit_code, 0) << flag;
    EXPECT_EQ(result.out.rfind("Usage: corvellane", 0), 0u) << flag;
  }
}

// Whatever the command line, the program ends by itself (never by a signal):
// product hooks and bad options at once, the game after its frames or, with
// no display to show a window on, with a message.
TEST(Program, OddCommandLinesEndNormally) {
  testing::TempDir dir;
  setenv("CORVELLANE_SETTINGS_DIR", dir.File("settings").c_str(), 1);
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  struct Case {
    std::vector<std::string> arguments;
    int exit_code;
  };
  const std::vector<Case> cases = {
      {{"-install"}, 0},
      {{"-INSTALL", "extra"}, 0},
      {{"--headless", "--frames", "2"}, 0},
      {{}, 1},  // the game, with no display to show it on
      {{"-changepath"}, 2},
      {{"-changepath", "no\\such\\folder\\", "--headless", "--frames", "1"}, 0},
      {{"-changepath", std::string(5000, 'x'), "--headless", "--frames", "1"}, 0},
      {{"--unknown", "\xFF\xFE"}, 2},
      {{""}, 2},
      {{"--frames"}, 2},
      {{"--frames", "0"}, 2},
      {{"--dt", "-5"}, 2},
      {{"--seed", "12x"}, 2},
      {{"--capture", ""}, 2},
      {{"--soak", "2", "--seed", "3"}, 0},
      {{"--soak", "0"}, 2},
      {{"--soak", "86401"}, 2},
  };
  for (const Case& c : cases) {
    std::string joined;
    for (const auto& a : c.arguments) joined += "[" + a.substr(0, 20) + "]";
    ProgramResult result = RunProgram(dir, CORVELLANE_PROGRAM, c.arguments);
    EXPECT_EQ(result.exit_code, c.exit_code) << joined << " " << result.err;
  }
}

}  // namespace
}  // namespace corvellane
