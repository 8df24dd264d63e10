// expression_compiler.h: an expression text compiled into a program.
//
// The tokens (expression_tokens.h) become a tree: the first operator or
// function at bracket depth 0 takes what stands before it as its first
// argument and, as its next one, everything up to the next operator that
// binds no tighter (a larger or equal priority number), so operators of
// equal priority group from the left: 10-4-3 is (10-4)-3, 2^3^2 is (2^3)^2.
// Sub-trees without variables or varying functions are evaluated at once
// and become constants; the rest is laid out as steps in post-order.
//
//   TWordTable words;
//   TProgram p = Compile("(a+1)*2", words, {});
//   p.Evaluate();
//
// Nesting is bounded (kMaxDepth), so a hostile text is refused with an
// error instead of exhausting the stack.
#pragma once

#include <string_view>

#include "functions/expression_program.h"
#include "functions/expression_tokens.h"

namespace corvellane::expr {

inline constexpr int kMaxDepth = 200;

// `text` is already lower case and trimmed, and is kept with the program.
// Raises EExpressionError; nothing of a failed compile is kept but the
// generated variables it made. An empty text gives an empty program.
TProgram Compile(std::string_view text, TWordTable& words, const TSettings& settings);

}  // namespace corvellane::expr
