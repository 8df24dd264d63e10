// Smooth move, zoom and rotation: how anchors split into whole pixels and
// quantised fractions, the bounded cache of shifted pictures, the boxes the
// widgets cover, that the centre point stays at the anchor whatever the
// zoom and angle, which way positive angles turn, and the timed rotation.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "tests/widgets/transform_fixture.h"
#include "widgets/timed_rotate_widget.h"

namespace corvellane::testing {
namespace {

// ---- Smooth move ----

struct SplitCase {
  double step;
  double x;
  double whole;
  double fraction;
};

class AnchorSplitTest : public TransformTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(AnchorSplitTest, TheAnchorIsDrawnFromItsWholePartAndAQuantisedFraction) {
  const SplitCase& c = GetParam();
  LoadRoot(Transform("smooth_move_widget", "sampling_step=\"" + std::to_string(c.step) + "\""));
  auto glide = Get<TSmoothMoveWidget>("t");
  glide->SetAnchorLeft(c.x);
  EXPECT_EQ(glide->GetAnchorLeft(), c.whole);
  EXPECT_DOUBLE_EQ(glide->GetFractionX(), c.fraction);
  EXPECT_DOUBLE_EQ(glide->GetProperty("anchor_left").ToFloat(), c.whole + c.fraction);
}

INSTANTIATE_TEST_SUITE_P(Steps, AnchorSplitTest,
                         ::testing::Values(SplitCase{0.25, 10.6, 10, 0.5}, SplitCase{0.25, 10.7, 10, 0.5},
                                           SplitCase{0.25, 10.2, 10, 0.0}, SplitCase{0.5, -3.3, -4, 0.5},
                                           SplitCase{1.0, 7.9, 7, 0.0}, SplitCase{0.0, 2.375, 2, 0.375}));

TEST_F(TransformTest, AFractionThatQuantisesAlikeAsksForNoRepaint) {
  LoadRoot(Transform("smooth_move_widget", ""));
  SetPicture("t/picture", Plain(4, 4, kRed));
  auto glide = Get<TSmoothMoveWidget>("t");
  glide->SetAnchorLeft(10.6);
  ASSERT_TRUE(checker.RunFrame(*screen_));
  glide->SetAnchorLeft(10.7);
  EXPECT_FALSE(glide->NeedsRepaint());
  EXPECT_FALSE(glide->IsGeometryChanged());
  glide->SetAnchorLeft(10.8);
  EXPECT_TRUE(glide->NeedsRepaint());
}

TEST_F(TransformTest, TheShiftedPictureSpreadsOverTheNextPixel) {
  LoadRoot(Transform("smooth_move_widget", R"(anchor_left="10.5" anchor_top="4")"));
  SetPicture("t/picture", Plain(2, 2, kRed));
  Ref<TSurface> drawn = DrawnOnTransparency();
  EXPECT_EQ(drawn->GetPixel(11, 4), kRed);
  EXPECT_EQ(drawn->GetPixel(12, 4) >> 24, 128u) << "half of the last column";
  EXPECT_EQ(drawn->GetPixel(13, 4), 0u);
}

struct CacheCase {
  const char* step;
  int most;  // pictures the cache may hold at most
};

class SmoothMoveCacheTest : public TransformTest, public ::testing::WithParamInterface<CacheCase> {};

TEST_P(SmoothMoveCacheTest, TheCacheStaysBoundedAndDrawsWhatResamplingDraws) {
  const std::string step = GetParam().step;
  std::string resampled = Transform("smooth_move_widget", R"(sampling_step=")" + step + "\"");
  resampled.replace(resampled.find("name=\"t\""), 8, "name=\"u\"");
  LoadRoot(Transform("smooth_move_widget", R"(caching="yes" sampling_step=")" + step + "\"") + resampled);
  auto cached = Get<TSmoothMoveWidget>("t");
  SetPicture("t/picture", Quarters(6, 6));
  Ref<IWidget> plain = Find("u");
  SetPicture("u/picture", Quarters(6, 6));
  for (int i = 0; i < 200; ++i) {
    const double x = 20 + i * 0.037, y = 30 + i * 0.051;
    cached->SetAnchorLeft(x), cached->SetAnchorTop(y);
    plain->SetAnchorLeft(x + 40), plain->SetAnchorTop(y);
    ASSERT_TRUE(checker.RunFrame(*screen_, 0));
    for (int32_t dy = 0; dy < 8; ++dy)
      for (int32_t dx = 0; dx < 8; ++dx)
        ASSERT_EQ(Kept(static_cast<int32_t>(x) + dx, static_cast<int32_t>(y) + dy),
                  Kept(static_cast<int32_t>(x) + 40 + dx, static_cast<int32_t>(y) + dy))
            << "position " << i;
  }
  EXPECT_LE(cached->CachedCount(), GetParam().most);
  EXPECT_LE(GetParam().most, kMaxSmoothMoveCacheSide * kMaxSmoothMoveCacheSide);
}

INSTANTIATE_TEST_SUITE_P(Steps, SmoothMoveCacheTest,
                         ::testing::Values(CacheCase{"0.25", 16}, CacheCase{"0.5", 4}, CacheCase{"0.125", 64},
                                           CacheCase{"0", 0}, CacheCase{"0.0001", 0}, CacheCase{"1e-300", 0}));

// ---- Zoom ----

TEST_F(TransformTest, AZoomOfNothingIsTheSmallestZoom) {
  LoadRoot(Transform("zoom_widget", R"(zoom="0")"));
  EXPECT_DOUBLE_EQ(Find("t")->GetProperty("zoomx").ToFloat(), 0.01);
  Find("t")->SetProperty("zoom", -0.001);
  EXPECT_DOUBLE_EQ(Find("t")->GetProperty("zoomy").ToFloat(), 0.01);
  Find("t")->SetProperty("zoom", 1e300);
  EXPECT_DOUBLE_EQ(Find("t")->GetProperty("zoom").ToFloat(), kMaxZoom);
}

TEST_F(TransformTest, AZoomedPictureKeepsItsCentreAtTheAnchor) {
  LoadRoot(Transform("zoom_widget", R"(anchor_left="50" anchor_top="40" zoom="2" centerx="2" centery="1")"));
  SetPicture("t/picture", Quarters(4, 4));
  EXPECT_EQ(Find("t")->GetRect(), (TRect{46, 38, 46 + 9, 38 + 9}));
  Ref<TSurface> drawn = DrawnOnTransparency();
  EXPECT_EQ(drawn->GetPixel(50, 40), kGreen) << "inner (2, 1) at the anchor";
  EXPECT_EQ(drawn->GetPixel(49, 40), kRed);
  EXPECT_EQ(drawn->GetPixel(50, 42), kWhite);
  EXPECT_EQ(drawn->GetPixel(53, 45), kWhite);
  EXPECT_EQ(drawn->GetPixel(54, 46), 0u);
}

// ---- Rotation ----

TEST_F(TransformTest, ARotatedBoxIsASquareAroundTheWholePicture) {
  LoadRoot(Transform("rotate_widget", R"(anchor_left="80" anchor_top="60" zoom="2" angle="90")"));
  SetPicture("t/picture", Plain(30, 40, kRed));
  // R = 50 / 2 x 2 = 50: side trunc(2R) + 1.
  EXPECT_EQ(Find("t")->GetWidth(), 101);
  EXPECT_EQ(Find("t")->GetHeight(), 101);
  Find("t")->SetProperty("zoom", 1.0);
  EXPECT_EQ(Find("t")->GetWidth(), 51);
}

struct TurnCase {
  const char* label;
  const char* attributes;
};

void PrintTo(const TurnCase& c, std::ostream* out) { *out << c.label; }

class CentreTest : public TransformTest, public ::testing::WithParamInterface<TurnCase> {};

// A 3 x 3 block around the centre point, far from the picture's middle: a
// wrong offset or direction moves it away from the anchor.
TEST_P(CentreTest, TheCentrePointStaysAtTheAnchor) {
  LoadRoot(Transform("rotate_widget", std::string(R"(anchor_left="80" anchor_top="60" centerx="5" centery="7" )") +
                                          GetParam().attributes));
  Ref<TSurface> picture = MakeSurface(40, 20, true);
  for (int32_t y = 6; y <= 8; ++y)
    for (int32_t x = 4; x <= 6; ++x) picture->SetPixel(x, y, kRed);
  SetPicture("t/picture", picture);
  EXPECT_EQ(DrawnOnTransparency()->GetPixel(80, 60), kRed);
}

INSTANTIATE_TEST_SUITE_P(
    AnglesAndZooms, CentreTest,
    ::testing::Values(TurnCase{"still", ""}, TurnCase{"full_turn", R"(angle="360")"},
                      TurnCase{"zoomed", R"(zoom="1.7")"}, TurnCase{"mirrored", R"(zoomx="-1")"},
                      TurnCase{"a_little", R"(angle="10")"}, TurnCase{"thirty", R"(angle="30" zoom="1.3")"},
                      TurnCase{"quarter", R"(angle="90")"}, TurnCase{"half", R"(angle="180" zoom="2")"},
                      TurnCase{"three_quarters", R"(angle="270")"}, TurnCase{"back", R"(angle="-135" zoom="0.9")"},
                      TurnCase{"smooth", R"(angle="45" smooth="yes")"}),
    [](const ::testing::TestParamInfo<TurnCase>& info) { return std::string(info.param.label); });

TEST_F(TransformTest, PositiveAnglesTurnCounterClockwise) {
  LoadRoot(Transform("rotate_widget", R"(anchor_left="80" anchor_top="60" centerx="10" centery="10" angle="90")"));
  SetPicture("t/picture", Dot(21, 21, 17, 10));  // right of the centre
  Ref<TSurface> drawn = DrawnOnTransparency();
  EXPECT_EQ(drawn->GetPixel(80, 53), kRed) << "now above the centre";
  EXPECT_EQ(drawn->GetPixel(87, 60), 0u);
}

TEST_F(TransformTest, ATurnedPictureIsRenderedOnlyWhenSomethingChanged) {
  LoadRoot(Transform("rotate_widget", R"(anchor_left="80" anchor_top="60" angle="20")"));
  SetPicture("t/picture", Quarters(20, 20));
  auto turn = Get<TRotateWidget>("t");
  ASSERT_TRUE(checker.RunFrame(*screen_));
  const ISurface* work = turn->GetWorkSurface().get();
  ASSERT_TRUE(checker.RunFrame(*screen_));
  EXPECT_FALSE(turn->NeedsRepaint());
  EXPECT_TRUE(screen_->TakeInvalidated().empty()) << "a still picture reports nothing";
  turn->SetProperty("angle", 25);
  EXPECT_TRUE(turn->NeedsRepaint());
  ASSERT_TRUE(checker.RunFrame(*screen_));
  EXPECT_EQ(turn->GetWorkSurface().get(), work) << "the work surface is kept";
}

// ---- Timed rotation ----

struct TimedCase {
  const char* attributes;
  int32_t elapsed;
  double angle;
};

class TimedRotateTest : public TransformTest, public ::testing::WithParamInterface<TimedCase> {};

TEST_P(TimedRotateTest, TheAngleFollowsTheClock) {
  LoadRoot(Transform("rotate_widget_timed", GetParam().attributes));
  Find("t")->Update(GetParam().elapsed);
  EXPECT_NEAR(Find("t")->GetProperty("angle").ToFloat(), GetParam().angle, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Times, TimedRotateTest,
    ::testing::Values(TimedCase{R"(rotate="yes" startangle="30")", 0, 30},
                      TimedCase{R"(rotate="yes" startangle="30")", 250, -60},
                      TimedCase{R"(rotate="yes" startangle="30" rotationtime="4000")", 1000, -60},
                      TimedCase{R"(rotate="no" startangle="30")", 250, 30},
                      TimedCase{R"(rotate="yes" startangle="30" currenttime="-500")", 250, 30},
                      // A rotation time of 0 would divide by zero: the picture stays.
                      TimedCase{R"(rotate="yes" startangle="30" rotationtime="0")", 250, 30},
                      TimedCase{R"(rotate="yes" startangle="30" rotationtime="-10")", 250, 30},
                      // Weeks of running: the angle stays within a turn and exact.
                      TimedCase{R"(rotate="yes" rotationtime="1000" currenttime="2147483000")", 600, -216}));

}  // namespace
}  // namespace corvellane::testing
