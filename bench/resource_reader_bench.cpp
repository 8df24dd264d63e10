// The resource reader's lookups: entries of an archive that stays open,
// loose files named in another letter case, and names that are missing.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/resource_reader.h"
#include "tools/embed_archive/archive_writer.h"

namespace {

namespace fs = std::filesystem;
using namespace corvellane;

constexpr int kFiles = 200;

std::string FileName(int i) { return "Item" + std::to_string(i) + ".PNG"; }

// data/images.tgd with kFiles entries, data/ini with kFiles loose files.
struct GameFolder {
  GameFolder() {
    std::string pattern = (fs::temp_directory_path() / "reader-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    root = pattern;
    fs::create_directories(root / "data" / "ini");
    std::vector<ArchiveFile> entries;
    for (int i = 0; i < kFiles; ++i) {
      entries.push_back({"menu/" + FileName(i), std::string(2048, static_cast<char>('a' + i % 26))});
      std::ofstream(root / "data" / "ini" / FileName(i)) << "<x/>";
    }
    if (!WriteZipArchive(root / "data" / "images.tgd", entries)) std::abort();
    SetArchiveExtension(".tgd");
  }
  ~GameFolder() {
    ResetResourceReader();
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  std::string Path(const std::string& relative) const { return root.string() + "\\" + relative; }
  fs::path root;
};

void BM_ReadArchiveEntry(benchmark::State& state) {
  GameFolder folder;
  std::vector<std::string> names;
  for (int i = 0; i < kFiles; ++i) names.push_back(folder.Path("data\\images\\MENU\\item" + std::to_string(i) + ".png"));
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ReadResourceFile(names[i++ % names.size()]));
}
BENCHMARK(BM_ReadArchiveEntry);

void BM_ReadLooseFileInAnotherCase(benchmark::State& state) {
  GameFolder folder;
  std::vector<std::string> names;
  for (int i = 0; i < kFiles; ++i) names.push_back(folder.Path("DATA\\INI\\item" + std::to_string(i) + ".png"));
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ReadResourceFile(names[i++ % names.size()]));
}
BENCHMARK(BM_ReadLooseFileInAnotherCase);

void BM_ReadMissingFile(benchmark::State& state) {
  GameFolder folder;
  const std::string name = folder.Path("data\\ini\\absent.ini");
  for (auto _ : state) benchmark::DoNotOptimize(ReadResourceFile(name));
}
BENCHMARK(BM_ReadMissingFile);

}  // namespace

BENCHMARK_MAIN();
