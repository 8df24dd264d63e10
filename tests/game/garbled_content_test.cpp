// Every file of the demo's program folder in turn truncated, garbled and
// removed: the game starts headless on the damaged copy and runs until its
// main screen is up (or ends cleanly when it cannot go on), never crashes,
// tells in the log what it skipped, and leaves the player's saves as they
// were. Every definition, screen and text file is damaged; of the hundreds
// of pictures and sounds a spread sample is, each kind of file among them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/log.h"
#include "shell/declarations.h"
#include "tests/game/demo_run.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_folders.h"

namespace corvellane {
namespace {

namespace fs = std::filesystem;
using testing::DemoRun;
using testing::TempDir;

enum class Damage { Truncated, Garbled, Removed };

const char* DamageName(Damage damage) {
  switch (damage) {
    case Damage::Truncated: return "truncated";
    case Damage::Garbled: return "garbled";
    case Damage::Removed: return "removed";
  }
  return "?";
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Truncated: the first half is left. Garbled: every seventh byte from the
// first one flipped, so headers, signatures and the first tag break too.
void Apply(Damage damage, const fs::path& file, const std::string& original) {
  switch (damage) {
    case Damage::Truncated:
      WriteBytes(file, original.substr(0, original.size() / 2));
      break;
    case Damage::Garbled: {
      std::string garbled = original;
      for (size_t i = 0; i < garbled.size(); i += 7) garbled[i] = char(garbled[i] ^ 0x5A);
      WriteBytes(file, garbled);
      break;
    }
    case Damage::Removed:
      fs::remove(file);
      break;
  }
}

// Every file of the folder, "data/..." and "lang/...", sorted.
std::vector<std::string> ContentFiles(const fs::path& folder) {
  std::vector<std::string> files;
  for (const char* top : {"data", "lang"}) {
    for (const auto& entry : fs::recursive_directory_iterator(folder / top)) {
      if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), folder).generic_string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

bool IsMedia(const std::string& file) {
  const std::string extension = fs::path(file).extension().string();
  return extension == ".png" || extension == ".jpg" || extension == ".wav" || extension == ".ogg" ||
         extension == ".mod";
}

// At most `per_kind` files of each extension, spread over the sorted list.
std::vector<std::string> Sample(const std::vector<std::string>& files, size_t per_kind) {
  std::map<std::string, std::vector<std::string>> by_kind;
  for (const std::string& file : files) by_kind[fs::path(file).extension().string()].push_back(file);
  std::vector<std::string> sample;
  for (const auto& [kind, members] : by_kind) {
    const size_t step = std::max<size_t>(1, members.size() / per_kind);
    for (size_t i = 0; i < members.size() && sample.size() < files.size(); i += step) sample.push_back(members[i]);
  }
  return sample;
}

// Lines that name the file: by its name without folder, as the loaders
// write paths with either separator.
bool Mentions(const std::vector<std::string>& lines, const std::string& file) {
  const std::string name = fs::path(file).filename().string();
  return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
    return line.find(name) != std::string::npos;
  });
}

// A start loads the game definition, its screens, texts, fonts and the
// resources of the first screens; a few frames show the first of them.
constexpr int kFramesRun = 20;
constexpr std::string_view kPlayersFile = product::UserProfilesFileName;

class GarbledContent : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    game_ = new TempDir;
    for (const char* top : {"data", "lang"}) {
      fs::copy(fs::path(testing::TestGameDir()) / top, game_->path() / top, fs::copy_options::recursive);
    }
  }
  static void TearDownTestSuite() {
    delete game_;
    game_ = nullptr;
  }

  void SetUp() override {
    const char* game_dir = std::getenv("CORVELLANE_GAME_DIR");
    saved_game_dir_ = game_dir ? std::optional<std::string>(game_dir) : std::nullopt;
    setenv("CORVELLANE_GAME_DIR", game_->path().c_str(), 1);
    RunOnce();
    clean_saves_ = Saves();
  }
  void TearDown() override {
    if (saved_game_dir_) {
      setenv("CORVELLANE_GAME_DIR", saved_game_dir_->c_str(), 1);
    } else {
      unsetenv("CORVELLANE_GAME_DIR");
    }
  }

  std::map<std::string, std::string> Saves() const {
    std::map<std::string, std::string> saves;
    for (const auto& entry : fs::directory_iterator(settings_.path())) {
      if (entry.is_regular_file() && entry.path().extension() == ".dat") {
        saves[entry.path().filename().string()] = ReadBytes(entry.path());
      }
    }
    return saves;
  }

  // A start with two known players and no other saves; the log lines of
  // the run are given back.
  std::vector<std::string> RunOnce() {
    for (const auto& entry : fs::directory_iterator(settings_.path())) fs::remove_all(entry.path());
    testing::WriteDemoPlayers(settings_.path(), {"Tester", "Second"});
    players_file_ = ReadBytes(settings_.path() / kPlayersFile);
    TLogCapture log;
    try {
      DemoRun run({}, settings_.path());
      if (run.Started()) run.RunFrames(kFramesRun);
      run.Finish();
    } catch (const std::exception& error) {
      ADD_FAILURE() << "the start threw: " << error.what();
    }
    return log.Lines();
  }

  // One damaged start: whatever the game could not use, each of the
  // players' saves is left as it was or as a clean start leaves it.
  std::vector<std::string> RunDamaged(const std::string& file, Damage damage) {
    const fs::path path = game_->path() / file;
    const std::string original = ReadBytes(path);
    Apply(damage, path, original);
    std::vector<std::string> lines = RunOnce();
    WriteBytes(path, original);
    std::map<std::string, std::string> saves = Saves();
    for (const auto& [name, bytes] : clean_saves_) {
      const bool as_before = name == kPlayersFile ? saves[name] == players_file_ : !saves.contains(name);
      EXPECT_TRUE(saves[name] == bytes || as_before)
          << name << " damaged by a start with " << file << " " << DamageName(damage);
    }
    return lines;
  }

  // Runs every damage on every file: no crash (the sanitizers watch), and a
  // file that the start reads (its removal is reported) is reported when
  // truncated or garbled too, except a sound cut short, which still plays.
  void DamageEach(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
      SCOPED_TRACE(file);
      const bool read_at_start = Mentions(RunDamaged(file, Damage::Removed), file);
      for (Damage damage : {Damage::Truncated, Damage::Garbled}) {
        std::vector<std::string> lines = RunDamaged(file, damage);
        const bool may_still_work = damage == Damage::Truncated && IsMedia(file) && !file.ends_with(".png");
        if (read_at_start && !may_still_work) {
          EXPECT_TRUE(Mentions(lines, file)) << DamageName(damage) << ": no warning names the file";
        }
      }
    }
  }

  static inline TempDir* game_ = nullptr;
  TempDir settings_;
  std::optional<std::string> saved_game_dir_;
  std::map<std::string, std::string> clean_saves_;
  std::string players_file_;  // as written before each start
};

TEST_F(GarbledContent, EveryDefinitionAndTextFile) {
  std::vector<std::string> files;
  for (const std::string& file : ContentFiles(game_->path())) {
    if (!IsMedia(file) && !file.starts_with("data/screens/")) files.push_back(file);
  }
  ASSERT_FALSE(files.empty());
  DamageEach(files);
}

TEST_F(GarbledContent, EveryScreenFile) {
  std::vector<std::string> files;
  for (const std::string& file : ContentFiles(game_->path())) {
    if (file.starts_with("data/screens/")) files.push_back(file);
  }
  ASSERT_FALSE(files.empty());
  DamageEach(files);
}

TEST_F(GarbledContent, ASampleOfEveryKindOfPictureSoundAndMusic) {
  std::vector<std::string> media;
  for (const std::string& file : ContentFiles(game_->path())) {
    if (IsMedia(file)) media.push_back(file);
  }
  ASSERT_FALSE(media.empty());
  DamageEach(Sample(media, 6));
}

// The definitions the start cannot do without: removed or unreadable, the
// game ends at once and says which file it lacks.
TEST_F(GarbledContent, TheGameDefinitionDamagedEndsTheStartWithItsName) {
  const std::string file = "data/ini/Corvellane.ini";
  for (Damage damage : {Damage::Truncated, Damage::Garbled, Damage::Removed}) {
    SCOPED_TRACE(DamageName(damage));
    EXPECT_TRUE(Mentions(RunDamaged(file, damage), file));
  }
}

}  // namespace
}  // namespace corvellane
