#include "persistence/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// Things that are not a small regular file are unreadable at once: none may
// hang the start (a FIFO nobody writes) or exhaust memory (/dev/zero).
TEST(WholeFileRead, TakesOnlyRegularFilesWithinTheLimit) {
  TempDir dir;
  dir.Write("small.dat", "0123456789");
  dir.Write("large.dat", std::string(4096, 'x'));
  fs::create_directory(dir.path() / "a-folder");
  ASSERT_EQ(::mkfifo(dir.File("a-fifo").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir.path() / "zeros.dat");
  fs::create_symlink(dir.path() / "small.dat", dir.path() / "link.dat");
  struct Case {
    const char* name;
    FileReadStatus expected;
  };
  const Case cases[] = {
      {"small.dat", FileReadStatus::Ok},          {"link.dat", FileReadStatus::Ok},
      {"absent.dat", FileReadStatus::Missing},    {"small.dat/below", FileReadStatus::Missing},
      {"large.dat", FileReadStatus::Unreadable},  {"a-folder", FileReadStatus::Unreadable},
      {"a-fifo", FileReadStatus::Unreadable},     {"zeros.dat", FileReadStatus::Unreadable},
  };
  for (const Case& c : cases) {
    FileBytes file = ReadWholeFile(dir.File(c.name), 1024);
    EXPECT_EQ(file.status, c.expected) << c.name;
    EXPECT_EQ(file.bytes, c.expected == FileReadStatus::Ok ? "0123456789" : "") << c.name;
  }
}

// A save killed between writing its temporary file and renaming it leaves
// the temporary behind; the next save of the same file clears it, so that
// repeated kills cannot fill the folder. Other files stay.
TEST(WholeFileWrite, ASaveRemovesWhatAKilledSaveOfTheSameFileLeftBehind) {
  TempDir dir;
  dir.Write("users.dat.tmp-a1B2c3", "half a save");
  dir.Write("users.dat.tmp-zzzzzz", "another");
  dir.Write("options.dat.tmp-q9q9q9", "someone else's");
  dir.Write("users.dat.tmp-notours", "not a temporary name");
  ASSERT_TRUE(WriteFileAtomically(dir.File("users.dat"), "fresh"));
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir.path())) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"options.dat.tmp-q9q9q9", "users.dat", "users.dat.tmp-notours"}));
  EXPECT_EQ(dir.Read("users.dat"), "fresh");
}

}  // namespace
}  // namespace corvellane
