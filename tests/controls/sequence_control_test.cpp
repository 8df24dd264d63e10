// The sequence control: steps shown one after another over time or on
// clicks, empty pictures skipped, event 10 past the last step.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "controls/sequence_control.h"
#include "tests/controls/control_harness.h"

namespace corvellane::testing {
namespace {

std::string SequenceTree(std::string_view keys) {
  std::string steps;
  for (const char* name : {"slide_1", "slide_2", "slide_3"})
    steps += std::string(R"(<widget type="test_box" visible="yes" width="10" height="10" name=")") + name +
             R"(" extraparams="\resourcename=picture_)" + name + R"("/>)";
  return R"(<widget name="root" visible="yes" mousestop="yes"><widgets>
      <widget type="SequenceControl" name="sequence_intro" visible="yes" mousestop="yes" width="100" height="100" )" +
         std::string(keys) + "><widgets>" + steps + "</widgets></widget></widgets></widget>";
}

class SequenceTest : public ::testing::Test {
 protected:
  void Load(std::string_view keys) {
    h_ = std::make_unique<ControlHarness>(SequenceTree(keys));
    sequence_ = h_->Get<TSequenceControl>("sequence_intro");
  }
  // The names of the visible steps.
  std::string Shown() {
    std::string shown;
    for (const char* name : {"slide_1", "slide_2", "slide_3"})
      if (h_->Get(std::string("sequence_intro/") + name)->IsVisible()) shown += (shown.empty() ? "" : " ") + std::string(name);
    return shown;
  }
  size_t PastTheEnd() {
    return std::count(h_->EventsSeen().begin(), h_->EventsSeen().end(),
                      std::pair<std::string, int32_t>{"sequence_intro", kWidgetEventSequencePastLastStep});
  }

  std::unique_ptr<ControlHarness> h_;
  Ref<TSequenceControl> sequence_;
};

TEST_F(SequenceTest, StepsFollowEachOtherOverTimeAndReportTheEndOnEveryAdvance) {
  Load(R"(step_duration_time="100")");
  EXPECT_EQ(Shown(), "") << "nothing before the first advance";
  EXPECT_EQ(sequence_->GetCurrentStep(), -1);
  h_->Frame(16);
  EXPECT_EQ(Shown(), "slide_1");
  struct Frame {
    int32_t dt;
    const char* shown;
    size_t ends;
  } frames[] = {{50, "slide_1", 0}, {50, "slide_2", 0}, {99, "slide_2", 0}, {1, "slide_3", 0},
                {100, "slide_3", 1}, {16, "slide_3", 2}, {16, "slide_3", 3}};
  for (const Frame& f : frames) {
    h_->Frame(f.dt);
    EXPECT_EQ(Shown(), f.shown);
    EXPECT_EQ(PastTheEnd(), f.ends);
  }
  EXPECT_EQ(h_->EventsSeen().size(), PastTheEnd()) << "no other events";
}

TEST_F(SequenceTest, AShownStepRestartsAndAHiddenOneIsPaused) {
  Load(R"(step_duration_time="100")");
  h_->Frame(16);
  auto first = h_->Get("sequence_intro/slide_1");
  EXPECT_EQ(first->GetProperty("currenttime"), Variant(0)) << "restarted when shown";
  h_->Frame(40);
  EXPECT_EQ(first->GetProperty("currenttime"), Variant(40));
  h_->Frame(60);
  EXPECT_TRUE(first->IsPaused());
  EXPECT_FALSE(h_->Get("sequence_intro/slide_2")->IsPaused());
}

TEST_F(SequenceTest, WithoutADurationOnlyPressesMoveOn) {
  Load("");
  h_->Frame(16);
  h_->Frame(5000);
  EXPECT_EQ(Shown(), "slide_1");
  for (const char* expected : {"slide_2", "slide_3", "slide_3"}) {
    EXPECT_FALSE(h_->Mouse(kMouseRightDown, {50, 50})) << "the press is reported unhandled";
    EXPECT_EQ(Shown(), expected);
  }
  EXPECT_EQ(PastTheEnd(), 1u);
  h_->Frame(16);
  EXPECT_EQ(PastTheEnd(), 1u);
}

TEST_F(SequenceTest, AStepShowingAnEmptyPictureIsSkipped) {
  Load(R"(step_duration_time="100")");
  h_->AddEmptyImage("picture_slide_2");
  h_->Frame(16);
  h_->Frame(100);
  EXPECT_EQ(Shown(), "slide_3");
  EXPECT_EQ(sequence_->GetCurrentStep(), 2);
}

TEST_F(SequenceTest, AnEmptyLastPictureEndsTheSequence) {
  Load("");
  h_->AddEmptyImage("picture_slide_3");
  h_->Frame(16);
  sequence_->ShowStep(1);
  sequence_->ShowStep(2);
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(PastTheEnd(), 1u);
}

TEST_F(SequenceTest, TheStepDurationIsSavedAndAProperty) {
  Load(R"(step_duration_time="250")");
  EXPECT_EQ(sequence_->GetProperty("step_duration_time"), Variant(250));
  sequence_->SetProperty("step_duration_time", 300);
  EXPECT_NE(SavedXml(*sequence_).find(R"(step_duration_time="300")"), std::string::npos);
}

}  // namespace
}  // namespace corvellane::testing
