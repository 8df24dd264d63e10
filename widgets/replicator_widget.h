// replicator_widget.h: TReplicatorWidget ("replicator_widget"), a decorator
// that draws its inner widget as a grid of cols x rows copies.
//
//   <widget type="replicator_widget" name="tiles_floor" visible="yes"
//           anchor_left="0" anchor_top="400" cols="20" rows="2">
//     <widgets>
//       <widget type="image_widget" name="image_tile" visible="yes" width="32" height="40"/>
//     </widgets>
//   </widget>
//
// Copy (i, j) is drawn at the replicator's origin plus (inner width x i,
// inner height x j); the inner widget's own anchor and visibility are not
// consulted. Width = inner width x cols, height = inner height x rows.
//
// cols and rows are held within 0 .. kMaxReplicatorCount, and only the
// copies that can reach the target surface are drawn, so a damaged count
// cannot stall a frame.
#pragma once

#include <cstdint>

#include "widgets/decorate_widget.h"

namespace corvellane {

inline constexpr int32_t kMaxReplicatorCount = 16384;

class TReplicatorWidget : public TDecorateWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  int32_t GetWidth() override;
  int32_t GetHeight() override;
  void Draw(ISurface* surface, int32_t x, int32_t y) override;

  int32_t GetCols() const { return cols_; }
  int32_t GetRows() const { return rows_; }
  void SetCols(int32_t cols);
  void SetRows(int32_t rows);

 private:
  int32_t cols_ = 1;
  int32_t rows_ = 1;
};

}  // namespace corvellane
