#include "functions/expression_program.h"

#include <cmath>
#include <limits>

#include "functions/expression_error.h"

namespace corvellane::expr {

namespace {

[[noreturn]] void MathError(const TStep& step) {
  throw EExpressionError("Math error in \"" + (step.word ? step.word->name : std::string("?")) +
                         "\": division by zero, overflow or an invalid operand");
}

bool ArgumentsFinite(const TStep& step) {
  for (int i = 0; i < step.arg_count; ++i)
    if (!std::isfinite(*step.args[i])) return false;
  return true;
}

}  // namespace

void RunStep(TStep& step) {
  // A double beyond the float range becomes an infinite float, which the
  // check below reports as an overflow.
  float result = static_cast<float>(step.routine(step.args.data()));
  if (!std::isfinite(result)) [[unlikely]] {
    if (ArgumentsFinite(step)) MathError(step);
  }
  step.result = result;
}

float TProgram::Evaluate() {
  if (steps_.empty()) return std::numeric_limits<float>::quiet_NaN();
  for (TStep& step : steps_) RunStep(step);
  return steps_.back().result;
}

void TProgram::Rebind(const float* old_address, float* new_address) {
  for (TStep& step : steps_)
    for (int i = 0; i < step.arg_count; ++i)
      if (step.args[i] == old_address) step.args[i] = new_address;
}

float* TProgram::NewConstant(float value) { return &constants_.emplace_back(value); }

}  // namespace corvellane::expr
