// The widget fuzzer's seeds for the new types load into the types they name
// and run: so the fuzzer starts from every particle system, the flash
// scenario and the state-machine widget, not from text that loads nothing.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "scenarios/scenario_classes.h"
#include "tests/particles/particle_fixture.h"
#include "tests/support/test_folders.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane::testing {
namespace {

std::string ReadSeed(const std::string& name) {
  std::ifstream file(TestSourceDir() + "/fuzz/corpus/widget_fuzzer/" + name);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void CollectTypes(IWidget& widget, std::set<std::string>& types) {
  if (auto persist = dynamic_cast<TPersistObject*>(&widget)) types.insert(persist->GetTypeName());
  Ref<IWidgetCollection> children = widget.GetWidgets();
  for (int i = 0; children && i < children->Count(); ++i)
    if (Ref<IWidget> child = children->GetWidgetAt(i)) CollectTypes(*child, types);
}

TEST_F(ParticleTest, TheFuzzerSeedsReachEveryNewType) {
  RegisterScenarioClasses();
  std::set<std::string> types;
  for (const char* seed : {"particle_systems.xml", "flash_and_statemachine.xml"}) {
    const std::string text = ReadSeed(seed);
    ASSERT_FALSE(text.empty()) << seed;
    Load(text);
    CollectTypes(*screen->Root(), types);
    Frames(30, 16);
  }
  for (const char* type : {"stochastic_particle_system", "montecarlo_particle_system", "function_particle_system",
                           "multi_particle_system", "flash_scenario", "statemachine_widget"})
    EXPECT_TRUE(types.contains(type)) << type;
}

}  // namespace
}  // namespace corvellane::testing
