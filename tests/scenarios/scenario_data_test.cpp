// What the scenarios read from data and write back.
#include <gtest/gtest.h>

#include <string>

#include "tests/scenarios/scenario_fixture.h"

namespace corvellane::testing {
namespace {

TEST_F(ScenarioTest, TheFadeAndMoveKeysAreAlwaysWritten) {
  Ref<IWidget> move = WidgetFromXml(R"(<widget type="move_scenario" endposx="40" start_trans_level="300"/>)");
  ASSERT_TRUE(move);
  const std::string saved = SavedXml(*QueryInterface<IPersistable>(move));
  for (const char* key : {R"(start_trans_level="255")", R"(end_trans_level="255")", R"(makeinvisible="no")",
                          R"(startposx="0")", R"(startposy="0")", R"(endposx="40")", R"(endposy="0")"})
    EXPECT_NE(saved.find(key), std::string::npos) << key << " in " << saved;
  EXPECT_EQ(saved.find("widget="), std::string::npos);
}

TEST_F(ScenarioTest, AStateScenarioHasNoKeysOfItsOwn) {
  Ref<IWidget> machine = WidgetFromXml(R"(<widget type="state_scenario" name="m" force_complete="yes"/>)");
  ASSERT_TRUE(machine);
  EXPECT_FALSE(machine->GetProperty("force_complete").ToBool()) << "a run-time flag, not data";
  EXPECT_EQ(SavedXml(*QueryInterface<IPersistable>(machine)).find("force_complete"), std::string::npos);
}

}  // namespace
}  // namespace corvellane::testing
