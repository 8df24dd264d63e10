#include "functions/column_functions.h"

#include <cmath>
#include <numbers>

#include "engine/random_source.h"
#include "functions/cell_math.h"

namespace corvellane {

namespace {

// a_from + a_(from+1) + ... (0 when the column is shorter).
double SumFrom(const TArgumentColumn& args, int from) {
  double sum = 0.0;
  for (int j = from; j < args.Size(); ++j) sum += args[j];
  return sum;
}

// Uniform in [0, 1), with the 24 bits a float cell can hold.
double UniformUnit() {
  constexpr uint32_t kSteps = 1u << 24;
  return GlobalRandom().Uniform(kSteps) / static_cast<double>(kSteps);
}

}  // namespace

std::optional<double> TSumFunction::ColumnResult(const TArgumentColumn& args) { return SumFrom(args, 0); }

std::optional<double> TMultiplyFunction::ColumnResult(const TArgumentColumn& args) {
  double product = 1.0;
  for (int j = 0; j < args.Size(); ++j) product *= args[j];
  return product;
}

std::optional<double> TSubstrFunction::ColumnResult(const TArgumentColumn& args) {
  if (args.Size() == 0) return 0.0;
  return args[0] - SumFrom(args, 1);
}

std::optional<double> TDivisionFunction::ColumnResult(const TArgumentColumn& args) {
  if (args.Size() == 0) return 0.0;
  double quotient = args[0];
  for (int j = 1; j < args.Size(); ++j)
    if (args[j] != 0.0) quotient /= args[j];
  return quotient;
}

// Cells beyond the column read as 0, so a short column drops the missing
// terms instead of reading past its end.
std::optional<double> TPolinom2Function::ColumnResult(const TArgumentColumn& args) {
  const double x = args[0];
  return args[1] * x * x + args[2] * x + args[3];
}

//   r = A sin(2 pi t / T + phi) + offsets
// t / T counts periods, so 2 pi t / T is the angle; phi = a_3 pi turns a
// phase given in half turns into radians.
std::optional<double> TSinFunction::ColumnResult(const TArgumentColumn& args) {
  if (args.Size() <= 2 || args[2] == 0.0) return std::nullopt;
  const double phase = args.Size() >= 4 ? args[3] * std::numbers::pi : 0.0;
  return args[0] * std::sin(args[1] * 2.0 * std::numbers::pi / args[2] + phase) + SumFrom(args, 4);
}

std::optional<double> TRandomFunction::ColumnResult(const TArgumentColumn& args) {
  if (args.Size() == 0) return 0.0;
  return UniformUnit() * args[0] + SumFrom(args, 1);
}

std::optional<double> TIntRandomFunction::ColumnResult(const TArgumentColumn& args) {
  if (args.Size() == 0) return 0.0;
  const int32_t range = TruncToInt(args[0]);
  const uint32_t pick = range > 0 ? GlobalRandom().Uniform(static_cast<uint32_t>(range)) : 0;
  return pick + SumFrom(args, 1);
}

std::optional<double> TSwitchFunction::ColumnResult(const TArgumentColumn& args) {
  if (args.Size() < 5) return std::nullopt;
  if (args[0] < args[1]) return args[2];
  if (args[0] == args[1]) return args[3];
  return args[4];
}

//   r = start + (end - start) * elapsed / duration
std::optional<double> TLinearSegmentFunction::ColumnResult(const TArgumentColumn& args) {
  if (args.Size() < 4) return std::nullopt;
  if (args[3] == 0.0) return args[1];
  return args[0] + (args[1] - args[0]) * args[2] / args[3];
}

}  // namespace corvellane
