#include <gtest/gtest.h>

#include <filesystem>

#include "persistence/cipher.h"
#include "shell/global_options.h"
#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

constexpr const char* kKey = "TestOptionsKey123456";

std::vector<std::string> CorruptCopies(const testing::TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    if (entry.path().filename().string().find("options.dat.corrupt-") == 0) names.push_back(entry.path().string());
  return names;
}

TEST(GlobalOptions, FirstRunCreatesTheStoreAndValuesSurviveARestart) {
  testing::TempDir dir;
  {
    TGlobalOptions options(dir.File("options.dat"), kKey);
    EXPECT_EQ(options.GetOption("MusicVolume"), std::nullopt);
    EXPECT_TRUE(options.SetOption("MusicVolume", "45"));
    EXPECT_TRUE(options.SetOption("FullScreenMode", "no"));
    EXPECT_TRUE(options.SetOption("MusicVolume", "50"));
  }
  auto plain = TryDecryptText(kKey, dir.Read("options.dat"));
  ASSERT_TRUE(plain);
  EXPECT_EQ(*plain, "<options><MusicVolume>50</MusicVolume><FullScreenMode>no</FullScreenMode></options>");

  TGlobalOptions restarted(dir.File("options.dat"), kKey);
  EXPECT_EQ(restarted.GetOption("MusicVolume"), "50");
  EXPECT_EQ(restarted.GetOption("FullScreenMode"), "no");
  EXPECT_EQ(restarted.GetOption("SoundVolume"), std::nullopt);
  EXPECT_TRUE(CorruptCopies(dir).empty());
}

TEST(GlobalOptions, DamagedStoresAreKeptAsideAndStartEmpty) {
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"not hexadecimal", "this is not a store"},
      {"another key", EncryptText("SomeOtherKey00000000", "<options><MusicVolume>9</MusicVolume></options>")},
      {"not XML", EncryptText(kKey, "<options><MusicVolume>9</Music")},
      {"another document", EncryptText(kKey, "<users><MusicVolume>9</MusicVolume></users>")},
  };
  for (const auto& c : cases) {
    testing::TempDir dir;
    dir.Write("options.dat", c.bytes);
    TGlobalOptions options(dir.File("options.dat"), kKey);
    EXPECT_EQ(options.GetOption("MusicVolume"), std::nullopt) << c.what;
    auto copies = CorruptCopies(dir);
    ASSERT_EQ(copies.size(), 1u) << c.what;
    EXPECT_EQ(dir.Read(std::filesystem::path(copies[0]).filename().string()), c.bytes) << c.what;

    EXPECT_TRUE(options.SetOption("MusicVolume", "30")) << c.what;
    EXPECT_EQ(TGlobalOptions(dir.File("options.dat"), kKey).GetOption("MusicVolume"), "30") << c.what;
  }
}

TEST(GlobalOptions, AFailedSaveIsReportedAndTheValueKeptInMemory) {
  testing::TempDir dir;
  dir.Write("blocker", "a file where the settings folder should be");
  TGlobalOptions options(dir.File("blocker/options.dat"), kKey);
  EXPECT_FALSE(options.SetOption("SoundVolume", "70"));
  EXPECT_EQ(options.GetOption("SoundVolume"), "70");
}

}  // namespace
}  // namespace corvellane
