#include "functions/lookup_functions.h"

namespace corvellane {

namespace {

double StepValue(const TParamMatrix& cells, int bounds, int values, double x) {
  const int m = cells.ColumnLength(bounds);
  for (int j = 0; j + 1 < m; ++j)
    if (x <= cells.Get(bounds, j)) return cells.Get(values, j);
  return cells.Get(values, m - 1);
}

double Interpolate(const TParamMatrix& cells, int points, int values, double x) {
  const int m = cells.ColumnLength(points);
  if (m == 0) return 0.0;
  if (x >= cells.Get(points, m - 1)) return cells.Get(values, m - 1);
  if (x < cells.Get(points, 0)) return cells.Get(values, 0);
  // The largest j with p[j] <= x; then x < p[j+1], so the span is positive
  // even when the points are not ascending.
  int j = m - 2;
  while (j > 0 && x < cells.Get(points, j)) --j;
  const double p0 = cells.Get(points, j);
  const double p1 = cells.Get(points, j + 1);
  const double v0 = cells.Get(values, j);
  const double v1 = cells.Get(values, j + 1);
  return v0 + (v1 - v0) * (x - p0) / (p1 - p0);
}

}  // namespace

void TIntervalFunction::Calculate() {
  TParamMatrix& cells = Matrix();
  for (int k = 0; k < cells.ColumnLength(1); ++k) {
    const bool has_table = cells.ColumnCount() >= 2 * k + 4;
    const double result = has_table ? StepValue(cells, 2 * k + 2, 2 * k + 3, cells.Get(1, k)) : 0.0;
    cells.Set(0, k, static_cast<float>(result));
  }
}

void TPiecewiseLinearInterpolationFunction::Calculate() {
  TParamMatrix& cells = Matrix();
  const double x = cells.Get(1, 0);
  for (int k = 0; k < (cells.ColumnCount() - 2) / 2; ++k)
    cells.Set(0, k, static_cast<float>(Interpolate(cells, 2 * k + 2, 2 * k + 3, x)));
}

}  // namespace corvellane
