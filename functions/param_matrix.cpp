#include "functions/param_matrix.h"

#include <algorithm>
#include <cstddef>
#include <type_traits>

namespace corvellane {

static_assert(std::is_standard_layout_v<TCell> && offsetof(TCell, value) == 0,
              "a cell's number must be convertible to the cell");

namespace {

TCell* CellOf(float* value) { return reinterpret_cast<TCell*>(value); }

}  // namespace

TCellRef MakeCell(float value) {
  auto cell = std::make_shared<TCell>();
  cell->value = value;
  return TCellRef(cell, &cell->value);
}

TCellRef CellInBlock(const std::shared_ptr<TCell[]>& block, TCell& cell) {
  return TCellRef(block, &cell.value);
}

Ref<IObject> CellObject(const TCellRef& cell) { return cell ? CellOf(cell.get())->object : nullptr; }

void SetCellObject(const TCellRef& cell, Ref<IObject> object) {
  if (cell) CellOf(cell.get())->object = std::move(object);
}

void TParamMatrix::Resize(std::span<const int> column_lengths) {
  columns_.assign(column_lengths.size(), {});
  for (size_t c = 0; c < column_lengths.size(); ++c)
    columns_[c].resize(static_cast<size_t>(std::max(0, column_lengths[c])));
}

int TParamMatrix::ColumnLength(int col) const {
  if (col < 0 || col >= ColumnCount()) return 0;
  return static_cast<int>(columns_[col].size());
}

TCellRef TParamMatrix::CellAt(int col, int row) const {
  if (row < 0 || row >= ColumnLength(col)) return nullptr;
  return columns_[col][row];
}

void TParamMatrix::Bind(int col, int row, TCellRef cell) {
  if (row < 0 || row >= ColumnLength(col)) return;
  columns_[col][row] = std::move(cell);
}

float* TParamMatrix::Storage(int col, int row) const {
  if (row < 0 || row >= ColumnLength(col)) return nullptr;
  return columns_[col][row].get();
}

float TParamMatrix::Get(int col, int row) const {
  const float* cell = Storage(col, row);
  return cell ? *cell : 0.0f;
}

void TParamMatrix::Set(int col, int row, float value) {
  if (float* cell = Storage(col, row)) *cell = value;
}

}  // namespace corvellane
