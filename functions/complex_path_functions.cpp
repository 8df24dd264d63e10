#include "functions/complex_path_functions.h"

namespace corvellane {

void TArbitraryPathFunction::Calculate() { CalculateSubFunctions(); }

}  // namespace corvellane
