#include "controls/num_label_control.h"

#include <algorithm>
#include <cstdlib>

#include "persistence/number_text.h"
#include "persistence/property_table.h"
#include "shell/formatting.h"
#include "widgets/pixel_rounding.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane {

namespace {

// A written number, or none when the value does not convert (the write is
// then ignored rather than taken as 0).
std::optional<int32_t> WrittenInt(const Variant& value) {
  if (value.IsEmptyOrNull()) return std::nullopt;
  if (value.IsText()) return ParseInt(value.ToText());
  return value.ToInt();
}

}  // namespace

// ---- Properties ----

const TPropertyTable& TNumLabelControl::Properties() {
  using W = TNumLabelControl;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TControlWidget::Properties())
          .Bool("animation", &W::IsAnimated, &W::SetAnimation, true, Table::Always())
          .Int("minincrementalvaluepersecond", &W::min_rate_, 0, Table::Always())
          .Int("maxincrementaldurationtime", &W::max_duration_, 0, Table::Always())
          // Every write restarts the count, so one that does not convert is
          // no write at all.
          .Custom(
              "value", [](W& w) { return Variant(w.value_); },
              [](W& w, const Variant& v) {
                if (std::optional<int32_t> value = WrittenInt(v)) w.SetValue(*value);
                return true;
              },
              nullptr, nullptr)
          // The shown number and the completion flag only follow the target.
          .Computed("current_value", &W::GetCurrentValue)
          .Computed("animation_complete", &W::IsAnimationComplete);
  return table;
}

// ---- Attaching ----

void TNumLabelControl::SetOwner(IWidgetOwner* owner) {
  TControlWidget::SetOwner(owner);
  text_target_ = Children().GetWidgetAt(0);
  RefreshText();
}

void TNumLabelControl::ClearOwner() {
  text_target_ = nullptr;
  TControlWidget::ClearOwner();
}

// ---- Counting ----

void TNumLabelControl::SetValue(int32_t value) {
  value_ = value;
  elapsed_ = 0;
}

void TNumLabelControl::SetAnimation(bool animation) {
  animation_ = animation;
  if (!animation_) return;
  current_value_ = value_;
  RefreshText();
}

void TNumLabelControl::Advance(int32_t elapsed_ms) {
  TControlWidget::Advance(elapsed_ms);
  if (value_ == current_value_) return;
  current_value_ = animation_ ? CountedValue(elapsed_ms) : value_;
  RefreshText();
}

int32_t TNumLabelControl::CountedValue(int32_t elapsed_ms) {
  const int64_t remaining = int64_t{max_duration_} - elapsed_;
  // Past the duration (also when nothing remains of it and no time passes,
  // where the even share would divide by zero) the number lands.
  if (remaining < elapsed_ms || remaining <= 0) return value_;
  elapsed_ = SaturatingAdd(elapsed_, elapsed_ms);
  const int64_t distance = int64_t{value_} - current_value_;
  const int64_t direction = distance > 0 ? 1 : -1;
  const int64_t even_share = distance * elapsed_ms / remaining;
  const int64_t least = direction * (std::max<int64_t>(min_rate_, 0) * elapsed_ms / 1000);
  const int64_t step = std::llabs(even_share) > std::llabs(least) ? even_share : least;
  const int64_t next = current_value_ + step;
  const bool passed = direction > 0 ? next > value_ : next < value_;
  return passed ? value_ : static_cast<int32_t>(next);
}

void TNumLabelControl::RefreshText() {
  if (text_target_) text_target_->SetProperty("text_utf8", Variant(FormatIntWithSeparators(current_value_)));
}

}  // namespace corvellane
