#include "story_screens/click_streaks.h"

#include <algorithm>

namespace corvellane {

const TChainBonus* TSuccessChain::Success(int32_t now) {
  ++count_;
  last_click_time_ = now;
  for (const TChainBonus& bonus : kChainBonuses) {
    if (bonus.chain_count != count_) continue;
    if (&bonus == &kChainBonuses.back()) count_ = 0;
    return &bonus;
  }
  return nullptr;
}

void TSuccessChain::Miss(int32_t now) {
  count_ = 0;
  last_click_time_ = now;
}

void TSuccessChain::Tick(int32_t now) {
  if (last_click_time_ < 0 || int64_t{now} < int64_t{last_click_time_} + kChainTimeoutMs) return;
  count_ = 0;
  last_click_time_ = -1;
}

bool TWrongClickHeat::Miss() {
  heat_ += kWrongClickHeatMs;
  if (heat_ <= kWrongClickHeatLimit) return false;
  heat_ = 0;
  return true;
}

void TWrongClickHeat::Cool(int32_t frame_ms) { heat_ = std::max(0, heat_ - std::max(frame_ms, 0)); }

}  // namespace corvellane
