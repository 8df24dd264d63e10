#include "story_screens/level_bonuses.h"

#include <algorithm>
#include <array>

namespace corvellane {

namespace {

constexpr std::array<int32_t, 4> kCountBonuses{2000, 1000, 500, 250};

struct TTimeStep {
  int32_t below_seconds;
  int32_t bonus;
};
constexpr std::array<TTimeStep, 4> kTimeSteps{{{60, 2000}, {120, 1000}, {240, 500}, {480, 250}}};

}  // namespace

int32_t CountBonus(int32_t count) {
  const int32_t used = std::max(count, 0);
  return used < static_cast<int32_t>(kCountBonuses.size()) ? kCountBonuses[used] : 0;
}

int32_t TimeBonus(int32_t seconds) {
  const int32_t used = std::max(seconds, 0);
  for (const TTimeStep& step : kTimeSteps)
    if (used < step.below_seconds) return step.bonus;
  return 0;
}

TLevelBonuses LevelBonuses(const TLevelCounts& counts, bool timed, bool won) {
  if (!won) return {};
  return {timed ? TimeBonus(counts.seconds) : 0, CountBonus(counts.hints), CountBonus(counts.wrong_clicks)};
}

}  // namespace corvellane
