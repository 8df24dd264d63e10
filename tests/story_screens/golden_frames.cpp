#include "tests/story_screens/golden_frames.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/image_decoder.h"
#include "engine/platform/png_writer.h"
#include "tests/game/demo_run.h"
#include "tests/support/test_folders.h"

namespace corvellane::testing {

namespace {

CanvasView ViewOf(const ISurface& surface) {
  CanvasView view;
  view.width = surface.GetWidth();
  view.height = surface.GetHeight();
  view.stride = view.width;
  view.pixels = {surface.GetScanLine(0), size_t(view.width) * size_t(view.height)};
  return view;
}

Ref<TSurface> ReadPng(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  return DecodePng({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
}

}  // namespace

::testing::AssertionResult MatchesGolden(const ISurface& canvas, std::string_view name) {
  const std::string path = TestSourceDir() + "/tests/golden/" + std::string(name) + ".png";
  if (std::getenv("CORVELLANE_UPDATE_GOLDEN")) {
    if (WritePng(path, ViewOf(canvas))) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "cannot write " << path;
  }
  Ref<TSurface> expected = ReadPng(path);
  if (!expected) return ::testing::AssertionFailure() << "missing golden picture " << path;
  const int differing = CountDifferentPixels(canvas, *expected);
  if (differing == 0) return ::testing::AssertionSuccess();
  const std::string seen = (std::filesystem::temp_directory_path() / ("corvellane-" + std::string(name) + ".png"));
  WritePng(seen, ViewOf(canvas));
  return ::testing::AssertionFailure() << name << ": " << differing << " pixels differ; the frame is in " << seen;
}

::testing::AssertionResult KeptCanvasIsAFullRedraw(const ISurface& kept, const ISurface& full, std::string_view when) {
  const int differing = CountDifferentPixels(kept, full);
  if (differing == 0) return ::testing::AssertionSuccess();
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "corvellane-dirty";
  std::filesystem::create_directories(folder);
  WritePng(folder / "kept.png", ViewOf(kept));
  WritePng(folder / "full.png", ViewOf(full));
  return ::testing::AssertionFailure() << differing << " pixels differ " << when << "; pictures in " << folder;
}

}  // namespace corvellane::testing
