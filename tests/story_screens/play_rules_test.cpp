// The play screen's rules on their own: the clock, the score counter, the
// success chain, the wrong-click heat, the hint's direction and the trace's
// JSON.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "story_screens/click_streaks.h"
#include "story_screens/play_clock.h"
#include "story_screens/play_hint.h"
#include "story_screens/play_trace.h"
#include "story_screens/score_counter.h"

namespace corvellane {
namespace {

// ---- Clock ----

struct ClockCase {
  const char* what;
  bool timed;
  int32_t start;
  std::vector<int32_t> steps;  // the first step of a level is skipped
  int32_t clock;
  int32_t pending;
  bool ran_out;
};

class ClockSteps : public ::testing::TestWithParam<ClockCase> {};

TEST_P(ClockSteps, MoveTheClockAtMostASecondAFrame) {
  const ClockCase& c = GetParam();
  TPlayClock clock;
  clock.Start(c.timed, c.start);
  bool ran_out = false;
  for (int32_t ms : c.steps) ran_out = clock.Step(ms).ran_out || ran_out;
  EXPECT_EQ(clock.Clock(), c.clock) << c.what;
  EXPECT_EQ(clock.Pending(), c.pending) << c.what;
  EXPECT_EQ(ran_out, c.ran_out) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClockSteps,
    ::testing::Values(
        ClockCase{"the frame that starts the level does not count", true, 300000, {16}, 300000, 0, false},
        ClockCase{"a timed clock counts down", true, 300000, {16, 16, 16}, 299968, 0, false},
        ClockCase{"a relaxed clock counts up", false, 0, {16, 16, 16}, 32, 0, false},
        ClockCase{"a frame of 3500 ms takes 1000 now", true, 300000, {16, 3500}, 299000, 2500, false},
        ClockCase{"and the rest 1000 a frame, their own time included", true, 300000, {16, 3500, 16, 16},
                  297000, 532, false},
        ClockCase{"a penalty of a minute", true, 300000, {16, 60000}, 299000, 59000, false},
        ClockCase{"the clock reaches 0", true, 32, {16, 16, 16}, 0, 0, false},
        ClockCase{"and runs out at the next step", true, 32, {16, 16, 16, 16}, 0, 0, true},
        ClockCase{"a long frame runs past 0; the next step finds it", true, 500, {16, 1000, 16}, -500, 0, true}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(PlayClock, ALevelLeftWithPendingTimeCountsItOnTheRightSide) {
  TPlayClock timed;
  timed.Start(true, 300000);
  timed.Step(16);
  timed.Step(60000);  // a penalty: 1000 taken, 59000 still owed
  EXPECT_EQ(timed.Settled(), 240000);
  EXPECT_EQ(timed.UsedMs(300000), 60000);

  TPlayClock relaxed;
  relaxed.Start(false, 10000);
  relaxed.Step(16);
  relaxed.Step(3500);  // 1000 shown, 2500 played but not shown yet
  EXPECT_EQ(relaxed.Settled(), 13500);
  EXPECT_EQ(relaxed.UsedMs(0), 13500);
}

TEST(PlayClock, TimeOwedBeyondWhatIsLeftLeavesNothingNeverANegativeClock) {
  TPlayClock clock;
  clock.Start(true, 20000);
  clock.Step(16);
  clock.Step(60000);
  EXPECT_EQ(clock.Settled(), 0);
  EXPECT_EQ(clock.UsedMs(300000), 300000);
}

// ---- Score counter ----

TEST(ScoreCounter, CountsUpFastAtFirstAndSlowsDownToTheLastPoint) {
  TScoreCounter score;
  score.SetDisplayed(1000);
  score.Add(300);
  std::vector<int32_t> moves;
  int32_t before = score.Displayed();
  while (score.Step()) {
    moves.push_back(score.Displayed() - before);
    before = score.Displayed();
  }
  EXPECT_EQ(score.Displayed(), 1300);
  EXPECT_EQ(score.Pending(), 0);
  ASSERT_GT(moves.size(), 3u);
  const int32_t largest = *std::max_element(moves.begin(), moves.end());
  EXPECT_EQ(moves.front(), 1);
  EXPECT_GE(largest * largest, 100) << "the step follows the square root of what is pending";
  EXPECT_LT(moves.back(), largest);
  EXPECT_LT(moves.size(), 60u) << "300 points count up within a second";
}

TEST(ScoreCounter, TheTotalIncludesPointsStillCountingAndDroppingThemKeepsTheShownScore) {
  TScoreCounter score;
  score.SetDisplayed(50);
  score.Add(316);
  score.Step();
  EXPECT_EQ(score.Total(), 366);
  const int32_t shown = score.Displayed();
  score.DropPending();
  EXPECT_EQ(score.Total(), shown);
  EXPECT_FALSE(score.Step());
}

TEST(ScoreCounter, NeverPassesTheLargestScore) {
  TScoreCounter score;
  score.SetDisplayed(INT32_MAX - 10);
  score.Add(7071);
  score.Add(7071);
  EXPECT_EQ(score.Total(), INT32_MAX);
  while (score.Step()) {
  }
  EXPECT_EQ(score.Displayed(), INT32_MAX);
}

// ---- Success chain and wrong-click heat ----

TEST(SuccessChain, BonusesComeAtTheThirdSixthNinthAndTwelfthFindThenTheCountStartsAgain) {
  TSuccessChain chain;
  std::vector<int32_t> bonuses;
  for (int find = 1; find <= 15; ++find) {
    const TChainBonus* bonus = chain.Success(find * 1000);
    bonuses.push_back(bonus ? bonus->points : 0);
  }
  EXPECT_EQ(bonuses, (std::vector<int32_t>{0, 0, 300, 0, 0, 700, 0, 0, 1200, 0, 0, 2000, 0, 0, 300}));
}

TEST(SuccessChain, AMissOrFourSecondsWithoutAClickEndTheChain) {
  TSuccessChain missed;
  missed.Success(0);
  missed.Success(100);
  missed.Miss(200);
  EXPECT_EQ(missed.Success(300), nullptr);
  EXPECT_EQ(missed.Count(), 1);

  TSuccessChain slow;
  slow.Success(0);
  slow.Success(1000);
  slow.Tick(4999);
  EXPECT_EQ(slow.Count(), 2);
  slow.Tick(5000);
  EXPECT_EQ(slow.Count(), 0);
  EXPECT_EQ(slow.LastClickTime(), -1);
  EXPECT_EQ(slow.Success(5100), nullptr);
}

TEST(WrongClickHeat, SixMissesWithinTwoSecondsArePenalisedFiveAreNot) {
  TWrongClickHeat quick;
  std::vector<bool> penalties;
  for (int miss = 0; miss < 6; ++miss) {
    penalties.push_back(quick.Miss());
    quick.Cool(16 * 24);  // five gaps of 384 ms: 1.92 s in all
  }
  EXPECT_EQ(penalties, (std::vector<bool>{false, false, false, false, false, true}));

  TWrongClickHeat evenly;
  for (int miss = 0; miss < 5; ++miss) {
    EXPECT_FALSE(evenly.Miss());
    evenly.Cool(400);  // six misses in exactly two seconds: the heat reaches 10000, not above
  }
  EXPECT_FALSE(evenly.Miss());
  EXPECT_EQ(evenly.Heat(), 10000);
}

TEST(WrongClickHeat, AMissEveryTwoSecondsIsNeverPenalised) {
  TWrongClickHeat heat;
  for (int miss = 0; miss < 30; ++miss) {
    EXPECT_FALSE(heat.Miss()) << miss;
    heat.Cool(2000);
  }
}

// ---- Hint ----

struct AngleCase {
  TPoint target;
  double angle;
};

class HintAngle : public ::testing::TestWithParam<AngleCase> {};

TEST_P(HintAngle, PointsFromTheButtonAtTheTarget) {
  EXPECT_NEAR(HintAngleTowards(GetParam().target), GetParam().angle, 1e-9);
}

// The button's centre is (67, 724); angles grow counter-clockwise from the right.
INSTANTIATE_TEST_SUITE_P(Directions, HintAngle,
                         ::testing::Values(AngleCase{{567, 724}, 0}, AngleCase{{67, 224}, 90},
                                           AngleCase{{567, 224}, 45}, AngleCase{{67, 767}, 270},
                                           AngleCase{{0, 724}, 180}, AngleCase{{567, 1224}, 315},
                                           AngleCase{{67, 724}, 270}));

// ---- Trace ----

TEST(PlayTrace, LinesAreJsonObjectsWithTextsEscaped) {
  TPlayTraceList targets;
  targets.Add(TPlayTraceLine::Object().Text("name", "vase_l2").Rect("rect", 10, 20, 30, 40));
  const std::string line = TPlayTraceLine("find")
                               .Int("t", 5200)
                               .Text("caption", "Cup \"of\" tea\\\n\x01" "caf\xc3\xa9")
                               .Bool("won", false)
                               .Null("seed")
                               .Json("targets", targets.Finish())
                               .Finish();
  EXPECT_EQ(line,
            "{\"event\":\"find\",\"t\":5200,\"caption\":\"Cup \\\"of\\\" tea\\\\\\u000a\\u0001caf\xc3\xa9\","
            "\"won\":false,\"seed\":null,\"targets\":[{\"name\":\"vase_l2\",\"rect\":{\"x\":10,\"y\":20,\"w\":30,"
            "\"h\":40}}]}");
}

TEST(PlayTrace, ASinkGetsEachLineWholeAndNoSinkMeansNoTrace) {
  std::vector<std::string> lines;
  SetPlayTraceSink([&lines](std::string_view line) { lines.emplace_back(line); }, 42u);
  EXPECT_TRUE(PlayTraceOn());
  EXPECT_EQ(PlayTraceSeed(), 42u);
  WritePlayTrace(TPlayTraceLine("pause").Int("t", 1));
  ClosePlayTrace();
  EXPECT_FALSE(PlayTraceOn());
  WritePlayTrace(TPlayTraceLine("resume").Int("t", 2));
  EXPECT_EQ(lines, std::vector<std::string>{"{\"event\":\"pause\",\"t\":1}"});
}

}  // namespace
}  // namespace corvellane
