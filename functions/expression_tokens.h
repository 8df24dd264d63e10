// expression_tokens.h: an expression text cut into tokens and tidied for
// the tree builder.
//
// Tokenise lower-cases and cuts the text, looks names up in the word table
// (an unknown name becomes a generated variable, for good) and then makes
// the passes that need only the token list: signs become "-@" / "+@", runs
// of "not" collapse, misplaced brackets and operands are reported, "^"
// before a whole number becomes "^@", and text literals are answered at
// once ("pos('b', 'abc')" becomes the number 2, "'a' < 'b'" the number 1).
//
//   TSettings settings;                     // "." and ","
//   std::vector<TToken> tokens = Tokenise("-2^3", words, settings);
//   // -@  2  ^@  3
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "functions/expression_words.h"

namespace corvellane::expr {

// Longer texts are refused rather than compiled: nothing written by hand
// comes near, and it bounds the work of every later pass.
inline constexpr size_t kMaxExpressionLength = 16384;
inline constexpr size_t kMaxTokens = 4096;

struct TSettings {
  char decimal_separator = '.';
  char argument_separator = ',';
};

enum class TTokenType { Number, Text, Word, LeftBracket, RightBracket, Comma };

struct TToken {
  TTokenType type = TTokenType::Word;
  std::string text;            // as written (lower case); the literal's text
  TExprWord* word = nullptr;   // for Word tokens
  double number = 0;           // for Number tokens

  bool IsOperand() const { return type == TTokenType::Number || (word && word->IsOperand()); }
  bool IsOperator() const { return word && word->is_operator; }
  bool IsBinaryOperator() const { return IsOperator() && word->arg_count == 2; }
};

// Raises EExpressionError for the faults the passes can see.
std::vector<TToken> Tokenise(std::string_view text, TWordTable& words, const TSettings& settings);

}  // namespace corvellane::expr
