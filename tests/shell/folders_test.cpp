#include "shell/folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(ProgramFolder, ChangePathNeedsExactlyTwoArguments) {
  struct Case {
    std::vector<std::string> arguments;
    std::string expected;
  };
  const Case cases[] = {
      {{}, "/opt/game/"},
      {{"-changepath", "Sub\\"}, "/opt/game/sub/"},
      {{"-CHANGEPATH", "Data\\Levels\\"}, "/opt/game/data/levels/"},
      {{"-changepath", "sub"}, "/opt/game/sub/"},
      {{"-changepath", "sub\\", "extra"}, "/opt/game/"},
      {{"-changepath"}, "/opt/game/"},
      {{"-install", "sub\\"}, "/opt/game/"},
      {{"-changepath", ""}, "/opt/game/"},
  };
  for (const Case& c : cases) {
    std::string joined;
    for (const auto& a : c.arguments) joined += "[" + a + "]";
    EXPECT_EQ(GetProgramFolder("/opt/game", c.arguments), c.expected) << joined;
  }
}

TEST(ProgramFolder, ExecutableFolderIsTheTestProgramsFolder) {
  std::string folder = ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(fs::is_directory(folder));
}

class SettingsFolder : public ::testing::Test {
 protected:
  EnvironmentLookup Environment() const {
    return [this](std::string_view name) -> std::optional<std::string> {
      auto found = env_.find(std::string(name));
      if (found == env_.end()) return std::nullopt;
      return found->second;
    };
  }
  std::string Resolve() const { return GetSettingsFolder(program_, Environment()); }
  std::string In(std::string_view relative) const { return (dir_.path() / relative).string(); }

  TempDir dir_;
  std::map<std::string, std::string> env_;
  std::string program_ = "/opt/game/";
};

TEST_F(SettingsFolder, CreatesCompanyAndProductBelowXdgDataHome) {
  env_["XDG_DATA_HOME"] = In("data");
  env_["HOME"] = In("home");
  EXPECT_EQ(Resolve(), In("data/TolvoGames/corvellane/"));
  EXPECT_TRUE(fs::is_directory(In("data/TolvoGames/corvellane")));
  EXPECT_FALSE(fs::exists(In("home")));
}

TEST_F(SettingsFolder, FallsBackToHomeWhenXdgIsUnsetOrRelative) {
  for (std::string xdg : {"", "relative/data"}) {
    env_["XDG_DATA_HOME"] = xdg;
    env_["HOME"] = In("home");
    EXPECT_EQ(Resolve(), In("home/.local/share/TolvoGames/corvellane/")) << "XDG_DATA_HOME=" << xdg;
  }
}

TEST_F(SettingsFolder, OverrideIsUsedAsItIs) {
  env_["CORVELLANE_SETTINGS_DIR"] = In("mine/settings");
  env_["XDG_DATA_HOME"] = In("data");
  EXPECT_EQ(Resolve(), In("mine/settings/"));
  EXPECT_TRUE(fs::is_directory(In("mine/settings")));
  EXPECT_FALSE(fs::exists(In("data")));
}

// Tests run as root, where permissions block nothing; a regular file in the
// way of a folder does.
TEST_F(SettingsFolder, StaysAtTheDeepestLevelThatCouldBeCreated) {
  dir_.Write("blocked", "a file, not a folder");
  dir_.Write("data1/TolvoGames", "a file");
  dir_.Write("data2/TolvoGames/corvellane", "a file");
  struct Case {
    std::map<std::string, std::string> env;
    std::string expected;
  };
  const Case cases[] = {
      {{{"XDG_DATA_HOME", In("data1")}}, In("data1/")},
      {{{"XDG_DATA_HOME", In("data2")}}, In("data2/")},
      {{{"XDG_DATA_HOME", In("blocked/data")}}, program_},
      {{{"CORVELLANE_SETTINGS_DIR", In("blocked/settings")}}, program_},
      {{}, program_},
  };
  for (const Case& c : cases) {
    env_ = c.env;
    EXPECT_EQ(Resolve(), c.expected);
  }
}

TEST(SettingsText, WritesAndReadsInTheSettingsFolder) {
  TempDir dir;
  ASSERT_EQ(::setenv("CORVELLANE_SETTINGS_DIR", dir.File("settings").c_str(), 1), 0);
  EXPECT_EQ(ReadSettingsText("options.dat").status, FileReadStatus::Missing);
  ASSERT_TRUE(WriteSettingsText("ABCDEF", "options.dat"));
  TextFileContent content = ReadSettingsText("options.dat");
  EXPECT_EQ(content.status, FileReadStatus::Ok);
  EXPECT_EQ(content.text, "ABCDEF\r\n");
  EXPECT_EQ(dir.Read("settings/options.dat"), "ABCDEF\r\n");
  ::unsetenv("CORVELLANE_SETTINGS_DIR");
}

}  // namespace
}  // namespace corvellane
