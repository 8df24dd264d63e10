#include "functions/function_classes.h"

#include "functions/arc_path_function.h"
#include "functions/arithmetic_function.h"
#include "functions/bezier_path_function.h"
#include "functions/column_functions.h"
#include "functions/complex_function.h"
#include "functions/complex_path_functions.h"
#include "functions/composite_path_function.h"
#include "functions/eval_function.h"
#include "functions/lookup_functions.h"
#include "functions/montecarlo_function.h"
#include "functions/segment_path_functions.h"
#include "functions/selector_function.h"
#include "persistence/class_registry.h"

namespace corvellane {

void RegisterFunctionClasses() {
  RegisterClass<TComplexFunction>("function_complex");
  // The first name registered is the one written back.
  RegisterClass<TFuncSelectorFunction>("function_selector");
  RegisterClass<TFuncSelectorFunction>("function_selector_func");
  RegisterClass<TConstSelectorFunction>("function_selector_const");
  RegisterClass<TSinFunction>("function_sin");
  RegisterClass<TPolinom2Function>("function_polinom2");
  RegisterClass<TSumFunction>("function_sum");
  RegisterClass<TSubstrFunction>("function_substr");
  RegisterClass<TMultiplyFunction>("function_multiply");
  RegisterClass<TDivisionFunction>("function_division");
  RegisterClass<TArithmeticFunction>("function_arithmetic");
  RegisterClass<TEvalFunction>("function_eval");
  RegisterClass<TRandomFunction>("function_random");
  RegisterClass<TIntRandomFunction>("function_int_random");
  RegisterClass<TSwitchFunction>("function_switch");
  RegisterClass<TIntervalFunction>("function_interval");
  RegisterClass<TPiecewiseLinearInterpolationFunction>("function_piecewise");
  RegisterClass<TLinearSegmentFunction>("function_linear_segment");
  RegisterClass<TMonteCarloFunction>("function_montecarlo");
  RegisterClass<TSegmentPathFunction>("path_segment");
  RegisterClass<TAccelerateSegmentPathFunction>("path_segment_accelerate");
  RegisterClass<TArcPathFunction>("path_arc");
  RegisterClass<TBezierPathFunction>("path_bezier");
  RegisterClass<TCompositePathFunction>("path_composite");
  RegisterClass<TArbitraryPathFunction>("path_arbitrary");
}

}  // namespace corvellane
