#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "persistence/cipher.h"
#include "shell/declarations.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_folders.h"
#include "tests/tools/subprocess.h"

namespace corvellane {
namespace {

using testing::ProgramResult;
using testing::RunProgram;

class DataTool : public ::testing::Test {
 protected:
  ProgramResult Tool(const std::vector<std::string>& arguments, const std::string& input = {}) {
    return RunProgram(dir_, CORVELLANE_DATA_TOOL, arguments, input);
  }

  testing::TempDir dir_;
};

TEST_F(DataTool, EnciphersWhatTheGameDeciphers) {
  const std::string plain = "<options><MusicVolume>80</MusicVolume></options>";
  ProgramResult result = Tool({"encrypt", "some key"}, plain);
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, EncryptText("some key", plain) + "\n");
  EXPECT_EQ(DecryptText("some key", result.out), plain);
}

TEST_F(DataTool, DeciphersWhatTheGameEnciphers) {
  const std::string plain = "line one\r\nline two \xC3\xA9\r\n";
  ProgramResult result = Tool({"decrypt", "k"}, EncryptText("k", plain) + "\r\n");
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, plain);
}

TEST_F(DataTool, NamedKeysAreTheProductsOwn) {
  for (const auto& entry : product::FileKeys()) {
    ProgramResult result = Tool({"encrypt", "--key", std::string(entry.name)}, "abcdefghij");
    ASSERT_EQ(result.exit_code, 0) << entry.name << ": " << result.err;
    EXPECT_EQ(result.out, EncryptText(entry.text, "abcdefghij") + "\n") << entry.name;
  }
}

TEST_F(DataTool, EmptyInputGivesEmptyOutput) {
  EXPECT_EQ(Tool({"encrypt", "k"}).out, "\n");
  ProgramResult result = Tool({"decrypt", "k"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out, "");
}

TEST_F(DataTool, BadCommandLinesAndInputsFailWithOneLine) {
  struct Case {
    std::vector<std::string> arguments;
    std::string input;
    int exit_code;
  };
  const Case cases[] = {
      {{}, "", 2},
      {{"frobnicate"}, "", 2},
      {{"encrypt"}, "", 2},
      {{"encrypt", ""}, "", 2},
      {{"encrypt", "a", "b"}, "", 2},
      {{"encrypt", "--key"}, "", 2},
      {{"decrypt", "--key", "nonsense"}, "", 2},
      {{"xml"}, "", 2},
      {{"xml", ""}, "", 2},
      {{"decrypt", "k"}, "not hexadecimal at all", 1},
      {{"decrypt", "k"}, "ABCD<xml/>", 1},
      {{"xml", "no-such-file.xml"}, "", 1},
      {{"xml", "."}, "", 1},
  };
  for (const Case& c : cases) {
    std::string joined;
    for (const auto& a : c.arguments) joined += "[" + a + "]";
    ProgramResult result = Tool(c.arguments, c.input);
    EXPECT_EQ(result.exit_code, c.exit_code) << joined << " " << result.err;
    EXPECT_EQ(result.out, "") << joined;
    ASSERT_FALSE(result.err.empty()) << joined;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << joined << ": " << result.err;
    EXPECT_EQ(result.err.rfind("corvellane-data: ", 0), 0u) << joined;
  }
}

TEST_F(DataTool, HelpListsTheCommandsAndKeyNames) {
  ProgramResult result = Tool({"--help"});
  EXPECT_EQ(result.exit_code, 0);
  for (const char* word : {"encrypt", "decrypt", "xml", "options", "definitions"})
    EXPECT_NE(result.out.find(word), std::string::npos) << word;
}

TEST_F(DataTool, XmlPrintsTheFileAsTheStorageReadsIt) {
  const std::string path = dir_.Write("screen.xml", "<?xml version=\"1.0\"?>\n<screen name=\"GS_Main\"><a x=\"1\"/></screen>");
  ProgramResult result = Tool({"xml", path});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_NE(result.out.find("GS_Main"), std::string::npos);
  EXPECT_NE(result.out.find("<a x=\"1\""), std::string::npos);
  // Printing what was printed changes nothing: it is the stored form.
  const std::string again = dir_.Write("again.xml", result.out);
  EXPECT_EQ(Tool({"xml", again}).out, result.out);
}

TEST_F(DataTool, XmlReportsMalformedText) {
  const std::string path = dir_.Write("broken.xml", "<screen><unclosed></screen>");
  ProgramResult result = Tool({"xml", path});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.err.find("broken.xml"), std::string::npos);
}

// The check loads the game's screens as the game does: the demo's program
// folder has no problem, and the same folder with one screen of a type the
// game does not know gets exactly one line, naming the file and the screen.
TEST_F(DataTool, CheckKnowsEveryScreenOfTheDemoAndNamesAnUnknownScreenType) {
  namespace fs = std::filesystem;
  fs::create_directories(dir_.path() / "game");
  for (const char* folder : {"data", "lang"})
    fs::copy(fs::path(testing::TestGameDir()) / folder, dir_.path() / "game" / folder, fs::copy_options::recursive);
  const std::string game = dir_.File("game");
  ProgramResult clean = Tool({"check", game});
  EXPECT_EQ(clean.exit_code, 0) << clean.out << clean.err;

  const fs::path definition = dir_.path() / "game" / "data" / "ini" / "Corvellane.ini";
  const std::string key(product::FileKeyText(product::FileKey::Definitions));
  std::ifstream in(definition, std::ios::binary);
  const std::string stored{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::string plain = DecryptText(key, stored);
  const std::string options = R"(type="GameScreenOptions")";
  ASSERT_NE(plain.find(options), std::string::npos);
  plain.replace(plain.find(options), options.size(), R"(type="GameScreenOptionz")");
  std::ofstream(definition, std::ios::binary | std::ios::trunc) << EncryptText(key, plain);
  ProgramResult broken = Tool({"check", game});
  EXPECT_EQ(broken.exit_code, 1);
  EXPECT_EQ(broken.out, "data\\ini\\Corvellane.ini, game/gamescreens/gamescreen \"GS_Options\": unknown type "
                        "\"GameScreenOptionz\"; skipped\n");
}

}  // namespace
}  // namespace corvellane
