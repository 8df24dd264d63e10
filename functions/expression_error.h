// expression_error.h: the error the expression evaluator raises.
//
// Compile errors carry the messages a data author can act on ("Error in
// math expression: Empty brackets ()"); math errors during evaluation
// (division by zero, overflow, the root of a negative number) carry what
// went wrong. Callers that run data catch it and turn the expression off.
//
//   try { parser.AddExpression("1+"); }
//   catch (const EExpressionError& e) { e.what(); }
#pragma once

#include <stdexcept>
#include <string>

namespace corvellane::expr {

class EExpressionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kMathPrefix = "Error in math expression: ";

[[noreturn]] inline void Fail(const std::string& message) { throw EExpressionError(kMathPrefix + message); }

}  // namespace corvellane::expr
