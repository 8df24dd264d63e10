// The soak: two minutes of game time of random clicks, keys and screen
// changes (corvellane --soak), run under the sanitizers of the test build.
// It must run its whole length without a crash or a sanitizer report, and
// after the warm-up the resident memory must stay flat.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <regex>
#include <string>

#include "tests/support/temp_dir.h"
#include "tests/tools/subprocess.h"

namespace corvellane {
namespace {

using testing::ProgramResult;
using testing::RunProgram;
using testing::TempDir;

constexpr int kSoakSeconds = 120;
// Growth allowed after the warm-up: caches of pictures and sounds seen for
// the first time late, and the allocator's own slack.
constexpr long kFlatKb = 24 * 1024;

TEST(Soak, TwoMinutesOfRandomInputRunToTheEndWithFlatMemory) {
  TempDir dir;
  setenv("CORVELLANE_SETTINGS_DIR", dir.File("settings").c_str(), 1);
  // The address sanitizer keeps freed blocks aside (256 MB by default),
  // which would read as growth: a small quarantine keeps the measure true.
  const char* asan = std::getenv("ASAN_OPTIONS");
  const std::string saved_asan = asan ? asan : "";
  setenv("ASAN_OPTIONS", (saved_asan + ":quarantine_size_mb=8").c_str(), 1);
  ProgramResult result = RunProgram(dir, CORVELLANE_PROGRAM, {"--soak", std::to_string(kSoakSeconds), "--seed", "11"});
  setenv("ASAN_OPTIONS", saved_asan.c_str(), 1);

  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.err.find("Sanitizer"), std::string::npos) << result.err;
  std::smatch report;
  const std::regex pattern(
      "soak: (\\d+) s of game time, \\d+ starts?, (\\d+) events; resident memory after the warm-up (\\d+) kB, "
      "highest since (\\d+) kB, at the end (\\d+) kB; peak (\\d+) kB");
  ASSERT_TRUE(std::regex_search(result.out, report, pattern)) << result.out;
  std::cout << report[0] << "\n";
  EXPECT_EQ(std::stoi(report[1]), kSoakSeconds);
  EXPECT_GT(std::stoi(report[2]), 0);
  const long warm = std::stol(report[3]);
  const long highest = std::stol(report[4]);
  EXPECT_GT(warm, 0);
  EXPECT_LE(highest - warm, kFlatKb) << result.out;
}

}  // namespace
}  // namespace corvellane
