// complex_function.h: TComplexFunction ("function_complex"), a list of
// sub-functions run in order over the complex function's own cells.
//
//   <function type="function_complex">
//     <paramspace> ... cells the sub-functions alias ... </paramspace>
//     <functions>
//       <function name="step1" type="function_sum"> ... </function>
//       <function name="step2" type="function_multiply"> ... </function>
//     </functions>
//   </function>
//
// Prepare links the complex function's space to its owner, then prepares
// every sub-function with the complex function as owner, so a sub-function
// cell reads and writes the complex function's cell it names. Calculate
// calculates the sub-functions in collection order; RunPreparation runs
// "before", each sub-function's RunPreparation, then "after".
#pragma once

#include "functions/function.h"
#include "functions/function_collection.h"

namespace corvellane {

class TComplexFunction : public TFunction {
 public:
  void Init() override;
  void Cleanup() override;

  void Prepare(IFunctionOwner* owner) override;
  void Unprepare() override;
  void RunPreparation() override;
  void Calculate() override;
  Ref<IFunctionCollection> GetSubFunctions() override { return functions_; }
  TFunctionCollection& Functions() { return *functions_; }

 protected:
  void LoadNested(IHierStorage* node) override;
  void SaveNested(IHierStorage* node) override;

 private:
  Ref<TFunctionCollection> functions_;
};

}  // namespace corvellane
