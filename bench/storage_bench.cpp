// Storage speed: loops of GetChildCount / GetChild over one child name must
// stay linear in the number of children (the child-list cache), and parsing,
// value reads and the cipher must keep up with data files of a few megabytes.
#include <benchmark/benchmark.h>

#include <string>

#include "persistence/cipher.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"

namespace {

using namespace corvellane;

std::string DocumentWithItems(int count) {
  std::string text = "<list>";
  for (int i = 0; i < count; ++i)
    text += "<item name=\"n" + std::to_string(i) + "\" x=\"" + std::to_string(i) + "\" colour=\"$FF00AA11\"/><other/>";
  return text + "</list>";
}

void BM_ChildLoop(benchmark::State& state) {
  Ref<IHierStorageRoot> root = OpenStorageText(DocumentWithItems(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    int64_t sum = 0;
    for (int i = 0; i < root->GetChildCount("item"); ++i) sum += ReadInt(root->GetChild("item", i).get(), "x", 0);
    benchmark::DoNotOptimize(sum);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ChildLoop)->RangeMultiplier(4)->Range(256, 16384)->Complexity(benchmark::oN);

void BM_Parse(benchmark::State& state) {
  std::string text = DocumentWithItems(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(OpenStorageText(text));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_Parse)->Arg(20000);

void BM_SaveToText(benchmark::State& state) {
  Ref<IHierStorageRoot> root = OpenStorageText(DocumentWithItems(20000));
  for (auto _ : state) benchmark::DoNotOptimize(root->SaveToText());
}
BENCHMARK(BM_SaveToText);

void BM_DecryptText(benchmark::State& state) {
  std::string hex = EncryptText("0123456789ABCDEF", std::string(static_cast<size_t>(state.range(0)), 'x'));
  for (auto _ : state) benchmark::DoNotOptimize(DecryptText("0123456789ABCDEF", hex));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DecryptText)->Arg(1 << 20);

}  // namespace

BENCHMARK_MAIN();
