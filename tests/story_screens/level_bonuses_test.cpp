// The bonuses of the level statistics, row by row of their tables, with the
// edges of every step.
#include <gtest/gtest.h>

#include "story_screens/level_bonuses.h"

namespace corvellane::testing {
namespace {

struct CountRow {
  int32_t count;
  int32_t bonus;
};

TEST(LevelBonuses, HintsAndWrongClicksEachEarnByTheirCount) {
  const CountRow rows[] = {{-1, 2000}, {0, 2000}, {1, 1000}, {2, 500}, {3, 250}, {4, 0}, {5, 0}, {1000, 0}};
  for (const CountRow& row : rows) {
    EXPECT_EQ(CountBonus(row.count), row.bonus) << row.count;
    EXPECT_EQ(LevelBonuses({0, row.count, 0}, true, true).hints, row.bonus) << "hints " << row.count;
    EXPECT_EQ(LevelBonuses({0, 0, row.count}, true, true).mistakes, row.bonus) << "wrong clicks " << row.count;
  }
}

TEST(LevelBonuses, TimeEarnsByTheStepTheSecondsFallIn) {
  const CountRow rows[] = {{0, 2000},   {59, 2000},  {60, 1000},  {119, 1000}, {120, 500},
                           {239, 500},  {240, 250},  {479, 250},  {480, 0},    {100000, 0}};
  for (const CountRow& row : rows) {
    EXPECT_EQ(TimeBonus(row.count), row.bonus) << row.count << " s";
    EXPECT_EQ(LevelBonuses({row.count, 9, 9}, true, true).time, row.bonus) << row.count << " s";
  }
}

struct LevelRow {
  const char* name;
  TLevelCounts counts;
  bool timed;
  bool won;
  TLevelBonuses bonuses;
};

TEST(LevelBonuses, AWholeLevelAgainstTheClockAtLeisureAndLost) {
  const LevelRow rows[] = {
      {"won in 45 s, no hint, two wrong clicks", {45, 0, 2}, true, true, {2000, 2000, 500}},
      {"the same at leisure: no time bonus", {45, 0, 2}, false, true, {0, 2000, 500}},
      {"the same lost: nothing", {45, 0, 2}, true, false, {0, 0, 0}},
      {"slow and helped", {300, 3, 7}, true, true, {250, 250, 0}},
  };
  for (const LevelRow& row : rows) {
    const TLevelBonuses bonuses = LevelBonuses(row.counts, row.timed, row.won);
    EXPECT_EQ(bonuses.time, row.bonuses.time) << row.name;
    EXPECT_EQ(bonuses.hints, row.bonuses.hints) << row.name;
    EXPECT_EQ(bonuses.mistakes, row.bonuses.mistakes) << row.name;
  }
}

}  // namespace
}  // namespace corvellane::testing
