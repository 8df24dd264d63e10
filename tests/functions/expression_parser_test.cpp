#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <random>
#include <string>

#include "functions/expression_error.h"
#include "functions/expression_parser.h"

namespace corvellane::expr {
namespace {

// The value of one expression compiled by a fresh parser.
float Eval(const std::string& text) {
  TExpressionParser parser;
  return parser.EvaluateAt(parser.AddExpression(text));
}

// The message a compile raises; empty when it compiles.
std::string CompileError(const std::string& text) {
  TExpressionParser parser;
  try {
    parser.AddExpression(text);
  } catch (const EExpressionError& e) {
    return e.what();
  }
  return {};
}

struct Case {
  const char* text;
  float expected;
};

TEST(ExpressionParser, ComputesTheTableOfValues) {
  const Case cases[] = {
      {"2+3*4", 14},          {"2*3+4", 10},           {"(2+3)*4", 20},         {"10-4-3", 3},
      {"2^3^2", 64},          {"-3^2", 9},             {"2^-1", 0.5f},          {"2^0.5", std::sqrt(2.0f)},
      {"50%", 0.5f},          {"4!", 24},              {"0!", 1},               {"7 div 2", 3},
      {"-7 mod 2", -1},       {"-7 div 2", -3},        {"if(2, 5, 6)", 5},      {"if(256, 5, 6)", 6},
      {"1 = 1.0000001", 0},   {"1 <> 2", 1},           {"2 > 1", 1},            {"2 < 1", 0},
      {"1 >= 1", 1},          {"2 <= 1", 0},           {"not 0", 1},            {"not not 1", 1},
      {"not 1", 0},           {"6 and 3", 2},          {"6 or 3", 7},           {"6 xor 3", 5},
      {"- -3", 3},             {"+-+2", -2},            {"max(2, 7)", 7},
      {"min(2, 7)", 2},       {"sqr(3)", 9},           {"sqrt(16)", 4},         {"abs(-2.5)", 2.5f},
      {"round(2.5)", 2},      {"round(3.5)", 4},       {"trunc(-2.7)", -2},     {"exp(0)", 1},
      {"ln(1)", 0},           {"log10(1000)", 3},      {"logn(2, 8)", 3},       {"pow(2, 10)", 1024},
      {"intpower(2, 3.4)", 8}, {"sin(0)", 0},          {"cos(0)", 1},           {"arctan2(1, 0)", 1.5707964f},
      {"radtodeg(pi)", 180},  {"degtorad(180)", 3.1415927f}, {"$ff + 1", 256},  {"1.5e2", 150},
      {".5 * 4", 2},          {"PI", 3.1415927f},      {"Max(1, 2) * 2", 4},    {"2*sin(pi/2)+1", 3},
      {"pos('b', 'abc')", 2}, {"pos('z', 'abc')", 0},  {"'abc' = 'ABC'", 1},    {"'b' in 'a,b,c'", 1},
      {"'d' in 'a,b,c'", 0},  {"'a' < 'b'", 1},        {"((((7))))", 7},        {"1 + not 0", 2},
      {"2^10", 1024},         {"(-2)^3", -8},          {"3^0", 1},              {"intpower(2, -2)", 0.25f},
      {"3 = 2 + not 0", 1},   {"2 * -3 + 4", -2},      {"2 - -3 * 2", 8},       {"1 + 2 ^ -1", 1.5f},
      {"3!+1", 7},            {"2*(3+4)*5", 70},       {"if(1 > 2, 1, 2)*3", 6}, {"random_int(1)", 0},
  };
  for (const Case& c : cases) EXPECT_FLOAT_EQ(Eval(c.text), c.expected) << c.text;
}

TEST(ExpressionParser, RandomWordsStayInTheirRanges) {
  TExpressionParser parser;
  int r = parser.AddExpression("random");
  int i = parser.AddExpression("random_int(10)");
  for (int k = 0; k < 200; ++k) {
    float x = parser.EvaluateAt(r);
    EXPECT_GE(x, 0.0f);
    EXPECT_LT(x, 1.0f);
    float n = parser.EvaluateAt(i);
    EXPECT_EQ(n, std::trunc(n));
    EXPECT_GE(n, 0.0f);
    EXPECT_LT(n, 10.0f);
  }
}

struct ErrorCase {
  const char* text;
  const char* message;
};

TEST(ExpressionParser, ReportsCompileErrors) {
  const ErrorCase cases[] = {
      {"(1+2", "Unequal brackets"},
      {"random()", "Error in math expression: Empty brackets ()"},
      {"sin(", "Unequal brackets"},
      {"1 2", "Error in math expression: 1 two space limited variables/constants"},
      {"foo(1)", "Error in math expression: foo is an unknown function"},
      {"(1)(2)", "Error in math expression: Missing operand between )("},
      {"(1) 2", "Error in math expression: Missing operand between ) and constant/variable"},
      {"pi(2)", "Error in math expression: Missing operand between constant/variable and ("},
      {"1+", "Error in math expression: Syntax error: function or operand has too few arguments"},
      {"max(1)", "Error in math expression: Syntax error: function or operand has too few arguments"},
      {"if(1, 2, 3, 4)", "Error in math expression: Syntax error: function or operand has too few arguments"},
      {"max(1,)", "Error in math expression: Syntax error: function or operand has too few arguments"},
      {"'a' + 'b'", "+ is not a valid string operand"},
      {"1 / 0", "Math error in \"/\": division by zero, overflow or an invalid operand"},
      {"sqrt(-1)", "Math error in \"sqrt\": division by zero, overflow or an invalid operand"},
      {"1e30 * 1e30", "Math error in \"*\": division by zero, overflow or an invalid operand"},
      {"5 mod 0", "Math error in \"mod\": division by zero, overflow or an invalid operand"},
      {"50!", "Math error in \"!\": division by zero, overflow or an invalid operand"},
      {"3 := 4", "Error in math expression: Syntax error: := needs a variable on its left"},
      {"pi := 4", "Error in math expression: Syntax error: := needs a variable on its left"},
      {"pos(1, 2)", "Error in math expression: pos takes two texts"},
      {"pos('a')", "Error in math expression: pos takes two texts"},
      {"--3", "Error in math expression: Syntax error: -- needs a variable on its left"},
  };
  for (const ErrorCase& c : cases) EXPECT_EQ(CompileError(c.text), c.message) << c.text;
}

TEST(ExpressionParser, EmptyBracketsAfterAZeroArgumentWordAreTheOnlyFault) {
  EXPECT_EQ(CompileError("random"), "");
  EXPECT_EQ(CompileError("random * 2"), "");
}

TEST(ExpressionParser, HostileInputIsRefusedWithoutCrashing) {
  const std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
  EXPECT_EQ(CompileError(deep), "Error in math expression: Expression too long");
  const std::string nested = std::string(1000, '(') + "1" + std::string(1000, ')');
  EXPECT_EQ(CompileError(nested), "");  // surrounding brackets are only peeled
  std::string sum = "1", deep_calls = "1";
  for (int i = 0; i < 1000; ++i) sum += "+1";
  for (int i = 0; i < 1000; ++i) deep_calls = "abs(" + deep_calls + ")";
  EXPECT_EQ(CompileError(sum), "Error in math expression: Expression nested too deeply");
  EXPECT_EQ(CompileError(deep_calls), "Error in math expression: Expression nested too deeply");
  std::string fine_sum = "1";
  for (int i = 0; i < 150; ++i) fine_sum += "+1";
  EXPECT_FLOAT_EQ(Eval(fine_sum), 151.0f);
  EXPECT_NE(CompileError(std::string(20000, '1')), "");
  EXPECT_NE(CompileError("@#?~"), "");
  EXPECT_NE(CompileError("'unterminated"), "");
}

TEST(ExpressionParser, DivisionByZeroOfAVariableIsRaisedAtEvaluation) {
  TExpressionParser parser;
  float d = 2;
  parser.DefineVariable("d", &d);
  int i = parser.AddExpression("1 / d");
  EXPECT_FLOAT_EQ(parser.EvaluateAt(i), 0.5f);
  d = 0;
  EXPECT_THROW(parser.EvaluateAt(i), EExpressionError);
}

TEST(ExpressionParser, AssignmentsWriteTheBoundVariable) {
  TExpressionParser parser;
  float x = 1;
  parser.DefineVariable("X", &x);
  ASSERT_TRUE(parser.AddExpressions("x := x + 1"));
  parser.EvaluateAll();
  parser.EvaluateAll();
  EXPECT_FLOAT_EQ(x, 3.0f);
}

TEST(ExpressionParser, IncrementChangesTheVariableInPlace) {
  TExpressionParser parser;
  float n = 5;
  parser.DefineVariable("n", &n);
  EXPECT_FLOAT_EQ(parser.EvaluateAt(parser.AddExpression("n++ * 2")), 12.0f);
  EXPECT_FLOAT_EQ(n, 6.0f);
}

TEST(ExpressionParser, BothBranchesOfIfAreEvaluated) {
  TExpressionParser parser;
  float a = 0, b = 0;
  parser.DefineVariable("a", &a);
  parser.DefineVariable("b", &b);
  EXPECT_FLOAT_EQ(parser.EvaluateAt(parser.AddExpression("if(1, a := 5, b := 6)")), 5.0f);
  EXPECT_FLOAT_EQ(a, 5.0f);
  EXPECT_FLOAT_EQ(b, 6.0f);
}

TEST(ExpressionParser, GeneratedVariablesAreSharedByLaterLinesAndStartAsNaN) {
  TExpressionParser parser;
  int read_first = parser.AddExpression("speed * 2");
  EXPECT_TRUE(std::isnan(parser.EvaluateAt(read_first)));
  ASSERT_TRUE(parser.AddExpressions("// a comment\n\n  speed := 3  \nspeed * 2"));
  EXPECT_FLOAT_EQ(parser.EvaluateAll(), 6.0f);
  EXPECT_EQ(parser.ExpressionCount(), 3);
  EXPECT_EQ(parser.CurrentExpression(), "speed * 2");
}

TEST(ExpressionParser, VariablesAreReadAtEvaluationTime) {
  TExpressionParser parser;
  float t = 0;
  parser.DefineVariable("t", &t);
  int i = parser.AddExpression("20*sin(t*2*pi/1000)+100");
  EXPECT_FLOAT_EQ(parser.EvaluateAt(i), 100.0f);
  t = 250;
  EXPECT_FLOAT_EQ(parser.EvaluateAt(i), 120.0f);
}

TEST(ExpressionParser, RedefiningAVariableRebindsCompiledExpressions) {
  TExpressionParser parser;
  float first = 1, second = 10;
  parser.DefineVariable("v", &first);
  int i = parser.AddExpression("v + 1");
  parser.DefineVariable("V", &second);
  EXPECT_FLOAT_EQ(parser.EvaluateAt(i), 11.0f);
  // A generated variable replaced by a defined one: the line follows too.
  int g = parser.AddExpression("w * 3");
  float w = 2;
  parser.DefineVariable("w", &w);
  EXPECT_FLOAT_EQ(parser.EvaluateAt(g), 6.0f);
}

TEST(ExpressionParser, AWordTakingArgumentsCannotBecomeAVariable) {
  TExpressionParser parser;
  float x = 0;
  try {
    parser.DefineVariable("max", &x);
    FAIL() << "max was replaced";
  } catch (const EExpressionError& e) {
    EXPECT_STREQ(e.what(), "Error in math expression: Cannot replace variable/function NFuntionArg doesn't match");
  }
  EXPECT_FLOAT_EQ(Eval("max(1, 2)"), 2.0f);
}

TEST(ExpressionParser, EmptyTextsAndIndexesWithoutAProgram) {
  TExpressionParser parser;
  EXPECT_EQ(parser.AddExpression("   "), -1);
  EXPECT_TRUE(std::isnan(parser.EvaluateAt(-1)));
  EXPECT_TRUE(std::isnan(parser.EvaluateAt(5)));
  EXPECT_FLOAT_EQ(parser.EvaluateAll(), 0.0f);
  EXPECT_TRUE(parser.AddExpressions("// only a comment"));
  EXPECT_EQ(parser.ExpressionCount(), 0);
}

TEST(ExpressionParser, SeparatorsNeverCollide) {
  TExpressionParser parser;
  parser.SetDecimalSeparator(',');
  EXPECT_EQ(parser.ArgumentSeparator(), ';');
  EXPECT_FLOAT_EQ(parser.EvaluateAt(parser.AddExpression("max(1,5; 0,5)")), 1.5f);
  parser.SetArgumentSeparator(',');
  EXPECT_EQ(parser.DecimalSeparator(), '.');
  EXPECT_FLOAT_EQ(parser.EvaluateAt(parser.AddExpression("max(2.5, 0.5)")), 2.5f);
}

TEST(ExpressionParser, ConstantSubExpressionsAreFoldedVaryingOnesAreNot) {
  TExpressionParser parser;
  float x = 1;
  parser.DefineVariable("x", &x);
  // 2*3 folds, so only the sum remains to be run; random never folds.
  parser.AddExpression("x + 2*3");
  EXPECT_FLOAT_EQ(parser.EvaluateAll(), 7.0f);
  x = 2;
  EXPECT_FLOAT_EQ(parser.EvaluateAll(), 8.0f);
  int r = parser.AddExpression("random + 0*1");
  bool differs = false;
  float first = parser.EvaluateAt(r);
  for (int k = 0; k < 50 && !differs; ++k) differs = parser.EvaluateAt(r) != first;
  EXPECT_TRUE(differs);
}

}  // namespace
}  // namespace corvellane::expr

namespace corvellane::expr {
namespace {

// Random soups of the language's own tokens: each either compiles and
// evaluates or raises EExpressionError; under the sanitizers any other
// outcome (a crash, a read of freed or unset memory) fails the test.
TEST(ExpressionParser, TokenSoupsCompileOrFailCleanly) {
  const char* pieces[] = {"x", "y", "1", "2.5", "$1f", "'a'", "'b,c'", "(", ")", ",", "+", "-", "*", "/", "^",
                          "!", "%", "++", "--", ":=", "=", "<>", "<=", "not", "and", "div", "mod", "in", "if",
                          "max", "sin", "random", "pos", "pi", "zz", "?"};
  std::mt19937 random(20261210);
  std::uniform_int_distribution<size_t> pick(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> length(1, 12);
  int compiled = 0;
  for (int n = 0; n < 5000; ++n) {
    TExpressionParser parser;
    float x = 1, y = 2;
    parser.DefineVariable("x", &x);
    parser.DefineVariable("y", &y);
    std::string text;
    for (int k = length(random); k > 0; --k) text += std::string(pieces[pick(random)]) + " ";
    try {
      int index = parser.AddExpression(text);
      ++compiled;
      parser.EvaluateAt(index);
    } catch (const EExpressionError&) {
    }
  }
  EXPECT_GT(compiled, 50);  // the soups reach the evaluator, not only the tokeniser
}

}  // namespace
}  // namespace corvellane::expr
