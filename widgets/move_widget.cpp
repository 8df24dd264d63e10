#include "widgets/move_widget.h"

#include <algorithm>
#include <utility>

#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {


// nearest((to - from) * t / T): the product in 64 bits, the division real.
int32_t Travelled(int32_t from, int32_t to, int32_t time, int32_t duration) {
  const int64_t product = (int64_t{to} - from) * time;
  return RoundToPixel(static_cast<double>(product) / duration);
}

}  // namespace

const TPropertyTable& TMoveWidget::Properties() {
  using W = TMoveWidget;
  using Table = TPropertyTableOf<W>;
  auto level = [](int32_t W::*field) {
    return [field](W& w, int32_t value) { w.*field = std::clamp(value, 0, 255); };
  };
  // A coordinate of a point, written at run time, never read back.
  auto x_of = [](TPoint W::*point) {
    return std::pair([point](W& w) { return (w.*point).x; }, [point](W& w, int32_t x) { (w.*point).x = x; });
  };
  auto y_of = [](TPoint W::*point) {
    return std::pair([point](W& w) { return (w.*point).y; }, [point](W& w, int32_t y) { (w.*point).y = y; });
  };
  auto [start_x, set_start_x] = x_of(&W::start_);
  auto [start_y, set_start_y] = y_of(&W::start_);
  auto [end_x, set_end_x] = x_of(&W::end_);
  auto [end_y, set_end_y] = y_of(&W::end_);
  static const TPropertyTable table =
      Table(TSurfaceWidget::Properties())
          .Int("start_trans_level", &W::start_level_, level(&W::start_level_), 255, Table::Never())
          .DataOnly()
          .Int("end_trans_level", &W::end_level_, level(&W::end_level_), 255, Table::Never())
          .DataOnly()
          .Int("startposx", start_x, set_start_x, 0, Table::Never())
          .WriteOnly()
          .Int("startposy", start_y, set_start_y, 0, Table::Never())
          .WriteOnly()
          .Int("endposx", end_x, set_end_x, 0, Table::Never())
          .WriteOnly()
          .Int("endposy", end_y, set_end_y, 0, Table::Never())
          .WriteOnly();
  return table;
}

void TMoveWidget::LoadProperties(IHierStorage* node) {
  TSurfaceWidget::LoadProperties(node);
  SetAnchorLeft(start_.x);
  SetAnchorTop(start_.y);
  SetTransparentLevel(start_level_);
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
