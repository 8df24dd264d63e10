#include "shell/launcher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

namespace fs = std::filesystem;

// The launched program runs detached; give it a generous moment to finish.
bool AppearsWithin(const fs::path& path, std::chrono::seconds limit) {
  auto until = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < until) {
    if (fs::exists(path)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return fs::exists(path);
}

TEST(Launcher, PassesArgumentsWithoutAShell) {
  testing::TempDir dir;
  // A shell would run the substitution and split at the blanks.
  const std::string name = "a b; $(touch injected) 'c'.txt";
  const std::string arguments[] = {"touch", dir.File(name)};
  ASSERT_TRUE(LaunchDetached(arguments));
  EXPECT_TRUE(AppearsWithin(dir.path() / name, std::chrono::seconds(20)));
  EXPECT_FALSE(fs::exists("injected"));
}

TEST(Launcher, ReportsAProgramThatCannotBeStarted) {
  const std::string missing[] = {"corvellane-no-such-program-here"};
  EXPECT_FALSE(LaunchDetached(missing));
  EXPECT_FALSE(LaunchDetached({}));
  const std::string empty[] = {""};
  EXPECT_FALSE(LaunchDetached(empty));
}

}  // namespace
}  // namespace corvellane
