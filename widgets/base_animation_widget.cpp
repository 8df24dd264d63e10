#include "widgets/base_animation_widget.h"

#include "persistence/value_access.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

void TBaseAnimationWidget::LoadProperties(IHierStorage* node) {
  TImageWidget::LoadProperties(node);
  clock_.Load(node);
  frames_count_ = ReadInt(node, "framescount", 0);
  sheet_left_ = ReadInt(node, "resourceleft", 0);
  sheet_top_ = ReadInt(node, "resourcetop", 0);
  sheet_height_ = ReadInt(node, "resourceheight", 0);
  sheet_width_ = ReadInt(node, "resourcewidth", 0);
  hide_on_stop_ = ReadBool(node, "hideonstop", false);
  reverse_ = ReadBool(node, "reverse", false);
}

void TBaseAnimationWidget::SaveProperties(IHierStorage* node) {
  TImageWidget::SaveProperties(node);
  clock_.Save(node);
  WriteInt(node, "framescount", frames_count_, true);
  WriteInt(node, "resourceheight", sheet_height_, sheet_height_ != 0);
  WriteInt(node, "resourcewidth", sheet_width_, true);
  WriteBool(node, "hideonstop", hide_on_stop_, hide_on_stop_);
  WriteBool(node, "reverse", reverse_, reverse_);
}

void TBaseAnimationWidget::Advance(int32_t elapsed_ms) {
  TImageWidget::Advance(elapsed_ms);
  if (clock_.IsRunning()) clock_.Step(*this);
}

void TBaseAnimationWidget::Restart() {
  clock_.Rewind();
  TImageWidget::Restart();
}

void TBaseAnimationWidget::SetCurrentFrame(int32_t frame) {
  if (frame == current_frame_) return;
  current_frame_ = frame;
  SetChanged(true);
}

TRect TBaseAnimationWidget::SourceRect() {
  const int32_t width = GetWidth();
  const int32_t height = GetHeight();
  const int32_t per_row = width > 0 ? sheet_width_ / width : 0;
  if (per_row <= 0 || current_frame_ < 0) return {};
  // 64-bit: a frame number from data times the frame size may pass 2^31.
  const int64_t left = int64_t{width} * (current_frame_ % per_row) + sheet_left_;
  const int64_t top = int64_t{height} * (current_frame_ / per_row) + sheet_top_;
  if (left + width > kMaxPixelCoordinate || top + height > kMaxPixelCoordinate) return {};
  return {int32_t(left), int32_t(top), int32_t(left + width), int32_t(top + height)};
}

void TBaseAnimationWidget::Draw(ISurface* surface, int32_t x, int32_t y) {
  if (SourceRect().IsEmpty()) return;
  TImageWidget::Draw(surface, x, y);
}

std::optional<Variant> TBaseAnimationWidget::ReadDynamicProperty(std::string_view name) {
  if (std::optional<Variant> value = clock_.ReadProperty(name)) return value;
  if (name == "animationtime") return Variant(animation_time_);
  if (name == "reverse") return Variant(reverse_);
  if (name == "hideonstop") return Variant(hide_on_stop_);
  return TImageWidget::ReadDynamicProperty(name);
}

bool TBaseAnimationWidget::WriteDynamicProperty(std::string_view name, const Variant& value) {
  if (clock_.WriteProperty(name, value)) return true;
  if (name == "reverse") {
    reverse_ = value.ToBool(reverse_);
  } else if (name == "hideonstop") {
    hide_on_stop_ = value.ToBool(hide_on_stop_);
  } else if (name == "framescount") {
    frames_count_ = value.ToInt(frames_count_);
  } else {
    return TImageWidget::WriteDynamicProperty(name, value);
  }
  return true;
}

}  // namespace corvellane
