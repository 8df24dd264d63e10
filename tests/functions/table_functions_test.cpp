#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/functions/cell_xml.h"
#include "tests/functions/function_fixture.h"

namespace corvellane::testing {
namespace {

// Arithmetic: operands in column 1, operator codes in column 2.
struct ChainCase {
  const char* label;
  Column operands;
  Column codes;
  double expected;
};

class ArithmeticTest : public FunctionTest, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(ArithmeticTest, AppliesTheOperatorsLeftToRight) {
  const ChainCase& c = GetParam();
  Ref<IFunction> f = Prepared(FunctionXml("function_arithmetic", {c.operands, c.codes}));
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), static_cast<float>(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Chains, ArithmeticTest,
    ::testing::Values(ChainCase{"add_then_subtract", {10, 3, 2}, {0, 1}, 11},
                      ChainCase{"multiply_then_divide", {10, 3, 4}, {2, 3}, 7.5},
                      ChainCase{"max_min", {5, 9, 7}, {4, 5}, 7},
                      ChainCase{"modulo_truncates", {-7.9, 3.5}, {6}, -1},
                      ChainCase{"quotient_truncates", {-7.9, 2.5}, {7}, -3},
                      ChainCase{"codes_are_truncated", {6, 2}, {2.9}, 12},
                      ChainCase{"unknown_code_keeps_value", {6, 2, 1}, {42, 0}, 7},
                      ChainCase{"missing_codes_add", {1, 2, 3}, {}, 6},
                      ChainCase{"divide_by_zero_skipped", {6, 0, 2}, {3, 2}, 12},
                      ChainCase{"modulo_by_zero_skipped", {7, 0.5, 2}, {6, 0}, 9},
                      ChainCase{"quotient_by_zero_skipped", {7, 0}, {7}, 7},
                      // Integer operations saturate at the 64-bit limits rather than overflow.
                      ChainCase{"quotient_by_minus_one", {-2e30, -1}, {7}, 9223372036854775808.0},
                      ChainCase{"single_operand", {4}, {}, 4}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FunctionTest, ArithmeticRunsOneChainPerPairOfColumns) {
  Ref<IFunction> f = Prepared(FunctionXml("function_arithmetic", {{2, 3}, {2}, {10, 4}, {1}}, 2));
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), 6.0f);
  EXPECT_FLOAT_EQ(f->GetResult(1), 6.0f);
}

// Lookup tables: x in column 1, then (bounds or points, values) pairs.
struct LookupCase {
  const char* label;
  const char* type;
  double x;
  double expected;
};

class LookupTest : public FunctionTest, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(LookupTest, FindsTheValueForX) {
  const LookupCase& c = GetParam();
  const bool steps = std::string(c.type) == "function_interval";
  const std::vector<Column> table = steps ? std::vector<Column>{{c.x}, {10, 20, 30}, {1, 2, 3}}
                                          : std::vector<Column>{{c.x}, {0, 10, 30}, {0, 100, 50}};
  Ref<IFunction> f = Prepared(FunctionXml(c.type, table));
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), static_cast<float>(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Tables, LookupTest,
    ::testing::Values(LookupCase{"interval_first", "function_interval", 5, 1},
                      LookupCase{"interval_on_bound", "function_interval", 10, 1},
                      LookupCase{"interval_second", "function_interval", 15, 2},
                      LookupCase{"interval_third", "function_interval", 25, 3},
                      LookupCase{"interval_beyond", "function_interval", 100, 3},
                      LookupCase{"piecewise_start", "function_piecewise", 0, 0},
                      LookupCase{"piecewise_rising", "function_piecewise", 5, 50},
                      LookupCase{"piecewise_falling", "function_piecewise", 20, 75},
                      LookupCase{"piecewise_last_point", "function_piecewise", 30, 50},
                      LookupCase{"piecewise_beyond", "function_piecewise", 99, 50},
                      // Before the first point the table holds its first value.
                      LookupCase{"piecewise_before", "function_piecewise", -1, 0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FunctionTest, IntervalGivesOneResultPerCellOfColumnOne) {
  // x values 5 and 25; the second has no table of its own, so it reads 0.
  Ref<IFunction> f = Prepared(FunctionXml("function_interval", {{5, 25}, {10, 20}, {1, 2}}, 2));
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), 1.0f);
  EXPECT_FLOAT_EQ(f->GetResult(1), 0.0f);
}

TEST_F(FunctionTest, TablesShorterThanTheirPartnersReadZero) {
  Ref<IFunction> steps = Prepared(FunctionXml("function_interval", {{50}, {10, 20, 30}, {1}}));
  steps->Calculate();
  EXPECT_FLOAT_EQ(steps->GetResult(0), 0.0f);
  Ref<IFunction> line = Prepared(FunctionXml("function_piecewise", {{5}, {0, 10}, {100}}));
  line->Calculate();
  EXPECT_FLOAT_EQ(line->GetResult(0), 50.0f);
}

TEST_F(FunctionTest, PiecewiseInterpolatesEveryTableAtTheSameX) {
  Ref<IFunction> f =
      Prepared(FunctionXml("function_piecewise", {{5}, {0, 10}, {0, 100}, {0, 20}, {255, 0}}, 2));
  f->Calculate();
  EXPECT_FLOAT_EQ(f->GetResult(0), 50.0f);
  EXPECT_FLOAT_EQ(f->GetResult(1), 191.25f);
}

}  // namespace
}  // namespace corvellane::testing
