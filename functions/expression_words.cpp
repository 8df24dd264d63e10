#include "functions/expression_words.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "engine/random_source.h"
#include "functions/cell_math.h"
#include "functions/expression_error.h"

namespace corvellane::expr {

namespace {

using A = float* const*;

double X(A a) { return *a[0]; }
double Y(A a) { return *a[1]; }

// "rounded to an integer": to the nearest, halves to the even neighbour.
int64_t RoundInt(double x) { return TruncToInt64(std::nearbyint(x)); }

double Random01() {
  constexpr uint32_t kSteps = 1u << 24;  // every value a float holds exactly
  return GlobalRandom().Uniform(kSteps) / static_cast<double>(kSteps);
}

// n! for n = round(x). 35! is beyond the float range already, so the loop
// stops there and answers infinity: an overflow, never a long loop.
double Factorial(A a) {
  double x = X(a);
  if (std::isnan(x)) return x;
  double n = std::nearbyint(x);
  if (n <= 1.1) return 1;
  if (n > 40) return std::numeric_limits<double>::infinity();
  double product = 1;
  for (int i = 2; i <= static_cast<int>(n); ++i) product *= i;
  return product;
}

double Div(A a) {
  int64_t x = RoundInt(X(a)), y = RoundInt(Y(a));
  if (y == 0) return std::numeric_limits<double>::quiet_NaN();
  if (y == -1) return -static_cast<double>(x);  // INT64_MIN / -1 overflows
  return static_cast<double>(x / y);
}

double Mod(A a) {
  int64_t x = RoundInt(X(a)), y = RoundInt(Y(a));
  if (y == 0) return std::numeric_limits<double>::quiet_NaN();
  if (y == -1) return 0;
  return static_cast<double>(x % y);
}

double RandomInt(A a) {
  int32_t n = TruncToInt(X(a));
  return n > 0 ? GlobalRandom().Uniform(static_cast<uint32_t>(n)) : 0;
}

// Box-Muller; 1 - u keeps the logarithm away from 0.
double RandG(A a) {
  double u = 1.0 - Random01(), v = Random01();
  return X(a) + Y(a) * std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::numbers::pi * v);
}

// x^n for a whole n by repeated squaring, much cheaper than pow for the
// small powers animation curves use: x^13 = x^8 * x^4 * x^1, one squaring
// per bit of n. Large or not-a-number exponents go to pow.
double IntPow(A a) {
  double x = X(a), n = std::nearbyint(Y(a));
  if (!(std::abs(n) <= 64)) return std::pow(x, n);
  auto bits = static_cast<unsigned>(std::abs(n));
  double result = 1;
  for (double square = x; bits != 0; bits >>= 1, square *= square)
    if (bits & 1) result *= square;
  return n < 0 ? 1 / result : result;
}

struct TBuiltIn {
  const char* name;
  int args;
  TWordKind kind;
  const char* description;
  TEvalRoutine routine;
};

struct TOperator {
  const char* name;
  int args;
  int priority;
  TWordKind kind;
  TEvalRoutine routine;
};

constexpr TWordKind F = TWordKind::TFunction;
constexpr TWordKind B = TWordKind::TBooleanFunction;
constexpr TWordKind V = TWordKind::TVaryingFunction;

const TOperator kOperators[] = {
    {"++", 1, 5, F, [](A a) -> double { return *a[0] += 1.0f; }},
    {"--", 1, 5, F, [](A a) -> double { return *a[0] -= 1.0f; }},
    {"!", 1, 10, F, Factorial},
    {"%", 1, 10, F, [](A a) { return X(a) * 0.01; }},
    {"-@", 1, 10, F, [](A a) { return -X(a); }},
    {"+@", 1, 10, F, [](A a) { return X(a); }},
    {"in", 2, 10, B, [](A a) -> double { return std::abs(X(a) - Y(a)) < 1e-30; }},
    {"^", 2, 20, F, [](A a) { return std::pow(X(a), Y(a)); }},
    {"^@", 2, 20, F, IntPow},
    {"*", 2, 30, F, [](A a) { return X(a) * Y(a); }},
    {"/", 2, 30, F, [](A a) { return X(a) / Y(a); }},
    {"div", 2, 30, F, Div},
    {"mod", 2, 30, F, Mod},
    {"+", 2, 40, F, [](A a) { return X(a) + Y(a); }},
    {"-", 2, 40, F, [](A a) { return X(a) - Y(a); }},
    {">", 2, 50, B, [](A a) -> double { return X(a) > Y(a); }},
    {"<", 2, 50, B, [](A a) -> double { return !(X(a) >= Y(a)); }},
    {">=", 2, 50, B, [](A a) -> double { return X(a) + 1e-30 >= Y(a); }},
    {"<=", 2, 50, B, [](A a) -> double { return Y(a) + 1e-30 >= X(a); }},
    {"=", 2, 50, B, [](A a) -> double { return std::abs(X(a) - Y(a)) < 1e-30; }},
    {"<>", 2, 50, B, [](A a) -> double { return std::abs(X(a) - Y(a)) > 1e-30; }},
    {"not", 1, 60, B, [](A a) -> double { return (RoundInt(X(a)) & 0xFF) ^ 1; }},
    {"or", 2, 70, B, [](A a) -> double { return RoundInt(X(a)) | RoundInt(Y(a)); }},
    {"and", 2, 70, B, [](A a) -> double { return RoundInt(X(a)) & RoundInt(Y(a)); }},
    {"xor", 2, 70, B, [](A a) -> double { return RoundInt(X(a)) ^ RoundInt(Y(a)); }},
    {":=", 2, 200, F, [](A a) -> double { return *a[0] = *a[1]; }},
};

double Pow(A a) { return std::pow(X(a), Y(a)); }
constexpr double kDegree = std::numbers::pi / 180.0;

const TBuiltIn kFunctions[] = {
    {"random", 0, V, "random number between 0 and 1", [](A) { return Random01(); }},
    {"random_int", 1, V, "random number between 0 and Argument1", RandomInt},
    {"exp", 1, F, "the value of e raised to the power of x", [](A a) { return std::exp(X(a)); }},
    {"if", 3, F, "if x=True(or 1) then y else z", [](A a) -> double { return Truth(X(a)) ? *a[1] : *a[2]; }},
    {"randg", 2, V, "draw from normal distrib. (mean=x, sd =y)", RandG},
    {"sqr", 1, F, "the square of a number (x*x)", [](A a) { return X(a) * X(a); }},
    {"sqrt", 1, F, "the square root of a number", [](A a) { return std::sqrt(X(a)); }},
    {"abs", 1, F, "absolute value", [](A a) { return std::abs(X(a)); }},
    {"round", 1, F, "round to the nearest integer", [](A a) { return std::nearbyint(X(a)); }},
    {"trunc", 1, F, "truncates a real number to an integer", [](A a) { return std::trunc(X(a)); }},
    {"ln", 1, F, "natural logarithm of x", [](A a) { return std::log(X(a)); }},
    {"log10", 1, F, "logarithm base 10 of x", [](A a) { return std::log10(X(a)); }},
    {"logn", 2, F, "logarithm base x of y", [](A a) { return std::log(Y(a)) / std::log(X(a)); }},
    {"power", 2, F, "power: x^y", Pow},
    {"pow", 2, F, "power: x^y", Pow},
    {"intpower", 2, F, "integer power: x^y", IntPow},
    {"max", 2, F, "the maximum of both arguments", [](A a) { return X(a) >= Y(a) ? X(a) : Y(a); }},
    {"min", 2, F, "the minimum of both arguments", [](A a) { return X(a) > Y(a) ? Y(a) : X(a); }},
    {"sin", 1, F, "sine of an angle in rad", [](A a) { return std::sin(X(a)); }},
    {"cos", 1, F, "cosine of an angle in rad", [](A a) { return std::cos(X(a)); }},
    {"tan", 1, F, "tangent of an angle in rad", [](A a) { return std::tan(X(a)); }},
    {"arcsin", 1, F, "inverse sine in rad", [](A a) { return std::asin(X(a)); }},
    {"arccos", 1, F, "inverse cosine in rad", [](A a) { return std::acos(X(a)); }},
    {"arctan2", 2, F, "inverse tangent (x/y) in rad", [](A a) { return std::atan2(X(a), Y(a)); }},
    {"arctan", 1, F, "inverse tangent (x/y) in rad", [](A a) { return std::atan(X(a)); }},
    {"sinh", 1, F, "hyperbolic sine of an angle in rad", [](A a) { return std::sinh(X(a)); }},
    {"cosh", 1, F, "hyperbolic sine of an angle in rad", [](A a) { return std::cosh(X(a)); }},
    {"tanh", 1, F, "hyperbolic tangent of an angle in rad", [](A a) { return std::tanh(X(a)); }},
    {"arcsinh", 1, F, "inverse sine in rad", [](A a) { return std::asinh(X(a)); }},
    {"arccosh", 1, F, "inverse hyperbolic cosine in rad", [](A a) { return std::acosh(X(a)); }},
    {"arctanh", 1, F, "inverse hyperbolic tangent in rad", [](A a) { return std::atanh(X(a)); }},
    {"degtorad", 1, F, "conversion of degrees to radians", [](A a) { return X(a) * kDegree; }},
    {"radtodeg", 1, F, "conversion of rad to degrees", [](A a) { return X(a) / kDegree; }},
};

TExprWord MakeWord(std::string name, TWordKind kind, int arg_count, TEvalRoutine routine) {
  TExprWord word;
  word.name = std::move(name);
  word.kind = kind;
  word.arg_count = arg_count;
  word.routine = routine;
  return word;
}

}  // namespace

bool Truth(double x) { return (RoundInt(x) & 0xFF) != 0; }

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

bool TExprWord::IsOperand() const {
  switch (kind) {
    case TWordKind::TFloatTypeConstant:
    case TWordKind::TConstant:
    case TWordKind::TBooleanConstant:
    case TWordKind::TFloatTypeVariable:
    case TWordKind::TGeneratedVariable:
      return true;
    default:
      return false;
  }
}

bool TExprWord::IsVariable() const {
  return kind == TWordKind::TFloatTypeVariable || kind == TWordKind::TGeneratedVariable;
}

bool TExprWord::IsFunction() const {
  return kind == TWordKind::TFunction || kind == TWordKind::TVaryingFunction ||
         kind == TWordKind::TBooleanFunction || kind == TWordKind::TSimpleStringFunction;
}

bool TExprWord::IsVarying() const { return IsVariable() || kind == TWordKind::TVaryingFunction; }

bool TExprWord::IsBoolean() const { return kind == TWordKind::TBooleanFunction; }

TWordTable::TWordTable() { AddBuiltIns(); }

void TWordTable::AddBuiltIns() {
  for (const TOperator& op : kOperators) {
    TExprWord& word = Add(MakeWord(op.name, op.kind, op.args, op.routine));
    word.is_operator = true;
    word.priority = op.priority;
  }
  for (const TBuiltIn& f : kFunctions) Add(MakeWord(f.name, f.kind, f.args, f.routine)).description = f.description;
  TExprWord& pi = Add(MakeWord("pi", TWordKind::TConstant, 0, nullptr));
  pi.description = "pi = 3.1415926535897932385";
  pi.value = static_cast<float>(std::numbers::pi);
  // No routine: "pos" is answered while compiling, from its two texts.
  Add(MakeWord("pos", TWordKind::TSimpleStringFunction, 2, nullptr)).description = "Position in of substring in string";
}

TExprWord& TWordTable::Add(TExprWord word) {
  auto owned = std::make_unique<TExprWord>(std::move(word));
  TExprWord& added = *owned;
  if (added.IsOperand() && !added.storage) added.storage = &added.value;
  words_[added.name] = std::move(owned);
  return added;
}

TExprWord* TWordTable::Find(std::string_view name) const {
  auto it = words_.find(LowerCase(name));
  return it == words_.end() ? nullptr : it->second.get();
}

float* TWordTable::DefineVariable(std::string_view name, float* address) {
  TExprWord* old = Find(name);
  if (old && old->arg_count != 0) Fail("Cannot replace variable/function NFuntionArg doesn't match");
  float* old_storage = old && old->IsOperand() ? old->storage : nullptr;
  // Compiled steps may point at the old word's own float (a generated
  // variable, "pi"); the word is kept aside so they never read freed memory.
  if (old) retired_.push_back(std::move(words_.find(old->name)->second));
  Add(MakeWord(LowerCase(name), TWordKind::TFloatTypeVariable, 0, nullptr)).storage = address;
  return old_storage;
}

TExprWord& TWordTable::Generate(std::string_view name) {
  TExprWord& word = Add(MakeWord(LowerCase(name), TWordKind::TGeneratedVariable, 0, nullptr));
  word.value = std::numeric_limits<float>::quiet_NaN();
  return word;
}

}  // namespace corvellane::expr
