// fly_widget.h: TFlyWidget ("fly_widget"), a picture that flies from its
// start to its end point, slow at first and arriving at full speed.
//
//   <widget type="fly_widget" name="%name%" visible="yes" timetolive="%move_time%"
//           startposx="%x1%" startposy="%y1%" endposx="%x2%" endposy="%y2%"/>
//
//   flight->SetSurface(object->GetImage());   // what flies
//
// A move widget (move_widget.h) with another path: at time t of its
// lifetime T the anchors are start + (end - start) * p * sin(p * pi / 2),
// p = t / T, to the nearest whole pixel. Before it starts (t <= 0) it stands
// at the start; once t passes T it is finished (dead) and its group removes
// it. A flight of no duration stands at its start until its time passes 0.
// Found objects reach the object panel this way.
#pragma once

#include "widgets/move_widget.h"

namespace corvellane {

class TFlyWidget : public TMoveWidget {
 protected:
  void UpdatePosition() override;
};

}  // namespace corvellane
