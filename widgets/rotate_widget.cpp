#include "widgets/rotate_widget.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

void TurnVector(double degrees, double& x, double& y) {
  const double turn = std::remainder(degrees, 360.0);
  double s = 0.0, c = 1.0;
  if (turn == 90.0) {
    s = 1.0, c = 0.0;
  } else if (turn == -90.0) {
    s = -1.0, c = 0.0;
  } else if (std::fabs(turn) == 180.0) {
    s = 0.0, c = -1.0;
  } else if (turn != 0.0) {
    const double radians = turn * std::numbers::pi / 180.0;
    s = std::sin(radians), c = std::cos(radians);
  }
  const double turned_x = x * c - y * s;
  y = x * s + y * c;
  x = turned_x;
}

const TPropertyTable& TRotateWidget::Properties() {
  using W = TRotateWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TZoomWidget::Properties()).Float("angle", &W::GetAngle, &W::SetAngle, 0.0, Table::Always());
  return table;
}

void TRotateWidget::SetAngle(double degrees) {
  if (!std::isfinite(degrees) || degrees == angle_) return;
  angle_ = degrees;
  RequestRepaint();
}

void TRotateWidget::UpdateGeometry() {
  const Ref<IWidget>& inner = GetInnerWidget();
  const int32_t w = inner ? inner->GetWidth() : 0;
  const int32_t h = inner ? inner->GetHeight() : 0;
  box_.inner_width = w;
  box_.inner_height = h;
  box_.radius = std::hypot(static_cast<double>(w), static_cast<double>(h)) * std::max(std::fabs(ScaleX()), std::fabs(ScaleY())) / 2;
  // The centre point seen from the picture's centre: zoomed, then turned
  // the way the picture is drawn.
  box_.offset_x = ScaleX() * (PivotX() - w / 2);
  box_.offset_y = ScaleY() * (PivotY() - h / 2);
  TurnVector(-angle_, box_.offset_x, box_.offset_y);
}

const TRotateWidget::Box& TRotateWidget::Geometry() {
  const Ref<IWidget>& inner = GetInnerWidget();
  if (inner && (inner->GetWidth() != box_.inner_width || inner->GetHeight() != box_.inner_height)) UpdateGeometry();
  return box_;
}

int32_t TRotateWidget::Side() {
  return GetInnerWidget() ? SaturatingAdd(TruncPixel(2 * Geometry().radius), 1) : 0;
}

int32_t TRotateWidget::GetWidth() { return Side(); }

int32_t TRotateWidget::GetHeight() { return Side(); }

TPoint TRotateWidget::GetRenderOffset() {
  if (!GetInnerWidget()) return {};
  const Box& box = Geometry();
  const int32_t r = TruncPixel(box.radius);
  return {-r - TruncPixel(box.offset_x), -r - TruncPixel(box.offset_y)};
}

void TRotateWidget::CentreSample(double& u, double& v) {
  const Box& box = Geometry();
  // The corner is placed in whole pixels: the centre point's fraction and
  // the anchor's, turned back into the picture, move the picture instead.
  double dx = FractionOf(box.offset_x) - GetFractionX();
  double dy = FractionOf(box.offset_y) - GetFractionY();
  TurnVector(angle_, dx, dy);
  u = box.inner_width / 2 + dx / ScaleX();
  v = box.inner_height / 2 + dy / ScaleY();
}

void TRotateWidget::UnturnedShift(double& shift_x, double& shift_y) {
  const Box& box = Geometry();
  const int32_t r = TruncPixel(box.radius);
  const int32_t w = box.inner_width, h = box.inner_height;
  if (IsWholeShift()) {
    shift_x = r - w / 2;
    shift_y = r - h / 2;
    return;
  }
  const double hx = ScaleX() > 0 ? w / 2 : -w / 2;
  const double hy = ScaleY() > 0 ? h / 2 : -h / 2;
  shift_x = hx - r / ScaleX() + (FractionOf(box.offset_x) - GetFractionX()) / ScaleX();
  shift_y = hy - r / ScaleY() + (FractionOf(box.offset_y) - GetFractionY()) / ScaleY();
}

void TRotateWidget::Render(ISurface& work) {
  double shift_x = 0, shift_y = 0;
  if (!IsTurned()) {
    UnturnedShift(shift_x, shift_y);
    if (!IsWholeShift()) {
      RenderScaled(work, shift_x, shift_y);
    } else if (Ref<ISurface> image = InnerImage()) {
      work.DrawShifted(image.get(), shift_x, shift_y);
    }
    return;
  }
  Ref<ISurface> image = InnerImage();
  if (!image) return;
  // The box centre must sample CentreSample; the rotated drawing places the
  // scaled picture centred in the box, so its shift is what is left over.
  const int32_t r = TruncPixel(Geometry().radius);
  double u = 0, v = 0;
  CentreSample(u, v);
  const double left = (work.GetWidth() - image->GetWidth() * ScaleX()) / 2;
  const double top = (work.GetHeight() - image->GetHeight() * ScaleY()) / 2;
  shift_x = u - (r - left) / ScaleX();
  shift_y = v - (r - top) / ScaleY();
  work.DrawTransformed(image.get(), {r, r}, shift_x, shift_y, ScaleX(), ScaleY(), IsSmooth(), -angle_);
}

void TRotateWidget::SourcePoint(TPoint work_point, double& u, double& v) {
  double shift_x = 0, shift_y = 0;
  if (!IsTurned()) {
    UnturnedShift(shift_x, shift_y);
    if (IsWholeShift()) {
      u = work_point.x - shift_x;
      v = work_point.y - shift_y;
    } else {
      ScaledSourcePoint(work_point, shift_x, shift_y, u, v);
    }
    return;
  }
  const int32_t r = TruncPixel(Geometry().radius);
  CentreSample(u, v);
  double dx = work_point.x - r, dy = work_point.y - r;
  TurnVector(angle_, dx, dy);
  u += dx / ScaleX();
  v += dy / ScaleY();
}

}  // namespace corvellane
