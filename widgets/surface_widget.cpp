#include "widgets/surface_widget.h"

#include <algorithm>

#include "widgets/colour_number_row.h"
#include "widgets/pixel_rounding.h"
#include "widgets/single_widget.h"

namespace corvellane {

namespace {

int32_t BoundedSide(int32_t side) { return std::clamp(side, 0, kMaxWidgetSide); }
int32_t BoundedShift(int32_t shift) { return std::clamp(shift, -kMaxPixelCoordinate, kMaxPixelCoordinate); }

}  // namespace

const TPropertyTable& TSurfaceWidget::Properties() {
  using W = TSurfaceWidget;
  using Table = TPropertyTableOf<W>;
  // A size or shift setter: held within its range, redrawn when different.
  auto geometry = [](int32_t W::*field, int32_t (*bound)(int32_t)) {
    return [field, bound](W& w, int32_t value) { w.SetGeometryValue(w.*field, bound(value)); };
  };
  static const TPropertyTable table = [&] {
    Table rows(TVisualWidget::Properties());
    rows.Object<ISurface>("surface", &W::GetSurface, &W::SetSurface)
        .Enum("drawmode", kDrawModeNames, &W::GetDrawMode, &W::SetDrawMode, TDrawMode::CopyRect);
    AddColourNumberRow(rows, "fillcolor", &W::GetFillColor, &W::SetFillColor);
    rows.Int("width", &W::width_, geometry(&W::width_, BoundedSide), 0)
        .NameOnly()
        .Int("height", &W::height_, geometry(&W::height_, BoundedSide), 0)
        .NameOnly()
        .Int("shifttop", &W::shift_top_, geometry(&W::shift_top_, BoundedShift), 0)
        .NameOnly()
        .Int("shiftleft", &W::shift_left_, geometry(&W::shift_left_, BoundedShift), 0)
        .NameOnly();
    return TPropertyTable(rows);
  }();
  return table;
}

void TSurfaceWidget::SetGeometryValue(int32_t& field, int32_t value) {
  if (value == field) return;
  field = value;
  SetGeometryChanged();
}

void TSurfaceWidget::SetDrawMode(TDrawMode mode) {
  if (mode == draw_mode_) return;
  draw_mode_ = mode;
  SetChanged(true);
}

void TSurfaceWidget::SetFillColor(uint32_t colour) {
  if (colour == fill_color_) return;
  fill_color_ = colour;
  SetChanged(true);
}

void TSurfaceWidget::SetSurface(Ref<ISurface> surface) {
  surface_ = std::move(surface);
  SetGeometryChanged();
  shift_top_ = shift_left_ = 0;
  width_ = surface_ ? surface_->GetWidth() : 0;
  height_ = surface_ ? surface_->GetHeight() : 0;
}

void TSurfaceWidget::ClearOwner() {
  surface_ = nullptr;
  TVisualWidget::ClearOwner();
}

void TSurfaceWidget::Draw(ISurface* surface, int32_t x, int32_t y) {
  if (!surface_ || !surface) return;
  const TRect source{shift_left_, shift_top_, SaturatingAdd(shift_left_, width_), SaturatingAdd(shift_top_, height_)};
  const TRect dest{x, y, SaturatingAdd(x, width_), SaturatingAdd(y, height_)};
  if (draw_mode_ == TDrawMode::FillColor)
    surface->FillColor(fill_color_, surface_.get(), TBlendMode::Normal, GetTransparentLevel(), dest, source);
  else
    surface->DrawImage(surface_.get(), source, TBlendMode::Normal, GetTransparentLevel(), dest);
}

}  // namespace corvellane
