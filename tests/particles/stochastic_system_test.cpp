// Stochastic and Monte Carlo systems: how many particles each advance
// makes, where they go, how they fade and when they die, over a fixed seed.
#include <gtest/gtest.h>

#include <string>

#include "particles/montecarlo_particle_system.h"
#include "particles/stochastic_particle_system.h"
#include "tests/particles/particle_fixture.h"

namespace corvellane::testing {
namespace {

std::string Stochastic(std::string_view keys) {
  return Root(R"(<widget type="stochastic_particle_system" name="ps" visible="yes" anchor_left="20" anchor_top="20" )" +
              std::string(keys) + ">" + std::string(kDot) + "</widget>");
}

struct EmissionCase {
  const char* name;
  int32_t emission_count;
  int32_t delta_step;
  int frames;
  int32_t frame_ms;
  int expected;
};

class StochasticEmission : public ParticleTest, public ::testing::WithParamInterface<EmissionCase> {};

TEST_P(StochasticEmission, MakesTheExpectedNumber) {
  const EmissionCase& c = GetParam();
  Load(Stochastic("lifetime_min=\"100000\" lifetime_max=\"100001\" emission_count=\"" +
                  std::to_string(c.emission_count) + "\" delta_step=\"" + std::to_string(c.delta_step) + "\""));
  Frames(c.frames, c.frame_ms);
  EXPECT_EQ(Count("ps"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StochasticEmission,
    ::testing::Values(EmissionCase{"per_frame", 1000, 0, 1, 16, 16},
                      EmissionCase{"too_few_for_a_frame", 10, 0, 5, 16, 0},
                      EmissionCase{"step_not_yet_due", 1000, 50, 3, 16, 0},
                      EmissionCase{"first_whole_step", 1000, 50, 4, 16, 50},
                      EmissionCase{"two_steps", 1000, 50, 7, 16, 100},
                      // A stall of five seconds emits what 100 ms would, not 5000.
                      EmissionCase{"stall_unstepped", 1000, 0, 1, 5000, 100},
                      EmissionCase{"stall_stepped", 1000, 10, 1, 5000, 100},
                      EmissionCase{"absurd_rate_is_capped", 2000000000, 0, 1, 100, 200000}),
    [](const auto& info) { return std::string(info.param.name); });

// Frames without a due step move the clock as usual; the frame in which a
// step falls due moves it by the step instead of by the frame.
TEST_F(ParticleTest, ADueStepMovesTheClockByTheStep) {
  Load(Stochastic(R"(emission_count="0" delta_step="50")"));
  Frames(3, 16);
  EXPECT_EQ(Find("ps")->GetProperty("currenttime").ToInt(), 48);
  Frame(16);  // 64 ms gathered: one step due, 14 left over
  EXPECT_EQ(Find("ps")->GetProperty("currenttime").ToInt(), 48 + 50);
  Frames(3, 16);  // 62 gathered: the second step
  EXPECT_EQ(Find("ps")->GetProperty("currenttime").ToInt(), 98 + 32 + 50);
}

struct MotionCase {
  const char* name;
  int32_t direction;
  int32_t speed;
  int32_t gravity;
  int32_t age;
  float x;  // relative to the birth point
  float y;
};

class StochasticMotion : public ParticleTest, public ::testing::WithParamInterface<MotionCase> {};

// One particle (1 ms at 1000 a second), then none: its place in closed form.
TEST_P(StochasticMotion, FollowsTheClosedForm) {
  const MotionCase& c = GetParam();
  const std::string keys = "emission_count=\"1000\" spread=\"0\" lifetime_min=\"2000000000\" lifetime_max=\"2000000001\" "
                           "direction=\"" + std::to_string(c.direction) + "\" speed_min=\"" + std::to_string(c.speed) +
                           "\" speed_max=\"" + std::to_string(c.speed + 1) + "\" gravity_min=\"" +
                           std::to_string(c.gravity) + "\" gravity_max=\"" + std::to_string(c.gravity) + "\"";
  Load(Stochastic(keys));
  Frame(1);
  Find("ps")->SetProperty("emission_count", 0);
  for (int32_t left = c.age; left > 0; left -= 1000) Frame(std::min(left, 1000));
  auto ps = System<TStochasticParticleSystem>("ps");
  ASSERT_EQ(ps->ParticleCount(), 1);
  const TStochasticParticle& p = ps->Particles()[0];
  EXPECT_EQ(p.age, c.age);
  EXPECT_EQ(p.x - p.x0, c.x);
  EXPECT_EQ(p.y - p.y0, c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StochasticMotion,
    ::testing::Values(MotionCase{"right", 0, 100, 0, 500, 50, 0}, MotionCase{"down", 90, 100, 0, 500, 0, 50},
                      MotionCase{"left", 180, 40, 0, 250, -10, 0},
                      // 500^2 x 100 / 2000000 = 12.5, ties to even
                      MotionCase{"falling", 0, 0, 100, 500, 0, 12},
                      MotionCase{"thrown_up", 270, 100, 400, 1000, 0, 100},
                      // age^2 x gravity is far beyond 32 bits: no overflow, a clamped place
                      MotionCase{"huge_gravity", 0, 0, 2000000000, 60000, 0, 1 << 28}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParticleTest, ColourAndAlphaMoveToTheEndOverTheLifetime) {
  Load(Stochastic(R"(emission_count="1000" lifetime_min="1000" lifetime_max="1001" color_start="$FFFF0000"
                    color_end="$FF0000FF" alfa_start="255" alfa_end="0")"));
  Frame(1);
  Find("ps")->SetProperty("emission_count", 0);
  auto ps = System<TStochasticParticleSystem>("ps");
  EXPECT_EQ(ps->Particles()[0].colour, 0xFFFF0000u);
  Frame(500);
  // red 255 + nearest(-127.5) = 127, blue nearest(127.5) = 128, alpha 127
  EXPECT_EQ(ps->Particles()[0].colour, 0x7F7F0080u);
  Frame(500);
  EXPECT_EQ(ps->Particles()[0].colour, 0x000000FFu);
  EXPECT_EQ(ps->ParticleCount(), 1) << "alive at an age equal to its lifetime";
  Frame(16);
  EXPECT_EQ(ps->ParticleCount(), 0);
}

TEST_F(ParticleTest, ALifetimeOfZeroShowsTheEndColourAndDiesAtItsFirstAdvance) {
  Load(Stochastic(R"(emission_count="1000" lifetime_min="0" lifetime_max="0" color_end="$FF00FF00" alfa_end="9")"));
  Frame(4);
  auto ps = System<TStochasticParticleSystem>("ps");
  ASSERT_EQ(ps->ParticleCount(), 4);
  EXPECT_EQ(ps->Particles()[0].colour, 0x0900FF00u);
  Find("ps")->SetProperty("emission_count", 0);
  Frame(1);
  EXPECT_EQ(ps->ParticleCount(), 0);
}

TEST_F(ParticleTest, DirectionsSpanTheSpreadAroundTheMeanDirection) {
  Load(Stochastic(R"(emission_count="1000" direction="0" spread="360")"));
  Frames(20, 16);
  auto ps = System<TStochasticParticleSystem>("ps");
  int lowest = 1000, highest = -1000;
  for (const TStochasticParticle& p : ps->Particles()) {
    lowest = std::min(lowest, p.direction);
    highest = std::max(highest, p.direction);
  }
  EXPECT_GE(lowest, -180);
  EXPECT_LT(highest, 180);
  EXPECT_LT(lowest, -150);
  EXPECT_GT(highest, 150);
}

TEST_F(ParticleTest, ParticlesAreDrawnInTheirColourWhereTheyAre) {
  Load(Stochastic(R"(emission_count="1000" spread="0" speed_min="0" speed_max="0" lifetime_min="10000"
                    lifetime_max="10001" color_start="$FF00FF00" color_end="$FF00FF00" emission_x="3" emission_y="4")"));
  Frame(1);
  Frame(16);
  // The emission point (3, 4) plus the anchor (20, 20); the dot is 2 x 2.
  EXPECT_TRUE(LooksLike(Pixel(23, 24), 0xFF00FF00));
  EXPECT_TRUE(LooksLike(Pixel(24, 25), 0xFF00FF00));
  EXPECT_TRUE(LooksLike(Pixel(25, 24), kBackground));
  EXPECT_EQ(Find("ps")->GetRect(), (TRect{23, 24, 25, 26}));
}

std::string MonteCarlo(std::string_view source_colour) {
  return Root(R"(<widget type="test_box" name="source" visible="yes" anchor_left="10" anchor_top="5" width="8" height="6" colour=")" +
              std::string(source_colour) +
              R"("/>
      <widget type="montecarlo_particle_system" name="mc" visible="yes" emission_count="1000" speed_min="0"
              speed_max="0" lifetime_min="10000" lifetime_max="10001" alfa_variation="50"
              redefinedparams="\widget=../source/owner">)" +
              std::string(kDot) + "</widget>");
}

TEST_F(ParticleTest, MonteCarloParticlesAreBornOnTheOpaquePixelsOfTheSource) {
  Load(MonteCarlo("$FFFFFFFF"));
  Find("mc")->SetProperty("widget", Find("source"));
  Frames(3, 16);
  auto mc = System<TMonteCarloParticleSystem>("mc");
  ASSERT_EQ(mc->ParticleCount(), 48);
  for (const TStochasticParticle& p : mc->Particles()) {
    EXPECT_TRUE(p.x0 >= 10 && p.x0 < 18 && p.y0 >= 5 && p.y0 < 11) << p.x0 << ", " << p.y0;
    EXPECT_GT(p.start[0], 255 - 50);
  }
}

TEST_F(ParticleTest, MonteCarloEmitsNothingFromATransparentSourceOrWithoutOne) {
  Load(MonteCarlo("$00FFFFFF"));
  Frames(3, 16);
  EXPECT_EQ(Count("mc"), 0) << "no source yet";
  Find("mc")->SetProperty("widget", Find("source"));
  Frames(3, 16);
  EXPECT_EQ(Count("mc"), 0);
}

}  // namespace
}  // namespace corvellane::testing
