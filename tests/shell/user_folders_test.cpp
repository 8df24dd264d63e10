// Where an installed game finds its data, and where the player's pictures go.
#include "shell/user_folders.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

using testing::TempDir;

EnvironmentLookup Environment(std::map<std::string, std::string> values) {
  return [values](std::string_view name) -> std::optional<std::string> {
    auto it = values.find(std::string(name));
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
}

TEST(DataFolder, TheExecutablesOwnFolderWhenItHoldsDataElseTheInstalledShareFolder) {
  TempDir dir;
  const std::string root = dir.path().string();
  dir.Write("build/game/data/ini/x", "");
  dir.Write("prefix/share/corvellane/data/ini/x", "");
  dir.Write("prefix/bin/corvellane", "");
  dir.Write("bare/bin/corvellane", "");
  struct Case {
    std::string executable_folder;
    std::string expected;
  } cases[] = {
      {root + "/build/game/", root + "/build/game/"},
      {root + "/build/game", root + "/build/game/"},
      {root + "/prefix/bin/", root + "/prefix/share/corvellane/"},
      {root + "/bare/bin/", root + "/bare/bin/"},
  };
  for (const Case& c : cases) EXPECT_EQ(DataFolderBeside(c.executable_folder), c.expected) << c.executable_folder;
}

TEST(PicturesFolder, TheDesktopsChoiceThenUserDirsThenHomePictures) {
  TempDir dir;
  const std::string home = dir.path().string() + "/home";
  dir.Write("home/.config/user-dirs.dirs", "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                          "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
  dir.Write("config/user-dirs.dirs", "XDG_PICTURES_DIR=\"/srv/shots\"\n");
  dir.Write("odd/user-dirs.dirs", "# XDG_PICTURES_DIR=\"/not/this\"\nXDG_PICTURES_DIR=\"relative\"\n");
  struct Case {
    std::map<std::string, std::string> environment;
    std::string expected;
  } cases[] = {
      {{{"XDG_PICTURES_DIR", "/media/pics"}, {"HOME", home}}, "/media/pics/"},
      {{{"HOME", home}}, home + "/Bilder/"},
      {{{"HOME", home}, {"XDG_CONFIG_HOME", dir.File("config")}}, "/srv/shots/"},
      {{{"HOME", home}, {"XDG_CONFIG_HOME", dir.File("odd")}}, home + "/Pictures/"},
      {{{"HOME", home}, {"XDG_CONFIG_HOME", dir.File("none")}}, home + "/Pictures/"},
      {{{"XDG_PICTURES_DIR", ""}, {"HOME", home}, {"XDG_CONFIG_HOME", dir.File("none")}}, home + "/Pictures/"},
      {{}, ""},
  };
  for (const Case& c : cases) {
    std::string described;
    for (const auto& [name, value] : c.environment) described += name + "=" + value + " ";
    EXPECT_EQ(PicturesFolder(Environment(c.environment)), c.expected) << described;
  }
}

}  // namespace
}  // namespace corvellane
