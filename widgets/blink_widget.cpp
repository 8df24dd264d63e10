#include "widgets/blink_widget.h"

#include <algorithm>

#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

int32_t Level(int32_t value) { return std::clamp(value, 0, 255); }

}  // namespace

const TPropertyTable& TBlinkWidget::Properties() {
  using W = TBlinkWidget;
  using Table = TPropertyTableOf<W>;
  // Levels are held to a byte, whoever writes them.
  auto level = [](int32_t W::*field) { return [field](W& w, int32_t value) { w.*field = Level(value); }; };
  static const TPropertyTable table = [&] {
    Table rows(TImageWidget::Properties());
    rows.Int("loops_count", &W::loops_count_, 0);
    AddPhaseClockRows(rows, &W::clock_);
    rows.Int("firstperiod", &W::first_period_, 1)
        .Int("secondperiod", &W::second_period_, &W::second_period_, [](W& w) { return w.first_period_; })
        .Int("start_transparentlevel", &W::start_level_, level(&W::start_level_), 0, Table::Always())
        .Int("peak_transparentlevel", &W::peak_level_, level(&W::peak_level_), 0, Table::Always())
        .Int("end_transparentlevel", &W::end_level_, level(&W::end_level_), [](W& w) { return w.start_level_; });
    return TPropertyTable(rows);
  }();
  return table;
}

void TBlinkWidget::Advance(int32_t elapsed_ms) {
  TImageWidget::Advance(elapsed_ms);
  if (clock_.IsRunning()) clock_.Step(*this);
}

int32_t TBlinkWidget::PassLength() { return SaturatingAdd(first_period_, second_period_); }

void TBlinkWidget::ShowAt(int32_t time, int32_t) {
  // 64-bit products: periods and times from data may be large.
  if (first_period_ > 0 && time < first_period_) {
    SetTransparentLevel(static_cast<int32_t>(start_level_ + int64_t{peak_level_ - start_level_} * time / first_period_));
    return;
  }
  // A second period of no length has no ramp: it rests on the end level.
  if (second_period_ <= 0) {
    SetTransparentLevel(end_level_);
    return;
  }
  const int64_t into_second = int64_t{time} - first_period_;
  SetTransparentLevel(static_cast<int32_t>(peak_level_ + int64_t{end_level_ - peak_level_} * into_second / second_period_));
}

bool TBlinkWidget::PassCompleted() {
  if (loops_count_ <= 0 || --loops_count_ > 0) return true;
  clock_.Stop();
  SetTransparentLevel(FinalLevel());
  SetDead(true);
  return false;
}

void TBlinkWidget::Stopped() { SetTransparentLevel(FinalLevel()); }

}  // namespace corvellane
