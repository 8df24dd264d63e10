// expression_words.h: the words an expression can use, and the table that
// holds them.
//
// Every name in an expression is a word: a number, a named constant ("pi"),
// a variable bound to a caller's 32-bit float, a variable the compiler made
// for an unknown name, a function or an operator. The table is sorted by
// the lower-cased name; looking a name up ignores letter case.
//
//   TWordTable words;                     // the built-in words
//   float x = 2;
//   words.DefineVariable("X", &x);       // "x" now reads and writes x
//   const TExprWord* sin = words.Find("SIN");
//   sin->arg_count;                       // 1
//
// Evaluation routines take the addresses of their arguments and answer a
// double; the caller stores it as a 32-bit float. Routines that change an
// argument ("++", ":=") write through its address.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvellane::expr {

// The arguments of one evaluation step, at most kMaxArguments of them.
inline constexpr int kMaxArguments = 6;
using TEvalRoutine = double (*)(float* const* args);

enum class TWordKind {
  TFloatTypeConstant,   // a number written in the expression
  TConstant,            // a named number ("pi")
  TBooleanConstant,     // a folded comparison or logical result
  TFloatTypeVariable,   // bound to the caller's float
  TGeneratedVariable,   // made for an unknown name; holds its own value
  TStringConstant,      // a quoted text
  TFunction,            // a function or an operator
  TVaryingFunction,     // a function whose result changes between calls
  TBooleanFunction,     // a function answering 1 or 0
  TSimpleStringFunction,  // a function of text arguments ("pos")
  TLeftBracket,
  TRightBracket,
  TComma,
};

struct TExprWord {
  std::string name;  // lower case
  TWordKind kind = TWordKind::TFunction;
  int arg_count = 0;
  bool is_operator = false;
  int priority = 0;  // smaller binds tighter
  std::string description;
  TEvalRoutine routine = nullptr;
  // Where an operand's value lives: the caller's float for variables, the
  // word's own `value` for constants and generated variables.
  float* storage = nullptr;
  float value = 0.0f;

  bool IsOperand() const;
  bool IsVariable() const;
  bool IsFunction() const;  // functions and operators
  bool IsVarying() const;   // may change between evaluations
  bool IsBoolean() const;
};

class TWordTable {
 public:
  TWordTable();  // the built-in words
  TWordTable(const TWordTable&) = delete;
  TWordTable& operator=(const TWordTable&) = delete;

  // None when no word has that name.
  TExprWord* Find(std::string_view name) const;
  // Defines or replaces a variable bound to `address`. Replacing a word
  // that takes arguments raises the replacement error. Answers the storage
  // the old word had (none when the name was new), so compiled steps that
  // read it can be moved to the new address.
  float* DefineVariable(std::string_view name, float* address);
  // A variable for a name that is not a word; it starts as not-a-number.
  TExprWord& Generate(std::string_view name);

 private:
  TExprWord& Add(TExprWord word);
  void AddBuiltIns();

  std::map<std::string, std::unique_ptr<TExprWord>, std::less<>> words_;
  // Words replaced by DefineVariable whose storage compiled steps may still
  // read; kept until the table goes.
  std::vector<std::unique_ptr<TExprWord>> retired_;
};

std::string LowerCase(std::string_view text);
// How "if" reads its condition: the lowest 8 bits of the value rounded
// to an integer (halves to even) are not all zero.
bool Truth(double x);

}  // namespace corvellane::expr
