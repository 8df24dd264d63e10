// test_scenario.h: TTestScenario ("scenario"), a diagnostic scenario that
// fills the screen with widgets of the factory "Butterfly", to see how the
// game copes with many of them.
//
//   <widget type="scenario" name="stress"/>      (with a "Butterfly" factory above it)
//
// In its first frame with a positive clock it pauses itself and asks its
// owner's factories 100 times for "Butterfly" with the parameters "name"
// ("butterfly" and a running number), "left" and "top" (a random point of
// 640 x 480, from the game's random source), and adds each widget made to
// the screen root's children. Being paused, it does so only once.
#pragma once

#include <cstdint>

#include "scenarios/scenario.h"

namespace corvellane {

class TTestScenario : public TScenario {
 public:
  void Advance(int32_t elapsed_ms) override;

  int32_t GetCounter() const { return counter_; }

 private:
  void ReleaseButterflies();

  int32_t counter_ = 0;
};

}  // namespace corvellane
