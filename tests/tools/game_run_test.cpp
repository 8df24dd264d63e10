#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>
#include <vector>

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
  // A player is known already, so the menu comes up without asking a name.
  void SetUp() override {
    setenv("CORVELLANE_SETTINGS_DIR", dir_.File("settings").c_str(), 1);
    ProgramResult players =
        RunProgram(dir_, CORVELLANE_DATA_TOOL, {"encrypt", "--key", "profiles"},
                   R"(<userprofiles current_user_profile_name="Tester"><userprofile name="Tester"/></userprofiles>)");
    ASSERT_EQ(players.exit_code, 0) << players.err;
    dir_.Write("settings/users.dat", players.out);
  }
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

TEST_F(GameRun, LeavingFromTheQuitQuestionEndsTheGame) {
  // Quit on the menu, then "Leave" in the question; a capture asked for
  // later never happens, because the game has ended.
  dir_.Write("leave.txt", "8000 click 772 706\n9000 capture question\n9200 click 512 504\n12000 capture later\n");
  ProgramResult result = RunProgram(dir_, CORVELLANE_PROGRAM,
                                    {"--headless", "--input", dir_.File("leave.txt"), "--capture", dir_.File("shots")});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_TRUE(ReadPng(dir_.File("shots/question.png")));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("shots/later.png")));
  EXPECT_TRUE(ReadPng(dir_.File("shots/last.png")));
}

// Outputs that could not be written make the run fail and say which, like a
// capture that could not be written.
TEST_F(GameRun, AnOutputThatCannotBeWrittenFailsTheRun) {
  const std::string outputs[] = {"/dev/full", dir_.File("no_such_folder/visit.wav")};
  for (const std::string& output : outputs) {
    ProgramResult result = RunProgram(dir_, CORVELLANE_PROGRAM, {"--headless", "--frames", "30", "--audio-out", output});
    EXPECT_NE(result.exit_code, 0) << output;
    EXPECT_NE(result.err.find(output), std::string::npos) << result.err;
  }
}

// A copy of the demo's program folder with one thing broken at a time: the
// game still runs to its end and writes its last frame.
TEST_F(GameRun, DamagedContentNeverStopsTheGame) {
  namespace fs = std::filesystem;
  const fs::path demo = fs::path(CORVELLANE_PROGRAM).parent_path();
  struct Damage {
    const char* what;
    const char* file;  // relative to the program folder
    std::string content;  // none: the file is removed
    bool remove;
  };
  const Damage damages[] = {
      {"truncated background picture", "data/images/town_scene.png", "\x89PNG\r\n\x1a\n", false},
      {"malformed main screen", "data/screens/main.xml", "<gamescreen><window><widgets><widget type=", false},
      {"screen of nonsense types", "data/screens/main.xml",
       "<gamescreen><window visible=\"yes\"><widgets><widget type=\"no_such_widget\" width=\"-5\"/>"
       "<widget type=\"animation_widget\" framescount=\"-3\" width=\"999999999\" height=\"0\"/>"
       "</widgets></window></gamescreen>",
       false},
      {"garbled font symbols", "data/fonts/font_title.xml", "<font><symbols><symbol name=\"65\" left=\"-9\" "
                                                          "top=\"99999\" right=\"-1\"/></symbols></font>", false},
      {"missing music", "data/music/main_theme.ogg", "", true},
      {"enciphered definitions that are not", "data/ini/media_resources.ini", "not hexadecimal at all", false},
      {"missing language file", "lang/default.lng", "", true},
  };
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.what);
    const fs::path copy = dir_.File(std::string("game_") + std::to_string(&damage - damages));
    fs::copy(demo, copy, fs::copy_options::recursive);
    if (damage.remove) {
      fs::remove(copy / damage.file);
    } else {
      std::ofstream(copy / damage.file, std::ios::binary | std::ios::trunc) << damage.content;
    }
    dir_.Write("click.txt", "8000 click 772 630\n9000 click 512 510\n9500 key Escape\n10000 capture end\n");
    ProgramResult result = RunProgram(dir_, (copy / "corvellane").string(),
                                      {"--headless", "--input", dir_.File("click.txt"), "--capture",
                                       (copy / "shots").string()});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_TRUE(ReadPng((copy / "shots" / "last.png").string()));
    fs::remove_all(copy);
  }
}

// A content author's broken screen file: each problem gives one warning
// naming the file and the widget, and the rest of the screen is drawn as if
// the broken widgets were not there.
TEST_F(GameRun, ABrokenScreenFileGivesOneWarningPerProblemAndShowsTheRest) {
  namespace fs = std::filesystem;
  const fs::path demo = fs::path(CORVELLANE_PROGRAM).parent_path();
  const fs::path copy = dir_.File("broken_game");
  fs::copy(demo, copy, fs::copy_options::recursive);
  const fs::path screen = copy / "data" / "screens" / "main.xml";
  std::string text;
  {
    std::ifstream in(screen, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  const std::string anchor = "<widget type=\"image_widget\" name=\"image_town\"";
  const size_t at = text.find(anchor);
  ASSERT_NE(at, std::string::npos);
  text.insert(at,
              "<widget type=\"fancy_widget\" name=\"broken_type\" visible=\"yes\"/>\n"
              "<widget type=\"image_widget\" name=\"broken_number\" visible=\"yes\" width=\"wide\" height=\"9\" "
              "resourcename=\"image_heart\"/>\n"
              "<widget type=\"image_widget\" name=\"broken_resource\" visible=\"yes\" width=\"9\" height=\"9\" "
              "resourcename=\"image_no_such_picture\"/>\n");
  std::ofstream(screen, std::ios::binary | std::ios::trunc) << text;

  // Embers and snow drift at random: both runs draw the same chances.
  const std::vector<std::string> run = {"--headless", "--seed", "7", "--frames", "400", "--capture"};
  auto with_folder = [&](const std::string& folder) {
    std::vector<std::string> arguments = run;
    arguments.push_back(folder);
    return arguments;
  };
  ProgramResult broken = RunProgram(dir_, (copy / "corvellane").string(), with_folder(dir_.File("broken")));
  ProgramResult clean = RunProgram(dir_, CORVELLANE_PROGRAM, with_folder(dir_.File("clean")));
  ASSERT_EQ(broken.exit_code, 0) << broken.err;
  ASSERT_EQ(clean.exit_code, 0) << clean.err;

  auto lines_with = [&](std::initializer_list<std::string_view> parts) {
    int count = 0;
    std::istringstream lines(broken.err);
    for (std::string line; std::getline(lines, line);) {
      bool all = true;
      for (std::string_view part : parts) all = all && line.find(part) != std::string::npos;
      count += all;
    }
    return count;
  };
  EXPECT_EQ(lines_with({"warning:", "data/screens/main.xml", "broken_type", "unknown type \"fancy_widget\""}), 1)
      << broken.err;
  EXPECT_EQ(lines_with({"warning:", "data/screens/main.xml", "broken_number", "\"width\" is \"wide\""}), 1)
      << broken.err;
  EXPECT_EQ(lines_with({"warning:", "broken_resource", "image_no_such_picture"}), 1) << broken.err;

  Ref<TSurface> shown = ReadPng(dir_.File("broken/last.png"));
  Ref<TSurface> expected = ReadPng(dir_.File("clean/last.png"));
  ASSERT_TRUE(shown && expected);
  int differing = 0;
  for (int32_t y = 0; y < expected->GetHeight(); ++y)
    for (int32_t x = 0; x < expected->GetWidth(); ++x) differing += shown->GetPixel(x, y) != expected->GetPixel(x, y);
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace corvellane
