#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/random_source.h"
#include "tests/functions/cell_xml.h"
#include "tests/functions/function_fixture.h"

namespace corvellane::testing {
namespace {

struct ColumnCase {
  const char* label;
  const char* type;
  std::vector<Column> columns;
  std::vector<double> expected;  // one per result cell
};

class ColumnFunctionTest : public FunctionTest, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(ColumnFunctionTest, WritesOneResultPerArgumentColumn) {
  const ColumnCase& c = GetParam();
  const int results = static_cast<int>(c.expected.size());
  Ref<IFunction> f = Prepared(FunctionXml(c.type, c.columns, results));
  ASSERT_TRUE(f);
  f->Calculate();
  for (int i = 0; i < results; ++i) EXPECT_NEAR(f->GetResult(i), c.expected[i], 1e-4) << "result " << i;
}

const double kPi = 3.14159265358979;

INSTANTIATE_TEST_SUITE_P(
    Types, ColumnFunctionTest,
    ::testing::Values(
        ColumnCase{"sum", "function_sum", {{1, 2, 3}}, {6}},
        ColumnCase{"sum_empty_column", "function_sum", {{}, {4}}, {0, 4}},
        ColumnCase{"sum_two_columns", "function_sum", {{1, 1}, {2, 3}}, {2, 5}},
        ColumnCase{"multiply", "function_multiply", {{2, 3, -4}}, {-24}},
        ColumnCase{"substr", "function_substr", {{10, 3, 2}}, {5}},
        ColumnCase{"division", "function_division", {{100, 5, 2}}, {10}},
        ColumnCase{"division_skips_zero", "function_division", {{100, 0, 4}}, {25}},
        ColumnCase{"division_by_only_zero", "function_division", {{7, 0}}, {7}},
        ColumnCase{"polinom2", "function_polinom2", {{3, 2, -1, 5}}, {2 * 9 - 3 + 5}},
        ColumnCase{"polinom2_short_column", "function_polinom2", {{3, 2}}, {18}},
        ColumnCase{"sin_quarter_period", "function_sin", {{2, 0.25, 1}}, {2}},
        ColumnCase{"sin_half_turn_phase", "function_sin", {{2, 0.25, 1, 1}}, {-2}},
        ColumnCase{"sin_offsets", "function_sin", {{1, 0, 4, 0, 10, 5}}, {15}},
        ColumnCase{"sin_without_period", "function_sin", {{2, 0.25}}, {kUntouched}},
        ColumnCase{"sin_zero_period", "function_sin", {{2, 0.25, 0}}, {kUntouched}},
        ColumnCase{"sin_phase_in_radians", "function_sin", {{1, 1, 4, 0.5}}, {std::sin(kPi / 2 + kPi / 2)}},
        ColumnCase{"switch_less", "function_switch", {{1, 2, 10, 20, 30}}, {10}},
        ColumnCase{"switch_equal", "function_switch", {{2, 2, 10, 20, 30}}, {20}},
        ColumnCase{"switch_greater", "function_switch", {{3, 2, 10, 20, 30}}, {30}},
        ColumnCase{"switch_short", "function_switch", {{3, 2, 10, 20}}, {kUntouched}},
        ColumnCase{"segment_midway", "function_linear_segment", {{0, 255, 250, 500}}, {127.5}},
        ColumnCase{"segment_falling", "function_linear_segment", {{100, 0, 125, 500}}, {75}},
        ColumnCase{"segment_no_duration", "function_linear_segment", {{0, 255, 10, 0}}, {255}},
        ColumnCase{"segment_short", "function_linear_segment", {{0, 255, 10}}, {kUntouched}},
        ColumnCase{"random_empty_column", "function_random", {{}, {0, 1}}, {0, 1}},
        ColumnCase{"random_no_range", "function_random", {{0, 3, 4}}, {7}},
        ColumnCase{"int_random_one_choice", "function_int_random", {{1, 5}}, {5}},
        ColumnCase{"int_random_negative_range", "function_int_random", {{-3, 5}}, {5}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FunctionTest, ResultsBeyondColumnZeroAreNotWritten) {
  // Two argument columns but a single result cell: the second sum has
  // nowhere to go and must not land anywhere else.
  Ref<IFunction> f = Prepared(FunctionXml("function_sum", {{1}, {2}}, 1));
  f->Calculate();
  EXPECT_EQ(f->ResultCount(), 1);
  EXPECT_EQ(f->GetResult(0), 1);
  EXPECT_EQ(f->GetResult(1), 0);
}

TEST_F(FunctionTest, RandomValuesStayInTheirRangeAndFollowTheSeed) {
  Ref<IFunction> real = Prepared(FunctionXml("function_random", {{10, 100}}));
  Ref<IFunction> whole = Prepared(FunctionXml("function_int_random", {{4, -2}}));
  GlobalRandom().Seed(7);
  std::vector<float> first;
  bool whole_seen[4] = {};
  for (int i = 0; i < 200; ++i) {
    real->Calculate();
    whole->Calculate();
    const float r = real->GetResult(0);
    const float w = whole->GetResult(0);
    EXPECT_GE(r, 100);
    EXPECT_LT(r, 110);
    EXPECT_EQ(w, std::trunc(w));
    ASSERT_GE(w, -2);
    ASSERT_LE(w, 1);
    whole_seen[static_cast<int>(w) + 2] = true;
    first.push_back(r);
  }
  for (bool seen : whole_seen) EXPECT_TRUE(seen);
  GlobalRandom().Seed(7);
  for (int i = 0; i < 5; ++i) {
    real->Calculate();
    whole->Calculate();
    EXPECT_EQ(real->GetResult(0), first[i]);
  }
}

}  // namespace
}  // namespace corvellane::testing
