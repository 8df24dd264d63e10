#include <gtest/gtest.h>

#include <string>

#include "tests/widgets/function_box_fixture.h"

namespace corvellane::testing {
namespace {

// A box that sways around x = 100 once a second, rises 1 pixel per 10 ms
// and fades in over 500 ms, all written as one expression over the cells
// the widget fills from its properties and reads back after calculating.
const char* kSwayingBoxXml = R"(<widget name="box" visible="yes" width="4" height="4">
  <function_widget type="function_eval">
    <paramspace><paramdefs>
      <paramdef name="anchor_left" col="0" static="yes"/>
      <paramdef name="anchor_top" col="0" static="yes"/>
      <paramdef name="transparentlevel" col="0" static="yes"/>
      <paramdef name="currenttime" col="1" static="yes"/>
      <paramdef name="amplitude" col="2" static="yes" value="20"/>
    </paramdefs></paramspace>
    <expression>
      // one swing a second
      anchor_left := 100 + amplitude*sin(currenttime*2*pi/1000)
      anchor_top := 200 - currenttime div 10
      transparentlevel := min(255, round(255*currenttime/500))
    </expression>
  </function_widget>
</widget>)";

using EvalWidgetFunctionTest = FunctionBoxTest;

struct SwayStep {
  int32_t advance_ms;
  double left;
  double top;
  int32_t level;
};

TEST_F(EvalWidgetFunctionTest, AnExpressionAnimatesTheWidgetsProperties) {
  Ref<TTestBox> box = Attach(kSwayingBoxXml);
  EXPECT_DOUBLE_EQ(box->GetAnchorLeft(), 100.0);
  EXPECT_DOUBLE_EQ(box->GetAnchorTop(), 200.0);
  EXPECT_EQ(box->GetTransparentLevel(), 0);
  const SwayStep steps[] = {{250, 120, 175, 128}, {250, 100, 150, 255}, {250, 80, 125, 255}};
  int32_t now = 0;
  for (const SwayStep& step : steps) {
    box->Update(step.advance_ms);
    now += step.advance_ms;
    EXPECT_NEAR(box->GetAnchorLeft(), step.left, 1e-4) << "at " << now << " ms";
    EXPECT_DOUBLE_EQ(box->GetAnchorTop(), step.top) << "at " << now << " ms";
    EXPECT_EQ(box->GetTransparentLevel(), step.level) << "at " << now << " ms";
  }
}

TEST_F(EvalWidgetFunctionTest, AnExpressionThatDoesNotCompileLeavesTheWidgetAlone) {
  Ref<TTestBox> box = Attach(R"(<widget visible="yes" anchor_left="7">
    <function_widget type="function_eval">
      <paramspace><paramdefs>
        <paramdef name="anchor_left" col="0" static="yes"/>
        <paramdef name="currenttime" col="1" static="yes"/>
      </paramdefs></paramspace>
      <expression>anchor_left := (currenttime * 2</expression>
    </function_widget>
  </widget>)");
  box->Update(100);
  EXPECT_DOUBLE_EQ(box->GetAnchorLeft(), 7.0);
}

}  // namespace
}  // namespace corvellane::testing
