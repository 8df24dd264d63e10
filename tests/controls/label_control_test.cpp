// Labels that light up under the cursor and number labels that count.
#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "controls/label_control.h"
#include "controls/num_label_control.h"
#include "persistence/localization.h"
#include "tests/controls/control_harness.h"

namespace corvellane::testing {
namespace {

std::string LabelTree(std::string_view keys, bool with_selected = true) {
  return R"(<widget name="root" visible="yes"><widgets>
      <widget type="LabelControl" name="label_title" visible="yes" width="30" height="10" )" +
         std::string(keys) + R"(><widgets>
        <widget type="test_box" name="image_normal" width="30" height="10"/>)" +
         (with_selected ? R"(<widget type="test_box" name="image_selected" visible="yes" width="30" height="10"/>)" : "") +
         "</widgets></widget></widgets></widget>";
}

bool Shown(ControlHarness& h, const char* look) {
  Ref<IWidget> child = h.Root().FindWidget(std::string("label_title/") + look);
  return child && child->IsVisible();
}

TEST(LabelControl, TheCursorOverTheLabelShowsTheSelectedLook) {
  ControlHarness h(LabelTree(R"(enabled="yes")"));
  EXPECT_TRUE(Shown(h, "image_normal"));
  EXPECT_FALSE(Shown(h, "image_selected"));
  h.MoveCursor({5, 5});
  h.Frame(16);
  EXPECT_FALSE(Shown(h, "image_normal"));
  EXPECT_TRUE(Shown(h, "image_selected"));
  h.MoveCursor({50, 5});
  h.Frame(16);
  EXPECT_TRUE(Shown(h, "image_normal"));

  ControlHarness only_normal(LabelTree(R"(enabled="yes")", false));
  only_normal.MoveCursor({5, 5});
  only_normal.Frame(16);
  EXPECT_TRUE(Shown(only_normal, "image_normal"));
}

TEST(LabelControl, ADisabledLabelKeepsWhatItShows) {
  ControlHarness h(LabelTree(""));
  EXPECT_TRUE(Shown(h, "image_selected")) << "as loaded";
  h.MoveCursor({5, 5});
  h.Frame(16);
  h.MoveCursor({50, 5});
  h.Frame(16);
  EXPECT_TRUE(Shown(h, "image_selected"));
  EXPECT_FALSE(Shown(h, "image_normal"));
}

// A number label whose text goes to a box that keeps "text_utf8".
class NumLabelTest : public ::testing::Test {
 protected:
  // Thousands grouped the way the language says.
  void SetUp() override {
    CreateMultiLanguages();
    MultiLanguages()->AddString("thousand_separator", ",");
  }
  void TearDown() override {
    harness_.reset();
    ReleaseMultiLanguages();
  }
  void Load(std::string_view keys) {
    harness_ = std::make_unique<ControlHarness>(
        R"(<widget name="root" visible="yes"><widgets><widget type="NumLabelControl" name="label_score" )" +
        std::string(keys) +
        R"(><widgets><widget type="test_box" name="text" extraparams="\text_utf8=none"/></widgets></widget></widgets></widget>)");
    label_ = harness_->Get<TNumLabelControl>("label_score");
  }
  std::string Text() { return harness_->Root().GetProperty("label_score/text/text_utf8").ToText(); }
  // The shown numbers of `frames` advances of `dt` ms.
  std::vector<int32_t> Count(int frames, int32_t dt) {
    std::vector<int32_t> shown;
    for (int i = 0; i < frames; ++i) {
      harness_->Frame(dt);
      shown.push_back(label_->GetCurrentValue());
    }
    return shown;
  }

  std::unique_ptr<ControlHarness> harness_;
  Ref<TNumLabelControl> label_;
};

TEST_F(NumLabelTest, CountsEvenlyOverTheDurationAndLandsOnTheTarget) {
  Load(R"(maxincrementaldurationtime="1000")");
  EXPECT_EQ(Text(), "0") << "shown when attached";
  label_->SetProperty("value", 1000);
  EXPECT_EQ(label_->GetProperty("animation_complete"), Variant(false));
  EXPECT_EQ(Count(10, 100), (std::vector<int32_t>{100, 200, 300, 400, 500, 600, 700, 800, 900, 1000}));
  EXPECT_EQ(Text(), "1,000");
  EXPECT_EQ(label_->GetProperty("animation_complete"), Variant(true));
  label_->SetProperty("animation", false);
  label_->SetProperty("value", -1234567);
  harness_->Frame(16);
  EXPECT_EQ(Text(), "-1,234,567");
}

TEST_F(NumLabelTest, CountsDownwardsAndMovesAtLeastAtTheMinimumRate) {
  Load(R"(maxincrementaldurationtime="100000" minincrementalvaluepersecond="500")");
  label_->SetProperty("value", 40);
  harness_->Frame(16);
  label_->SetProperty("value", 0);  // from 8 down: the even share is 0, the least is 8
  label_->SetProperty("current_value", 12345);  // read only
  EXPECT_EQ(Count(1, 16), (std::vector<int32_t>{0}));

  label_->SetProperty("value", 30);
  EXPECT_EQ(Count(5, 16), (std::vector<int32_t>{8, 16, 24, 30, 30}));
  label_->SetProperty("value", -20);
  EXPECT_EQ(Count(2, 16).back(), 14);
}

TEST_F(NumLabelTest, WithoutAnimationTheNumberJumpsOnTheNextAdvance) {
  Load(R"(animation="no" maxincrementaldurationtime="1000")");
  label_->SetProperty("value", "-12");
  EXPECT_EQ(label_->GetCurrentValue(), 0);
  harness_->Frame(1);
  EXPECT_EQ(Text(), "-12");
  label_->SetProperty("value", "twelve");  // not a number: ignored
  EXPECT_EQ(label_->GetValue(), -12);
  label_->SetProperty("value", 500);
  label_->SetProperty("animation", true);  // shows the target at once
  EXPECT_EQ(Text(), "500");
}

TEST_F(NumLabelTest, NoDurationLeftAndNoTimePassingLandsInsteadOfDividingByZero) {
  Load("");  // maximum duration 0
  label_->SetProperty("value", 77);
  label_->Restart();  // advances by 0
  EXPECT_EQ(label_->GetCurrentValue(), 77);
}

TEST_F(NumLabelTest, ExtremeValuesDoNotOverflow) {
  Load(R"(maxincrementaldurationtime="1000" minincrementalvaluepersecond="2147483647")");
  label_->SetProperty("value", std::numeric_limits<int32_t>::min());
  harness_->Frame(16);
  const int32_t low = label_->GetCurrentValue();
  EXPECT_LT(low, -30000000);
  label_->SetProperty("value", std::numeric_limits<int32_t>::max());
  harness_->Frame(16);
  EXPECT_GT(label_->GetCurrentValue(), low) << "counts towards the target across the whole range";
  harness_->Frame(2000);
  EXPECT_EQ(label_->GetCurrentValue(), std::numeric_limits<int32_t>::max());
}

TEST_F(NumLabelTest, TheNumberReachesARealTextWidget) {
  harness_ = std::make_unique<ControlHarness>(R"(<widget name="root" visible="yes"><widgets>
      <widget type="NumLabelControl" name="label_score" animation="no"><widgets>
        <widget type="text_widget" name="text" visible="yes" width="60" height="10"/>
      </widgets></widget></widgets></widget>)");
  harness_->Get("label_score")->SetProperty("value", 25000);
  harness_->Frame(16);
  EXPECT_EQ(harness_->Root().GetProperty("label_score/text/text"), Variant("25,000"));
}

TEST_F(NumLabelTest, KeysAreAlwaysSaved) {
  Load("");
  const std::string xml = SavedXml(*label_);
  for (const char* key : {R"(animation="yes")", R"(minincrementalvaluepersecond="0")", R"(maxincrementaldurationtime="0")"})
    EXPECT_NE(xml.find(key), std::string::npos) << key << " in " << xml;
}

}  // namespace
}  // namespace corvellane::testing
