#include "widgets/animation_widget.h"

#include <cstdint>

#include "persistence/property_table.h"

namespace corvellane {

namespace {

constexpr int32_t kNoFrame = INT32_MIN;

}  // namespace

const TPropertyTable& TAnimationWidget::Properties() {
  using W = TAnimationWidget;
  static const TPropertyTable table =
      TPropertyTableOf<W>(TBaseAnimationWidget::Properties())
          .Int("animationtime", &W::GetAnimationTime, &W::SetAnimationTime, 0)
          // A value that is no number leaves the frame alone.
          .Custom(
              "currentframe", [](W& w) { return Variant(w.GetCurrentFrame()); },
              [](W& w, const Variant& v) {
                if (const int32_t frame = v.ToInt(kNoFrame); frame != kNoFrame) w.ShowFrame(frame);
                return true;
              },
              nullptr, nullptr);
  return table;
}

void TAnimationWidget::ShowFrame(int32_t frame) {
  SetCurrentFrame(IsReverse() ? GetFramesCount() - frame - 1 : frame);
}

void TAnimationWidget::ShowAt(int32_t time, int32_t pass_length) {
  // A pass of no length has no frames to step through: it rests on frame 0.
  if (pass_length <= 0 || time < 0) {
    ShowFrame(0);
    return;
  }
  ShowFrame(static_cast<int32_t>(int64_t{GetFramesCount()} * time / pass_length));
}

void TAnimationWidget::Stopped() {
  ShowFrame(Clock().GetStopOnFirst() ? 0 : GetFramesCount() - 1);
  if (IsHideOnStop()) SetVisible(false);
}

}  // namespace corvellane
