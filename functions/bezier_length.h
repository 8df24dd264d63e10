// bezier_length.h: the length of a cubic Bezier curve by halving.
//
// With the chord through P0 and P3 written A x + B y + C = 0, where
//   A = y3 - y0,  B = x0 - x3,  C = (x3 - x0) y0 - (y3 - y0) x0,
// the value A x + B y + C at a point is its distance from the chord times
// sqrt(A^2 + B^2). Let Q = A^2 + B^2 rounded to an integer. When for both
// control points (A x + B y + C)^2 < Q, each lies less than one unit from
// the chord, the curve is as good as straight and its length is sqrt(Q).
// Otherwise the curve is split at p = 1/2 (de Casteljau):
//
//   L0 = P0                       R3 = P3
//   L1 = (P0 + B1) / 2            R2 = (B2 + P3) / 2
//   L2 = (P0 + 2 B1 + B2) / 4     R1 = (B1 + 2 B2 + P3) / 4
//   L3 = R0 = (P0 + 3 B1 + 3 B2 + P3) / 8
//
// and the lengths of both halves are added. Four coincident points have
// length 0.
//
// The halving stops after kMaxBezierHalvings levels, a piece there counting
// as its chord sqrt(Q). Without that floor a curve shorter than about 0.7
// units with a bend never passes the test (Q rounds to 0 and no squared
// distance is below 0), and a curve of huge coordinates needs more halvings
// than could ever be made: either would halve without end.
//
//   TBezierPoints curve{{0, 0}, {10, 0}, {20, 0}, {30, 0}};
//   double length = BezierLength(curve);      // 30
#pragma once

#include "functions/path_function.h"

namespace corvellane {

// 2^16 pieces at most: far finer than any pixel of a curve on a screen.
inline constexpr int kMaxBezierHalvings = 16;

struct TBezierPoints {
  TPathPoint p0;
  TPathPoint b1;
  TPathPoint b2;
  TPathPoint p3;
};

// 0 when a coordinate is not a finite number.
double BezierLength(const TBezierPoints& curve);

}  // namespace corvellane
