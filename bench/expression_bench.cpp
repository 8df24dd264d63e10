// Expression evaluation: typical animation expressions compiled once and
// evaluated a million times, by our evaluator and by muparser in the same
// run, followed by a table of nanoseconds per evaluation and their ratio
// (ours / muparser; below 1 means ours is faster).
//
// Both read the time variable from the caller's storage at every
// evaluation, as an eval function reads its cells. Ours works on 32-bit
// floats and checks every step for math errors; muparser on doubles,
// without such checks. Its "pi" is defined as a constant so that the same
// text serves both, except for the conditional, which muparser writes as
// "?:".
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numbers>

#include "functions/expression_parser.h"

namespace {

using corvellane::expr::TExpressionParser;

struct TExpression {
  const char* name;
  const char* ours;
  const char* muparser;
};

const TExpression kExpressions[] = {
    {"sine wave", "a*sin(t*2*pi/p)+b", "a*sin(t*2*pi/p)+b"},
    {"polynomial", "2*t^3 - 3*t^2 + 0.5*t + 7", "2*t^3 - 3*t^2 + 0.5*t + 7"},
    {"conditional", "if(t > 0.5, a*t, b - t)", "t > 0.5 ? a*t : b - t"},
    {"fade", "min(255, max(0, 255*(t - 0.2)/0.6))", "min(255, max(0, 255*(t - 0.2)/0.6))"},
};
constexpr int kEvaluations = 1000000;

// t runs through [0, 1) in steps of 1/1000, like a normalised clock.
inline double Time(int i) { return (i % 1000) * 0.001; }

struct TOurs {
  explicit TOurs(const char* text) {
    parser.DefineVariable("t", &t);
    parser.DefineVariable("a", &a);
    parser.DefineVariable("b", &b);
    parser.DefineVariable("p", &p);
    index = parser.AddExpression(text);
  }
  double Eval(int i) {
    t = static_cast<float>(Time(i));
    return parser.EvaluateAt(index);
  }
  TExpressionParser parser;
  float t = 0, a = 20, b = 100, p = 0.25f;
  int index = -1;
};

struct TMuParser {
  explicit TMuParser(const char* text) {
    parser.DefineConst("pi", std::numbers::pi);
    parser.DefineVar("t", &t);
    parser.DefineVar("a", &a);
    parser.DefineVar("b", &b);
    parser.DefineVar("p", &p);
    parser.SetExpr(text);
    parser.Eval();  // muparser compiles to bytecode on the first evaluation
  }
  double Eval(int i) {
    t = Time(i);
    return parser.Eval();
  }
  mu::Parser parser;
  double t = 0, a = 20, b = 100, p = 0.25;
};

template <class Evaluator>
void BM_Evaluate(benchmark::State& state, const char* text) {
  Evaluator evaluator(text);
  int i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(evaluator.Eval(i++));
  state.SetItemsProcessed(state.iterations());
}

// Best of five runs of kEvaluations, in nanoseconds per evaluation.
template <class Evaluator>
double NanosecondsPerEvaluation(const char* text) {
  Evaluator evaluator(text);
  double best = 1e30, sink = 0;
  for (int run = 0; run < 5; ++run) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kEvaluations; ++i) sink += evaluator.Eval(i);
    std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    best = std::min(best, spent.count() / kEvaluations);
  }
  benchmark::DoNotOptimize(sink);
  return best;
}

void PrintRatios() {
  std::printf("\n%-12s %12s %12s %8s\n", "expression", "ours ns", "muparser ns", "ratio");
  for (const TExpression& e : kExpressions) {
    double ours = NanosecondsPerEvaluation<TOurs>(e.ours);
    double theirs = NanosecondsPerEvaluation<TMuParser>(e.muparser);
    std::printf("%-12s %12.2f %12.2f %8.2f\n", e.name, ours, theirs, ours / theirs);
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (const TExpression& e : kExpressions) {
    benchmark::RegisterBenchmark((std::string("ours/") + e.name).c_str(), BM_Evaluate<TOurs>, e.ours);
    benchmark::RegisterBenchmark((std::string("muparser/") + e.name).c_str(), BM_Evaluate<TMuParser>, e.muparser);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintRatios();
  return 0;
}
