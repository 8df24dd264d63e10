// expression_parser.h: TExpressionParser, the expression evaluator the
// eval functions use.
//
// It compiles lines of text into programs over 32-bit floats and runs
// them. Variables are bound to the caller's floats, so an expression reads
// them as they are at evaluation time and ":=" writes them:
//
//   TExpressionParser parser;
//   float t = 0, y = 0;
//   parser.DefineVariable("t", &t);
//   parser.DefineVariable("y", &y);
//   parser.AddExpressions("// a wave\ny := 2*sin(t*2*pi/1000) + 5");
//   t = 250;
//   parser.EvaluateAll();      // y is now 7
//
// Compile errors and math errors are raised as EExpressionError. A name
// that is not a word becomes a variable of the parser's own (not-a-number
// until something is assigned to it), shared by every later line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "functions/expression_program.h"
#include "functions/expression_tokens.h"
#include "functions/expression_words.h"

namespace corvellane::expr {

class TExpressionParser {
 public:
  // Defines or replaces the word `name` as a variable read from and written
  // to `address`, which must outlive the parser's use of it. Compiled
  // expressions that read the old word are moved to the new address.
  void DefineVariable(std::string_view name, float* address);

  // The separators are never equal: taking the other's character moves the
  // other one aside ("," becomes ";", anything else ",").
  void SetDecimalSeparator(char separator);
  void SetArgumentSeparator(char separator);
  char DecimalSeparator() const { return settings_.decimal_separator; }
  char ArgumentSeparator() const { return settings_.argument_separator; }

  // Compiles and appends; answers the index, -1 for an empty text.
  int AddExpression(std::string_view text);
  // One expression per line; blank lines and lines starting with "//" are
  // skipped. False, with everything cleared, when a line answers -1.
  bool AddExpressions(std::string_view text);

  // Not-a-number for an index that holds no program.
  float EvaluateAt(int index);
  // Every expression in order; the last one's value, 0 when there are none.
  float EvaluateAll();

  // Forgets the compiled expressions; the words stay.
  void Clear();
  int ExpressionCount() const { return static_cast<int>(programs_.size()); }
  // The text of the last expression added; empty when none.
  std::string CurrentExpression() const;
  const TWordTable& Words() const { return words_; }

 private:
  TWordTable words_;
  TSettings settings_;
  std::vector<TProgram> programs_;
};

}  // namespace corvellane::expr
