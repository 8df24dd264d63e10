// Time flowing into widgets: rates, lifetime, pause, restart.
#include <gtest/gtest.h>

#include "tests/widgets/test_widgets.h"

namespace corvellane::testing {
namespace {

TEST(WidgetTime, RateScalesElapsedTimeRoundingTiesToEven) {
  struct Case {
    double rate;
    int32_t elapsed;
    int32_t expected;
  };
  const Case cases[] = {
      {0.5, 15, 8}, {0.5, 17, 8}, {0.5, 16, 8}, {1.0, 17, 17}, {2.0, 16, 32}, {0.0, 16, 0}, {0.25, 10, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rate);
    Ref<TTestBox> box = CreateObject<TTestBox>();
    box->SetProperty("time_rate", c.rate);
    box->Update(c.elapsed);
    EXPECT_EQ(box->GetCurrentTime(), c.expected);
  }
}

TEST(WidgetTime, LifetimeEndsInTheFrameThatReachesIt) {
  Ref<TTestBox> box = LoadWidget<TTestBox>(R"(<widget timetolive="1000"/>)");
  int frames = 0;
  while (!box->IsDead() && frames < 100) {
    box->Update(16);
    ++frames;
  }
  EXPECT_EQ(frames, 63);
  EXPECT_EQ(box->GetCurrentTime(), 1008);
}

TEST(WidgetTime, WithoutLifetimeTheWidgetLivesOn) {
  Ref<TTestBox> box = CreateObject<TTestBox>();
  for (int i = 0; i < 1000; ++i) box->Update(1000);
  EXPECT_FALSE(box->IsDead());
}

TEST(WidgetTime, ClockSaturatesInsteadOfOverflowing) {
  Ref<TTestBox> box = LoadWidget<TTestBox>(R"(<widget currenttime="2147483000"/>)");
  box->Update(100000);
  EXPECT_EQ(box->GetCurrentTime(), 2147483647);
}

TEST(WidgetTime, RestartRewindsUnpausesAndAdvancesByNothing) {
  Ref<TTestBox> box = LoadWidget<TTestBox>(R"(<widget paused="yes" currenttime="300"/>)");
  EXPECT_TRUE(box->IsPaused());
  EXPECT_EQ(box->GetCurrentTime(), 300);
  box->Restart();
  EXPECT_FALSE(box->IsPaused());
  EXPECT_EQ(box->GetCurrentTime(), 0);
  EXPECT_TRUE(box->IsAdvanced());
  EXPECT_EQ(box->advances, 1);
}

TEST(WidgetTime, ShowPairsVisibilityWithPause) {
  Ref<TTestBox> box = CreateObject<TTestBox>();
  box->Show(true);
  EXPECT_TRUE(box->IsVisible());
  EXPECT_FALSE(box->IsPaused());
  box->Show(false);
  EXPECT_FALSE(box->IsVisible());
  EXPECT_TRUE(box->IsPaused());
}

TEST(WidgetTime, AdvancedFlagIsClearedByTheDirtyPass) {
  Ref<TTestBox> box = CreateObject<TTestBox>();
  box->Update(5);
  EXPECT_TRUE(box->IsAdvanced());
  box->UpdateDirtyRegion(false, false);
  EXPECT_FALSE(box->IsAdvanced());
}

}  // namespace
}  // namespace corvellane::testing
