// segment_path_functions.h: the straight paths from the start point to the
// end point.
//
//   "path_segment"             TSegmentPathFunction: even speed,
//                              x = x0 + (x1 - x0) * p, the same for y
//   "path_segment_accelerate"  TAccelerateSegmentPathFunction: travelled
//                              distance s = T^2 * a / 2 + T * v along the
//                              segment, x = x0 + (x1 - x0) * s / L with L
//                              the length stored at RunPreparation
//
// Cells (path_function.h) plus, for the accelerating segment, c[2][6] the
// initial speed v and c[2][7] the acceleration a (per millisecond):
//
//   <function type="path_segment_accelerate"><paramspace><paramdefs>
//     <paramdef name="x" col="0"/> <paramdef name="y" col="0"/>
//     <paramdef name="time" col="1" static="yes"/>
//     <paramdef col="2" static="yes" value="0"/>  <paramdef col="2" static="yes" value="0"/>
//     <paramdef col="2" static="yes" value="300"/> <paramdef col="2" static="yes" value="400"/>
//     <paramdef col="2" static="yes" value="1000"/> <paramdef col="2" static="yes"/>
//     <paramdef col="2" static="yes" value="0.1"/> <paramdef col="2" static="yes" value="0.0004"/>
//   </paramdefs></paramspace></function>
//
// Length: the square root of the rounded (x1 - x0)^2 + (y1 - y0)^2. Bounds:
// the endpoints' minimum and maximum, each rounded. An accelerating segment
// whose stored length is not positive (its ends coincide, or the length
// cell is missing) has no direction to travel in and stays at its start.
#pragma once

#include "functions/path_function.h"

namespace corvellane {

class TSegmentPathFunction : public TAbstractPathFunction {
 public:
  void Calculate() override;
  double GetPathLength() override;
  TRect GetBounds() override;
};

class TAccelerateSegmentPathFunction : public TSegmentPathFunction {
 public:
  void Calculate() override;
};

}  // namespace corvellane
