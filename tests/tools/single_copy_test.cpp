// One running copy per settings folder, as the player meets it: a second
// start while the game runs says so and ends without touching the saves; a
// copy killed outright leaves no lock that would keep the next start out.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "persistence/whole_file.h"
#include "shell/instance_lock.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/subprocess.h"

namespace corvellane {
namespace {

using testing::ProgramResult;
using testing::RunProgram;
using testing::TBackgroundProgram;
using testing::TempDir;

// Waits until the game holds the folder's lock and has stored its options
// (it runs); false after a minute.
bool WaitUntilRunning(const std::string& settings, int pid) {
  const std::string expected = std::to_string(pid) + "\n";
  for (int i = 0; i < 600; ++i) {
    if (ReadWholeFile(settings + "/" + kInstanceLockFileName).bytes == expected &&
        ReadWholeFile(settings + "/options.dat").ok())
      return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

TEST(SingleCopy, ASecondStartEndsAtOnceAndAKilledCopysLockIsTakenOver) {
  TempDir dir;
  const std::string settings = dir.File("settings");
  setenv("CORVELLANE_SETTINGS_DIR", settings.c_str(), 1);
  TBackgroundProgram first(dir, CORVELLANE_PROGRAM, {"--headless", "--frames", "100000000"}, "first");
  ASSERT_TRUE(WaitUntilRunning(settings, first.pid()));
  const std::string options_before = ReadWholeFile(settings + "/options.dat").bytes;

  ProgramResult second = RunProgram(dir, CORVELLANE_PROGRAM, {"--headless", "--frames", "5"});
  EXPECT_EQ(second.exit_code, 1);
  EXPECT_NE(second.err.find("another copy of the game (process " + std::to_string(first.pid()) +
                            ") is already running with the settings folder"),
            std::string::npos)
      << second.err;
  EXPECT_EQ(ReadWholeFile(settings + "/options.dat").bytes, options_before);
  EXPECT_TRUE(first.IsRunning());

  first.Kill();
  ProgramResult third = RunProgram(dir, CORVELLANE_PROGRAM, {"--headless", "--frames", "5"});
  EXPECT_EQ(third.exit_code, 0) << third.err;
}

}  // namespace
}  // namespace corvellane
