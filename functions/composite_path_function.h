// composite_path_function.h: TCompositePathFunction ("path_composite"),
// sub-paths played one after another.
//
//   <function type="path_composite" loop="yes">
//     <paramspace><paramdefs>
//       <paramdef name="x" col="0"/> <paramdef name="y" col="0"/>
//       <paramdef name="time" col="1" static="yes"/>
//       <paramdef col="2" static="yes"/> <paramdef col="2" static="yes"/>
//       <paramdef col="2" static="yes" value="0"/> <paramdef col="2" static="yes" value="100"/>
//       <paramdef col="2" static="yes"/> <paramdef col="2" static="yes"/>
//     </paramdefs></paramspace>
//     <functions>
//       <function name="out" type="path_segment"> ... </function>
//       <function name="back" type="path_arc"> ... </function>
//     </functions>
//   </function>
//
// RunPreparation (after the sub-paths' own) stores the sum of the sub-paths'
// durations as the composite's duration and the sum of their lengths as
// its length. At time T the sub-path whose stretch holds T is calculated at
// T minus its start and its x and y are the result; past the end of the
// last one the result is the composite's own end point (c[2][2], c[2][3]).
// Bounds: the union of the sub-paths' bounds.
//
// The composite remembers the sub-path it played last and walks on from
// there, so a path played forward costs one step per frame; a time before
// that sub-path's start begins the walk again at the first. The walk goes
// through each sub-path at most once per calculation. Sub-functions that
// are not paths take no part.
#pragma once

#include <cstdint>
#include <vector>

#include "functions/complex_path_functions.h"

namespace corvellane {

class TCompositePathFunction : public TComplexPathFunction {
 public:
  void Prepare(IFunctionOwner* owner) override;
  void Calculate() override;
  double GetPathLength() override;
  TRect GetBounds() override;

 protected:
  // Stores the summed duration, then the length.
  void PreparationHook() override;

 private:
  std::vector<Ref<IPathFunction>> SubPaths();
  // Moves the cursor to the sub-path whose stretch holds the time (or the
  // last one).
  void Seek(const std::vector<Ref<IPathFunction>>& paths, int64_t time);

  // The current sub-path (-1: none yet) and the time it starts at.
  int current_ = -1;
  int64_t current_start_ = 0;
  bool bounds_busy_ = false;
};

}  // namespace corvellane
