#include "widgets/image_widget.h"

#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

const TPropertyTable& TImageWidget::Properties() {
  using W = TImageWidget;
  using Table = TPropertyTableOf<W>;
  // Both source coordinates are written when either is not 0.
  auto placed = Table::When([](W& w) { return w.source_left_ != 0 || w.source_top_ != 0; });
  static const TPropertyTable table =
      Table(TResourceWidget::Properties())
          .Int("resourceleft", &W::GetSourceLeft, &W::SetSourceLeft, 0, placed)
          .Int("resourcetop", &W::GetSourceTop, &W::SetSourceTop, 0, placed)
          .Color("fillcolor", &W::GetFillColor, &W::SetFillColor, 0)
          .Enum("drawmode", kDrawModeNames, &W::GetDrawMode, &W::SetDrawMode, TDrawMode::CopyRect)
          .Enum("blendingmode", kBlendModeNames, &W::GetBlendMode, &W::SetBlendMode, TBlendMode::Normal);
  return table;
}

void TImageWidget::SetSourceLeft(int32_t left) {
  if (left == source_left_) return;
  source_left_ = left;
  SetChanged(true);
}

void TImageWidget::SetSourceTop(int32_t top) {
  if (top == source_top_) return;
  source_top_ = top;
  SetChanged(true);
}

TRect TImageWidget::SourceRect() {
  return {source_left_, source_top_, SaturatingAdd(source_left_, GetWidth()),
          SaturatingAdd(source_top_, GetHeight())};
}

void TImageWidget::SetFillColor(uint32_t colour) {
  if (colour == fill_color_) return;
  fill_color_ = colour;
  SetChanged(true);
}

void TImageWidget::SetDrawMode(TDrawMode mode) {
  if (mode == draw_mode_) return;
  draw_mode_ = mode;
  SetChanged(true);
}

void TImageWidget::SetBlendMode(TBlendMode mode) {
  if (mode == blend_mode_) return;
  blend_mode_ = mode;
  SetChanged(true);
}

// ---- Drawing and hit-testing ----

void TImageWidget::DrawPart(ISurface* target, const ISurface* image, const TRect& source, const TRect& dest,
                            TBlendMode mode, int opacity) {
  if (draw_mode_ == TDrawMode::FillColor)
    target->FillColor(fill_color_, image, mode, opacity, dest, source);
  else
    target->DrawImage(image, source, mode, opacity, dest);
}

void TImageWidget::Draw(ISurface* surface, int32_t x, int32_t y) {
  Ref<IImageResource> image = GetImageResource();
  Ref<ISurface> picture = image ? image->GetSurface() : nullptr;
  if (!surface || !picture) return;
  const TRect dest{x, y, SaturatingAdd(x, GetWidth()), SaturatingAdd(y, GetHeight())};
  DrawPart(surface, picture.get(), SourceRect(), dest, blend_mode_, GetTransparentLevel());
}

bool TImageWidget::ContainsPoint(TPoint point, bool ignore_visibility) {
  if (!TResourceWidget::ContainsPoint(point, ignore_visibility)) return false;
  Ref<IImageResource> image = GetImageResource();
  Ref<ISurface> picture = image ? image->GetSurface() : nullptr;
  if (!picture) return true;
  const TRect source = SourceRect();
  const int32_t x = SaturatingAdd(point.x - RoundToPixel(GetAnchorLeft()), source.left);
  const int32_t y = SaturatingAdd(point.y - RoundToPixel(GetAnchorTop()), source.top);
  return (picture->GetPixel(x, y) >> 24) != 0;
}

}  // namespace corvellane
