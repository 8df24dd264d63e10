// Path functions: positions over time, lengths and bounds of each kind of
// path, looping, composites played one sub-path after another, and data
// that would make a path divide by zero or halve without end.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "functions/bezier_length.h"
#include "functions/function_collection.h"
#include "functions/path_function.h"
#include "persistence/number_text.h"
#include "tests/functions/cell_xml.h"
#include "tests/functions/function_fixture.h"

namespace corvellane::testing {
namespace {

constexpr double kPi = std::numbers::pi;

// Results x, y, the time cell, then column 2 as given; arcs add the four
// derived cells of column 3 and their direction in column 4.
std::string PathXml(std::string_view type, const Column& col2, std::string_view attributes = "",
                    std::string_view more_cells = "", std::string_view sub_paths = "") {
  std::string cells = R"(<paramdef name="x" col="0" static="yes" value="-7"/>)"
                      R"(<paramdef name="y" col="0" static="yes" value="-7"/>)"
                      R"(<paramdef name="time" col="1" static="yes"/>)";
  for (double value : col2) cells += StaticCell(2, value);
  cells += more_cells;
  std::string functions = sub_paths.empty() ? "" : "<functions>" + std::string(sub_paths) + "</functions>";
  return "<function type=\"" + std::string(type) + "\" " + std::string(attributes) + "><paramspace><paramdefs>" +
         cells + "</paramdefs></paramspace>" + functions + "</function>";
}

std::string ArcCells(double direction) {
  return StaticCell(3, 0) + StaticCell(3, 0) + StaticCell(3, 0) + StaticCell(3, 0) + StaticCell(4, direction);
}

class PathTest : public FunctionTest {
 protected:
  // Loaded, prepared without an owner and its preparation run.
  static Ref<IPathFunction> Path(const std::string& xml) {
    Ref<IPathFunction> path = QueryInterface<IPathFunction>(LoadFunction(xml));
    EXPECT_TRUE(path) << xml;
    if (!path) return path;
    path->Prepare(nullptr);
    path->RunPreparation();
    return path;
  }
  static ::testing::AssertionResult At(IPathFunction& path, double time, double x, double y) {
    path.CalculateAt(time);
    if (std::abs(path.GetX() - x) < 0.01 && std::abs(path.GetY() - y) < 0.01) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << time << " ms: (" << path.GetX() << ", " << path.GetY()
                                         << "), expected (" << x << ", " << y << ")";
  }
  static float Cell(IPathFunction& path, int col, int row) { return path.GetParamSpace()->GetCellValue(col, row); }
};

// ---- Straight segments ----

struct TimedPoint {
  const char* label;
  const char* attributes;
  Column col2;  // x0, y0, x1, y1, duration
  double time;
  double x;
  double y;
};

class SegmentTest : public PathTest, public ::testing::WithParamInterface<TimedPoint> {};

TEST_P(SegmentTest, MovesEvenlyFromStartToEnd) {
  const TimedPoint& c = GetParam();
  Ref<IPathFunction> path = Path(PathXml("path_segment", c.col2, c.attributes));
  EXPECT_TRUE(At(*path, c.time, c.x, c.y));
}

INSTANTIATE_TEST_SUITE_P(
    Segments, SegmentTest,
    ::testing::Values(TimedPoint{"half_way", "", {0, 0, 100, 0, 1000}, 500, 50, 0},
                      TimedPoint{"past_the_end_extrapolates", "", {0, 0, 100, 0, 1000}, 1500, 150, 0},
                      TimedPoint{"before_the_start_extrapolates", "", {0, 0, 100, 0, 1000}, -500, -50, 0},
                      TimedPoint{"loop_wraps_the_time", R"(loop="yes")", {0, 0, 100, 0, 1000}, 1500, 50, 0},
                      TimedPoint{"loop_at_the_duration_is_the_start", R"(loop="yes")", {0, 0, 100, 0, 1000}, 1000, 0, 0},
                      TimedPoint{"time_is_truncated", "", {0, 0, 100, 0, 1000}, 250.9, 25, 0},
                      TimedPoint{"duration_is_truncated", "", {10, 20, 10, 60, 400.7}, 100, 10, 30},
                      TimedPoint{"both_coordinates", "", {10, 20, 30, 60, 1000}, 250, 15, 30},
                      // No duration: the path has already arrived, looping or not.
                      TimedPoint{"no_duration_is_at_the_end", "", {10, 20, 30, 60, 0}, 0, 30, 60},
                      TimedPoint{"no_duration_later", "", {10, 20, 30, 60, 0}, 700, 30, 60},
                      TimedPoint{"no_duration_looping", R"(loop="yes")", {10, 20, 30, 60, 0}, 700, 30, 60}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(PathTest, SegmentLengthIsTheRootOfTheRoundedSquaredDistance) {
  struct Case {
    Column col2;
    double length;
  };
  const Case cases[] = {{{0, 0, 3, 4, 100, -1}, 5},
                        {{0, 0, 1.2, 1.2, 100, -1}, std::sqrt(3.0)},  // 2.88 rounds to 3
                        {{5, 5, 5, 5, 100, -1}, 0}};
  for (const Case& c : cases) {
    Ref<IPathFunction> path = Path(PathXml("path_segment", c.col2));
    EXPECT_NEAR(path->GetLength(), c.length, 1e-5);
    EXPECT_NEAR(Cell(*path, 2, 5), c.length, 1e-5) << "stored in c[2][5]";
  }
}

TEST_F(PathTest, SegmentBoundsAreTheRoundedEndpoints) {
  Ref<IPathFunction> path = Path(PathXml("path_segment", {10.5, 3.5, 2.4, 7.6, 100}));
  EXPECT_EQ(path->GetBounds(), (TRect{2, 4, 10, 8}));  // ties to even: 3.5 -> 4, 10.5 -> 10
}

TEST_F(PathTest, AcceleratingSegmentTravelsTheDistanceOfItsSpeedAndAcceleration) {
  // Length 500; s = T^2 a / 2 + T v.
  const Column cells = {0, 0, 300, 400, 1000, 0, 0.1, 0.0004};
  Ref<IPathFunction> path = Path(PathXml("path_segment_accelerate", cells));
  EXPECT_FLOAT_EQ(path->GetLength(), 500.0f);
  EXPECT_TRUE(At(*path, 0, 0, 0));
  EXPECT_TRUE(At(*path, 500, 60, 80));      // s = 50 + 50 = 100
  EXPECT_TRUE(At(*path, 1000, 180, 240));   // s = 200 + 100 = 300
  EXPECT_EQ(path->GetBounds(), (TRect{0, 0, 300, 400}));
}

TEST_F(PathTest, AcceleratingSegmentWithoutLengthStaysAtItsStart) {
  const std::string cases[] = {
      PathXml("path_segment_accelerate", {7, 9, 7, 9, 1000, 0, 0.1, 0.01}),  // ends coincide
      PathXml("path_segment_accelerate", {7, 9, 50, 9, 1000}),               // no length cell at all
  };
  for (const std::string& xml : cases) {
    Ref<IPathFunction> path = Path(xml);
    EXPECT_TRUE(At(*path, 500, 7, 9)) << xml;
  }
}

// ---- Arcs ----

TEST_F(PathTest, ArcWithGrowingAngleTurnsTheShortWayHere) {
  Ref<IPathFunction> path = Path(PathXml("path_arc", {10, 0, 0, 10, 1000, 0, 0, 0}, "", ArcCells(1)));
  EXPECT_FLOAT_EQ(Cell(*path, 3, 0), 10.0f);
  EXPECT_FLOAT_EQ(Cell(*path, 3, 1), 10.0f);
  EXPECT_FLOAT_EQ(Cell(*path, 3, 2), 0.0f);
  EXPECT_FLOAT_EQ(Cell(*path, 3, 3), static_cast<float>(kPi / 2));
  EXPECT_TRUE(At(*path, 0, 10, 0));
  EXPECT_TRUE(At(*path, 500, 7.0711, 7.0711));
  EXPECT_TRUE(At(*path, 1000, 0, 10));
  EXPECT_NEAR(path->GetLength(), 5 * kPi, 1e-4);
}

TEST_F(PathTest, ArcWithFallingAngleGoesTheLongWay) {
  Ref<IPathFunction> path = Path(PathXml("path_arc", {10, 0, 0, 10, 1000, 0, 0, 0}, "", ArcCells(0)));
  EXPECT_FLOAT_EQ(Cell(*path, 3, 2), static_cast<float>(2 * kPi));
  EXPECT_FLOAT_EQ(Cell(*path, 3, 3), static_cast<float>(kPi / 2));
  EXPECT_TRUE(At(*path, 500, -7.0711, -7.0711));  // 2pi - 3pi/4
  EXPECT_TRUE(At(*path, 1000, 0, 10));
  EXPECT_NEAR(path->GetLength(), 15 * kPi, 1e-3);
}

TEST_F(PathTest, ArcDirectionOtherThanZeroOrOneKeepsTheAngles) {
  // From pi/2 to 0: direction 1 would add a turn, direction 7 leaves it.
  Ref<IPathFunction> path = Path(PathXml("path_arc", {0, 10, 10, 0, 1000, 0, 0, 0}, "", ArcCells(7)));
  EXPECT_FLOAT_EQ(Cell(*path, 3, 2), static_cast<float>(kPi / 2));
  EXPECT_FLOAT_EQ(Cell(*path, 3, 3), 0.0f);
  EXPECT_TRUE(At(*path, 500, 7.0711, 7.0711));
}

TEST_F(PathTest, ArcBetweenTwoRadiiIsASpiral) {
  Ref<IPathFunction> path = Path(PathXml("path_arc", {110, 50, 100, 70, 1000, 0, 100, 50}, "", ArcCells(1)));
  // Radius 10 to 20 around (100, 50), a quarter turn.
  EXPECT_TRUE(At(*path, 500, 100 + 15 * std::cos(kPi / 4), 50 + 15 * std::sin(kPi / 4)));
  EXPECT_TRUE(At(*path, 1000, 100, 70));
}

TEST_F(PathTest, ArcBoundsHoldTheAxisPointsTheArcSweepsPast) {
  struct Case {
    const char* label;
    Column col2;
    double direction;
    TRect bounds;
  };
  const Case cases[] = {
      {"quarter", {10, 0, 0, 10, 1000, 0, 0, 0}, 1, {0, 0, 10, 10}},
      {"three_quarters", {10, 0, 0, 10, 1000, 0, 0, 0}, 0, {-10, -10, 10, 10}},
      // Through pi/2 (screen down) only: the top stays at the chord.
      {"lower_half", {10, 0, -10, 0, 1000, 0, 0, 0}, 1, {-10, 0, 10, 10}},
      // Through 3pi/2 only. The angle pi lies on the end point; sin(pi) in
      // floating point is not 0 and must not push the bottom to 1.
      {"upper_half", {10, 0, -10, 0, 1000, 0, 0, 0}, 0, {-10, -10, 10, 0}},
      {"fractional_ends", {10.5, 0.5, 0.5, 10.5, 1000, 0, 0.5, 0.5}, 1, {0, 0, 11, 11}},
      {"negative_ends_round_away_from_zero", {-10.5, -0.5, -0.5, -10.5, 1000, 0, -0.5, -0.5}, 1, {-11, -11, -1, -1}},
  };
  for (const Case& c : cases) {
    Ref<IPathFunction> path = Path(PathXml("path_arc", c.col2, "", ArcCells(c.direction)));
    EXPECT_EQ(path->GetBounds(), c.bounds) << c.label;
  }
}

TEST_F(PathTest, ArcBoundsOfNonsenseAnglesCostOneTurn) {
  // Angles written by data instead of derived: many turns apart.
  const std::string cells = StaticCell(3, 10) + StaticCell(3, 10) + StaticCell(3, -1e30) + StaticCell(3, 1e30) +
                            StaticCell(4, 1);
  Ref<IPathFunction> path = QueryInterface<IPathFunction>(Prepared(PathXml("path_arc", {10, 0, 10, 0, 100, 0, 0, 0}, "", cells)));
  ASSERT_TRUE(path);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(path->GetBounds(), (TRect{-10, -10, 10, 10}));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

// ---- Bezier curves ----

TEST_F(PathTest, BezierMovesAlongTheCurve) {
  Ref<IPathFunction> path = Path(PathXml("path_bezier", {0, 0, 100, 0, 1000, 0, 0, 0, 100, 100}));
  // Weights at p = 1/2: 1/8, 3/8, 3/8, 1/8; at p = 1/4: 27/64, 27/64, 9/64, 1/64.
  EXPECT_TRUE(At(*path, 500, 50, 37.5));
  EXPECT_TRUE(At(*path, 250, 15.625, 14.0625));
  EXPECT_TRUE(At(*path, 1000, 100, 0));
  EXPECT_EQ(path->GetBounds(), (TRect{}));
}

TEST_F(PathTest, BezierLengthByHalving) {
  struct Case {
    const char* label;
    TBezierPoints curve;
    double length;
    double tolerance;
  };
  const Case cases[] = {
      {"straight_is_the_chord", {{0, 0}, {10, 0}, {20, 0}, {30, 0}}, 30, 1e-9},
      {"slanted_straight", {{0, 0}, {1, 1}, {2, 2}, {30, 40}}, 50, 1e-9},
      {"arch", {{0, 0}, {0, 100}, {100, 100}, {100, 0}}, 200, 2},
      {"coincident_points", {{5, 5}, {5, 5}, {5, 5}, {5, 5}}, 0, 0},
      {"closed_loop", {{0, 0}, {0, 100}, {100, 100}, {0, 0}}, 183.6, 2},
  };
  for (const Case& c : cases) EXPECT_NEAR(BezierLength(c.curve), c.length, c.tolerance) << c.label;
}

TEST_F(PathTest, BezierLengthEndsForCurvesThatNeverLookStraight) {
  const TBezierPoints curves[] = {
      {{0, 0}, {0.3, 0.3}, {0.6, 0}, {0.5, 0}},          // shorter than a unit, with a bend
      {{0, 0}, {1e30, 1e30}, {-1e30, 1e30}, {1, 0}},     // far too big to halve down to units
      {{0, 0}, {NAN, 0}, {1, 1}, {2, 2}},
  };
  for (const TBezierPoints& curve : curves) {
    const auto start = std::chrono::steady_clock::now();
    const double length = BezierLength(curve);
    EXPECT_TRUE(std::isfinite(length));
    EXPECT_GE(length, 0.0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  }
}

TEST_F(PathTest, BezierPathStoresItsLength) {
  Ref<IPathFunction> path = Path(PathXml("path_bezier", {0, 0, 30, 0, 1000, 0, 10, 0, 20, 0}));
  EXPECT_FLOAT_EQ(path->GetLength(), 30.0f);
}

// ---- Composites ----

std::string SegmentXml(const char* name, const Column& col2) {
  std::string xml = PathXml("path_segment", col2, std::string("name=\"") + name + "\"");
  return xml;
}

// Two 1000 ms segments, right then down; the composite's own end cell is
// (555, 777), which shows when it is used.
std::string CompositeXml(std::string_view attributes = "") {
  return PathXml("path_composite", {0, 0, 555, 777, 0, 0}, attributes, "",
                 SegmentXml("right", {0, 0, 100, 0, 1000, 0}) + SegmentXml("down", {100, 0, 100, 100, 1000, 0}));
}

TEST_F(PathTest, CompositeSumsDurationsAndLengths) {
  Ref<IPathFunction> path = Path(CompositeXml());
  EXPECT_EQ(path->GetDuration(), 2000);
  EXPECT_FLOAT_EQ(path->GetLength(), 200.0f);
  EXPECT_EQ(path->GetBounds(), (TRect{0, 0, 100, 100}));
}

TEST_F(PathTest, CompositePlaysItsSubPathsOneAfterAnother) {
  Ref<IPathFunction> path = Path(CompositeXml());
  // In playing order, then back in time, then on again.
  struct Step {
    double time;
    double x;
    double y;
  };
  const Step steps[] = {{0, 0, 0},      {500, 50, 0},     {1000, 100, 0}, {1500, 100, 50},
                        {1999, 100, 99.9}, {2000, 555, 777}, {2500, 555, 777}, {200, 20, 0},
                        {1250, 100, 25}, {-100, -10, 0}};
  for (const Step& s : steps) EXPECT_TRUE(At(*path, s.time, s.x, s.y));
  Ref<IPathFunction> down = QueryInterface<IPathFunction>(path->GetSubFunctions()->GetFunctionByName("down"));
  path->CalculateAt(1700);
  EXPECT_FLOAT_EQ(Cell(*down, 1, 0), 700.0f) << "the sub-path runs on its own time";
}

TEST_F(PathTest, LoopingCompositeStartsOverAfterItsLastSubPath) {
  Ref<IPathFunction> path = Path(CompositeXml(R"(loop="yes")"));
  EXPECT_TRUE(At(*path, 2500, 50, 0));
  EXPECT_TRUE(At(*path, 3500, 100, 50));
}

TEST_F(PathTest, CompositeSkipsSubPathsOfNoDuration) {
  const std::string subs = SegmentXml("jump", {0, 0, 40, 40, 0, 0}) + SegmentXml("right", {0, 0, 100, 0, 1000, 0});
  Ref<IPathFunction> path = Path(PathXml("path_composite", {0, 0, 555, 777, 0, 0}, "", "", subs));
  EXPECT_TRUE(At(*path, 0, 0, 0));
  EXPECT_TRUE(At(*path, 500, 50, 0));
}

TEST_F(PathTest, CompositeWithoutSubPathsRestsAtItsEnd) {
  Ref<IPathFunction> path = Path(PathXml("path_composite", {0, 0, 555, 777, 0, 0}, R"(loop="yes")"));
  EXPECT_TRUE(At(*path, 300, 555, 777));
}

// ---- Arbitrary paths ----

TEST_F(PathTest, ArbitraryPathRunsItsFunctionsInOrderOverItsCells) {
  // x = time + 5, then y = x * 2: the second reads what the first wrote.
  const std::string subs = R"(<function name="a" type="function_sum"><paramspace><paramdefs>
      <paramdef name="x" col="0"/><paramdef name="time" col="1"/><paramdef col="1" static="yes" value="5"/>
    </paramdefs></paramspace></function>
    <function name="b" type="function_multiply"><paramspace><paramdefs>
      <paramdef name="y" col="0"/><paramdef name="x" col="1"/><paramdef col="1" static="yes" value="2"/>
    </paramdefs></paramspace></function>)";
  Ref<IPathFunction> path = Path(PathXml("path_arbitrary", {}, "", "", subs));
  EXPECT_TRUE(At(*path, 10, 15, 30));
}

// ---- Owners, saving ----

TEST_F(PathTest, PathResultsReachTheOwnersCells) {
  Ref<IFunction> owner = Prepared(R"(<function type="function_sum"><paramspace><paramdefs>
      <paramdef name="pos_x" col="0" static="yes"/><paramdef name="pos_y" col="0" static="yes"/>
      <paramdef name="elapsed" col="1" static="yes" value="250"/>
    </paramdefs></paramspace></function>)");
  Ref<IPathFunction> path = QueryInterface<IPathFunction>(LoadFunction(R"(<function type="path_segment">
      <paramspace><paramdefs>
        <paramdef col="0" outname="pos_x"/><paramdef col="0" outname="pos_y"/>
        <paramdef col="1" outname="elapsed"/>
        <paramdef col="2" static="yes" value="0"/><paramdef col="2" static="yes" value="0"/>
        <paramdef col="2" static="yes" value="40"/><paramdef col="2" static="yes" value="80"/>
        <paramdef col="2" static="yes" value="1000"/>
      </paramdefs></paramspace></function>)"));
  ASSERT_TRUE(path);
  path->Prepare(QueryInterface<IFunctionOwner>(owner).get());
  path->Calculate();
  EXPECT_FLOAT_EQ(owner->GetValueByName("pos_x"), 10.0f);
  EXPECT_FLOAT_EQ(owner->GetValueByName("pos_y"), 20.0f);
}

TEST_F(PathTest, LoopSurvivesSavingAndIsWrittenOnlyWhenSet) {
  struct Case {
    const char* attributes;
    bool loop;
  };
  for (const Case c : {Case{R"(loop="yes")", true}, Case{"", false}}) {
    Ref<IFunction> loaded = LoadFunction(CompositeXml(c.attributes));
    Ref<IHierStorageRoot> saved = CreateStorage("function");
    SaveObject(loaded.get(), saved.get());
    EXPECT_EQ(saved->SaveToText().find("loop=") != std::string::npos, c.loop) << saved->SaveToText();
    Ref<IPathFunction> copy = QueryInterface<IPathFunction>(SavedAndReloaded(*loaded));
    ASSERT_TRUE(copy);
    copy->Prepare(nullptr);
    copy->RunPreparation();
    EXPECT_TRUE(At(*copy, 2500, c.loop ? 50 : 555, c.loop ? 0 : 777));
  }
}

TEST_F(PathTest, ClearingLoopCorrectsAStoredYes) {
  auto path = QueryInterface<TAbstractPathFunction>(LoadFunction(CompositeXml(R"(loop="yes")")));
  ASSERT_TRUE(path);
  path->SetLoop(false);
  Ref<IHierStorageRoot> node = OpenStorageText(R"(<function loop="yes"/>)");
  SaveObject(path.get(), node.get());
  EXPECT_NE(node->SaveToText().find(R"(loop="no")"), std::string::npos) << node->SaveToText();
}

TEST_F(PathTest, ExtremeCellsGiveFinitePositions) {
  const Column cases[] = {{0, 0, 3e38, -3e38, 1}, {-3e38, 0, 3e38, 0, 1}};
  for (const Column& col2 : cases) {
    Ref<IPathFunction> path = Path(PathXml("path_segment", col2));
    path->CalculateAt(2147483647.0);
    EXPECT_TRUE(std::isfinite(path->GetX()) && std::isfinite(path->GetY()));
  }
}

}  // namespace
}  // namespace corvellane::testing
