// param_matrix.h: the grid of float cells a function computes on.
//
// A matrix is a list of columns, each a list of cell references. A reference
// either shares a float (a constant of the space, or a cell of the owner's
// space that this one aliases) or is empty: an empty cell reads as 0 and
// ignores writes. Cells are shared, never borrowed: an alias keeps the
// owner's float alive, so a matrix can outlive the space it was aliased from
// without ever touching freed memory.
//
//   TParamMatrix m;
//   const int lengths[] = {3, 1};     // column 0: 3 cells, column 1: 1 cell
//   m.Resize(lengths);
//   m.Bind(1, 0, MakeCell(2.5f));
//   m.Get(1, 0);                      // 2.5
//   m.Set(0, 7, 1.0f);                // outside column 0: ignored
//   m.Get(9, 9);                      // 0
//
// Every position coming from data is checked here, so functions may index
// freely: reads outside the grid give 0 and writes outside it do nothing.
//
// A cell can also carry an object beside its number (an image handed from
// a particle system to "function_montecarlo"). The object lives with the
// cell's storage, so it travels through aliases exactly as the number does:
//
//   SetCellObject(space->GetCellRefByName("surface"), surface);
//   Ref<ISurface> s = QueryInterface<ISurface>(matrix.GetObject(1, 0));
#pragma once

#include <memory>
#include <span>
#include <vector>

#include "persistence/ref.h"

namespace corvellane {

// The storage of one cell. The number comes first, so a pointer to it is a
// pointer to the whole cell (the struct is standard-layout).
struct TCell {
  float value = 0.0f;
  Ref<IObject> object;
};

// One cell's storage, shared between the matrices that see it. It points
// at the cell's number; its owner is the TCell (or the block of them).
// Cells are made only by MakeCell and CellInBlock, never from a bare float.
using TCellRef = std::shared_ptr<float>;

TCellRef MakeCell(float value);
// Shares the cell `cell` of a block of cells owned by `block`.
TCellRef CellInBlock(const std::shared_ptr<TCell[]>& block, TCell& cell);
// The object a cell carries; none for an empty reference.
Ref<IObject> CellObject(const TCellRef& cell);
// Ignored for an empty reference; none releases the object held.
void SetCellObject(const TCellRef& cell, Ref<IObject> object);

class TParamMatrix {
 public:
  // Columns of the given lengths, every cell empty.
  void Resize(std::span<const int> column_lengths);
  void Clear() { columns_.clear(); }

  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  // 0 for a column outside the grid.
  int ColumnLength(int col) const;

  // The reference at (col, row); an empty reference outside the grid.
  TCellRef CellAt(int col, int row) const;
  // Stores the reference; ignored outside the grid.
  void Bind(int col, int row, TCellRef cell);

  float Get(int col, int row) const;
  void Set(int col, int row, float value);
  Ref<IObject> GetObject(int col, int row) const { return CellObject(CellAt(col, row)); }

 private:
  float* Storage(int col, int row) const;

  std::vector<std::vector<TCellRef>> columns_;
};

}  // namespace corvellane
