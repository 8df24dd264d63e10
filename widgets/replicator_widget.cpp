#include "widgets/replicator_widget.h"

#include <algorithm>

#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

int32_t BoundCount(int32_t count) { return std::clamp(count, 0, kMaxReplicatorCount); }

int32_t GridExtent(int32_t cell, int32_t count) {
  return static_cast<int32_t>(std::clamp<int64_t>(int64_t{cell} * count, 0, kMaxPixelCoordinate));
}

// The copies [first, last) along one axis whose cells can touch [0, limit)
// when copy i starts at origin + step * i. Copies with no step all land on
// the same place, so one of them stands for all.
struct CopyRange {
  int64_t first = 0;
  int64_t last = 0;
};

CopyRange VisibleCopies(int64_t origin, int64_t step, int64_t count, int64_t limit) {
  if (count <= 0) return {};
  if (step <= 0) return {0, 1};
  const int64_t first = origin >= 0 ? 0 : (-origin) / step;
  const int64_t last = origin >= limit ? 0 : (limit - origin + step - 1) / step;
  return {std::min(first, count), std::min(last, count)};
}

}  // namespace

const TPropertyTable& TReplicatorWidget::Properties() {
  using W = TReplicatorWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table = Table(TDecorateWidget::Properties())
                                          .Int("cols", &W::GetCols, &W::SetCols, 1, Table::Always())
                                          .Int("rows", &W::GetRows, &W::SetRows, 1, Table::Always());
  return table;
}

void TReplicatorWidget::SetCols(int32_t cols) {
  cols = BoundCount(cols);
  if (cols == cols_) return;
  cols_ = cols;
  SetGeometryChanged();
}

void TReplicatorWidget::SetRows(int32_t rows) {
  rows = BoundCount(rows);
  if (rows == rows_) return;
  rows_ = rows;
  SetGeometryChanged();
}

int32_t TReplicatorWidget::GetWidth() {
  return GetInnerWidget() ? GridExtent(GetInnerWidget()->GetWidth(), cols_) : 0;
}

int32_t TReplicatorWidget::GetHeight() {
  return GetInnerWidget() ? GridExtent(GetInnerWidget()->GetHeight(), rows_) : 0;
}

void TReplicatorWidget::Draw(ISurface* surface, int32_t x, int32_t y) {
  const Ref<IWidget>& inner = GetInnerWidget();
  if (!inner || !surface) return;
  const int64_t cell_width = inner->GetWidth();
  const int64_t cell_height = inner->GetHeight();
  const CopyRange cols = VisibleCopies(x, cell_width, cols_, surface->GetWidth());
  const CopyRange rows = VisibleCopies(y, cell_height, rows_, surface->GetHeight());
  for (int64_t i = cols.first; i < cols.last; ++i)
    for (int64_t j = rows.first; j < rows.last; ++j)
      inner->Draw(surface, static_cast<int32_t>(x + cell_width * i), static_cast<int32_t>(y + cell_height * j));
}

}  // namespace corvellane
