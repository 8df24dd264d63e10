#include "widgets/scroll_area_widget.h"

#include <algorithm>

#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"
#include "widgets/single_widget.h"

namespace corvellane {

const TPropertyTable& TScrollAreaWidget::Properties() {
  using W = TScrollAreaWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table = Table(TTransformWidget::Properties())
                                          .Int("width", &W::GetWidth, &W::SetWidth, 0, Table::Always())
                                          .Int("height", &W::GetHeight, &W::SetHeight, 0, Table::Always())
                                          .Int("shiftleft", &W::GetShiftLeft, &W::SetShiftLeft, 0)
                                          .Int("shifttop", &W::GetShiftTop, &W::SetShiftTop, 0);
  return table;
}

int32_t TScrollAreaWidget::ClampSide(int32_t side) { return std::clamp(side, 0, kMaxWidgetSide); }

void TScrollAreaWidget::Store(int32_t& field, int32_t value) {
  // Shifts are kept within the pixel range, so that adding them to an
  // anchor cannot overflow.
  value = std::clamp(value, -kMaxPixelCoordinate, kMaxPixelCoordinate);
  if (value == field) return;
  field = value;
  RequestRepaint();
}

TPoint TScrollAreaWidget::InnerOrigin() {
  const Ref<IWidget>& inner = GetInnerWidget();
  if (!inner) return {};
  return {RoundToPixel(inner->GetAnchorLeft()) - shift_left_, RoundToPixel(inner->GetAnchorTop()) - shift_top_};
}

}  // namespace corvellane
