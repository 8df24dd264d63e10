#include "functions/complex_function.h"

namespace corvellane {

void TComplexFunction::Calculate() { CalculateSubFunctions(); }

}  // namespace corvellane
