// Arbitrary text as the expressions of an eval function, one a line, over
// two variables the caller owns: whatever compiles is evaluated a few times
// with the variables moving; errors are raised as EExpressionError only.
#include <cstddef>
#include <cstdint>
#include <string>

#include "functions/expression_error.h"
#include "functions/expression_parser.h"
#include "fuzz/fuzz_support.h"

using namespace corvellane;

namespace {

constexpr size_t kMaxInputSize = 8 * 1024;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FuzzQuietly();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kMaxInputSize) return 0;
  float t = 0.0f;
  float y = 0.0f;
  expr::TExpressionParser parser;
  parser.DefineVariable("t", &t);
  parser.DefineVariable("y", &y);
  try {
    if (!parser.AddExpressions(AsText(data, size))) return 0;
  } catch (const expr::EExpressionError&) {
    return 0;
  }
  for (float time : {0.0f, 16.0f, 1000.0f, -1.0f}) {
    t = time;
    try {
      parser.EvaluateAll();
    } catch (const expr::EExpressionError&) {
    }
  }
  return 0;
}
