// Saves that survive a kill. A child process saves the options, the high
// scores, the level records and the profiles (with their story data) in a
// loop, one round after another, each file holding the round's number; the
// test kills it with SIGKILL at a random moment, 200 times. After every kill
// each file must decipher and load with the game's own readers and hold
// either the round it held before or one the child wrote, and no temporary
// file may pile up.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "engine/random_source.h"
#include "persistence/object_io.h"
#include "persistence/params.h"
#include "records/high_scores.h"
#include "records/level_records.h"
#include "records/record_table_collection.h"
#include "records/level_record_table_collection.h"
#include "records/user_profile_collection.h"
#include "shell/declarations.h"
#include "shell/global_options.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

constexpr int kKills = 200;
constexpr uint32_t kLongestLifeMs = 60;

// One of the player's files: how a round is written and read back.
struct SavedFile {
  const char* name;
  std::function<bool(IEngine&, int round)> save;
  // The round the file holds, read by a fresh reader; -1 when it does not load.
  std::function<int(IEngine&)> load;
};

Ref<IParamCollection> Score(int round) {
  return CreateObject<TParamCollection>("\\Player=p\\Score=" + std::to_string(round) + "\\Level=1\\Const=no");
}

TGlobalOptions OptionsStore(IEngine& engine) {
  return TGlobalOptions(engine.GetSettingsFolder() + std::string(product::OptionsFileName),
                        std::string(product::FileKeyText(product::FileKey::Options)));
}

std::vector<SavedFile> PlayersFiles() {
  return {
      {"options.dat",
       [](IEngine& engine, int round) { return OptionsStore(engine).SetOption("Round", std::to_string(round)); },
       [](IEngine& engine) { return std::stoi(OptionsStore(engine).GetOption("Round").value_or("-1")); }},
      {"highscores.dat",
       [](IEngine& engine, int round) {
         auto scores = CreateObject<THighScores>(product::DefaultHighScoreTables());
         scores->AddRecord(Score(round).get(), "0");
         return scores->SaveHighScores(&engine);
       },
       [](IEngine& engine) {
         auto scores = CreateObject<THighScores>(product::DefaultHighScoreTables());
         scores->LoadHighScores(&engine, false);
         Ref<IRecordCollection> records = scores->GetTables()->GetTable(Variant("0"))->GetRecords();
         return records->Count() == 1 ? records->GetRecord(0)->GetScore() : -1;
       }},
      {"records.dat",
       [](IEngine& engine, int round) {
         auto records = CreateObject<TLevelRecords>(product::DefaultLevelRecordTables());
         records->SetLevelRecord(Score(round).get(), "0", 1);
         return records->SaveLevelRecords(&engine);
       },
       [](IEngine& engine) {
         auto records = CreateObject<TLevelRecords>(product::DefaultLevelRecordTables());
         records->LoadLevelRecords(&engine);
         Ref<ILevelRecord> record = records->GetTables()->GetTable(Variant("0"))->GetLevelRecord(1);
         return record ? record->GetIntValue("Score", -1, false) : -1;
       }},
      {"users.dat",
       [](IEngine& engine, int round) {
         auto profiles = CreateObject<TUserProfileCollection>(product::DefaultUserProfiles());
         profiles->GetOrCreateProfile("p")->SetDataText("<story round=\"" + std::to_string(round) + "\"/>");
         return profiles->SaveProfiles(&engine);
       },
       [](IEngine& engine) {
         auto profiles = CreateObject<TUserProfileCollection>(product::DefaultUserProfiles());
         profiles->LoadProfiles(&engine);
         Ref<IUserProfile> profile = profiles->GetProfile(Variant("p"));
         if (!profile) return -1;
         const std::string text = profile->GetDataText();
         const size_t quote = text.find('"');
         return quote == std::string::npos ? -1 : std::atoi(text.c_str() + quote + 1);
       }},
  };
}

// The child: saves every file with round after round, reporting each
// finished round on the pipe, until it is killed.
[[noreturn]] void SaveForEver(IEngine& engine, int first_round, int report_fd) {
  const std::vector<SavedFile> files = PlayersFiles();
  for (int round = first_round;; ++round) {
    for (const SavedFile& file : files)
      if (!file.save(engine, round)) _exit(3);
    (void)!::write(report_fd, &round, sizeof round);
  }
}

// The last round the child reported, or `none`.
int LastReportedRound(int read_fd, int none) {
  int round = none;
  int reported = 0;
  while (::read(read_fd, &reported, sizeof reported) == sizeof reported) round = reported;
  return round;
}

TEST(SavesSurviveAKill, EveryFileIsTheOldOrTheNewRoundAfterEachOf200Kills) {
  TempDir dir;
  setenv("CORVELLANE_SETTINGS_DIR", dir.File("settings").c_str(), 1);
  ResetGlobalOptions();
  THeadlessPlatform platform{HeadlessOptions{}};
  Ref<TEngine> engine = CreateEngine(platform);
  GlobalRandom().Seed(20240601);

  const std::vector<SavedFile> files = PlayersFiles();
  // Rounds start at 1: a high score needs a positive score.
  std::vector<int> held(files.size(), 1);
  for (const SavedFile& file : files) ASSERT_TRUE(file.save(*engine, 1)) << file.name;
  int next_round = 2;
  int kills_mid_save = 0;

  for (int kill = 0; kill < kKills; ++kill) {
    int report[2];
    ASSERT_EQ(::pipe2(report, O_CLOEXEC), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) SaveForEver(*engine, next_round, report[1]);
    ::close(report[1]);
    std::this_thread::sleep_for(std::chrono::milliseconds(GlobalRandom().Uniform(kLongestLifeMs)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped saving by itself, status " << status;
    const int finished = LastReportedRound(report[0], next_round - 1);
    ::close(report[0]);

    SCOPED_TRACE("kill " + std::to_string(kill) + ", last finished round " + std::to_string(finished));
    for (size_t i = 0; i < files.size(); ++i) {
      const int round = files[i].load(*engine);
      // Finished rounds are on disk; the one under way may be, file by file.
      const bool old_one = round == (finished >= next_round ? finished : held[i]);
      const bool new_one = round == finished + 1;
      ASSERT_TRUE(old_one || new_one) << files[i].name << " holds round " << round;
      held[i] = round;
    }
    next_round = finished + 2;
    int temporaries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.File("settings"))) {
      const std::string name = entry.path().filename().string();
      EXPECT_EQ(name.find(".corrupt-"), std::string::npos) << name << ": a file was found damaged";
      temporaries += name.find(".tmp-") != std::string::npos;
    }
    // A killed save leaves its temporary, which the next save of that file clears.
    ASSERT_LE(temporaries, static_cast<int>(files.size()));
    kills_mid_save += temporaries > 0;
  }
  // For the record: how often the kill caught a save half-way.
  std::printf("%d kills, %d of them left a save half-way\n", kKills, kills_mid_save);
  RecordProperty("kills_mid_save", kills_mid_save);
  ResetGlobalOptions();
}

}  // namespace
}  // namespace corvellane::testing
