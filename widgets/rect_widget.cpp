#include "widgets/rect_widget.h"

#include "engine/engine_interface.h"
#include "widgets/colour_number_row.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

const TPropertyTable& TRectWidget::Properties() {
  using W = TRectWidget;
  static const TPropertyTable table = [] {
    TPropertyTableOf<W> rows(TSingleWidget::Properties());
    AddColourNumberRow(rows, "color", &W::GetColor, &W::SetColor);
    return TPropertyTable(rows);
  }();
  return table;
}

void TRectWidget::SetColor(uint32_t color) {
  if (color == color_) return;
  color_ = color;
  SetChanged(true);
}

void TRectWidget::ClearOwner() {
  mask_ = nullptr;
  TSingleWidget::ClearOwner();
}

ISurface* TRectWidget::Mask() {
  const int32_t width = GetWidth();
  const int32_t height = GetHeight();
  if (mask_ && mask_->GetWidth() == width && mask_->GetHeight() == height) return mask_.get();
  IWidgetOwner* owner = GetOwner();
  IEngine* engine = owner ? owner->GetEngine() : nullptr;
  mask_ = engine ? engine->CreateSurface() : nullptr;
  if (mask_ && !mask_->SetSize(width, height)) mask_ = nullptr;
  // Without alpha every mask pixel counts as opaque: the whole rectangle.
  if (mask_) mask_->SetHasAlpha(false);
  return mask_.get();
}

void TRectWidget::Draw(ISurface* surface, int32_t x, int32_t y) {
  ISurface* mask = surface ? Mask() : nullptr;
  if (!mask) return;
  const int32_t width = GetWidth();
  const int32_t height = GetHeight();
  surface->FillColor(color_, mask, TBlendMode::Normal, GetTransparentLevel(),
                     {x, y, SaturatingAdd(x, width), SaturatingAdd(y, height)}, {0, 0, width, height});
}

}  // namespace corvellane
