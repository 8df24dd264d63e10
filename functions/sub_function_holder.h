// sub_function_holder.h: TSubFunctionHolder, the list of sub-functions that
// complex functions and complex paths keep, prepare and run over their own
// cells.
//
//   <function type="function_complex">
//     <paramspace> ... cells the sub-functions alias ... </paramspace>
//     <functions>
//       <function name="step1" type="function_sum"> ... </function>
//       <function name="step2" type="function_multiply"> ... </function>
//     </functions>
//   </function>
//
//   class TComplexFunction : public TSubFunctionHolder<TFunction> {
//     void Calculate() override { CalculateSubFunctions(); }
//   };
//
// Prepare links the holder's space to its owner, then prepares every
// sub-function with the holder as owner, so a sub-function cell reads and
// writes the holder's cell it names. RunPreparation runs "before", each
// sub-function's RunPreparation, the holder's preparation hook, then
// "after". Unprepare and Cleanup undo the same in reverse.
//
// `Base` is TFunction or a class derived from it; the list is a mixin so a
// path function can hold sub-paths without being a complex function.
#pragma once

#include "functions/function.h"
#include "functions/function_collection.h"
#include "functions/reentry_guard.h"
#include "persistence/object_io.h"

namespace corvellane {

template <class Base>
class TSubFunctionHolder : public Base {
 public:
  void Init() override {
    Base::Init();
    functions_ = CreateObject<TFunctionCollection>();
  }

  void Cleanup() override {
    TReentryGuard guard(this->Busy());
    if (!guard.Entered()) return;
    functions_->ForEachFunction([](IFunction& f) {
      if (auto* persist = dynamic_cast<IPersistObject*>(&f)) persist->Cleanup();
    });
    functions_->Cleanup();
    this->CleanupOwnParts();
  }

  void Prepare(IFunctionOwner* owner) override {
    TReentryGuard guard(this->Busy());
    if (!guard.Entered()) return;
    this->PrepareOwnCells(owner);
    functions_->ForEachFunction([this](IFunction& f) { f.Prepare(this); });
  }

  void Unprepare() override {
    TReentryGuard guard(this->Busy());
    if (!guard.Entered()) return;
    functions_->ForEachFunction([](IFunction& f) { f.Unprepare(); });
    this->UnprepareOwnCells();
  }

  void RunPreparation() override {
    TReentryGuard guard(this->Busy());
    if (!guard.Entered()) return;
    this->RunBefore();
    functions_->ForEachFunction([](IFunction& f) { f.RunPreparation(); });
    this->PreparationHook();
    this->RunAfter();
  }

  Ref<IFunctionCollection> GetSubFunctions() override { return functions_; }
  TFunctionCollection& Functions() { return *functions_; }

 protected:
  // Calculates every sub-function in collection order.
  void CalculateSubFunctions() {
    TReentryGuard guard(this->Busy());
    if (!guard.Entered()) return;
    functions_->ForEachFunction([](IFunction& f) { f.Calculate(); });
  }

  void LoadNested(IHierStorage* node) override {
    Base::LoadNested(node);
    LoadChild(functions_.get(), node, "functions");
  }

  void SaveNested(IHierStorage* node) override {
    Base::SaveNested(node);
    SaveChild(functions_.get(), node, "functions");
  }

 private:
  Ref<TFunctionCollection> functions_;
};

}  // namespace corvellane
