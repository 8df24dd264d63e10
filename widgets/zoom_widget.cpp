#include "widgets/zoom_widget.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "persistence/property_table.h"
#include "persistence/value_access.h"
#include "widgets/pixel_rounding.h"
#include "widgets/single_precision.h"

namespace corvellane {

int32_t TruncPixel(double value) {
  if (std::isnan(value)) return 0;
  const double limit = kMaxPixelCoordinate;
  return static_cast<int32_t>(std::trunc(std::clamp(value, -limit, limit)));
}

double FractionOf(double value) { return std::isfinite(value) ? value - std::trunc(value) : 0.0; }

void TZoomWidget::AddAxisRow(TPropertyTableOf<TZoomWidget>& table, std::string_view key,
                             double (TZoomWidget::*get)() const, void (TZoomWidget::*set)(double)) {
  using W = TZoomWidget;
  // Its default is what "zoom", loaded first, gave; it is written only when
  // the two axes differ ("zoom" is written otherwise).
  table.Custom(
      key, [get](W& w) { return Variant((w.*get)()); },
      [get, set](W& w, const Variant& v) {
        (w.*set)(v.ToFloat((w.*get)()));
        return true;
      },
      [key = std::string(key), get, set](W& w, IHierStorage* node) { (w.*set)(ReadFloat(node, key, (w.*get)())); },
      [key = std::string(key), get](W& w, IHierStorage* node) {
        WriteFloat(node, key, (w.*get)(), w.zoom_x_ != w.zoom_y_);
      });
}

const TPropertyTable& TZoomWidget::Properties() {
  using W = TZoomWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table = [] {
    auto both = [](W& w, double zoom) {
      w.SetZoomX(zoom);
      w.SetZoomY(zoom);
    };
    Table rows(TSmoothMoveWidget::Properties());
    rows.Custom(
        "zoom", [](W& w) { return Variant(w.GetZoomX()); },
        [both](W& w, const Variant& v) {
          both(w, v.ToFloat(w.GetZoomX()));
          return true;
        },
        [both](W& w, IHierStorage* node) { both(w, ReadFloat(node, "zoom", 1.0)); },
        [](W& w, IHierStorage* node) { WriteFloat(node, "zoom", w.GetZoomX(), w.zoom_x_ == w.zoom_y_); });
    AddAxisRow(rows, "zoomx", &W::GetZoomX, &W::SetZoomX);
    AddAxisRow(rows, "zoomy", &W::GetZoomY, &W::SetZoomY);
    rows.Float("centerx", &W::GetCenterX, &W::SetCenterX, 0.0, Table::Always())
        .Float("centery", &W::GetCenterY, &W::SetCenterY, 0.0, Table::Always())
        .Bool("smooth", &W::IsSmooth, &W::SetSmooth, false, Table::Always());
    return TPropertyTable(rows);
  }();
  return table;
}

bool TZoomWidget::StoreZoom(float& field, double zoom) {
  if (!std::isfinite(zoom)) return false;
  if (std::fabs(zoom) <= kMinZoom) zoom = kMinZoom;
  const float stored = ToSingle(std::clamp(zoom, -kMaxZoom, kMaxZoom));
  if (stored == field) return false;
  field = stored;
  return true;
}

void TZoomWidget::SetZoomX(double zoom) {
  if (StoreZoom(zoom_x_, zoom)) RequestRepaint();
}

void TZoomWidget::SetZoomY(double zoom) {
  if (StoreZoom(zoom_y_, zoom)) RequestRepaint();
}

void TZoomWidget::SetCenterX(double x) {
  // The centre moves the picture's corner and its sub-pixel placement.
  if (!std::isfinite(x) || ToSingle(x) == center_x_) return;
  center_x_ = ToSingle(x);
  RequestRepaint();
}

void TZoomWidget::SetCenterY(double y) {
  if (!std::isfinite(y) || ToSingle(y) == center_y_) return;
  center_y_ = ToSingle(y);
  RequestRepaint();
}

void TZoomWidget::SetSmooth(bool smooth) {
  if (smooth == smooth_) return;
  smooth_ = smooth;
  RequestRepaint();
}

double TZoomWidget::GetZoomX() const { return FromSingle(zoom_x_); }
double TZoomWidget::GetZoomY() const { return FromSingle(zoom_y_); }
double TZoomWidget::GetCenterX() const { return FromSingle(center_x_); }
double TZoomWidget::GetCenterY() const { return FromSingle(center_y_); }

void TZoomWidget::RequestRepaint() {
  TSmoothMoveWidget::RequestRepaint();
  UpdateGeometry();
}

int32_t TZoomWidget::CornerOffset(float zoom, float centre) {
  return -TruncPixel(std::fabs(static_cast<double>(zoom)) * centre);
}

int32_t TZoomWidget::ScaledSide(int32_t side, float zoom) {
  return SaturatingAdd(TruncPixel(side * std::fabs(static_cast<double>(zoom))), 1);
}

int32_t TZoomWidget::GetWidth() {
  return GetInnerWidget() ? ScaledSide(GetInnerWidget()->GetWidth(), zoom_x_) : 0;
}

int32_t TZoomWidget::GetHeight() {
  return GetInnerWidget() ? ScaledSide(GetInnerWidget()->GetHeight(), zoom_y_) : 0;
}

TPoint TZoomWidget::GetRenderOffset() {
  if (!GetInnerWidget()) return {};
  return {CornerOffset(zoom_x_, center_x_), CornerOffset(zoom_y_, center_y_)};
}

void TZoomWidget::Render(ISurface& work) {
  if (IsUnscaled()) {
    RenderShifted(work);
    return;
  }
  double shift_x = 0, shift_y = 0;
  ScaleShift(shift_x, shift_y);
  RenderScaled(work, shift_x, shift_y);
}

void TZoomWidget::ScaleShift(double& shift_x, double& shift_y) {
  // The centre's scaled position has a fraction the whole-pixel corner
  // leaves out; the picture is moved by it, and by the anchor's fraction.
  shift_x = (FractionOf(std::fabs(static_cast<double>(zoom_x_)) * center_x_) - GetFractionX()) / zoom_x_;
  shift_y = (FractionOf(std::fabs(static_cast<double>(zoom_y_)) * center_y_) - GetFractionY()) / zoom_y_;
}

void TZoomWidget::RenderScaled(ISurface& work, double shift_x, double shift_y) {
  if (Ref<ISurface> image = InnerImage()) work.DrawScaled(image.get(), smooth_, shift_x, shift_y, zoom_x_, zoom_y_);
}

void TZoomWidget::ScaledSourcePoint(TPoint work_point, double shift_x, double shift_y, double& u, double& v) {
  // DrawScaled walks a mirrored picture from its far edge.
  const TRect picture = InnerRect();
  const double far_x = zoom_x_ < 0 ? picture.Width() - 1.0 : 0.0;
  const double far_y = zoom_y_ < 0 ? picture.Height() - 1.0 : 0.0;
  u = far_x + shift_x + work_point.x / static_cast<double>(zoom_x_);
  v = far_y + shift_y + work_point.y / static_cast<double>(zoom_y_);
}

void TZoomWidget::SourcePoint(TPoint work_point, double& u, double& v) {
  if (IsUnscaled()) {
    u = work_point.x - GetFractionX();
    v = work_point.y - GetFractionY();
    return;
  }
  double shift_x = 0, shift_y = 0;
  ScaleShift(shift_x, shift_y);
  ScaledSourcePoint(work_point, shift_x, shift_y, u, v);
}

TPoint TZoomWidget::InverseTransformPoint(TPoint work_point) {
  double u = 0, v = 0;
  SourcePoint(work_point, u, v);
  // A bilinear pixel is mostly the source pixel nearest to its sample.
  const double bias = smooth_ || IsUnscaled() ? 0.5 : 0.0;
  const TRect picture = InnerRect();
  return {SaturatingAdd(TruncPixel(std::floor(u + bias)), picture.left),
          SaturatingAdd(TruncPixel(std::floor(v + bias)), picture.top)};
}

}  // namespace corvellane
