#include "app/soak_run.h"

#include <algorithm>

#include "engine/platform/soak_input.h"
#include "shell/process_memory.h"

namespace corvellane {

namespace {

// The demo's screen; clicks beyond a smaller one land on its edge.
constexpr DisplaySize kSoakScreen{1024, 768};
constexpr uint32_t kSampleEveryMs = 1000;

}  // namespace

TSoakRun::TSoakRun(uint32_t length_ms) : length_ms_(length_ms), warm_up_ms_(length_ms / 2) {}

int TSoakRun::Run(const SoakStintRunner& run_stint) {
  while (played_ms_ < length_ms_) {
    std::vector<ScriptEvent> script = MakeSoakScript(0, length_ms_ - played_ms_, kSoakScreen);
    const std::vector<ScriptEvent> given = script;
    SoakStint stint = run_stint(std::move(script), [this](uint32_t now_ms) { Sample(played_ms_ + now_ms); });
    ++starts_;
    events_ += size_t(std::count_if(given.begin(), given.end(),
                                    [&](const ScriptEvent& e) { return e.time <= stint.game_ms; }));
    played_ms_ += stint.game_ms;
    if (stint.exit_status != 0) return stint.exit_status;
    // A game that ends before its first frame would start again for ever.
    if (stint.game_ms == 0) return 1;
  }
  return 0;
}

void TSoakRun::Sample(uint32_t soak_ms) {
  if (soak_ms < next_sample_ms_) return;
  next_sample_ms_ = soak_ms + kSampleEveryMs;
  last_kb_ = ReadProcessMemory().resident_kb;
  if (soak_ms < warm_up_ms_) return;
  if (after_warm_up_kb_ == 0) after_warm_up_kb_ = last_kb_;
  highest_since_kb_ = std::max(highest_since_kb_, last_kb_);
}

std::string TSoakRun::Report() const {
  auto kb = [](uint64_t value) { return std::to_string(value) + " kB"; };
  return "soak: " + std::to_string(played_ms_ / 1000) + " s of game time, " + std::to_string(starts_) +
         (starts_ == 1 ? " start, " : " starts, ") + std::to_string(events_) +
         " events; resident memory after the warm-up " + kb(after_warm_up_kb_) + ", highest since " +
         kb(highest_since_kb_) + ", at the end " + kb(last_kb_) + "; peak " +
         kb(ReadProcessMemory().peak_resident_kb);
}

}  // namespace corvellane
