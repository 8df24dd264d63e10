#include "scenarios/transparent_scenario.h"

#include <algorithm>

#include "persistence/property_table.h"

namespace corvellane {

namespace {

int32_t ToLevel(int32_t value) { return std::clamp(value, 0, 255); }

}  // namespace

const TPropertyTable& TTransparentScenario::Properties() {
  using S = TTransparentScenario;
  using Table = TPropertyTableOf<S>;
  static const TPropertyTable table =
      Table(TScenario::Properties())
          .Int("start_trans_level", &S::GetStartLevel, &S::SetStartLevel, 255, Table::Always())
          .Int("end_trans_level", &S::GetEndLevel, &S::SetEndLevel, 255, Table::Always())
          .Bool("makeinvisible", &S::GetMakeInvisible, &S::SetMakeInvisible, false, Table::Always())
          .Object<IWidget>("widget", &S::GetTarget, &S::SetTarget);
  return table;
}

void TTransparentScenario::Cleanup() {
  target_ = nullptr;
  TScenario::Cleanup();
}

void TTransparentScenario::SetStartLevel(int32_t level) { start_level_ = ToLevel(level); }

void TTransparentScenario::SetEndLevel(int32_t level) { end_level_ = ToLevel(level); }

bool TTransparentScenario::LevelAt(int32_t time, int32_t& level) const {
  const int32_t duration = GetTimeToLive();
  if (duration == 0) return false;
  const int64_t change = int64_t{end_level_ - start_level_} * time / duration;
  level = ToLevel(static_cast<int32_t>(std::clamp<int64_t>(start_level_ + change, -1, 256)));
  return true;
}

void TTransparentScenario::RestoreLevel() {
  if (target_) target_->SetTransparentLevel(saved_level_);
}

void TTransparentScenario::SetTarget(Ref<IWidget> target) {
  if (target == target_) return;
  // The old target belongs to its own group: it is not detached, only
  // given back the level it had before this scenario touched it.
  RestoreLevel();
  target_ = std::move(target);
  if (!target_) return;
  saved_level_ = target_->GetTransparentLevel();
  int32_t level = 0;
  if (LevelAt(GetCurrentTime(), level)) target_->SetTransparentLevel(level);
}

void TTransparentScenario::Advance(int32_t elapsed_ms) {
  TScenario::Advance(elapsed_ms);
  const int32_t time = GetCurrentTime();
  int32_t level = 0;
  if (target_ && time > 0 && time < GetTimeToLive() && LevelAt(time, level))
    target_->SetProperty("transparentlevel", level);
  if (time > GetTimeToLive()) {
    Finish();
    SetDead(true);
  }
}

void TTransparentScenario::Finish() {
  if (!target_) return;
  RestoreLevel();
  if (make_invisible_) target_->SetVisible(false);
  target_ = nullptr;
}

void TTransparentScenario::ClearOwner() {
  Finish();
  TScenario::ClearOwner();
}

}  // namespace corvellane
