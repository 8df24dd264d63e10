#include "functions/column_function.h"

namespace corvellane {

void TColumnFunction::Calculate() {
  TParamMatrix& cells = Matrix();
  for (int col = 1; col < cells.ColumnCount(); ++col) {
    if (std::optional<double> result = ColumnResult(TArgumentColumn(cells, col)))
      cells.Set(0, col - 1, static_cast<float>(*result));
  }
}

}  // namespace corvellane
