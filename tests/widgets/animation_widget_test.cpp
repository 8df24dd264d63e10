// Frame animations and timed-frame sequences on a real sprite sheet: the
// frame drawn as time passes, delays, looping, stopping, reverse play and
// the redraw of every frame change.
#include <gtest/gtest.h>

#include <string>

#include "tests/widgets/dirty_rect_checker.h"
#include "tests/widgets/resource_fixture.h"
#include "tests/widgets/test_widgets.h"
#include "widgets/animation_widget.h"
#include "widgets/sequence_animation_widget.h"

namespace corvellane::testing {
namespace {

// Frame k of the sheet is one pixel of this colour.
uint32_t FrameColour(int k) { return 0xFF000000u | uint32_t(0x18 * (k + 1)) << 16 | 0x80u; }

class SheetTest : public ResourceWidgetTest {
 protected:
  void SetUp() override {
    // Two rows of four one-pixel frames.
    std::vector<uint32_t> pixels;
    for (int k = 0; k < 8; ++k) pixels.push_back(FrameColour(k));
    WritePicture("sheet.png", 4, 2, pixels);
    DefineResources(R"(<resource type="ImageResource" name="sheet" file="sheet.png" format="png"/>)");
  }

  // The frame whose colour the widget draws at its corner; -1 for none.
  static int FrameDrawn(IWidget& widget) {
    const uint32_t pixel = Drawn(widget)->GetPixel(0, 0);
    for (int k = 0; k < 8; ++k)
      if (LooksLike(pixel, FrameColour(k))) return k;
    return -1;
  }

  Ref<TAnimationWidget> Animation(std::string_view attributes) {
    return Attach<TAnimationWidget>(R"(<widget type="animation_widget" visible="yes" width="1" height="1"
        resourcename="sheet" resourcewidth="4" framescount="8" animationtime="800" )" +
                                    std::string(attributes) + "/>");
  }
};

struct TimeStep {
  int32_t elapsed;
  int frame;
  bool playing;
};

void ExpectSteps(IWidget& widget, std::initializer_list<TimeStep> steps, int (*drawn)(IWidget&)) {
  int32_t total = 0;
  for (const TimeStep& step : steps) {
    total += step.elapsed;
    SCOPED_TRACE("after " + std::to_string(total) + " ms");
    widget.Update(step.elapsed);
    EXPECT_EQ(drawn(widget), step.frame);
    EXPECT_EQ(widget.GetProperty("playing").ToBool(), step.playing);
  }
}

TEST_F(SheetTest, FramesFollowTheClockAndLoop) {
  auto anim = Animation(R"(loop="yes")");
  ExpectSteps(*anim,
              {{0, 0, true}, {99, 0, true}, {1, 1, true}, {400, 5, true}, {299, 7, true},
               // the pass ends: one advance in the cycle delay, on the reduced time
               {1, 0, false},
               {150, 1, true}},
              FrameDrawn);
  EXPECT_EQ(anim->GetProperty("currenttime").ToInt(), 150);
}

TEST_F(SheetTest, DelaysShowTheFirstFrame) {
  auto anim = Animation(R"(loop="yes" startdelaytime="300" cycledelaytime="200")");
  ExpectSteps(*anim,
              {{0, 0, false}, {299, 0, false}, {101, 1, true}, {700, 0, false}, {199, 0, false},
               {101, 1, true}},
              FrameDrawn);
}

TEST_F(SheetTest, OnePassWithoutLoopStopsOnItsLastFrame) {
  const struct {
    const char* attributes;
    int frame;
    bool visible;
  } cases[] = {
      {"", 7, true},
      {R"(stoponfirst="yes")", 0, true},
      {R"(reverse="yes")", 0, true},
      {R"(reverse="yes" stoponfirst="yes")", 7, true},
      {R"(hideonstop="yes")", 7, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.attributes);
    auto anim = Animation(c.attributes);
    anim->Update(0);
    anim->Update(799);
    EXPECT_EQ(anim->GetCurrentFrame(), std::string(c.attributes).find("reverse") == std::string::npos ? 7 : 0);
    anim->Update(1);
    EXPECT_EQ(anim->GetCurrentFrame(), c.frame);
    EXPECT_EQ(anim->IsVisible(), c.visible);
    EXPECT_EQ(anim->Clock().GetPhase(), TPlayPhase::Stopped);
    anim->Update(500);
    EXPECT_EQ(anim->GetCurrentFrame(), c.frame);
  }
}

TEST_F(SheetTest, RestartAndSwitchingLoopOnPlayAgain) {
  auto anim = Animation("");
  anim->Update(0);
  anim->Update(900);
  ASSERT_FALSE(anim->Clock().IsRunning());
  anim->Restart();
  anim->Update(300);
  EXPECT_EQ(anim->GetCurrentFrame(), 3);
  anim->Update(600);
  ASSERT_FALSE(anim->Clock().IsRunning());
  anim->SetProperty("loop", false);
  EXPECT_FALSE(anim->Clock().IsRunning());
  anim->SetProperty("loop", true);
  EXPECT_TRUE(anim->Clock().IsRunning());
  // The clock goes on from where it stopped: 1150 ms is 350 ms into a pass.
  anim->Update(250);
  EXPECT_EQ(anim->GetCurrentFrame(), 3);
  EXPECT_EQ(anim->GetProperty("currenttime").ToInt(), 350);
}

TEST_F(SheetTest, FramesComeFromTheSheetRowByRow) {
  auto anim = Animation(R"(anchor_left="0" loop="yes")");
  for (int frame = 0; frame < 8; ++frame) {
    anim->SetProperty("currentframe", frame);
    EXPECT_EQ(FrameDrawn(*anim), frame);
  }
  anim->SetProperty("reverse", true);
  anim->SetProperty("currentframe", 2);
  EXPECT_EQ(anim->GetProperty("currentframe").ToInt(), 5);
  anim->SetProperty("currentframe", "two");  // not a number: unchanged
  EXPECT_EQ(anim->GetCurrentFrame(), 5);
}

TEST_F(SheetTest, ASheetNarrowerThanAFrameDrawsNothing) {
  auto anim = Attach<TAnimationWidget>(R"(<widget type="animation_widget" visible="yes" width="2" height="1"
      resourcename="sheet" resourcewidth="1" framescount="8" animationtime="800"/>)");
  anim->Update(0);
  EXPECT_EQ(Drawn(*anim)->GetPixel(0, 0), kBackground);
}

TEST_F(SheetTest, NoPassLengthRestsOnTheFirstFrame) {
  auto anim = Animation(R"(animationtime="0" loop="yes")");
  anim->Update(0);
  anim->Update(16);
  anim->Update(16);
  EXPECT_EQ(anim->GetCurrentFrame(), 0);
}

TEST_F(SheetTest, EveryFrameChangeIsRedrawn) {
  DirtyRectChecker checker(8, 8, kBackground);
  Animation(R"(anchor_left="3" anchor_top="2" loop="yes" cycledelaytime="100")");
  for (int frame = 0; frame < 14; ++frame) ASSERT_TRUE(checker.RunFrame(*screen_, 70));
}

TEST_F(SheetTest, AnimationKeysAreSavedAndLoaded) {
  auto anim = LoadWidget<TAnimationWidget>(R"(<widget resourcename="sheet" width="1" height="1" resourcewidth="4"
      resourceheight="2" framescount="8" animationtime="800" loop="yes" reverse="yes" startdelaytime="5"
      cycledelaytime="6" stoponfirst="yes" hideonstop="yes"/>)");
  auto reloaded = LoadWidget<TAnimationWidget>(SavedXml(*anim));
  for (const char* key : {"animationtime", "loop", "reverse", "stoponfirst", "hideonstop", "startdelaytime",
                          "framescount"})
    EXPECT_EQ(reloaded->GetProperty(key).ToText(), anim->GetProperty(key).ToText()) << key;
  const std::string plain = SavedXml(*LoadWidget<TAnimationWidget>(R"(<widget resourcename="sheet"/>)"));
  EXPECT_NE(plain.find(R"(framescount="0")"), std::string::npos) << plain;
  EXPECT_NE(plain.find(R"(resourcewidth="0")"), std::string::npos) << plain;
  EXPECT_EQ(plain.find("delaytime"), std::string::npos) << plain;
}

// ---- Timed frames ----

class SequenceTest : public SheetTest {
 protected:
  Ref<TSequenceAnimationWidget> Sequence(std::string_view attributes, std::string_view frames) {
    return Attach<TSequenceAnimationWidget>(R"(<widget type="sequence_animation_widget" visible="yes" width="1"
        height="1" resourcename="sheet" resourcewidth="4" framescount="8" )" +
                                            std::string(attributes) + ">" + std::string(frames) + "</widget>");
  }
};

constexpr const char* kThreeFrames =
    R"(<frame subimage_index="3"/><frame subimage_index="0"/><frame subimage_index="6"/>)";

TEST_F(SequenceTest, TimeSelectsTheEntryWhoseSpanHoldsIt) {
  const struct {
    bool reverse;
    int32_t time;
    int32_t entry;
  } cases[] = {
      {false, 0, 0},   {false, 100, 0}, {false, 101, 1}, {false, 200, 1},
      {false, 201, 2}, {false, 299, 2}, {true, 0, 2},    {true, 100, 2},
      {true, 101, 1},  {true, 201, 0},  {true, 299, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE((c.reverse ? "reverse at " : "forward at ") + std::to_string(c.time));
    auto sequence = Sequence(c.reverse ? R"(default_duration="100" reverse="yes")" : R"(default_duration="100")",
                             kThreeFrames);
    EXPECT_EQ(sequence->GetCurrentEntry(), -1);
    sequence->SelectEntryByTime(c.time);
    EXPECT_EQ(sequence->GetCurrentEntry(), c.entry);
  }
}

TEST_F(SequenceTest, EntriesDrawTheirSubImages) {
  auto sequence = Sequence(R"(default_duration="100")", kThreeFrames);
  const int sub_images[] = {3, 0, 6};
  for (int entry = 0; entry < 3; ++entry) {
    sequence->SetProperty("currentframe", entry);
    EXPECT_EQ(sequence->GetProperty("currentframe").ToInt(), entry);
    EXPECT_EQ(FrameDrawn(*sequence), sub_images[entry]);
  }
  for (int outside : {3, -1, 100}) {
    sequence->SetProperty("currentframe", outside);
    EXPECT_EQ(sequence->GetCurrentEntry(), 2);
  }
}

TEST_F(SequenceTest, DurationsDefaultAndAddUpToThePass) {
  auto sequence = Sequence(R"(default_duration="50")",
                           R"(<frame subimage_index="1"/><frame subimage_index="2" duration="400"/><frame/>)");
  EXPECT_EQ(sequence->GetProperty("animationtime").ToInt(), 500);
  ExpectSteps(*sequence, {{0, 1, true}, {50, 1, true}, {1, 2, true}, {399, 2, true}, {1, 0, true}, {48, 0, true}},
              FrameDrawn);
  sequence->Update(1);  // the pass is over without loop: the last entry stays
  EXPECT_EQ(sequence->Clock().GetPhase(), TPlayPhase::Stopped);
  EXPECT_EQ(sequence->GetCurrentEntry(), 2);
}

TEST_F(SequenceTest, LoopsAndStopsOnTheFirstEntryWhenAsked) {
  auto sequence = Sequence(R"(default_duration="100" loop="yes")", kThreeFrames);
  ExpectSteps(*sequence, {{0, 3, true}, {150, 0, true}, {150, 3, false}, {220, 6, true}}, FrameDrawn);
  sequence->SetProperty("loop", false);
  sequence->SetProperty("stoponfirst", true);
  sequence->SetProperty("hideonstop", true);
  sequence->Update(100);
  EXPECT_EQ(sequence->GetCurrentEntry(), 0);
  EXPECT_FALSE(sequence->IsVisible());
}

TEST_F(SequenceTest, FramesAreSavedWithDurationsThatDifferFromTheDefault) {
  auto sequence = LoadWidget<TSequenceAnimationWidget>(
      R"(<widget default_duration="80"><frame subimage_index="2"/><frame subimage_index="5" duration="30"/></widget>)");
  const std::string xml = SavedXml(*sequence);
  EXPECT_NE(xml.find(R"(default_duration="80")"), std::string::npos) << xml;
  auto reloaded = LoadWidget<TSequenceAnimationWidget>(xml);
  ASSERT_EQ(reloaded->Frames().size(), 2u);
  EXPECT_EQ(reloaded->Frames()[0].subimage_index, 2);
  EXPECT_EQ(reloaded->Frames()[0].duration, 80);
  EXPECT_EQ(reloaded->Frames()[1].subimage_index, 5);
  EXPECT_EQ(reloaded->Frames()[1].duration, 30);
  EXPECT_EQ(xml.find(R"(duration="80")"), xml.find(R"(default_duration="80")") + 8) << "written only once: " << xml;
}

}  // namespace
}  // namespace corvellane::testing
