#include "widgets/cut_sector_widget.h"

#include <cmath>
#include <numbers>

#include "persistence/property_table.h"
#include "widgets/single_precision.h"

namespace corvellane {

const TPropertyTable& TCutSectorWidget::Properties() {
  using W = TCutSectorWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TTransformWidget::Properties())
          .Float("centerx", &W::GetCenterX, &W::SetCenterX, 0.0, Table::Always())
          .Float("centery", &W::GetCenterY, &W::SetCenterY, 0.0, Table::Always())
          .Float("startangle", &W::GetStartAngle, &W::SetStartAngle, 0.0, Table::Always())
          .Float("endangle", &W::GetEndAngle, &W::SetEndAngle, 0.0, Table::Always());
  return table;
}

double TCutSectorWidget::GetCenterX() const { return FromSingle(center_x_); }
double TCutSectorWidget::GetCenterY() const { return FromSingle(center_y_); }
double TCutSectorWidget::GetStartAngle() const { return FromSingle(start_angle_); }
double TCutSectorWidget::GetEndAngle() const { return FromSingle(end_angle_); }

void TCutSectorWidget::Store(float& field, double value) {
  if (!std::isfinite(value) || ToSingle(value) == field) return;
  field = ToSingle(value);
  RequestRepaint();
}

bool TCutSectorWidget::IsCut(int32_t x, int32_t y) const {
  double angle = std::atan2(y - static_cast<double>(center_y_), x - static_cast<double>(center_x_)) * 180.0 / std::numbers::pi;
  double start = start_angle_, end = end_angle_;
  if (start < 0) {
    if (angle < start) angle += 360;
    start += 360, end += 360, angle += 360;
  }
  if (angle < 0) angle += 360;
  return start <= angle && angle < end;
}

void TCutSectorWidget::Render(ISurface& work) {
  DrawInner(work);
  for (int32_t y = 0; y < work.GetHeight(); ++y) {
    uint32_t* row = work.GetScanLine(y);
    for (int32_t x = 0; x < work.GetWidth(); ++x)
      if (IsCut(x, y)) row[x] = 0;
  }
}

}  // namespace corvellane
