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

// The step's value as a double, before it is stored as a float.
inline double Compute(const TStep& step) {
  float* const* a = step.args.data();
  switch (step.op) {
    case TOpcode::Copy: return *a[0];
    case TOpcode::Add: return double{*a[0]} + *a[1];
    case TOpcode::Sub: return double{*a[0]} - *a[1];
    case TOpcode::Mul: return double{*a[0]} * *a[1];
    case TOpcode::Div: return double{*a[0]} / *a[1];
    case TOpcode::Square: return double{*a[0]} * *a[0];
    case TOpcode::Cube: return double{*a[0]} * (double{*a[0]} * *a[0]);
    case TOpcode::Greater: return *a[0] > *a[1] ? 1.0 : 0.0;
    case TOpcode::Less: return !(*a[0] >= *a[1]) ? 1.0 : 0.0;
    case TOpcode::Min: return *a[0] > *a[1] ? *a[1] : *a[0];
    case TOpcode::Max: return *a[0] >= *a[1] ? *a[0] : *a[1];
    case TOpcode::If: return Truth(*a[0]) ? *a[1] : *a[2];
    // In single precision: the result is a float anyway, and the float
    // routines are within an ulp of it at a fraction of the cost.
    case TOpcode::Sin: return std::sin(*a[0]);
    case TOpcode::Cos: return std::cos(*a[0]);
    case TOpcode::Call: break;
  }
  return step.routine(a);
}

inline void Run(TStep& step) {
  // A double beyond the float range becomes an infinite float, which the
  // check below reports as an overflow.
  const float result = static_cast<float>(Compute(step));
  if (!std::isfinite(result)) [[unlikely]] {
    if (ArgumentsFinite(step)) MathError(step);
  }
  step.result = result;
}

}  // namespace

void RunStep(TStep& step) { Run(step); }

TOpcode OpcodeFor(const TExprWord& word, float constant_exponent) {
  if (!word.is_operator) {
    struct Named { std::string_view name; int args; TOpcode op; };
    static constexpr Named kNamed[] = {{"copy", 1, TOpcode::Copy}, {"min", 2, TOpcode::Min}, {"max", 2, TOpcode::Max},
                                       {"if", 3, TOpcode::If},     {"sin", 1, TOpcode::Sin}, {"cos", 1, TOpcode::Cos}};
    for (const Named& n : kNamed)
      if (word.kind != TWordKind::TFloatTypeVariable && word.arg_count == n.args && word.name == n.name) return n.op;
    return TOpcode::Call;
  }
  if (word.arg_count != 2) return TOpcode::Call;
  if (word.name == ">") return TOpcode::Greater;
  if (word.name == "<") return TOpcode::Less;
  if (word.name == "+") return TOpcode::Add;
  if (word.name == "-") return TOpcode::Sub;
  if (word.name == "*") return TOpcode::Mul;
  if (word.name == "/") return TOpcode::Div;
  // x^2 and x^3 as the integer power computes them, without the loop.
  if (word.name == "^@" && constant_exponent == 2.0f) return TOpcode::Square;
  if (word.name == "^@" && constant_exponent == 3.0f) return TOpcode::Cube;
  return TOpcode::Call;
}

float TProgram::Evaluate() {
  if (steps_.empty()) return std::numeric_limits<float>::quiet_NaN();
  for (TStep& step : steps_) Run(step);
  return steps_.back().result;
}


void TProgram::Rebind(const float* old_address, float* new_address) {
  for (TStep& step : steps_)
    for (int i = 0; i < step.arg_count; ++i)
      if (step.args[i] == old_address) step.args[i] = new_address;
}

float* TProgram::NewConstant(float value) { return &constants_.emplace_back(value); }

}  // namespace corvellane::expr
