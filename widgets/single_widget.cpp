#include "widgets/single_widget.h"

#include <algorithm>

#include "persistence/property_table.h"

namespace corvellane {

namespace {

int32_t BoundedSide(int32_t side) { return std::clamp(side, 0, kMaxWidgetSide); }

}  // namespace

const TPropertyTable& TSingleWidget::Properties() {
  using W = TSingleWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table = Table(TVisualWidget::Properties())
                                          .Int("width", &W::GetWidth, &W::SetWidth, 0, Table::Always())
                                          .Int("height", &W::GetHeight, &W::SetHeight, 0, Table::Always());
  return table;
}

void TSingleWidget::SetWidth(int32_t width) {
  width = BoundedSide(width);
  if (width == width_) return;
  width_ = width;
  SetGeometryChanged();
}

void TSingleWidget::SetHeight(int32_t height) {
  height = BoundedSide(height);
  if (height == height_) return;
  height_ = height;
  SetGeometryChanged();
}

}  // namespace corvellane
