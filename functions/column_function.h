// column_function.h: TColumnFunction, the base of the functions that give
// one result per argument column.
//
// For every argument column i = 1 .. columns - 1 the result goes to cell
// c[0][i-1], computed from the cells a_0 .. a_(n-1) of column i:
//
//   col 0: r0  r1          <- results
//   col 1: a0  a1  a2      -> r0
//   col 2: a0  a1          -> r1
//
// A result cell that column 0 lacks is simply not written. A type that
// cannot compute from a column (too few cells) leaves its result unchanged.
#pragma once

#include <optional>

#include "functions/function.h"

namespace corvellane {

// The cells of one argument column; reads beyond it give 0.
class TArgumentColumn {
 public:
  TArgumentColumn(const TParamMatrix& matrix, int col) : matrix_(matrix), col_(col) {}
  int Size() const { return matrix_.ColumnLength(col_); }
  double operator[](int row) const { return matrix_.Get(col_, row); }

 private:
  const TParamMatrix& matrix_;
  int col_;
};

class TColumnFunction : public TFunction {
 public:
  void Calculate() override;

 protected:
  // The result of one column; none leaves the result cell unchanged.
  virtual std::optional<double> ColumnResult(const TArgumentColumn& args) = 0;
};

}  // namespace corvellane
