// column_functions.h: the functions that give one result per argument
// column (column_function.h), a_0 .. a_(n-1) being that column's cells.
//
//   "function_sum"       a_0 + a_1 + ...                        (0 when empty)
//   "function_multiply"  a_0 * a_1 * ...                        (1 when empty)
//   "function_substr"    a_0 - a_1 - a_2 - ...                  (0 when empty)
//   "function_division"  a_0 / a_1 / a_2 ..., a zero divisor skipped (0 when empty)
//   "function_polinom2"  a_1*x^2 + a_2*x + a_3 with x = a_0; missing cells count as 0
//   "function_sin"       a_0 * sin(a_1 * 2pi / a_2 + phi) + a_4 + a_5 + ...
//                        phi = a_3 * pi (a_3: phase in half turns); needs
//                        n > 2 and a_2 != 0 (amplitude, time, period, phase, offsets)
//   "function_random"      random * a_0 + a_1 + ...,  random uniform in [0, 1)
//   "function_int_random"  RandomInt(trunc a_0) + a_1 + ..., RandomInt(k) in 0 .. k-1
//                          (0 for k <= 0); both give 0 for an empty column
//   "function_switch"    n >= 5: a_2 if a_0 < a_1, a_3 if equal, a_4 if greater
//   "function_linear_segment"  n >= 4: a_0 + (a_1 - a_0) * a_2 / a_3 when
//                        a_3 != 0, else a_1 (start, end, elapsed, duration)
//
// Example: a fade from 0 to 255 over 500 ms, "currenttime" aliased from the
// owner as the elapsed time:
//
//   <function type="function_linear_segment">
//     <paramspace><paramdefs>
//       <paramdef name="transparentlevel" col="0"/>
//       <paramdef col="1" static="yes" value="0"/>
//       <paramdef col="1" static="yes" value="255"/>
//       <paramdef name="currenttime" col="1"/>
//       <paramdef col="1" static="yes" value="500"/>
//     </paramdefs></paramspace>
//   </function>
#pragma once

#include "functions/column_function.h"

namespace corvellane {

#define CORVELLANE_COLUMN_FUNCTION(Class)                                      \
  class Class : public TColumnFunction {                                       \
   protected:                                                                  \
    std::optional<double> ColumnResult(const TArgumentColumn& args) override; \
  };

CORVELLANE_COLUMN_FUNCTION(TSumFunction)
CORVELLANE_COLUMN_FUNCTION(TMultiplyFunction)
CORVELLANE_COLUMN_FUNCTION(TSubstrFunction)
CORVELLANE_COLUMN_FUNCTION(TDivisionFunction)
CORVELLANE_COLUMN_FUNCTION(TPolinom2Function)
CORVELLANE_COLUMN_FUNCTION(TSinFunction)
CORVELLANE_COLUMN_FUNCTION(TRandomFunction)
CORVELLANE_COLUMN_FUNCTION(TIntRandomFunction)
CORVELLANE_COLUMN_FUNCTION(TSwitchFunction)
CORVELLANE_COLUMN_FUNCTION(TLinearSegmentFunction)

#undef CORVELLANE_COLUMN_FUNCTION

}  // namespace corvellane
