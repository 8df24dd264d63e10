// Text visualisation: letters made by the factories start one after another,
// the texts come back whole when it finishes, and clicks finish it and then
// ask to go on.
#include <gtest/gtest.h>

#include "controls/text_vizualization_control.h"
#include "persistence/property_table.h"
#include "tests/controls/control_harness.h"

namespace corvellane::testing {
namespace {

// What "transparent_widget" makes: a box that keeps the letter it fades.
class TTestFader : public TTestBox {
 public:
  static const TPropertyTable& Properties() {
    using W = TTestFader;
    static const TPropertyTable table =
        TPropertyTableOf<W>(TTestBox::Properties()).Object<IWidget>("widget", &W::letter, &W::letter);
    return table;
  }
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  Ref<IWidget> letter;
};

constexpr const char* kTree = R"(<widget name="root" visible="yes" mousestop="yes"><widgets>
  <widget type="control_text_vizualization" name="story" visible="yes" mousestop="yes" width="200" height="40"
          startdelaytime="500" letterdelaytime="100">
    <widgetfactories>
      <widgetfactory type="WidgetFactory" name="vizualization_letter"><widgetstring><![CDATA[
        <widget type="text_widget" visible="yes" anchor_left="%anchor_left%" anchor_top="%anchor_top%"
                width="%width%" height="%height%" resourcename="font_story"/>]]></widgetstring></widgetfactory>
      <widgetfactory type="WidgetFactory" name="transparent_widget"><widgetstring><![CDATA[
        <widget type="test_fader" name="fader_%name%"/>]]></widgetstring></widgetfactory>
    </widgetfactories>
    <widgets>
      <widget type="text_widget" name="text_story" visible="yes" anchor_left="4" width="190" height="20"
              resourcename="font_story" text="AB"/>
      <widget type="group_widget" name="letters_group" z="1"/>
    </widgets>
  </widget>
</widgets></widget>)";

class TextVizualizationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterClass<TTestFader>("test_fader");
    h_.DefineFont("font_story", "AB");
    h_.Root().SetOwner(h_.Root().GetOwner());
    story_ = h_.Get<TControlTextVizualization>("story");
  }
  Ref<IWidgetCollection> Letters() { return h_.Get<IWidget>("story/letters_group")->GetWidgets(); }

  ControlHarness h_{kTree};
  Ref<TControlTextVizualization> story_;
};

TEST_F(TextVizualizationTest, EachLetterStartsALetterDelayAfterTheOneBefore) {
  h_.Frame(40);
  story_->SetProperty("InitVizualization", Variant(true));
  EXPECT_EQ(story_->GetState(), TVizualizationState::kRunning);
  EXPECT_FALSE(h_.Get<IWidget>("story/text_story")->IsVisible());
  Ref<IWidgetCollection> letters = Letters();
  ASSERT_EQ(letters->Count(), 4);  // a fader, its letter, a fader, its letter
  auto first = QueryInterface<TTestFader>(letters->GetWidgetAt(0));
  auto second = QueryInterface<TTestFader>(letters->GetWidgetAt(2));
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->GetProperty("currenttime").ToInt(), -500);
  EXPECT_EQ(second->GetProperty("currenttime").ToInt(), -600);
  EXPECT_EQ(first->letter, letters->GetWidgetAt(1));
  EXPECT_EQ(first->letter->GetName(), "transparent_0_1");
  EXPECT_EQ(second->letter->GetProperty("text").ToText(), "B");
  EXPECT_EQ(second->letter->GetAnchorLeft(), 4 + ControlHarness::kGlyphWidth);
  EXPECT_EQ(story_->GetEndTime(), 40 + 700);

  for (int frame = 0; frame < 7; ++frame) h_.Frame(100);  // current time 740: not past the end yet
  EXPECT_EQ(story_->GetState(), TVizualizationState::kRunning);
  h_.Frame(1);
  EXPECT_EQ(story_->GetState(), TVizualizationState::kFinished);
  EXPECT_TRUE(h_.Get<IWidget>("story/text_story")->IsVisible());
  EXPECT_EQ(Letters()->Count(), 0);
  EXPECT_EQ(h_.EventsSeen(), (Events{{"story", kWidgetEventTextFinished}}));
}

TEST_F(TextVizualizationTest, AClickFinishesAtOnceAndTheNextOneAsksToGoOn) {
  story_->SetProperty("init_visualization", Variant(true));
  h_.Click({20, 10});
  EXPECT_EQ(story_->GetState(), TVizualizationState::kFinished);
  EXPECT_FALSE(h_.Get<IWidget>("story/letters_group")->IsVisible());
  h_.Click({20, 10});
  EXPECT_EQ(h_.EventsSeen(),
            (Events{{"story", kWidgetEventTextFinished}, {"story", kWidgetEventTextClickedAfterFinish}}));
  story_->Notify(TControlTextVizualization::kNotifyFinish, Variant());
  EXPECT_EQ(h_.EventsSeen().size(), 3u);
}

TEST_F(TextVizualizationTest, IdleItIgnoresClicksAndWithoutFactoriesTheTextsWaitForTheEnd) {
  h_.Click({20, 10});
  EXPECT_TRUE(h_.EventsSeen().empty());
  ControlHarness bare(R"(<widget name="root" visible="yes"><widgets>
      <widget type="control_text_vizualization" name="story" visible="yes" width="200" height="40">
        <widgets><widget type="text_widget" name="text_story" visible="yes" text="AB"/>
                 <widget type="group_widget" name="letters_group"/></widgets>
      </widget></widgets></widget>)");
  auto story = bare.Get<TControlTextVizualization>("story");
  story->InitVisualization();
  EXPECT_FALSE(bare.Get<IWidget>("story/text_story")->IsVisible());
  bare.Frame(16);
  EXPECT_EQ(story->GetState(), TVizualizationState::kFinished);
  EXPECT_TRUE(bare.Get<IWidget>("story/text_story")->IsVisible());
}

}  // namespace
}  // namespace corvellane::testing
