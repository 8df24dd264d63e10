// cell_math.h: the number conversions functions apply to their cells.
//
// Cells are 32-bit floats and may hold anything a data file or a previous
// calculation put there, NaN and infinities included. Converting such a
// value to an integer is undefined in C++, so every truncation goes through
// here: toward zero, saturating at the type's limits, NaN giving 0.
//
//   TruncToInt(2.9f)    ->  2
//   TruncToInt(-2.9f)   -> -2
//   TruncToInt(1e30f)   ->  INT32_MAX
//   TruncToInt(NAN)     ->  0
//   RoundToInt(2.5)     ->  2   (to nearest, ties to even)
//   RoundToInt(-3.5)    -> -4
#pragma once

#include <cstdint>

namespace corvellane {

int32_t TruncToInt(double value);
int64_t TruncToInt64(double value);
// To the nearest integer, ties to even, saturating like TruncToInt.
int32_t RoundToInt(double value);

}  // namespace corvellane
