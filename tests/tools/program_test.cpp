#include <gtest/gtest.h>

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

// Without an engine the game part starts nothing; whatever the command line,
// the program must end normally (never by a signal).
TEST(Program, OddCommandLinesEndNormally) {
  testing::TempDir dir;
  const std::vector<std::vector<std::string>> lines = {
      {},
      {"-install"},
      {"-INSTALL", "extra"},
      {"-changepath"},
      {"-changepath", "no\\such\\folder\\"},
      {"-changepath", "", ""},
      {"-changepath", std::string(5000, 'x')},
      {"--unknown", "\xFF\xFE"},
      {""},
  };
  for (const auto& arguments : lines) {
    std::string joined;
    for (const auto& a : arguments) joined += "[" + a.substr(0, 20) + "]";
    ProgramResult result = RunProgram(dir, CORVELLANE_PROGRAM, arguments);
    EXPECT_EQ(result.exit_code, 0) << joined << " " << result.err;
  }
}

}  // namespace
}  // namespace corvellane
