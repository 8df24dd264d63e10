#include "widgets/base_animation_widget.h"

#include "widgets/pixel_rounding.h"

namespace corvellane {

const TPropertyTable& TBaseAnimationWidget::Properties() {
  using W = TBaseAnimationWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table = [] {
    Table rows(TImageWidget::Properties());
    AddPhaseClockRows(rows, &W::clock_);
    rows.Int("framescount", &W::frames_count_, 0, Table::Always())
        .Int("resourceheight", &W::sheet_height_, 0)
        .Int("resourcewidth", &W::sheet_width_, &W::SetSheetWidth, 0, Table::Always())
        .Bool("hideonstop", &W::hide_on_stop_, false)
        .Bool("reverse", &W::reverse_, false)
        .Computed("animationtime", &W::GetAnimationTime);
    return TPropertyTable(rows);
  }();
  return table;
}

void TBaseAnimationWidget::SetSheetWidth(int32_t width) {
  if (width == sheet_width_) return;
  sheet_width_ = width;
  SetChanged(true);
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
  const int64_t left = int64_t{width} * (current_frame_ % per_row) + GetSourceLeft();
  const int64_t top = int64_t{height} * (current_frame_ / per_row) + GetSourceTop();
  if (left + width > kMaxPixelCoordinate || top + height > kMaxPixelCoordinate) return {};
  return {int32_t(left), int32_t(top), int32_t(left + width), int32_t(top + height)};
}

void TBaseAnimationWidget::Draw(ISurface* surface, int32_t x, int32_t y) {
  if (SourceRect().IsEmpty()) return;
  TImageWidget::Draw(surface, x, y);
}

}  // namespace corvellane
