#include "widgets/move_widget.h"

#include <algorithm>

#include "persistence/value_access.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

int32_t ReadLevel(IHierStorage* node, std::string_view name) { return std::clamp(ReadInt(node, name, 255), 0, 255); }

// nearest((to - from) * t / T): the product in 64 bits, the division real.
int32_t Travelled(int32_t from, int32_t to, int32_t time, int32_t duration) {
  const int64_t product = (int64_t{to} - from) * time;
  return RoundToPixel(static_cast<double>(product) / duration);
}

}  // namespace

void TMoveWidget::LoadProperties(IHierStorage* node) {
  TSurfaceWidget::LoadProperties(node);
  start_level_ = ReadLevel(node, "start_trans_level");
  end_level_ = ReadLevel(node, "end_trans_level");
  start_ = {ReadInt(node, "startposx", 0), ReadInt(node, "startposy", 0)};
  end_ = {ReadInt(node, "endposx", 0), ReadInt(node, "endposy", 0)};
  SetAnchorLeft(start_.x);
  SetAnchorTop(start_.y);
  SetTransparentLevel(start_level_);
}

bool TMoveWidget::WriteDynamicProperty(std::string_view name, const Variant& value) {
  if (name == "startposx") start_.x = value.ToInt(start_.x);
  else if (name == "startposy") start_.y = value.ToInt(start_.y);
  else if (name == "endposx") end_.x = value.ToInt(end_.x);
  else if (name == "endposy") end_.y = value.ToInt(end_.y);
  else return TSurfaceWidget::WriteDynamicProperty(name, value);
  return true;
}

void TMoveWidget::Advance(int32_t elapsed_ms) {
  TSurfaceWidget::Advance(elapsed_ms);
  const int32_t time = GetCurrentTime();
  if (time < 0) return;
  if (time > GetTimeToLive()) {
    SetDead(true);
    return;
  }
  UpdatePosition();
  UpdateLevel();
}

double TMoveWidget::MotionFraction() const {
  const int32_t duration = GetTimeToLive();
  return duration == 0 ? 0.0 : static_cast<double>(GetCurrentTime()) / duration;
}

void TMoveWidget::UpdatePosition() {
  const int32_t time = GetCurrentTime();
  const int32_t duration = GetTimeToLive();
  if (duration == 0) {
    SetAnchorLeft(start_.x);
    SetAnchorTop(start_.y);
    return;
  }
  SetAnchorLeft(static_cast<double>(start_.x) + Travelled(start_.x, end_.x, time, duration));
  SetAnchorTop(static_cast<double>(start_.y) + Travelled(start_.y, end_.y, time, duration));
}

void TMoveWidget::UpdateLevel() {
  const int32_t duration = GetTimeToLive();
  if (end_level_ == start_level_) return;
  if (duration == 0) {
    SetTransparentLevel(start_level_);
    return;
  }
  // 0 <= t <= T keeps the quotient within the two levels.
  const int64_t change = int64_t{GetCurrentTime()} * (end_level_ - start_level_) / duration;
  SetTransparentLevel(start_level_ + static_cast<int32_t>(change));
}

}  // namespace corvellane
