// Group passes: a quiet frame (advance, re-sort, dirty pass) over a group of
// N children must stay linear in N — one comparison per child in the z pass
// when nothing moved — and a frame in which every child moves must cost no
// more than reporting each rectangle. Loading and releasing a file of groups
// nested N deep must stay linear in N too (the tree is cut at the nesting
// bound; what remains is parsing).
#include <benchmark/benchmark.h>

#include <string>

#include "persistence/log.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "widgets/widget_classes.h"
#include "widgets/plain_widget_owner.h"
#include "widgets/surface_widget.h"
#include "widgets/visual_group_widget.h"

namespace {

using namespace corvellane;

// The screen above the root: collects nothing, answers nothing.
class TBenchScreen : public TPlainWidgetOwner {
 public:
  std::string GetPath() override { return "GS_Bench"; }
  void InvalidateRect(const TRect&) override { ++rects; }
  int64_t rects = 0;
};

Ref<TVisualGroupWidget> GroupOf(int count) {
  Ref<TVisualGroupWidget> group = CreateObject<TVisualGroupWidget>();
  group->SetVisible(true);
  for (int i = 0; i < count; ++i) {
    Ref<TSurfaceWidget> child = CreateObject<TSurfaceWidget>();
    child->SetName("child_" + std::to_string(i));
    child->SetVisible(true);
    child->SetZ(i % 7);
    child->SetAnchorLeft(i % 640);
    child->SetProperty("width", 8);
    child->SetProperty("height", 8);
    group->GetWidgets()->Add(child);
  }
  return group;
}

void Frame(IWidget& root) {
  root.Update(16);
  root.UpdateDirtyRegion(false, false);
}

void BM_QuietFrame(benchmark::State& state) {
  Ref<TBenchScreen> screen = MakeRef<TBenchScreen>();
  Ref<TVisualGroupWidget> group = GroupOf(static_cast<int>(state.range(0)));
  group->SetOwner(screen.get());
  Frame(*group);
  for (auto _ : state) Frame(*group);
  state.SetComplexityN(state.range(0));
  group->ClearOwner();
}
BENCHMARK(BM_QuietFrame)->RangeMultiplier(4)->Range(64, 4096)->Complexity(benchmark::oN);

void BM_EveryChildMoves(benchmark::State& state) {
  Ref<TBenchScreen> screen = MakeRef<TBenchScreen>();
  Ref<TVisualGroupWidget> group = GroupOf(static_cast<int>(state.range(0)));
  group->SetOwner(screen.get());
  Ref<IWidgetCollection> children = group->GetWidgets();
  double shift = 0;
  for (auto _ : state) {
    shift += 1;
    for (int i = 0; i < children->Count(); ++i) children->GetWidgetAt(i)->SetAnchorTop(shift);
    Frame(*group);
  }
  state.SetComplexityN(state.range(0));
  benchmark::DoNotOptimize(screen->rects);
  group->ClearOwner();
}
BENCHMARK(BM_EveryChildMoves)->RangeMultiplier(4)->Range(64, 4096)->Complexity(benchmark::oN);

std::string NestedGroups(int depth) {
  std::string xml;
  for (int i = 0; i < depth; ++i) xml += R"(<widget type="group_widget" visible="yes"><widgets>)";
  for (int i = 0; i < depth; ++i) xml += "</widgets></widget>";
  return xml;
}

void BM_LoadNestedGroups(benchmark::State& state) {
  RegisterWidgetClasses();
  SetLogLevel(LogLevel::Silent);
  const std::string xml = NestedGroups(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Ref<IHierStorageRoot> doc = OpenStorageText(xml, "deep.xml");
    Ref<TAbstractObject> root = CreateFromStorage(doc.get());
    benchmark::DoNotOptimize(root.get());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadNestedGroups)->RangeMultiplier(4)->Range(16, 16384)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
