#include "widgets/animation_widget.h"

#include <cstdint>

#include "persistence/value_access.h"

namespace corvellane {

namespace {

constexpr int32_t kNoFrame = INT32_MIN;

}  // namespace

void TAnimationWidget::LoadProperties(IHierStorage* node) {
  TBaseAnimationWidget::LoadProperties(node);
  SetAnimationTime(ReadInt(node, "animationtime", 0));
}

void TAnimationWidget::SaveProperties(IHierStorage* node) {
  TBaseAnimationWidget::SaveProperties(node);
  WriteInt(node, "animationtime", GetAnimationTime(), GetAnimationTime() != 0);
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

std::optional<Variant> TAnimationWidget::ReadDynamicProperty(std::string_view name) {
  if (name == "currentframe") return Variant(GetCurrentFrame());
  if (name == "framescount") return Variant(GetFramesCount());
  return TBaseAnimationWidget::ReadDynamicProperty(name);
}

bool TAnimationWidget::WriteDynamicProperty(std::string_view name, const Variant& value) {
  if (name == "currentframe") {
    // A value that is no number leaves the frame alone.
    if (const int32_t frame = value.ToInt(kNoFrame); frame != kNoFrame) ShowFrame(frame);
  } else if (name == "animationtime") {
    SetAnimationTime(value.ToInt(GetAnimationTime()));
  } else {
    return TBaseAnimationWidget::WriteDynamicProperty(name, value);
  }
  return true;
}

}  // namespace corvellane
