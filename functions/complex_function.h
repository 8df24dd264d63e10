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
// "before", each sub-function's RunPreparation, then "after"
// (sub_function_holder.h).
#pragma once

#include "functions/function.h"
#include "functions/sub_function_holder.h"

namespace corvellane {

class TComplexFunction : public TSubFunctionHolder<TFunction> {
 public:
  void Calculate() override;
};

}  // namespace corvellane
