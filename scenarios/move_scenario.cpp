#include "scenarios/move_scenario.h"

#include "persistence/property_table.h"

namespace corvellane {

namespace {

// from + (to - from) x time / duration: the product in 64 bits (far points
// and long times overflow 32), the division real.
double Between(int32_t from, int32_t to, int32_t time, int32_t duration) {
  return from + static_cast<double>((int64_t{to} - from) * time) / duration;
}

}  // namespace

const TPropertyTable& TMoveScenario::Properties() {
  using S = TMoveScenario;
  using Table = TPropertyTableOf<S>;
  static const TPropertyTable table = Table(TTransparentScenario::Properties())
                                          .Int("startposx", &S::start_x_, 0, Table::Always())
                                          .Int("startposy", &S::start_y_, 0, Table::Always())
                                          .Int("endposx", &S::end_x_, 0, Table::Always())
                                          .Int("endposy", &S::end_y_, 0, Table::Always());
  return table;
}

void TMoveScenario::Advance(int32_t elapsed_ms) {
  TTransparentScenario::Advance(elapsed_ms);
  const int32_t time = GetCurrentTime();
  if (time > 0 && time < GetTimeToLive()) UpdatePosition();
}

void TMoveScenario::UpdatePosition() {
  const Ref<IWidget>& target = GetTarget();
  if (!target) return;
  const int32_t time = GetCurrentTime();
  const int32_t duration = GetTimeToLive();
  if (duration == 0) return;
  target->SetAnchorLeft(Between(start_x_, end_x_, time, duration));
  target->SetAnchorTop(Between(start_y_, end_y_, time, duration));
}

void TMoveScenario::Finish() {
  if (const Ref<IWidget>& target = GetTarget()) {
    target->SetAnchorLeft(end_x_);
    target->SetAnchorTop(end_y_);
  }
  TTransparentScenario::Finish();
}

}  // namespace corvellane
