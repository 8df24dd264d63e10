// param_space.h: TParamSpace, the named float cells a function reads and
// writes, built from its definitions and linked to an owner's space.
//
//   <paramspace>
//     <paramdefs>
//       <paramdef name="alpha" col="0"/>
//       <paramdef name="t" col="1"/>
//       <paramdef name="k" col="1" static="yes" value="0.5"/>
//     </paramdefs>
//   </paramspace>
//
//   Ref<TParamSpace> space = ...loaded...;
//   space->LinkTo(owner_space);      // "alpha" and "t" alias the owner's cells
//   space->SetValueByName("alpha", 1);   // writes the owner's "alpha"
//   space->Unlink();
//
// Linking builds a new matrix (param_matrix.h): one column per column of the
// definitions, each as long as its highest row + 1. A static cell gets a
// float of its own holding its value; any other cell, when an owner space is
// linked, shares the owner's cell named by its outname, else the one at its
// (outcol, outrow); without an owner it has no storage (reads 0, ignores
// writes). NewMatrix builds another such matrix whose static cells are
// copies of the current ones (one per particle).
#pragma once

#include <memory>
#include <string_view>

#include "functions/param_def_collection.h"
#include "functions/param_matrix.h"
#include "persistence/object.h"

namespace corvellane {

struct IParamSpace : virtual IObject {
  // Rebuilds the matrix against the owner's space (or none).
  virtual void LinkTo(IParamSpace* owner) = 0;
  // Drops the matrix's cells and forgets the owner space.
  virtual void Unlink() = 0;
  // A new definition, added (none when its cell or name is taken).
  virtual Ref<IParamDef> AddParamDef(std::string_view name, int col, int row, bool is_static,
                                     float static_value, std::string_view out_name) = 0;
  virtual int ColumnCount() = 0;
  virtual int ColumnLength(int col) = 0;
  virtual float GetCellValue(int col, int row) = 0;
  virtual void SetCellValue(int col, int row, float value) = 0;
  // 0 when no cell has the name.
  virtual float GetValueByName(std::string_view name) = 0;
  // Nothing when no cell has the name.
  virtual void SetValueByName(std::string_view name, float value) = 0;
  virtual TCellRef GetCellRef(int col, int row) = 0;
  virtual TCellRef GetCellRefByName(std::string_view name) = 0;
  virtual std::shared_ptr<TParamMatrix> GetMatrix() = 0;
  virtual Ref<IParamDefCollection> GetParamDefs() = 0;
  virtual TParamMatrix NewMatrix() = 0;
  virtual void FreeMatrix(TParamMatrix& matrix) = 0;
};

class TParamSpace : public TPersistObject, public virtual IParamSpace {
 public:
  void Init() override;
  void Cleanup() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  void LinkTo(IParamSpace* owner) override;
  void Unlink() override;
  Ref<IParamDef> AddParamDef(std::string_view name, int col, int row, bool is_static,
                             float static_value, std::string_view out_name) override;
  int ColumnCount() override { return defs_->ColumnCount(); }
  int ColumnLength(int col) override { return defs_->ColumnLength(col); }
  float GetCellValue(int col, int row) override { return matrix_->Get(col, row); }
  void SetCellValue(int col, int row, float value) override { matrix_->Set(col, row, value); }
  float GetValueByName(std::string_view name) override;
  void SetValueByName(std::string_view name, float value) override;
  TCellRef GetCellRef(int col, int row) override { return matrix_->CellAt(col, row); }
  TCellRef GetCellRefByName(std::string_view name) override;
  std::shared_ptr<TParamMatrix> GetMatrix() override { return matrix_; }
  Ref<IParamDefCollection> GetParamDefs() override { return defs_; }
  TParamMatrix NewMatrix() override;
  void FreeMatrix(TParamMatrix& matrix) override { matrix.Clear(); }

 private:
  // A matrix shaped by the definitions. Static cells share one block of
  // floats, each starting from `static_value(def)`; every other cell is
  // `alias(def)`.
  template <class StaticValue, class Alias>
  TParamMatrix BuildMatrix(StaticValue static_value, Alias alias);

  Ref<TParamDefCollection> defs_;
  std::shared_ptr<TParamMatrix> matrix_ = std::make_shared<TParamMatrix>();
};

}  // namespace corvellane
