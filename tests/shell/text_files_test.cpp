#include "shell/text_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::vector<std::string> FolderEntries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(JoinLinesCrLf, EndsEveryLineWithCrLf) {
  struct Case {
    std::string_view text, expected;
  };
  const Case cases[] = {
      {"", ""},
      {"a", "a\r\n"},
      {"a\nb", "a\r\nb\r\n"},
      {"a\r\nb\r\n", "a\r\nb\r\n"},
      {"a\rb", "a\r\nb\r\n"},
      {"a\n\n", "a\r\n\r\n"},
      {"\n", "\r\n"},
      {"a\r\r\nb", "a\r\n\r\nb\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(JoinLinesCrLf(c.text), c.expected) << "text: " << c.text;
}

class TextFileWrite : public ::testing::Test {
 protected:
  TempDir dir_;
};

TEST_F(TextFileWrite, ReplacesTheWholeFileAndLeavesNoTemporaryFile) {
  std::string path = dir_.Write("options.dat", "an old and much longer content\nwith two lines\n");
  ASSERT_TRUE(WriteTextLinesAtomically(path, "new"));
  EXPECT_EQ(dir_.Read("options.dat"), "new\r\n");
  EXPECT_EQ(FolderEntries(dir_.path()), std::vector<std::string>{"options.dat"});
}

TEST_F(TextFileWrite, ReadsBackWhatWasWritten) {
  std::string path = dir_.File("users.dat");
  ASSERT_TRUE(WriteTextLinesAtomically(path, "0123ABCD\nEF"));
  TextFileContent content = ReadTextLines(path);
  EXPECT_EQ(content.status, FileReadStatus::Ok);
  EXPECT_EQ(content.text, "0123ABCD\r\nEF\r\n");
}

TEST_F(TextFileWrite, KeepsThePermissionsOfTheReplacedFile) {
  std::string path = dir_.Write("records.dat", "old");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(WriteTextLinesAtomically(path, "new"));
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(TextFileWrite, ReportsAFolderThatCannotExist) {
  dir_.Write("plain-file", "x");
  EXPECT_FALSE(WriteTextLinesAtomically(dir_.File("plain-file/options.dat"), "text"));
  EXPECT_EQ(dir_.Read("plain-file"), "x");
}

TEST_F(TextFileWrite, FailedReplaceKeepsTheOldEntryAndCleansUp) {
  // A folder in the file's place cannot be replaced by rename().
  fs::create_directories(dir_.path() / "highscores.dat" / "inside");
  EXPECT_FALSE(WriteTextLinesAtomically(dir_.File("highscores.dat"), "text"));
  EXPECT_TRUE(fs::is_directory(dir_.path() / "highscores.dat" / "inside"));
  EXPECT_EQ(FolderEntries(dir_.path()), std::vector<std::string>{"highscores.dat"});
}

TEST(TextFileRead, TellsMissingFromUnreadable) {
  TempDir dir;
  dir.Write("plain-file", "x");
  fs::create_directory(dir.path() / "a-folder");
  struct Case {
    std::string name;
    FileReadStatus expected;
  };
  const Case cases[] = {
      {"absent.dat", FileReadStatus::Missing},
      {"plain-file/below.dat", FileReadStatus::Missing},
      {"a-folder", FileReadStatus::Unreadable},
      {"plain-file", FileReadStatus::Ok},
  };
  for (const Case& c : cases) {
    TextFileContent content = ReadTextLines(dir.File(c.name));
    EXPECT_EQ(content.status, c.expected) << c.name;
    if (c.expected != FileReadStatus::Ok) EXPECT_EQ(content.text, "") << c.name;
  }
}

TEST(KeepFileAside, RenamesWithATimeStampAndNeverOverwrites) {
  TempDir dir;
  const auto when = std::chrono::sys_days{std::chrono::year{2024} / 1 / 2} + std::chrono::hours{3} +
                    std::chrono::minutes{4} + std::chrono::seconds{5};
  std::string path = dir.Write("options.dat", "first");
  EXPECT_EQ(KeepFileAside(path, when), path + ".corrupt-20240102-030405");
  dir.Write("options.dat", "second");
  EXPECT_EQ(KeepFileAside(path, when), path + ".corrupt-20240102-030405-2");
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(dir.Read("options.dat.corrupt-20240102-030405"), "first");
  EXPECT_EQ(dir.Read("options.dat.corrupt-20240102-030405-2"), "second");
}

TEST(KeepFileAside, AnswersNoneForAMissingFile) {
  TempDir dir;
  EXPECT_EQ(KeepFileAside(dir.File("users.dat")), std::nullopt);
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
}  // namespace corvellane
