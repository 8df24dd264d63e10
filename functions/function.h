// function.h: IFunction and TFunction, a small numeric function over the
// cells of its parameter space.
//
// Column 0 of the space holds the results, the further columns the
// arguments. Cells that alias the owner's cells (param_space.h) make a
// function read and write its owner's values directly.
//
//   <function name="fade" type="function_sum">
//     <paramspace><paramdefs>
//       <paramdef name="x" col="0"/>
//       <paramdef name="a" col="1" static="yes" value="1"/>
//       <paramdef name="b" col="1" static="yes" value="2"/>
//     </paramdefs></paramspace>
//     <preparation_function type="..."> ... </preparation_function>
//   </function>
//
//   Ref<IFunction> f = QueryInterface<IFunction>(CreateFromStorage(node));
//   f->Prepare(nullptr);        // or the owner whose cells it aliases
//   f->RunPreparation();        // once, optional
//   f->SetArgument(0, t); f->Calculate(); f->GetResult(0);
//   f->Unprepare();
//
// A function has cells only while prepared; unprepared it reads 0 and
// ignores writes. Preparation function: prepared with this function as
// owner; when it has sub-functions, those named "before" and "after" run at
// RunPreparation (if neither exists, the preparation function itself runs
// as "before"); without sub-functions it is itself "before".
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "functions/param_space.h"
#include "persistence/object.h"

namespace corvellane {

struct IFunctionCollection;

// Functions nested deeper than this in one file are not loaded.
inline constexpr int kMaxFunctionNesting = 32;

struct IFunctionOwner : virtual IObject {
  virtual Ref<IParamSpace> GetParamSpace() = 0;
};

struct IFunction : virtual INamedObject {
  // Links the cells to the owner's space (none: constants only).
  virtual void Prepare(IFunctionOwner* owner) = 0;
  virtual void Unprepare() = 0;
  virtual void RunPreparation() = 0;
  virtual Ref<IParamSpace> GetParamSpace() = 0;
  virtual int ArgumentCount() = 0;   // cells of column 1
  virtual int ResultCount() = 0;     // cells of column 0
  virtual void SetArgument(int index, float value) = 0;
  virtual void SetResult(int index, float value) = 0;
  virtual float GetResult(int index) = 0;
  virtual float GetValueByName(std::string_view name) = 0;
  virtual void SetValueByName(std::string_view name, float value) = 0;
  // The name of the definition at the cell; empty when there is none.
  virtual std::string GetCellName(int col, int row) = 0;
  // Its outname, or its name when the outname is empty.
  virtual std::string GetCellSourceName(int col, int row) = 0;
  virtual void Calculate() = 0;
  // None for functions without sub-functions.
  virtual Ref<IFunctionCollection> GetSubFunctions() = 0;
};

class TFunction : public TPersistObject, public virtual IFunction, public virtual IFunctionOwner {
 public:
  void Init() override;
  void Cleanup() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  void Prepare(IFunctionOwner* owner) override;
  void Unprepare() override;
  void RunPreparation() override;
  void Calculate() override = 0;
  Ref<IFunctionCollection> GetSubFunctions() override;

  Ref<IParamSpace> GetParamSpace() override { return space_; }
  int ArgumentCount() override { return Matrix().ColumnLength(1); }
  int ResultCount() override { return Matrix().ColumnLength(0); }
  void SetArgument(int index, float value) override { Matrix().Set(1, index, value); }
  void SetResult(int index, float value) override { Matrix().Set(0, index, value); }
  float GetResult(int index) override { return Matrix().Get(0, index); }
  float GetValueByName(std::string_view name) override { return space_->GetValueByName(name); }
  void SetValueByName(std::string_view name, float value) override { space_->SetValueByName(name, value); }
  std::string GetCellName(int col, int row) override;
  std::string GetCellSourceName(int col, int row) override;

  Ref<IFunction> GetPreparationFunction() const { return preparation_; }
  void SetPreparationFunction(Ref<IFunction> function) { preparation_ = std::move(function); }

 protected:
  // Calculates "before" / "after" when there is one.
  virtual void RunBefore();
  // Runs inside RunPreparation, between "before" and "after"; nothing here.
  virtual void PreparationHook() {}
  virtual void RunAfter();
  // Loads what holds further functions (the preparation function here;
  // sub-functions in complex functions). Skipped beyond kMaxFunctionNesting
  // levels, so a hostile file cannot exhaust the stack.
  virtual void LoadNested(IHierStorage* node);
  virtual void SaveNested(IHierStorage* node);

  // The unguarded steps of Prepare, Unprepare and Cleanup, for subclasses
  // that add their own steps under one guard.
  void PrepareOwnCells(IFunctionOwner* owner);
  void UnprepareOwnCells();
  void CleanupOwnParts();

  // The cells taken at Prepare; an empty grid while unprepared.
  TParamMatrix& Matrix() { return *matrix_; }
  // Set while Prepare, Unprepare, RunPreparation or a calculation that
  // reaches other functions runs, so that a function nested in itself is
  // skipped instead of recursing without end.
  bool& Busy() { return busy_; }

 private:
  void PrepareBeforeAndAfter();

  Ref<TParamSpace> space_;
  std::shared_ptr<TParamMatrix> matrix_ = std::make_shared<TParamMatrix>();
  Ref<IFunction> preparation_;
  Ref<IFunction> before_;
  Ref<IFunction> after_;
  bool busy_ = false;
};

}  // namespace corvellane
