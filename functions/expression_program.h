// expression_program.h: one compiled expression, a list of steps.
//
// Each step runs one function or operator on the addresses of its
// arguments (constants, the caller's variables, earlier steps' results) and
// keeps its own 32-bit result; the expression's value is the last step's.
// Evaluating only runs the steps: the compiler has already folded every
// constant sub-expression.
//
//   TProgram program = Compile("a*sin(t)+b", words, settings);
//   float value = program.Evaluate();    // may raise EExpressionError
//
// A step whose arguments are all finite and whose result is not (1/0,
// sqrt(-1), 1e30*1e30) is a math error. Not-a-number arguments pass
// through, so a variable read before anything was assigned to it gives
// not-a-number rather than an error.
#pragma once

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "functions/expression_words.h"

namespace corvellane::expr {

// How a step runs: most call their word's routine; the commonest
// arithmetic runs inline, without a call, giving exactly the routine's
// result (an operation on two floats in double precision, rounded once to
// a float, equals the float operation).
enum class TOpcode : uint8_t { Call, Copy, Add, Sub, Mul, Div, Square, Cube, Greater, Less, Min, Max, If, Sin, Cos };

struct TStep {
  TEvalRoutine routine = nullptr;
  TOpcode op = TOpcode::Call;
  std::array<float*, kMaxArguments> args{};
  int arg_count = 0;
  float result = 0.0f;
  const TExprWord* word = nullptr;
};

class TProgram {
 public:
  TProgram() = default;
  TProgram(TProgram&&) = default;
  TProgram& operator=(TProgram&&) = default;
  // Steps point into each other; a copy would point into the original.
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  float Evaluate();
  // Moves every argument that reads `old_address` to `new_address`.
  void Rebind(const float* old_address, float* new_address);

  bool Empty() const { return steps_.empty(); }
  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }
  std::vector<TStep>& Steps() { return steps_; }
  // Storage for the numbers written in the expression; a deque, so their
  // addresses survive further additions.
  float* NewConstant(float value);

 private:
  std::string text_;
  std::vector<TStep> steps_;
  std::deque<float> constants_;
};

// Runs one step, raising the math error described above.
void RunStep(TStep& step);
// The inline form of the word's step, when it has one; `constant_exponent`
// is the exponent of "^@" when that is a constant (0 otherwise).
TOpcode OpcodeFor(const TExprWord& word, float constant_exponent);

}  // namespace corvellane::expr
