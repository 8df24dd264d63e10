// function_classes.h: registers the function types with the class registry.
//
//   RegisterFunctionClasses();       // once at start-up, before data loads
//   auto f = QueryInterface<IFunction>(CreateByType("function_sum"));
//
// "function_selector" and "function_selector_func" name the same class; it
// saves as "function_selector". "function_eval" (expression programs) is
// registered by the expression evaluator, not here.
#pragma once

namespace corvellane {

void RegisterFunctionClasses();

}  // namespace corvellane
