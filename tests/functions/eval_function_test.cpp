#include <gtest/gtest.h>

#include <string>

#include "functions/eval_function.h"
#include "persistence/storage.h"
#include "tests/functions/function_fixture.h"

namespace corvellane::testing {
namespace {

// An eval function over a result "y", an argument "t" and two constants.
std::string EvalXml(const std::string& expression) {
  return R"(<function name="wave" type="function_eval"><paramspace><paramdefs>
      <paramdef name="y" col="0" static="yes" value="-7"/>
      <paramdef name="t" col="1" static="yes"/>
      <paramdef name="a" col="2" static="yes" value="2"/>
      <paramdef name="b" col="2" static="yes" value="5"/>
    </paramdefs></paramspace><expression>)" +
         expression + "</expression></function>";
}

TEST_F(FunctionTest, AnEvalFunctionComputesItsCellsFromItsExpression) {
  Ref<IFunction> f = Prepared(EvalXml("\n  // y follows a sine of t\n  y := a*sin(t*2*pi/1000) + b\n"));
  ASSERT_TRUE(f);
  const float times[] = {0, 250, 750};
  const float values[] = {5, 7, 3};
  for (int i = 0; i < 3; ++i) {
    f->SetArgument(0, times[i]);
    f->Calculate();
    EXPECT_FLOAT_EQ(f->GetResult(0), values[i]) << "t = " << times[i];
  }
}

TEST_F(FunctionTest, AnAssignedCellKeepsItsValueBetweenCalculations) {
  Ref<IFunction> f = Prepared(EvalXml("y := y + 1"));
  f->Calculate();
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), -5.0f);
  // Preparing again starts from the definitions' values.
  f->Unprepare();
  f->Prepare(nullptr);
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), -6.0f);
}

TEST_F(FunctionTest, LaterLinesSeeNamesAssignedByEarlierOnes) {
  Ref<IFunction> f = Prepared(EvalXml("half := a / 2\nsquare := half * half\ny := square + b"));
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), 6.0f);
}

// Each of these leaves the function inert: the result cell keeps -7.
TEST_F(FunctionTest, AnEvalFunctionThatDoesNotCompileCalculatesNothing) {
  const char* faulty[] = {"y := (a + b", "y := foo(1)", "y := max(a)", "y := a +", "// only a comment",
                          "", "y := a\ny := ())", "pi := 3", "y := "};
  for (const char* expression : faulty) {
    Ref<IFunction> f = Prepared(EvalXml(expression));
    auto* eval = dynamic_cast<TEvalFunction*>(f.get());
    ASSERT_NE(eval, nullptr);
    EXPECT_FALSE(eval->IsCompiled()) << expression;
    f->Calculate();
    EXPECT_FLOAT_EQ(f->GetResult(0), -7.0f) << expression;
  }
}

TEST_F(FunctionTest, AMathErrorWhileCalculatingMakesTheFunctionInert) {
  Ref<IFunction> f = Prepared(EvalXml("y := b / t"));
  auto* eval = dynamic_cast<TEvalFunction*>(f.get());
  f->SetArgument(0, 2);
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), 2.5f);
  f->SetArgument(0, 0);
  f->Calculate();
  EXPECT_FALSE(eval->IsCompiled());
  f->SetArgument(0, 5);
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), 2.5f);  // inert until prepared again
  f->Prepare(nullptr);
  f->SetArgument(0, 5);
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), 1.0f);
}

// "max" takes two arguments and cannot be rebound to a cell.
TEST_F(FunctionTest, ACellNamedLikeAFunctionOfArgumentsMakesItInert) {
  Ref<IFunction> f = Prepared(R"(<function type="function_eval"><paramspace><paramdefs>
      <paramdef name="max" col="0" static="yes" value="1"/>
    </paramdefs></paramspace><expression>max := 3</expression></function>)");
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), 1.0f);
}

TEST_F(FunctionTest, AnEvalFunctionWritesItsOwnersCells) {
  Ref<IFunction> owner = Prepared(R"(<function type="function_sum"><paramspace><paramdefs>
      <paramdef name="x" col="0" static="yes" value="0"/>
      <paramdef name="time" col="1" static="yes" value="4"/>
    </paramdefs></paramspace></function>)");
  Ref<IFunction> f = Prepared(R"(<function type="function_eval"><paramspace><paramdefs>
      <paramdef name="position" col="0" outname="x"/>
      <paramdef name="time" col="1"/>
      <paramdef name="loose" col="1"/>
    </paramdefs></paramspace><expression>
      loose := 99
      position := time * 10 + loose
    </expression></function>)",
                              QueryInterface<IFunctionOwner>(owner).get());
  f->Calculate();
  // "loose" aliases nothing: it reads 0 whatever was written into it.
  EXPECT_FLOAT_EQ(owner->GetValueByName("x"), 139.0f);
  owner->SetValueByName("time", 5);
  f->Calculate();
  EXPECT_FLOAT_EQ(owner->GetValueByName("x"), 149.0f);
}

TEST_F(FunctionTest, AnEvalFunctionKeepsItsExpressionWhenSavedAndReloaded) {
  Ref<IFunction> f = LoadFunction(EvalXml("y := a * 3 + b"));
  Ref<IFunction> copy = SavedAndReloaded(*f);
  auto* eval = dynamic_cast<TEvalFunction*>(copy.get());
  ASSERT_NE(eval, nullptr);
  EXPECT_EQ(eval->GetExpression(), "y := a * 3 + b");
  copy->Prepare(nullptr);
  copy->Calculate();
  EXPECT_FLOAT_EQ(copy->GetResult(0), 11.0f);
}

}  // namespace
}  // namespace corvellane::testing
