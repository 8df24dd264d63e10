// lookup_functions.h: functions that look a value up in tables of columns.
//
// "function_interval" (TIntervalFunction): a step table per argument cell.
// For cell k of column 1 (x), bounds b = column 2k+2 (m cells) and values
// v = column 2k+3: the result is v[j] for the first j <= m-2 with x <= b[j],
// else v[m-1] (the last bound only marks the end of the table). Without
// those two columns the result is 0. c[0][k] = result.
//
//   bounds 10 20 30, values A B C:  x=5 -> A, 15 -> B, 25 -> C, 100 -> C
//
// "function_piecewise" (TPiecewiseLinearInterpolationFunction): one x =
// c[1][0] and, for k = 0, 1, ..., points p = column 2k+2 (ascending) and
// values v = column 2k+3, interpolated linearly into c[0][k]:
//
//   x >= p[m-1]            ->  v[m-1]
//   p[j] <= x < p[j+1]     ->  v[j] + (v[j+1] - v[j]) * (x - p[j]) / (p[j+1] - p[j])
//   x < p[0]               ->  v[0]
//
// The table is clamped at both ends, so a fade keyed on a clock that starts
// below the first point (a delayed start) holds its first value.
#pragma once

#include "functions/function.h"

namespace corvellane {

class TIntervalFunction : public TFunction {
 public:
  void Calculate() override;
};

class TPiecewiseLinearInterpolationFunction : public TFunction {
 public:
  void Calculate() override;
};

}  // namespace corvellane
