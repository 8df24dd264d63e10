// particle_fixture.h: particle systems in a widget tree on a headless
// engine (group_fixture.h), with the particle types registered and the
// program's random source seeded, so every test sees the same particles.
//
//   TEST_F(ParticleTest, Emits) {
//     Load(Root(R"(<widget type="stochastic_particle_system" name="ps" ...> ... </widget>)"));
//     Frame(16);                       // checked against a full redraw
//     EXPECT_EQ(System<TStochasticParticleSystem>("ps")->ParticleCount(), 16);
//   }
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/random_source.h"
#include "functions/function_classes.h"
#include "particles/particle_classes.h"
#include "tests/widgets/group_fixture.h"

namespace corvellane::testing {

// A visible root group holding the given widget elements.
inline std::string Root(std::string_view children) {
  return R"(<widget type="group_widget" name="root" visible="yes"><widgets>)" + std::string(children) +
         "</widgets></widget>";
}

// The picture every test system draws its particles with: a white 2 x 2 box.
inline constexpr std::string_view kDot =
    R"(<widgets><widget type="test_box" name="dot" width="2" height="2" colour="$FFFFFFFF"/></widgets>)";

class ParticleTest : public GroupTreeTest {
 public:
  ParticleTest() {
    RegisterFunctionClasses();
    RegisterParticleClasses();
    GlobalRandom().Seed(20240611);
  }

  // One frame: update, dirty pass, draw; the kept canvas must equal a full redraw.
  void Frame(int32_t elapsed_ms) { ASSERT_TRUE(checker.RunFrame(*screen, elapsed_ms)); }
  void Frames(int count, int32_t elapsed_ms) {
    for (int i = 0; i < count; ++i) Frame(elapsed_ms);
  }
  template <class T>
  Ref<T> System(std::string_view path) {
    Ref<T> system = QueryInterface<T>(Find(path));
    EXPECT_TRUE(system) << path;
    return system;
  }
  int Count(std::string_view path) { return Find(path)->GetProperty("count").ToInt(-1); }
};

}  // namespace corvellane::testing
