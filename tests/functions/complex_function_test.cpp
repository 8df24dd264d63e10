#include <gtest/gtest.h>

#include <string>

#include "functions/column_functions.h"
#include "functions/complex_function.h"
#include "functions/function_collection.h"
#include "persistence/number_text.h"
#include "tests/functions/function_fixture.h"

namespace corvellane::testing {
namespace {

// A function used only as an owner: its static cells are the owner's values.
const char* kOwnerXml = R"(<function type="function_sum"><paramspace><paramdefs>
    <paramdef name="x" col="0" static="yes" value="0"/>
    <paramdef name="speed" col="1" static="yes" value="3"/>
    <paramdef name="time" col="1" static="yes" value="4"/>
  </paramdefs></paramspace></function>)";

Ref<IFunctionOwner> OwnerOf(const Ref<IFunction>& f) { return QueryInterface<IFunctionOwner>(f); }

TEST_F(FunctionTest, AResultAliasedByNameChangesTheOwnersCell) {
  Ref<IFunction> owner = Prepared(kOwnerXml);
  Ref<IFunction> f = Prepared(R"(<function type="function_multiply"><paramspace><paramdefs>
      <paramdef name="result" col="0" outname="x"/>
      <paramdef name="speed" col="1"/>
      <paramdef name="t" col="1" outcol="1" outrow="1"/>
    </paramdefs></paramspace></function>)",
                              OwnerOf(owner).get());
  f->Calculate();
  EXPECT_FLOAT_EQ(owner->GetValueByName("x"), 12.0f);
  EXPECT_EQ(f->GetCellName(0, 0), "result");
  EXPECT_EQ(f->GetCellSourceName(0, 0), "x");
  EXPECT_EQ(f->GetCellSourceName(1, 0), "speed");
  EXPECT_EQ(f->GetCellSourceName(1, 1), "t");  // aliased by position: its own name
  EXPECT_EQ(f->GetCellName(5, 5), "");
}

TEST_F(FunctionTest, AnUnpreparedFunctionHasNoCells) {
  Ref<IFunction> f = LoadFunction(R"(<function type="function_sum"><paramspace><paramdefs>
      <paramdef name="r" col="0" static="yes" value="1"/>
      <paramdef col="1" static="yes" value="2"/>
    </paramdefs></paramspace></function>)");
  f->Calculate();
  EXPECT_EQ(f->ResultCount(), 0);
  EXPECT_FLOAT_EQ(f->GetResult(0), 0.0f);
  f->Prepare(nullptr);
  f->SetArgument(0, 5.0f);
  f->Calculate();
  EXPECT_EQ(f->ArgumentCount(), 1);
  EXPECT_FLOAT_EQ(f->GetResult(0), 5.0f);
  f->Unprepare();
  EXPECT_EQ(f->ArgumentCount(), 0);
  // Preparing again starts from the definitions' values.
  f->Prepare(nullptr);
  EXPECT_FLOAT_EQ(f->GetResult(0), 1.0f);
}

// x = (a + b) * k, in two steps that share the complex function's cells.
const char* kComplexXml = R"(<function name="outer" type="function_complex">
  <paramspace><paramdefs>
    <paramdef name="x" col="0"/>
    <paramdef name="a" col="1" static="yes" value="2"/>
    <paramdef name="b" col="1"/>
    <paramdef name="k" col="2" static="yes" value="10"/>
    <paramdef name="tmp" col="2" static="yes" value="0"/>
  </paramdefs></paramspace>
  <functions>
    <function name="add" type="function_sum"><paramspace><paramdefs>
      <paramdef name="tmp" col="0"/><paramdef name="a" col="1"/><paramdef name="b" col="1"/>
    </paramdefs></paramspace></function>
    <function name="scale" type="function_multiply"><paramspace><paramdefs>
      <paramdef name="x" col="0"/><paramdef name="tmp" col="1"/><paramdef name="k" col="1"/>
    </paramdefs></paramspace></function>
    <function name="broken" type="function_unknown"/>
    <function type="function_sum"/>
    <function type="function_multiply"/>
  </functions>
</function>)";

const char* kComplexOwnerXml = R"(<function type="function_sum"><paramspace><paramdefs>
    <paramdef name="x" col="0" static="yes" value="0"/>
    <paramdef name="b" col="1" static="yes" value="3"/>
  </paramdefs></paramspace></function>)";

TEST_F(FunctionTest, ComplexFunctionsRunTheirStepsOverTheirOwnCells) {
  Ref<IFunction> owner = Prepared(kComplexOwnerXml);
  Ref<IFunction> f = Prepared(kComplexXml, OwnerOf(owner).get());
  f->Calculate();
  EXPECT_FLOAT_EQ(owner->GetValueByName("x"), 50.0f);
  EXPECT_FLOAT_EQ(f->GetValueByName("tmp"), 5.0f);
  owner->SetValueByName("b", 8.0f);
  f->Calculate();
  EXPECT_FLOAT_EQ(owner->GetValueByName("x"), 100.0f);
}

TEST_F(FunctionTest, ComplexFunctionsKeepOneFunctionPerNameAndSkipUnknownTypes) {
  Ref<IFunctionCollection> subs = LoadFunction(kComplexXml)->GetSubFunctions();
  ASSERT_TRUE(subs);
  ASSERT_EQ(subs->Count(), 3);
  EXPECT_EQ(subs->GetFunctionAt(0)->GetName(), "add");
  EXPECT_EQ(subs->GetFunctionAt(1)->GetName(), "scale");
  // Of the two unnamed functions the first, a sum, is the one kept.
  EXPECT_TRUE(dynamic_cast<TSumFunction*>(subs->GetFunctionByName("").get()));
}

TEST_F(FunctionTest, ComplexFunctionsSurviveSavingAndLoading) {
  Ref<IFunction> owner = Prepared(kComplexOwnerXml);
  Ref<IFunction> f = SavedAndReloaded(*LoadFunction(kComplexXml));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->GetName(), "outer");
  f->Prepare(OwnerOf(owner).get());
  f->Calculate();
  EXPECT_FLOAT_EQ(owner->GetValueByName("x"), 50.0f);
}

std::string SelectorXml(const char* type, double which) {
  auto step = [](const char* name, double value) {
    return std::string("<function name=\"") + name +
           "\" type=\"function_sum\"><paramspace><paramdefs><paramdef name=\"out\" col=\"0\"/>"
           "<paramdef col=\"1\" static=\"yes\" value=\"" + FormatFloat(value) +
           "\"/></paramdefs></paramspace></function>";
  };
  return std::string("<function type=\"") + type + R"("><paramspace><paramdefs>
      <paramdef name="out" col="0" static="yes" value="-1"/>
      <paramdef name="which" col="2" static="yes" value=")" + FormatFloat(which) + R"("/>
    </paramdefs></paramspace><functions>)" +
         step("zero", which) + step("one", 100) + step("two", 200) + "</functions></function>";
}

struct SelectorCase {
  const char* label;
  const char* type;
  double which;
  double expected_out;
};

class SelectorTest : public FunctionTest, public ::testing::WithParamInterface<SelectorCase> {};

TEST_P(SelectorTest, CalculatesTheSelectedFunctionOnly) {
  const SelectorCase& c = GetParam();
  Ref<IFunction> f = Prepared(SelectorXml(c.type, c.which));
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetValueByName("out"), static_cast<float>(c.expected_out));
}

// Function selectors calculate sub-function 0, whose result (here the
// "which" value it sums) is the index; constant selectors read c[2][0].
INSTANTIATE_TEST_SUITE_P(
    Selectors, SelectorTest,
    ::testing::Values(SelectorCase{"func_one", "function_selector", 1.7, 100},
                      SelectorCase{"func_alias_two", "function_selector_func", 2, 200},
                      SelectorCase{"func_zero_selects_itself", "function_selector", 0.5, 0.5},
                      SelectorCase{"func_out_of_range", "function_selector", 3, 3},
                      SelectorCase{"func_negative", "function_selector", -1, -1},
                      SelectorCase{"const_two", "function_selector_const", 2.9, 200},
                      SelectorCase{"const_zero", "function_selector_const", 0, 0},
                      SelectorCase{"const_out_of_range", "function_selector_const", 3, -1},
                      SelectorCase{"const_huge", "function_selector_const", 1e30, -1},
                      SelectorCase{"const_truncates_toward_zero", "function_selector_const", -0.5, -0.5}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FunctionTest, SelectorsSaveUnderTheirFirstName) {
  Ref<IFunction> f = SavedAndReloaded(*LoadFunction(SelectorXml("function_selector_func", 1)));
  EXPECT_EQ(dynamic_cast<TPersistObject&>(*f).GetTypeName(), "function_selector");
}

// A preparation function whose "before" sets a = 1 and whose "after"
// doubles it. The steps alias the preparation function's cell "a", which
// aliases the prepared function's.
const char* kPreparedXml = R"(<function type="function_sum">
  <paramspace><paramdefs>
    <paramdef name="r" col="0" static="yes" value="0"/>
    <paramdef name="a" col="1" static="yes" value="0"/>
  </paramdefs></paramspace>
  <preparation_function type="function_complex">
    <paramspace><paramdefs><paramdef name="a" col="0"/></paramdefs></paramspace>
    <functions>
    <function name="after" type="function_multiply"><paramspace><paramdefs>
      <paramdef name="a" col="0"/><paramdef name="a_in" col="1" outname="a"/>
      <paramdef name="two" col="1" static="yes" value="2"/>
    </paramdefs></paramspace></function>
    <function name="before" type="function_sum"><paramspace><paramdefs>
      <paramdef name="a" col="0"/><paramdef name="one" col="1" static="yes" value="1"/>
    </paramdefs></paramspace></function>
  </functions></preparation_function>
</function>)";

TEST_F(FunctionTest, RunPreparationCalculatesBeforeThenAfter) {
  Ref<IFunction> f = Prepared(kPreparedXml);
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), 0.0f);
  f->RunPreparation();
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), 2.0f);

  Ref<IFunction> copy = SavedAndReloaded(*f);
  copy->Prepare(nullptr);
  copy->RunPreparation();
  copy->Calculate();
  EXPECT_FLOAT_EQ(copy->GetResult(0), 2.0f);
}

TEST_F(FunctionTest, APreparationFunctionWithoutBeforeAndAfterRunsItself) {
  Ref<IFunction> f = Prepared(R"(<function type="function_sum">
      <paramspace><paramdefs>
        <paramdef name="r" col="0" static="yes" value="0"/>
        <paramdef name="a" col="1" static="yes" value="0"/>
      </paramdefs></paramspace>
      <preparation_function type="function_sum"><paramspace><paramdefs>
        <paramdef name="a" col="0"/><paramdef col="1" static="yes" value="7"/>
      </paramdefs></paramspace></preparation_function>
    </function>)");
  f->RunPreparation();
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), 7.0f);
}

TEST_F(FunctionTest, AnUnknownPreparationTypeIsLeftOut) {
  auto f = QueryInterface<TFunction>(LoadFunction(R"(<function type="function_sum">
      <preparation_function type="function_nothing"/></function>)"));
  ASSERT_TRUE(f);
  EXPECT_FALSE(f->GetPreparationFunction());
  f->Prepare(nullptr);
  f->RunPreparation();
}

TEST_F(FunctionTest, AFunctionNestedInItselfDoesNotRecurse) {
  auto outer = QueryInterface<TComplexFunction>(Prepared(kComplexXml));
  ASSERT_TRUE(outer);
  Ref<IFunction> self = outer;
  outer->Functions().DeleteItem(Variant(""));
  ASSERT_TRUE(outer->Functions().AddFunction(self));
  outer->SetPreparationFunction(self);
  outer->Prepare(nullptr);
  outer->RunPreparation();
  outer->Calculate();
  EXPECT_FLOAT_EQ(outer->GetValueByName("tmp"), 2.0f);  // a + b, b without storage
  outer->Unprepare();
  outer->Cleanup();  // breaks the cycle so that the function can go
}

TEST_F(FunctionTest, DeeplyNestedFilesLoadOnlySoDeep) {
  std::string xml;
  const int levels = 200;
  for (int i = 0; i < levels; ++i) xml += "<function type=\"function_complex\"><functions>";
  for (int i = 0; i < levels; ++i) xml += "</functions></function>";
  Ref<IFunction> f = LoadFunction(xml);
  ASSERT_TRUE(f);
  int depth = 0;
  for (Ref<IFunction> level = f; level && level->GetSubFunctions()->Count() > 0; ++depth)
    level = level->GetSubFunctions()->GetFunctionAt(0);
  EXPECT_GT(depth, 8);
  EXPECT_LT(depth, levels - 1);
  f->Prepare(nullptr);
  f->Calculate();
}

}  // namespace
}  // namespace corvellane::testing
