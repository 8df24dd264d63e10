// selector_function.h: complex functions that calculate one sub-function
// out of their list.
//
//   "function_selector" / "function_selector_func"  TFuncSelectorFunction:
//       sub-function 0 is calculated and its result 0, truncated, is the
//       index of the sub-function to calculate next (none when it has no
//       results).
//   "function_selector_const"  TConstSelectorFunction: the index is the
//       truncated value of cell c[2][0] of the selector's own space.
//
//   <function type="function_selector_const">
//     <paramspace><paramdefs>
//       <paramdef name="which" col="2" static="yes" value="1"/>
//     </paramdefs></paramspace>
//     <functions> ...index 0..., ...index 1... </functions>
//   </function>
//
// An index outside 0 .. count - 1 calculates nothing.
#pragma once

#include "functions/complex_function.h"

namespace corvellane {

class TSelectorFunction : public TComplexFunction {
 public:
  void Calculate() override;

 protected:
  // The index of the sub-function to calculate; -1 for none.
  virtual int SelectIndex() = 0;
};

class TFuncSelectorFunction : public TSelectorFunction {
 protected:
  int SelectIndex() override;
};

class TConstSelectorFunction : public TSelectorFunction {
 protected:
  int SelectIndex() override;
};

}  // namespace corvellane
