// montecarlo_function.h: TMonteCarloFunction ("function_montecarlo"), a
// random search for an opaque enough pixel of an image.
//
// The image is the object carried by cell c[1][0] (param_matrix.h), placed
// there by the owner (a particle system). c[1][1] is the alpha threshold
// (1 when absent), c[1][2] rounded the number of attempts (1 when absent,
// at most kMaxMonteCarloAttempts). Each attempt picks x in 0 .. width-1 and
// y in 0 .. height-1 and stops at the first pixel whose alpha reaches the
// threshold. Results, as far as column 0 has cells:
//
//   c[0][0]  1 found, 0 not found (no image, no hit)
//   c[0][1], c[0][2]   x, y
//   c[0][3], c[0][4], c[0][5], c[0][6]   red, green, blue, alpha
//
// Nothing is written when column 0 has no cells.
#pragma once

#include "functions/function.h"

namespace corvellane {

inline constexpr int kMaxMonteCarloAttempts = 1 << 16;

class TMonteCarloFunction : public TFunction {
 public:
  void Calculate() override;
};

}  // namespace corvellane
