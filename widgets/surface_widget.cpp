#include "widgets/surface_widget.h"

#include <algorithm>

#include "persistence/value_access.h"
#include "widgets/pixel_rounding.h"
#include "widgets/single_widget.h"

namespace corvellane {

namespace {

constexpr std::string_view kDrawModeNames = "/copyrect/fillcolor";

int32_t BoundedSide(int32_t side) { return std::clamp(side, 0, kMaxWidgetSide); }
int32_t BoundedShift(int32_t shift) { return std::clamp(shift, -kMaxPixelCoordinate, kMaxPixelCoordinate); }

}  // namespace

void TSurfaceWidget::LoadProperties(IHierStorage* node) {
  TVisualWidget::LoadProperties(node);
  draw_mode_ = static_cast<TDrawMode>(ReadEnum(node, "drawmode", kDrawModeNames, 0));
  fill_color_ = ReadHexInt(node, "fillcolor", 0);
}

void TSurfaceWidget::SaveProperties(IHierStorage* node) {
  TVisualWidget::SaveProperties(node);
  const int mode = static_cast<int>(draw_mode_);
  WriteEnum(node, "drawmode", kDrawModeNames, mode, mode != 0);
  WriteHexInt(node, "fillcolor", fill_color_, true);
}

std::optional<Variant> TSurfaceWidget::ReadDynamicProperty(std::string_view name) {
  if (name == "fillcolor") return Variant(fill_color_);
  if (name == "drawmode") return Variant(static_cast<int32_t>(draw_mode_));
  if (name == "shifttop") return Variant(shift_top_);
  if (name == "shiftleft") return Variant(shift_left_);
  return TVisualWidget::ReadDynamicProperty(name);
}

bool TSurfaceWidget::WriteDynamicProperty(std::string_view name, const Variant& value) {
  if (name == "width") SetGeometryValue(width_, BoundedSide(value.ToInt(width_)));
  else if (name == "height") SetGeometryValue(height_, BoundedSide(value.ToInt(height_)));
  else if (name == "shifttop") SetGeometryValue(shift_top_, BoundedShift(value.ToInt(shift_top_)));
  else if (name == "shiftleft") SetGeometryValue(shift_left_, BoundedShift(value.ToInt(shift_left_)));
  // An unreadable colour is black-transparent, as a colour key would read.
  else if (name == "fillcolor") SetFillColor(static_cast<uint32_t>(value.ToInt(0)));
  else if (name == "drawmode") SetDrawMode(value.ToInt(static_cast<int32_t>(draw_mode_)));
  else return TVisualWidget::WriteDynamicProperty(name, value);
  return true;
}

void TSurfaceWidget::SetGeometryValue(int32_t& field, int32_t value) {
  if (value == field) return;
  field = value;
  SetGeometryChanged();
}

void TSurfaceWidget::SetDrawMode(int32_t mode) {
  // Only the two modes the widget can draw are taken.
  if (mode != static_cast<int32_t>(TDrawMode::CopyRect) && mode != static_cast<int32_t>(TDrawMode::FillColor)) return;
  if (mode == static_cast<int32_t>(draw_mode_)) return;
  draw_mode_ = static_cast<TDrawMode>(mode);
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
