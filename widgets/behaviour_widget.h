// behaviour_widget.h: TBehaviourWidget, a decorator that places and draws its
// inner widget relative to its own anchor.
//
// The base of the appearance effects: the decorator sits where the inner
// widget would sit and takes over its size; the inner widget's anchor is
// then an offset from the decorator's.
//
//   <widget type="some_effect" name="fade_logo" visible="yes" anchor_left="100">
//     <widgets>
//       <widget type="image_widget" name="image_logo" visible="yes" anchor_left="5"/>
//     </widgets>
//   </widget>            // the logo lands at x = 105
//
// Left and top are the decorator's anchor plus the inner widget's left and
// top; width and height are the inner widget's (0 without one). Any change
// the inner widget reports in the dirty pass redraws the decorator's old
// and new rectangles. Abstract.
#pragma once

#include "widgets/decorate_widget.h"

namespace corvellane {

class TBehaviourWidget : public TDecorateWidget {
 public:
  double GetLeft() override;
  double GetTop() override;
  int32_t GetWidth() override;
  int32_t GetHeight() override;
  void Draw(ISurface* surface, int32_t x, int32_t y) override;
  void UpdateDirtyRegion(bool force_old, bool force_new) override;
};

}  // namespace corvellane
