// soak_input.h: random input for a long unattended run of the game (the
// soak), drawn from the one random source so that a seed repeats the run.
//
// The events are those a restless player makes: clicks anywhere on the
// screen (most of them), right clicks, moves, wheel turns, the keys that
// answer or leave a screen (Escape, Enter, Tab, Space, arrows, Backspace),
// letters and short typed words, one every 50 to 800 ms of game time. Clicks
// on the menus' buttons and Escape change screens; clicks in a scene find
// objects or miss. The last event is a "quit" at the end of the span.
//
//   GlobalRandom().Seed(7);
//   std::vector<ScriptEvent> events = MakeSoakScript(0, 120'000, {1024, 768});
//   options.script = std::move(events);   // HeadlessOptions
#pragma once

#include <cstdint>
#include <vector>

#include "engine/platform/display_layout.h"
#include "engine/platform/input_script.h"

namespace corvellane {

// Events at times from start_ms (inclusive) to end_ms, within the screen.
std::vector<ScriptEvent> MakeSoakScript(uint32_t start_ms, uint32_t end_ms, DisplaySize screen);

}  // namespace corvellane
