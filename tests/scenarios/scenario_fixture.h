// scenario_fixture.h: scenarios in a widget tree on a headless engine, with
// every widget and scenario type registered (group_fixture.h).
//
//   TEST_F(ScenarioTest, Fades) {
//     Load(R"(<widget type="group_widget" name="root" visible="yes"><widgets>
//               <widget type="group_widget" name="card" visible="yes"><widgets>
//                 <widget type="test_box" name="box" visible="yes" width="4" height="4"/></widgets></widget>
//               <widget type="transparent_scenario" name="fade" timetolive="100"
//                       redefinedparams="\widget=../card/box/owner"/>   ...)");
//     Frame(16);   // update, dirty pass and draw, checked against a full redraw
//   }
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "scenarios/scenario_classes.h"
#include "tests/widgets/group_fixture.h"

namespace corvellane::testing {

class ScenarioTest : public GroupTreeTest {
 public:
  ScenarioTest() { RegisterScenarioClasses(); }

  // One frame of the whole tree; the kept canvas must equal a full redraw.
  void Frame(int32_t elapsed_ms) { ASSERT_TRUE(checker.RunFrame(*screen, elapsed_ms)); }
  int ChildCount(std::string_view group_path = "") {
    Ref<IWidget> group = group_path.empty() ? screen->Root() : Find(group_path);
    return group && group->GetWidgets() ? group->GetWidgets()->Count() : -1;
  }
};

}  // namespace corvellane::testing
