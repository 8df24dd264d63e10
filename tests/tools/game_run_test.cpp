#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "engine/image_decoder.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/subprocess.h"

namespace corvellane {
namespace {

using testing::ProgramResult;
using testing::RunProgram;
using testing::TempDir;

Ref<TSurface> ReadPng(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  return DecodePng({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
}

class GameRun : public ::testing::Test {
 protected:
  void SetUp() override { setenv("CORVELLANE_SETTINGS_DIR", dir_.File("settings").c_str(), 1); }
  TempDir dir_;
};

// The demo content, headless, as the README shows it.
TEST_F(GameRun, HeadlessRunOfTheDemoWritesItsLastFrameAtTheGameResolution) {
  ProgramResult result = RunProgram(dir_, CORVELLANE_PROGRAM,
                                    {"--headless", "--frames", "60", "--capture", dir_.File("out")});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  Ref<TSurface> last = ReadPng(dir_.File("out/last.png"));
  ASSERT_TRUE(last);
  EXPECT_EQ(last->GetWidth(), 1024);
  EXPECT_EQ(last->GetHeight(), 768);
}

TEST_F(GameRun, ScriptedCapturesAreWrittenUnderTheirNames) {
  dir_.Write("input.txt", "# a short visit\n0 move 512 384\n160 capture after_move\n");
  ProgramResult result = RunProgram(
      dir_, CORVELLANE_PROGRAM, {"--headless", "--input", dir_.File("input.txt"), "--capture", dir_.File("shots")});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_TRUE(ReadPng(dir_.File("shots/after_move.png")));
  EXPECT_TRUE(ReadPng(dir_.File("shots/last.png")));
}

TEST_F(GameRun, AMalformedInputScriptIsRefusedWithItsLineNumberBeforeAnythingRuns) {
  dir_.Write("input.txt", "0 move 1 1\n# fine so far\n20 clik 5 5\n");
  ProgramResult result = RunProgram(
      dir_, CORVELLANE_PROGRAM, {"--headless", "--input", dir_.File("input.txt"), "--capture", dir_.File("shots")});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_NE(result.err.find("input.txt:3:"), std::string::npos) << result.err;
  EXPECT_FALSE(std::filesystem::exists(dir_.File("shots/last.png")));

  result = RunProgram(dir_, CORVELLANE_PROGRAM, {"--headless", "--input", dir_.File("no_such_script.txt")});
  EXPECT_EQ(result.exit_code, 2);
}

TEST_F(GameRun, TheSameSeedGivesTheSameFrames) {
  for (const char* name : {"a", "b"}) {
    ProgramResult result = RunProgram(dir_, CORVELLANE_PROGRAM,
                                      {"--headless", "--seed", "7", "--frames", "90", "--capture", dir_.File(name)});
    ASSERT_EQ(result.exit_code, 0) << result.err;
  }
  Ref<TSurface> a = ReadPng(dir_.File("a/last.png"));
  Ref<TSurface> b = ReadPng(dir_.File("b/last.png"));
  ASSERT_TRUE(a && b);
  int differing = 0;
  for (int32_t y = 0; y < a->GetHeight(); ++y)
    for (int32_t x = 0; x < a->GetWidth(); ++x) differing += a->GetPixel(x, y) != b->GetPixel(x, y);
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace corvellane
