#include "functions/arithmetic_function.h"

#include <algorithm>

#include "functions/cell_math.h"

namespace corvellane {

namespace {

enum Operation { kAdd, kSubtract, kMultiply, kDivide, kMax, kMin, kModulo, kQuotient };

double Apply(int op, double d, double x) {
  switch (op) {
    case kAdd: return d + x;
    case kSubtract: return d - x;
    case kMultiply: return d * x;
    case kDivide: return x != 0.0 ? d / x : d;
    case kMax: return std::max(x, d);
    case kMin: return std::min(x, d);
    case kModulo:
    case kQuotient: {
      // Operands saturate at the int64 limits. A zero divisor skips the
      // step; -1 is worked out directly, as INT64_MIN / -1 overflows.
      const int64_t a = TruncToInt64(d);
      const int64_t b = TruncToInt64(x);
      if (b == 0) return d;
      if (b == -1) return op == kModulo ? 0.0 : -static_cast<double>(a);
      return static_cast<double>(op == kModulo ? a % b : a / b);
    }
    default: return d;
  }
}

}  // namespace

void TArithmeticFunction::Calculate() {
  TParamMatrix& cells = Matrix();
  const int pairs = (cells.ColumnCount() - 2) / 2 + 1;
  for (int k = 0; k < pairs; ++k) {
    const int operands = 2 * k + 1;
    const int codes = 2 * k + 2;
    double d = cells.Get(operands, 0);
    for (int j = 1; j < cells.ColumnLength(operands); ++j)
      d = Apply(TruncToInt(cells.Get(codes, j - 1)), d, cells.Get(operands, j));
    cells.Set(0, k, static_cast<float>(d));
  }
}

}  // namespace corvellane
