#include "widgets/blink_widget.h"

#include <algorithm>

#include "persistence/value_access.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

int32_t Level(int32_t value) { return std::clamp(value, 0, 255); }

}  // namespace

void TBlinkWidget::LoadProperties(IHierStorage* node) {
  TImageWidget::LoadProperties(node);
  loops_count_ = ReadInt(node, "loops_count", 0);
  clock_.Load(node);
  first_period_ = ReadInt(node, "firstperiod", 1);
  second_period_ = ReadInt(node, "secondperiod", first_period_);
  start_level_ = Level(ReadInt(node, "start_transparentlevel", 0));
  peak_level_ = Level(ReadInt(node, "peak_transparentlevel", 0));
  end_level_ = Level(ReadInt(node, "end_transparentlevel", start_level_));
}

void TBlinkWidget::SaveProperties(IHierStorage* node) {
  TImageWidget::SaveProperties(node);
  WriteInt(node, "loops_count", loops_count_, loops_count_ != 0);
  clock_.Save(node);
  WriteInt(node, "firstperiod", first_period_, first_period_ != 1);
  WriteInt(node, "secondperiod", second_period_, second_period_ != first_period_);
  WriteInt(node, "start_transparentlevel", start_level_, true);
  WriteInt(node, "peak_transparentlevel", peak_level_, true);
  WriteInt(node, "end_transparentlevel", end_level_, end_level_ != start_level_);
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

// ---- Properties ----

std::optional<Variant> TBlinkWidget::ReadDynamicProperty(std::string_view name) {
  if (std::optional<Variant> value = clock_.ReadProperty(name)) return value;
  if (name == "firstperiod") return Variant(first_period_);
  if (name == "secondperiod") return Variant(second_period_);
  if (name == "start_transparentlevel") return Variant(start_level_);
  if (name == "peak_transparentlevel") return Variant(peak_level_);
  if (name == "end_transparentlevel") return Variant(end_level_);
  return TImageWidget::ReadDynamicProperty(name);
}

bool TBlinkWidget::WriteDynamicProperty(std::string_view name, const Variant& value) {
  if (clock_.WriteProperty(name, value)) return true;
  if (name == "firstperiod") {
    first_period_ = value.ToInt(first_period_);
  } else if (name == "secondperiod") {
    second_period_ = value.ToInt(second_period_);
  } else if (name == "start_transparentlevel") {
    start_level_ = Level(value.ToInt(start_level_));
  } else if (name == "peak_transparentlevel") {
    peak_level_ = Level(value.ToInt(peak_level_));
  } else if (name == "end_transparentlevel") {
    end_level_ = Level(value.ToInt(end_level_));
  } else {
    return TImageWidget::WriteDynamicProperty(name, value);
  }
  return true;
}

}  // namespace corvellane
