// scenario_state.h: TState, one state of a state scenario (state_scenario.h).
//
// A state has a name (unique in its scenario, compared without regard to
// case), the name of the state that follows it by default, and up to four
// actions, each an operation of the scenario bound to it (empty: none):
//
//   on_enter(state)             when the state becomes current
//   update(state, dt)           every frame while it is current
//   done_check(state) -> bool   after the update; absent: done at once
//   next_chooser(state, next)   may replace the name of the state to go to
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace corvellane {

class TState {
 public:
  using Action = std::function<void(TState&)>;
  using Check = std::function<bool(TState&)>;
  using Chooser = std::function<void(TState&, std::string&)>;
  using Step = std::function<void(TState&, int32_t)>;

  std::string name;
  std::string next;
  Check done_check;
  Action on_enter;
  Chooser next_chooser;
  Step update;
};

}  // namespace corvellane
