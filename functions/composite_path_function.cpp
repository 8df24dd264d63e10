#include "functions/composite_path_function.h"

#include "functions/reentry_guard.h"

namespace corvellane {

std::vector<Ref<IPathFunction>> TCompositePathFunction::SubPaths() {
  std::vector<Ref<IPathFunction>> paths;
  Functions().ForEachFunction([&paths](IFunction& f) {
    if (auto* path = dynamic_cast<IPathFunction*>(&f)) paths.emplace_back(path);
  });
  return paths;
}

void TCompositePathFunction::Prepare(IFunctionOwner* owner) {
  current_ = -1;
  current_start_ = 0;
  TComplexPathFunction::Prepare(owner);
}

void TCompositePathFunction::PreparationHook() {
  int64_t duration = 0;
  for (const Ref<IPathFunction>& path : SubPaths()) duration += path->GetDuration();
  SetCell(kPathDuration, static_cast<double>(duration));
  TComplexPathFunction::PreparationHook();
}

double TCompositePathFunction::GetPathLength() {
  double length = 0.0;
  for (const Ref<IPathFunction>& path : SubPaths()) length += path->GetLength();
  return length;
}

TRect TCompositePathFunction::GetBounds() {
  TReentryGuard guard(bounds_busy_);
  if (!guard.Entered()) return {};
  const std::vector<Ref<IPathFunction>> paths = SubPaths();
  if (paths.empty()) return {};
  TRect box = paths.front()->GetBounds();
  for (const Ref<IPathFunction>& path : paths) box = BoundingBox(box, path->GetBounds());
  return box;
}

void TCompositePathFunction::Seek(const std::vector<Ref<IPathFunction>>& paths, int64_t time) {
  const int count = static_cast<int>(paths.size());
  if (current_ < 0 || current_ >= count || time < current_start_) {
    current_ = 0;
    current_start_ = 0;
  }
  while (current_ + 1 < count && time >= current_start_ + paths[current_]->GetDuration()) {
    current_start_ += paths[current_]->GetDuration();
    ++current_;
  }
}

void TCompositePathFunction::Calculate() {
  TReentryGuard guard(Busy());
  if (!guard.Entered()) return;
  const std::vector<Ref<IPathFunction>> paths = SubPaths();
  if (paths.empty()) {
    SetPoint(EndPoint());
    return;
  }
  const int64_t time = PathTime();
  Seek(paths, time);
  IPathFunction& path = *paths[current_];
  const int64_t local_time = time - current_start_;
  if (local_time < path.GetDuration()) {
    path.CalculateAt(static_cast<double>(local_time));
    SetPoint({path.GetX(), path.GetY()});
  } else {
    SetPoint(EndPoint());
  }
}

}  // namespace corvellane
