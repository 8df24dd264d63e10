// arithmetic_function.h: TArithmeticFunction ("function_arithmetic"), a
// left-to-right chain of operations per pair of columns.
//
// Columns come in pairs: for k = 0, 1, ... the operands are column 2k+1 and
// the operator codes column 2k+2; the chain's value goes to c[0][k].
//
//   d = x_0;  for j = 1 .. : d = d (op o_(j-1)) x_j,  op = trunc(o_(j-1)):
//     0 +   1 -   2 *   3 /   4 max   5 min
//     6 trunc(d) mod trunc(x_j)   7 trunc(d) div trunc(x_j)
//     (remainder and quotient truncate toward zero; other codes keep d)
//
// A zero divisor (codes 3, 6 and 7) skips its step and keeps d, as
// "function_division" skips zero divisors: the chain never yields an
// infinity or traps on an integer division.
//
//   operands 10, 3, 2 with codes 2, 1  ->  10 * 3 - 2 = 28
#pragma once

#include "functions/function.h"

namespace corvellane {

class TArithmeticFunction : public TFunction {
 public:
  void Calculate() override;
};

}  // namespace corvellane
