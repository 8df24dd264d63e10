#include "story_screens/score_counter.h"

#include <algorithm>
#include <limits>

namespace corvellane {

namespace {

constexpr int64_t kMaxScore = std::numeric_limits<int32_t>::max();

}  // namespace

void TScoreCounter::Add(int32_t points) {
  if (points <= 0) return;
  const int64_t room = std::max<int64_t>(0, kMaxScore - displayed_ - pending_);
  pending_ += static_cast<int32_t>(std::min<int64_t>(points, room));
}

bool TScoreCounter::Step() {
  if (pending_ <= 0) return false;
  if (int64_t{count_step_} * count_step_ < pending_) {
    ++count_step_;
  } else if (count_step_ > 1) {
    --count_step_;
  }
  const int32_t moved = std::min(std::max(count_step_, 1), pending_);
  pending_ -= moved;
  displayed_ += moved;
  return true;
}

int32_t TScoreCounter::Total() const {
  return static_cast<int32_t>(std::min<int64_t>(kMaxScore, int64_t{displayed_} + pending_));
}

}  // namespace corvellane
