#include <gtest/gtest.h>

#include "persistence/data_files.h"
#include "persistence/paths.h"
#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

TEST(Paths, NormalizeTurnsDataPathsIntoPlatformPaths) {
  SetProgramFolder("/opt/game");
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"data\\ini\\Corvellane.ini", "data/ini/Corvellane.ini"},
      {"%apppath%lang\\default.lng", "/opt/game/lang/default.lng"},
      {"%AppPath%\\lang\\x.lng", "/opt/game/lang/x.lng"},
      {"a\\\\b//c", "a/b/c"},
      {"res:iniresource/default.lng", "res:iniresource/default.lng"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizePath(c.in), c.out) << c.in;
  EXPECT_EQ(JoinPath("a/b/", "/c.txt"), "a/b/c.txt");
  EXPECT_EQ(FolderOf("a/b/c.txt"), "a/b");
  EXPECT_EQ(FileNameOf("a/b/c.txt"), "c.txt");
  SetProgramFolder("");
}

TEST(DataFiles, DiskReaderTellsFilesFromFoldersAndMissingNames) {
  testing::TempDir dir;
  dir.Write("full.bin", std::string("a\0b", 3));
  dir.Write("empty.txt", "");
  dir.Write("sub/x.txt", "x");
  EXPECT_EQ(ReadDiskFile(dir.File("full.bin")), std::string("a\0b", 3));
  EXPECT_EQ(ReadDiskFile(dir.File("empty.txt")), std::string());
  EXPECT_EQ(ReadDiskFile(dir.File("sub")), std::nullopt);
  EXPECT_EQ(ReadDiskFile(dir.File("missing.txt")), std::nullopt);
}

TEST(DataFiles, InstalledReaderReplacesTheDiskReaderUntilReset) {
  SetDataFileReader([](std::string_view path) -> std::optional<std::string> { return "from:" + std::string(path); });
  EXPECT_EQ(ReadDataFile("a.xml"), "from:a.xml");
  SetDataFileReader({});
  EXPECT_EQ(ReadDataFile("/nonexistent/corvellane/a.xml"), std::nullopt);
}

}  // namespace
}  // namespace corvellane
