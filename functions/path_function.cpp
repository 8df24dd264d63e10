#include "functions/path_function.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "functions/cell_math.h"
#include "persistence/value_access.h"

namespace corvellane {

void TAbstractPathFunction::LoadProperties(IHierStorage* node) {
  TFunction::LoadProperties(node);
  loop_ = ReadBool(node, "loop", false);
}

void TAbstractPathFunction::SaveProperties(IHierStorage* node) {
  TFunction::SaveProperties(node);
  // Forced only when set: unforced, it just corrects a stored "yes".
  WriteBool(node, "loop", loop_, loop_);
}

int32_t TAbstractPathFunction::GetDuration() { return TruncToInt(Cell(kPathDuration)); }

void TAbstractPathFunction::CalculateAt(double time_ms) {
  SetCell(kPathTime, time_ms);
  Calculate();
}

void TAbstractPathFunction::PreparationHook() { SetCell(kPathLength, GetPathLength()); }

void TAbstractPathFunction::SetCell(TPathCell cell, double value) {
  if (!std::isfinite(value)) return;
  constexpr double kFloatMax = std::numeric_limits<float>::max();
  Matrix().Set(cell.col, cell.row, static_cast<float>(std::clamp(value, -kFloatMax, kFloatMax)));
}

void TAbstractPathFunction::SetPoint(TPathPoint point) {
  SetCell(kPathX, point.x);
  SetCell(kPathY, point.y);
}

int32_t TAbstractPathFunction::PathTime() {
  const int32_t time = TruncToInt(Cell(kPathTime));
  const int32_t duration = GetDuration();
  if (!loop_ || duration == 0) return time;
  // In 64 bits: INT32_MIN % -1 would overflow.
  return static_cast<int32_t>(int64_t{time} % duration);
}

double TAbstractPathFunction::Progress(int32_t time) {
  const int32_t duration = GetDuration();
  return duration == 0 ? 1.0 : static_cast<double>(time) / duration;
}

}  // namespace corvellane
