// The sequence transition: which frame shows at each moment, that the last
// frame stays (the target picture, never an empty end), cycling, a duration
// of 0, and the pictures handed to each frame as it becomes current.
#include <gtest/gtest.h>

#include <string>

#include "tests/widgets/transform_fixture.h"
#include "widgets/transition_effect_widget.h"

namespace corvellane::testing {
namespace {

// Four frames, each a surface widget that shows the second picture.
std::string FourFrames(std::string_view attributes) {
  std::string frames;
  for (int i = 0; i < 4; ++i)
    frames += "<widget type=\"surface_widget\" name=\"f" + std::to_string(i) +
              "\" visible=\"yes\" anchor_left=\"" + std::to_string(10 * i) + "\" aliases=\"\\surface2=surface\"/>";
  return R"(<widget type="sequience_transition_effect" name="tr" visible="yes" )" + std::string(attributes) +
         "><widgets>" + frames + "</widgets></widget>";
}

class TransitionTest : public TransformTest {
 protected:
  Ref<TSequienceTransitionEffectWidget> Load(std::string_view attributes) {
    LoadRoot(FourFrames(attributes));
    auto transition = Get<TSequienceTransitionEffectWidget>("tr");
    transition->SetProperty("surface2", Variant(Plain(4, 4, kGreen)));
    return transition;
  }
  // The visible frames, as their numbers.
  std::string Shown() {
    std::string shown;
    for (int i = 0; i < 4; ++i)
      if (Find("tr/f" + std::to_string(i))->IsVisible()) shown += std::to_string(i);
    return shown;
  }
};

struct Moment {
  int32_t time;
  const char* shown;
};

TEST_F(TransitionTest, FramesFollowTheClockAndTheLastOneStays) {
  Load(R"(durationtime="400")");
  EXPECT_EQ(Shown(), "") << "loading hides every frame";
  // nearest(4 t / 400), ties to even.
  const Moment moments[] = {{0, "0"},   {50, "0"},   {51, "1"},   {149, "1"}, {150, "2"}, {250, "2"},
                            {251, "3"}, {349, "3"}, {350, "3"}, {1000, "3"}};
  int32_t now = 0;
  for (const Moment& m : moments) {
    ASSERT_TRUE(checker.RunFrame(*screen_, m.time - now)) << "at " << m.time;
    now = m.time;
    EXPECT_EQ(Shown(), m.shown) << "at " << m.time;
  }
  EXPECT_PRED2(LooksLike, Kept(30, 0), kGreen) << "the target picture, not an empty end";
}

TEST_F(TransitionTest, CyclingFramesStartAgain) {
  Load(R"(durationtime="400" extraparams="\cycle=yes")");
  const Moment moments[] = {{100, "1"}, {350, "0"}, {450, "0"}, {451, "1"}, {900, "1"}};
  int32_t now = 0;
  for (const Moment& m : moments) {
    ASSERT_TRUE(checker.RunFrame(*screen_, m.time - now));
    now = m.time;
    EXPECT_EQ(Shown(), m.shown) << "at " << m.time;
  }
}

TEST_F(TransitionTest, NoDurationShowsNoFrame) {
  Load("");
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(checker.RunFrame(*screen_, 100));
  EXPECT_EQ(Shown(), "");
}

TEST_F(TransitionTest, PicturesReachAFrameWhenItBecomesCurrent) {
  auto transition = Load(R"(durationtime="400")");
  ASSERT_TRUE(checker.RunFrame(*screen_, 0));
  EXPECT_PRED2(LooksLike, Kept(0, 0), kGreen);
  transition->SetProperty("surface2", Variant(Plain(4, 4, kRed)));
  ASSERT_TRUE(checker.RunFrame(*screen_, 40));
  EXPECT_PRED2(LooksLike, Kept(0, 0), kGreen) << "the current frame keeps its picture";
  ASSERT_TRUE(checker.RunFrame(*screen_, 40));
  EXPECT_PRED2(LooksLike, Kept(10, 0), kRed);
  EXPECT_PRED2(LooksLike, Kept(0, 0), kBackground);
  EXPECT_TRUE(Find("tr/f0")->IsPaused()) << "a frame left behind is paused";
  EXPECT_EQ(transition->GetProperty("surface1").ToObject<ISurface>(), nullptr);
}

}  // namespace
}  // namespace corvellane::testing
