// scroll_area_widget.h: TScrollAreaWidget ("scrollarea_widget"), a window of
// a fixed size onto its inner widget, which can be scrolled.
//
//   <widget type="scrollarea_widget" name="scroll_credits" visible="yes"
//           anchor_left="700" anchor_top="300" width="260" height="200" shifttop="0">
//     <widgets>
//       <widget type="group_widget" name="group_credits" visible="yes"> ... </widget>
//     </widgets>
//   </widget>
//
//   scroll->SetProperty("shifttop", 120);   // the content moves 120 pixels up
//
// The inner widget is drawn at its own rounded anchor moved back by
// ("shiftleft", "shifttop") and cut to the "width" x "height" window at the
// widget's anchor; clicks inside the window reach the inner widget at the
// scrolled place. "width" and "height" (default 0) are always written, the
// shifts (default 0) when not 0. Every change of them renders again.
#pragma once

#include <cstdint>

#include "widgets/transform_widget.h"

namespace corvellane {

class TScrollAreaWidget : public TTransformWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  int32_t GetWidth() override { return width_; }
  int32_t GetHeight() override { return height_; }
  // Held within 0 .. kMaxWidgetSide.
  void SetWidth(int32_t width) { Store(width_, ClampSide(width)); }
  void SetHeight(int32_t height) { Store(height_, ClampSide(height)); }
  int32_t GetShiftLeft() const { return shift_left_; }
  int32_t GetShiftTop() const { return shift_top_; }
  void SetShiftLeft(int32_t shift) { Store(shift_left_, shift); }
  void SetShiftTop(int32_t shift) { Store(shift_top_, shift); }

 protected:
  void Render(ISurface& work) override { DrawInner(work); }
  TPoint InnerOrigin() override;

 private:
  static int32_t ClampSide(int32_t side);
  void Store(int32_t& field, int32_t value);

  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t shift_left_ = 0;
  int32_t shift_top_ = 0;
};

}  // namespace corvellane
