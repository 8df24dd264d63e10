// bezier_path_function.h: TBezierPathFunction ("path_bezier"), a cubic
// Bezier curve from the start point to the end point.
//
// Cells besides the common ones (path_function.h): c[2][6], c[2][7] the
// first control point B1, c[2][8], c[2][9] the second B2.
//
//   <function type="path_bezier"><paramspace><paramdefs>
//     <paramdef name="x" col="0"/> <paramdef name="y" col="0"/>
//     <paramdef name="time" col="1" static="yes"/>
//     <paramdef col="2" static="yes" value="0"/>   <paramdef col="2" static="yes" value="0"/>
//     <paramdef col="2" static="yes" value="300"/> <paramdef col="2" static="yes" value="0"/>
//     <paramdef col="2" static="yes" value="800"/> <paramdef col="2" static="yes"/>
//     <paramdef col="2" static="yes" value="100"/> <paramdef col="2" static="yes" value="-150"/>
//     <paramdef col="2" static="yes" value="200"/> <paramdef col="2" static="yes" value="-150"/>
//   </paramdefs></paramspace></function>
//
// Position at progress p, q = 1 - p:
//   x = q^3 x0 + 3 p q^2 bx1 + 3 p^2 q bx2 + p^3 x1, the same for y.
// The curve does not report its bounds (all 0).
//
// Length (bezier_length.h): the chord where the curve hugs it, else the sum
// of the lengths of its two halves.
#pragma once

#include "functions/path_function.h"

namespace corvellane {

class TBezierPathFunction : public TAbstractPathFunction {
 public:
  void Calculate() override;
  double GetPathLength() override;
};

}  // namespace corvellane
