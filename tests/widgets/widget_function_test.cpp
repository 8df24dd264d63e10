#include <gtest/gtest.h>

#include <string>

#include "tests/widgets/function_box_fixture.h"

namespace corvellane::testing {
namespace {

// A box whose bound function fades it in over 500 ms (a piecewise table that
// holds 255 afterwards) while moving it from x = 10 to x = 110 over the
// same time (a linear segment, which carries on past the end). Both steps
// read the widget's clock through the complex function's "currenttime".
const char* kFadingBoxXml = R"(<widget name="box" visible="yes" width="4" height="4" transparentlevel="40">
  <function_widget type="function_complex">
    <paramspace><paramdefs>
      <paramdef name="transparentlevel" col="0" static="yes"/>
      <paramdef name="anchor_left" col="0" static="yes"/>
      <paramdef name="currenttime" col="1" static="yes"/>
    </paramdefs></paramspace>
    <functions>
      <function name="fade" type="function_piecewise"><paramspace><paramdefs>
        <paramdef name="transparentlevel" col="0"/>
        <paramdef name="t" col="1" outname="currenttime"/>
        <paramdef col="2" static="yes" value="0"/><paramdef col="2" static="yes" value="500"/>
        <paramdef col="3" static="yes" value="0"/><paramdef col="3" static="yes" value="255"/>
      </paramdefs></paramspace></function>
      <function name="move" type="function_linear_segment"><paramspace><paramdefs>
        <paramdef name="anchor_left" col="0"/>
        <paramdef col="1" static="yes" value="10"/><paramdef col="1" static="yes" value="110"/>
        <paramdef name="t" col="1" outname="currenttime"/>
        <paramdef col="1" static="yes" value="500"/>
      </paramdefs></paramspace></function>
    </functions>
  </function_widget>
</widget>)";

using WidgetFunctionTest = FunctionBoxTest;

struct FadeStep {
  int32_t advance_ms;
  int32_t level;
  double left;
};

TEST_F(WidgetFunctionTest, ABoundFunctionAnimatesPropertiesFromTheClock) {
  Ref<TTestBox> box = Attach(kFadingBoxXml);
  // Attaching calculates once, at time 0.
  EXPECT_EQ(box->GetTransparentLevel(), 0);
  EXPECT_DOUBLE_EQ(box->GetAnchorLeft(), 10.0);
  const FadeStep steps[] = {{100, 51, 30}, {150, 127, 60}, {250, 255, 110}, {200, 255, 150}};
  int32_t now = 0;
  for (const FadeStep& step : steps) {
    box->Update(step.advance_ms);
    now += step.advance_ms;
    EXPECT_EQ(box->GetTransparentLevel(), step.level) << "at " << now << " ms";
    EXPECT_DOUBLE_EQ(box->GetAnchorLeft(), step.left) << "at " << now << " ms";
  }
  box->Restart();
  EXPECT_EQ(box->GetTransparentLevel(), 0);
  EXPECT_DOUBLE_EQ(box->GetAnchorLeft(), 10.0);
}

TEST_F(WidgetFunctionTest, ADetachedWidgetIsNoLongerDriven) {
  Ref<TTestBox> box = Attach(kFadingBoxXml);
  box->Update(100);
  screen->DetachRoot();
  box->SetTransparentLevel(200);
  box->Update(100);
  EXPECT_EQ(box->GetTransparentLevel(), 200);
  // Attached again, the function is bound afresh and sees the clock.
  screen->SetRoot(box);
  EXPECT_EQ(box->GetTransparentLevel(), 102);
}

TEST_F(WidgetFunctionTest, TheFunctionIsSavedWithTheWidget) {
  Ref<TTestBox> original = LoadWidget<TTestBox>(kFadingBoxXml);
  const std::string saved = SavedXml(*original);
  EXPECT_NE(saved.find("<function_widget"), std::string::npos);
  Ref<TTestBox> box = Attach(saved);
  box->Update(250);
  EXPECT_EQ(box->GetTransparentLevel(), 127);
  EXPECT_DOUBLE_EQ(box->GetAnchorLeft(), 60.0);
}

TEST_F(WidgetFunctionTest, ParametersAreReadFromPropertiesThatHoldNumbers) {
  // z = speed * factor, with "speed" an extra parameter of the widget and
  // "factor" one that does not hold a number (its cell keeps 3).
  const std::string xml = R"(<widget visible="yes" extraparams="\speed=2.5\factor=fast">
    <function_widget type="function_multiply"><paramspace><paramdefs>
      <paramdef name="z" col="0" static="yes"/>
      <paramdef name="speed" col="1" static="yes"/>
      <paramdef name="factor" col="1" static="yes" value="3"/>
      <paramdef name="nothing_by_this_name" col="1" static="yes" value="2"/>
    </paramdefs></paramspace></function_widget>
  </widget>)";
  Ref<TTestBox> box = Attach(xml);
  EXPECT_EQ(box->GetZ(), 15);
  box->SetExtraParam("speed", 4);
  box->Update(0);
  EXPECT_EQ(box->GetZ(), 24);
}

TEST_F(WidgetFunctionTest, ResetRunsThePreparationFunction) {
  // anchor_top = start + currenttime, where "start" is no property (the push
  // leaves it alone) and the preparation function sets it to 7.
  const std::string xml = R"(<widget visible="yes">
    <function_widget type="function_sum">
      <paramspace><paramdefs>
        <paramdef name="anchor_top" col="0" static="yes"/>
        <paramdef name="start" col="1" static="yes"/>
        <paramdef name="currenttime" col="1" static="yes"/>
      </paramdefs></paramspace>
      <preparation_function type="function_sum"><paramspace><paramdefs>
        <paramdef name="start" col="0"/>
        <paramdef col="1" static="yes" value="7"/>
      </paramdefs></paramspace></preparation_function>
    </function_widget>
  </widget>)";
  Ref<TTestBox> box = Attach(xml);
  EXPECT_DOUBLE_EQ(box->GetAnchorTop(), 7.0);
  box->Update(5);
  EXPECT_DOUBLE_EQ(box->GetAnchorTop(), 12.0);
  box->Restart();
  EXPECT_DOUBLE_EQ(box->GetAnchorTop(), 7.0);
}

}  // namespace
}  // namespace corvellane::testing
