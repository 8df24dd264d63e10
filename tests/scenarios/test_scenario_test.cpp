// The diagnostic scenario "scenario": once its clock is positive it fills
// the screen's root with a hundred widgets of the "Butterfly" factory at
// random places of 640 x 480, once.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "engine/random_source.h"
#include "tests/controls/control_harness.h"
#include "tests/scenarios/scenario_fixture.h"

namespace corvellane::testing {
namespace {

TEST_F(ScenarioTest, TheTestScenarioReleasesAHundredButterfliesOnce) {
  Load(R"(<widget type="group_widget" name="root" visible="yes">
            <widgetfactories><widgetfactory type="WidgetFactory" name="Butterfly"><widgetstring><![CDATA[
              <widget type="test_box" name="%name%" visible="yes" anchor_left="%left%" anchor_top="%top%"
                      width="1" height="1"/>
            ]]></widgetstring></widgetfactory></widgetfactories>
            <widgets><widget type="group_widget" name="holder" visible="yes"><widgets>
              <widget type="scenario" name="stress"/>
            </widgets></widget></widgets>
          </widget>)");
  auto window = MakeRef<TTestWindow>();
  window->root = screen->Root();
  screen->SetWindow(window.get());
  GlobalRandom().Seed(7);
  Frame(0);
  EXPECT_EQ(ChildCount(), 1) << "nothing at time 0";
  Frame(16);
  ASSERT_EQ(ChildCount(), 101);
  std::set<std::pair<double, double>> places;
  for (int i = 1; i <= 100; ++i) {
    Ref<IWidget> butterfly = Find("butterfly" + std::to_string(i));
    ASSERT_TRUE(butterfly) << i;
    EXPECT_GE(butterfly->GetAnchorLeft(), 0);
    EXPECT_LT(butterfly->GetAnchorLeft(), 640);
    EXPECT_LT(butterfly->GetAnchorTop(), 480);
    places.insert({butterfly->GetAnchorLeft(), butterfly->GetAnchorTop()});
  }
  EXPECT_GT(places.size(), 90u) << "scattered";
  EXPECT_TRUE(Find("holder/stress")->IsPaused());
  Frame(16);
  EXPECT_EQ(ChildCount(), 101) << "once";
  screen->SetWindow(nullptr);
}

}  // namespace
}  // namespace corvellane::testing
