#include "shell/formatting.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>

#include <clocale>
#include <limits>

#include "persistence/localization.h"
#include "tests/support/temp_dir.h"

extern char** environ;

namespace corvellane {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(FormatIntWithSeparators, GroupsDigitsByThreeFromTheRight) {
  struct Case {
    int32_t n;
    std::string_view expected;
  };
  const Case cases[] = {
      {0, "0"},          {7, "7"},          {-5, "-5"},
      {999, "999"},      {1000, "1,000"},   {-1000, "-1,000"},
      {100000, "100,000"}, {1234567, "1,234,567"}, {-999999, "-999,999"},
      {kMax, "2,147,483,647"}, {kMin, "-2,147,483,648"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatIntWithSeparators(c.n, ","), c.expected) << c.n;
}

TEST(FormatIntWithSeparators, SeparatorMayBeLongerThanOneByte) {
  EXPECT_EQ(FormatIntWithSeparators(-1234567, "\u202F"), "-1\u202F234\u202F567");
  EXPECT_EQ(FormatIntWithSeparators(1234567, ""), "1234567");
}

TEST(FormatMinSec, PadsMinutesAndSecondsToTwoDigits) {
  struct Case {
    int32_t seconds;
    std::string_view expected;
  };
  const Case cases[] = {
      {0, "00:00"},   {5, "00:05"},     {59, "00:59"},     {60, "01:00"},
      {65, "01:05"},  {600, "10:00"},   {6000, "100:00"},  {-65, "-01:05"},
      {kMax, "35791394:07"}, {kMin, "-35791394:08"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatMinSec(c.seconds, ":"), c.expected) << c.seconds;
}

class LocalizedSeparators : public ::testing::Test {
 protected:
  void SetUp() override { CreateMultiLanguages(); }
  void TearDown() override { ReleaseMultiLanguages(); }
};

TEST_F(LocalizedSeparators, ComeFromTheLanguage) {
  SetMacro("thousand_separator", ".");
  SetMacro("time_separator", "'");
  EXPECT_EQ(FormatIntWithSeparators(-1234567), "-1.234.567");
  EXPECT_EQ(FormatMinSec(125), "02'05");
  EXPECT_EQ(FormatMinSec(125, "m"), "02m05");
}

TEST_F(LocalizedSeparators, MissingEntriesRunTheDigitsTogether) {
  EXPECT_EQ(FormatIntWithSeparators(1234567), "1234567");
  EXPECT_EQ(FormatMinSec(125), "0205");
}

TEST(ParseFloatDot, ReadsDotDecimalsOrGivesTheFallback) {
  struct Case {
    std::string_view text;
    double fallback, expected;
  };
  const Case cases[] = {
      {"", 2.5, 2.5},     {"1.5", 0, 1.5},   {" 2.25 ", 0, 2.25}, {"-0.5", 1, -0.5},
      {"3", 0, 3},        {"1e3", 0, 1000},  {"abc", 7, 7},       {"1.5x", 7, 7},
      {"nan", 7, 7},      {"inf", 7, 7},     {".", 7, 7},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(ParseFloatDot(c.text, c.fallback), c.expected) << c.text;
}

// Builds a German locale into the folder (most machines here have none
// installed) and points the C library at it.
bool BuildCommaLocale(const testing::TempDir& dir) {
  const std::string output = dir.File("de_DE.UTF-8");
  const char* argv[] = {"localedef", "-i", "de_DE", "-f", "UTF-8", output.c_str(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, "localedef", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) return false;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  return ::setenv("LOCPATH", dir.path().c_str(), 1) == 0;
}

// The desktop's locale must not change how data texts read.
TEST(ParseFloatDot, IgnoresACommaDecimalLocale) {
  testing::TempDir dir;
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !(BuildCommaLocale(dir) && std::setlocale(LC_ALL, "de_DE.UTF-8")))
    GTEST_SKIP() << "no locale with a comma decimal separator is available";
  const bool comma = std::string_view(std::localeconv()->decimal_point) == ",";
  const double dot = ParseFloatDot("1.5", 0);
  const double blank = ParseFloatDot(" 2.25 ", 0);
  std::setlocale(LC_ALL, previous.c_str());
  ::unsetenv("LOCPATH");
  ASSERT_TRUE(comma);
  EXPECT_DOUBLE_EQ(dot, 1.5);
  EXPECT_DOUBLE_EQ(blank, 2.25);
}

}  // namespace
}  // namespace corvellane
