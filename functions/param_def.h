// param_def.h: TParamDef, the definition of one cell of a parameter space.
//
// A cell sits at (col, row) of its space; column 0 holds a function's
// results, the further columns its arguments. A static cell is a constant of
// the space; any other cell aliases a cell of the owner's space, by name
// ("outname") or by position ("outcol", "outrow").
//
//   <paramdef name="alpha" col="0"/>                  alias of the owner's "alpha"
//   <paramdef name="k" col="1" static="yes" value="2.5"/>
//   <paramdef name="y" col="0" outname="anchor_top"/>
//   <paramdef name="t" col="1" outcol="1" outrow="0"/>
//
// Loading: a row of -1 (the default) appends the cell to its column. A cell
// that is neither static nor has an "outname" nor an out position aliases
// the owner's cell of its own name.
#pragma once

#include <string>
#include <string_view>

#include "persistence/object.h"

namespace corvellane {

struct IParamDef : virtual INamedObject {
  virtual int GetRow() const = 0;
  virtual void SetRow(int row) = 0;
  virtual int GetCol() const = 0;
  virtual void SetCol(int col) = 0;
  virtual bool IsStatic() const = 0;
  virtual void SetStatic(bool is_static) = 0;
  virtual int GetOutRow() const = 0;
  virtual void SetOutRow(int row) = 0;
  virtual int GetOutCol() const = 0;
  virtual void SetOutCol(int col) = 0;
  virtual std::string GetOutName() const = 0;
  virtual void SetOutName(std::string_view name) = 0;
  virtual float GetStaticValue() const = 0;
  virtual void SetStaticValue(float value) = 0;
};

class TParamDef : public TPersistObject, public virtual IParamDef {
 public:
  void Init() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  int GetRow() const override { return row_; }
  void SetRow(int row) override { row_ = row; }
  int GetCol() const override { return col_; }
  void SetCol(int col) override { col_ = col; }
  bool IsStatic() const override { return static_; }
  void SetStatic(bool is_static) override { static_ = is_static; }
  int GetOutRow() const override { return out_row_; }
  void SetOutRow(int row) override { out_row_ = row; }
  int GetOutCol() const override { return out_col_; }
  void SetOutCol(int col) override { out_col_ = col; }
  std::string GetOutName() const override { return out_name_; }
  void SetOutName(std::string_view name) override { out_name_ = std::string(name); }
  float GetStaticValue() const override { return value_; }
  void SetStaticValue(float value) override { value_ = value; }

  // Aliases the owner's cell by position rather than by name.
  bool AliasesByPosition() const { return !static_ && out_name_.empty(); }

 private:
  void LoadOutPosition(IHierStorage* node);

  int row_ = -1;
  int col_ = 0;
  bool static_ = false;
  float value_ = 0.0f;
  std::string out_name_;
  int out_row_ = 0;
  int out_col_ = 0;
};

}  // namespace corvellane
