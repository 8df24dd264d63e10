#include "play/play_formulas.h"

#include <gtest/gtest.h>

namespace corvellane {
namespace {

TEST(FindPoints, FollowTheSquareRootOfTheTimeSinceTheLastFind) {
  struct Case {
    int64_t elapsed_ms;
    int32_t points;
  };
  for (const Case& c : {Case{1, 7071}, Case{500, 316}, Case{5000, 100}, Case{50000, 32},
                        // No division by zero: a find in the same millisecond, or a clock gone backwards.
                        Case{0, 7071}, Case{-40, 7071}}) {
    SCOPED_TRACE(c.elapsed_ms);
    EXPECT_EQ(FindPoints(c.elapsed_ms), c.points);
  }
}

TEST(MoveTime, IsTheDistanceAtTheSpeedCutToTheLongestTime) {
  struct Case {
    double distance;
    int32_t ms_per_pixel;
    int32_t max_time;
    int32_t time;
  };
  for (const Case& c : {Case{150, 2, 250, 250}, Case{150, 2, 0, 300}, Case{150, 0, 250, 250},
                        Case{150, 0, 0, 0}, Case{10.4, 1, 0, 10}, Case{-150, 2, 0, 300}}) {
    SCOPED_TRACE(c.distance);
    EXPECT_EQ(MoveTime(c.distance, c.ms_per_pixel, c.max_time), c.time);
  }
}

TEST(EasedPosition, StartsSlowAndArrivesExactly) {
  EXPECT_EQ(EasedPosition(100, 300, 0.0), 100);
  EXPECT_EQ(EasedPosition(100, 300, 0.5), 100 + 71);  // 200 * 0.5 * sin(pi / 4) = 70.7
  EXPECT_EQ(EasedPosition(100, 300, 1.0), 300);
  EXPECT_EQ(EasedPosition(100, 300, 7.0), 300);  // held to the end point
  EXPECT_EQ(EasedPosition(100, 300, -1.0), 100);
}

}  // namespace
}  // namespace corvellane
