#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "engine/platform/shell_open.h"
#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

TEST(ShellOpen, RefusesTargetsThatWouldBeReadAsOptions) {
  for (const char* bad : {"", "-h", "--help"}) EXPECT_FALSE(IsSafeOpenTarget(bad)) << bad;
  for (const char* good : {"https://example.org/?a=1&b=2", "/tmp/a b.txt", "x;rm -rf y"}) {
    EXPECT_TRUE(IsSafeOpenTarget(good)) << good;
  }
  EXPECT_FALSE(OpenWithDesktop("--version", "true"));
}

TEST(ShellOpen, PassesTheTargetAsOneArgumentWithoutAShell) {
  testing::TempDir dir;
  // "touch" creates a file named exactly like its argument; a shell would
  // have split it and run the part after ";".
  std::string target = dir.File("a b;touch c");
  ASSERT_TRUE(OpenWithDesktop(target, "touch"));
  for (int i = 0; i < 200 && !std::filesystem::exists(target); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(std::filesystem::exists(target));
  EXPECT_FALSE(std::filesystem::exists(dir.File("c")));
}

TEST(ShellOpen, AMissingProgramIsReported) {
  EXPECT_FALSE(OpenWithDesktop("https://example.org", "corvellane-no-such-program"));
}

}  // namespace
}  // namespace corvellane
