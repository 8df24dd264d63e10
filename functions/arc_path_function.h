// arc_path_function.h: TArcPathFunction ("path_arc"), a path around a
// centre from the start point to the end point; when the two lie at
// different distances from the centre the radius changes evenly on the way
// and the arc is a spiral.
//
// Cells besides the common ones (path_function.h):
//
//   c[2][6], c[2][7]   centre cx, cy
//   c[3][0] .. [3][3]  start radius r0, end radius r1, start angle a0, end
//                      angle a1: written by RunPreparation
//   c[4][0]            direction: 1 the angle grows (clockwise on a screen
//                      whose y grows downwards), 0 it falls, anything else
//                      the shorter way atan2 gives
//
//   <function type="path_arc"><paramspace><paramdefs>
//     <paramdef name="x" col="0"/> <paramdef name="y" col="0"/>
//     <paramdef name="time" col="1" static="yes"/>
//     <paramdef col="2" static="yes" value="10"/> <paramdef col="2" static="yes" value="0"/>
//     <paramdef col="2" static="yes" value="0"/>  <paramdef col="2" static="yes" value="10"/>
//     <paramdef col="2" static="yes" value="1000"/> <paramdef col="2" static="yes"/>
//     <paramdef col="2" static="yes" value="0"/>  <paramdef col="2" static="yes" value="0"/>
//     <paramdef col="3" static="yes"/> <paramdef col="3" static="yes"/>
//     <paramdef col="3" static="yes"/> <paramdef col="3" static="yes"/>
//     <paramdef col="4" static="yes" value="1"/>
//   </paramdefs></paramspace></function>
//
// Position at progress p: a = a0 + p (a1 - a0), r = r0 + p (r1 - r0),
// (cx + r cos a, cy + r sin a). Length: |a0 - a1| r0. Bounds: the endpoints
// (left and top floored, right and bottom rounded away from zero), widened
// by the points at radius r0 on every axis direction the angles sweep past.
#pragma once

#include "functions/path_function.h"

namespace corvellane {

class TArcPathFunction : public TAbstractPathFunction {
 public:
  void Calculate() override;
  double GetPathLength() override;
  TRect GetBounds() override;

 protected:
  // Derives radii and angles, then stores the length.
  void PreparationHook() override;

 private:
  TPathPoint Centre();
};

}  // namespace corvellane
