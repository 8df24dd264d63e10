#include <gtest/gtest.h>

#include <string>

#include "persistence/localization.h"
#include "persistence/paths.h"
#include "persistence/storage.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

// A language file with the given id and "string" entries.
std::string LanguageFile(std::string_view id, std::initializer_list<std::pair<const char*, const char*>> strings) {
  std::string text = "<language id=\"" + std::string(id) + "\"><strings>";
  for (auto [name, value] : strings) text += "<string name=\"" + std::string(name) + "\">" + value + "</string>";
  return text + "</strings></language>";
}

class LocalizationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_program_folder_ = ProgramFolder();
    saved_default_file_ = DefaultLanguageFile();
    SetProgramFolder(dir.path().string());
    SetDefaultLanguageFile(dir.File("lang/default.lng"));
    CreateMultiLanguages();
  }
  void TearDown() override {
    ReleaseMultiLanguages();
    SetProgramFolder(saved_program_folder_);
    SetDefaultLanguageFile(saved_default_file_);
  }

  TempDir dir;

 private:
  std::string saved_program_folder_;
  std::string saved_default_file_;
};

TEST_F(LocalizationTest, PercentSignsAndReferences) {
  dir.Write("lang/default.lng", LanguageFile("en", {{"welcome", "Hello, %username%!"},
                                                    {"b", "B"},
                                                    {"nested", "[%b%]"},
                                                    {"username", "from strings"},
                                                    {"shadowed", "string text"}}));
  ASSERT_TRUE(SelectLanguage());
  SetMacro("username", "Ann");
  SetMacro("shadowed", "macro text");
  SetMacro("empty", "");
  SetMacro("raw", "%b%");
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"no references", "no references"},
      {"100%", "100%"},
      {"100%%", "100%"},
      {"%%%", "%%"},
      {"a%b%c%d", "aBc%d"},
      {"%welcome%", "Hello, Ann!"},
      {"%WELCOME%", "Hello, Ann!"},
      {"%USERNAME%", "from strings"},  // macro names are case-sensitive
      {"%shadowed%", "macro text"},
      {"<%empty%>", "<>"},
      {"%raw%", "%b%"},  // macro values are not expanded
      {"%nested%%b%", "[B]B"},
      {"%unknown% x", " x"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Localize(c.text), c.expected) << c.text;
  EXPECT_EQ(GetLanguageId(), "en");
}

TEST_F(LocalizationTest, SettingAMacroAgainReplacesIt) {
  SetMacro("n", "1");
  SetMacro("n", "2");
  EXPECT_EQ(Localize("%n%"), "2");
}

TEST_F(LocalizationTest, CyclicStringsExpandTheCycleToNothing) {
  dir.Write("lang/default.lng", LanguageFile("en", {{"self", "(%self%)"},
                                                    {"a", "a%b%"},
                                                    {"b", "b%a%"},
                                                    {"twice", "%leaf%%leaf%"},
                                                    {"leaf", "x"}}));
  ASSERT_TRUE(SelectLanguage());
  EXPECT_EQ(Localize("%self%"), "()");
  EXPECT_EQ(Localize("%a%|%b%"), "ab|ba");
  EXPECT_EQ(Localize("%twice%"), "xx");  // repeated, not cyclic
}

TEST_F(LocalizationTest, NamedLanguageOverridesTheDefault) {
  dir.Write("lang/default.lng", LanguageFile("en", {{"yes", "Yes"}, {"no", "No"}}));
  dir.Write("Languages/german.lng", LanguageFile("de", {{"YES", "Ja"}, {"", "skipped"}}));
  dir.Write("Languages/broken.lng", "<language id=\"xx\"><strings>");
  ASSERT_TRUE(SelectLanguage("german"));
  EXPECT_EQ(Localize("%yes%/%no%"), "Ja/No");
  EXPECT_EQ(GetLanguageId(), "de");

  // A broken or missing named file leaves the default file's strings.
  EXPECT_TRUE(SelectLanguage("broken"));
  EXPECT_EQ(Localize("%yes%"), "Yes");
  EXPECT_TRUE(SelectLanguage("missing"));
  EXPECT_EQ(Localize("%yes%"), "Yes");
}

TEST_F(LocalizationTest, WhatCountsAsReadingAFile) {
  struct Case {
    const char* default_file;  // null: no file
    bool read;
  };
  const Case cases[] = {
      {nullptr, false},
      {"<language id=\"en\"/>", false},
      {"", false},
      {"<language><strings/><strings><string name=\"k\">v</string></strings></language>", true},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(dir.File("lang/default.lng"));
    if (c.default_file) dir.Write("lang/default.lng", c.default_file);
    EXPECT_EQ(SelectLanguage(), c.read) << (c.default_file ? c.default_file : "(none)");
    EXPECT_EQ(Localize("%k%"), "");  // only the first "strings" counts
  }
}

TEST_F(LocalizationTest, MalformedDefaultFileIsReportedToTheCaller) {
  dir.Write("lang/default.lng", LanguageFile("en", {{"k", "v"}}));
  ASSERT_TRUE(SelectLanguage());
  dir.Write("lang/default.lng", "<language><strings>");
  EXPECT_THROW(SelectLanguage(), EStorageParseError);
  EXPECT_EQ(Localize("%k%"), "");  // the strings were cleared first
}

TEST_F(LocalizationTest, WithoutTheObjectNothingHappens) {
  ReleaseMultiLanguages();
  SetMacro("m", "v");
  EXPECT_EQ(Localize("%m% 100%%"), "%m% 100%%");
  EXPECT_FALSE(SelectLanguage());
  EXPECT_EQ(GetLanguageId(), "");
}

TEST(DefaultLanguageFileTest, StartsAtTheEmbeddedResource) {
  EXPECT_EQ(DefaultLanguageFile(), "res:iniresource/default.lng");
}

}  // namespace
}  // namespace corvellane::testing
