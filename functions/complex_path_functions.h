// complex_path_functions.h: TComplexPathFunction, a path made of
// sub-functions, and TArbitraryPathFunction ("path_arbitrary"), the free
// combination of them.
//
// A complex path keeps its sub-functions the way a complex function does
// (sub_function_holder.h): it prepares them with itself as owner, so their
// cells alias its own, runs their RunPreparation inside its own and
// unprepares them with itself.
//
// "path_arbitrary" calculates its sub-functions in order; whatever they
// write into the cells they alias (x, y, or cells a later one reads) is
// the path's result:
//
//   <function type="path_arbitrary"><paramspace><paramdefs>
//     <paramdef name="x" col="0"/> <paramdef name="y" col="0"/>
//     <paramdef name="time" col="1" static="yes"/>
//   </paramdefs></paramspace>
//   <functions>
//     <function name="wave" type="function_sin"><paramspace><paramdefs>
//       <paramdef name="y" col="0"/>
//       <paramdef col="1" static="yes" value="20"/> <paramdef name="time" col="1"/>
//       <paramdef col="1" static="yes" value="1000"/>
//     </paramdefs></paramspace></function>
//   </functions>
//   </function>
#pragma once

#include "functions/path_function.h"
#include "functions/sub_function_holder.h"

namespace corvellane {

class TComplexPathFunction : public TSubFunctionHolder<TAbstractPathFunction> {};

class TArbitraryPathFunction : public TComplexPathFunction {
 public:
  void Calculate() override;
};

}  // namespace corvellane
