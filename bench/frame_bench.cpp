// frame_bench: what one frame of the game costs: update (time flows through
// the widget trees), the dirty pass, and drawing what changed, measured
// through the engine's own frame on the headless platform, reported beside
// the frame period the engine paces to (8 ms: "of_8ms" is the share of it).
//
//   BM_MainScreenFrame     the demo's main screen with its menu up: twinkling
//                          stars, a pulsing glow, a flying butterfly
//   BM_StressScreenFrame   a screen of 500 animated widgets over the town,
//                          every one changing frames at its own pace
//
// Both read the demo content from the build's program folder (the target
// depends on it); the stress screen is a game definition of its own in a
// temporary folder that links to the demo's media.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/bench_game.h"
#include "engine/random_source.h"

namespace corvellane {
namespace {

namespace fs = std::filesystem;

void MeasureFrames(benchmark::State& state, BenchGame& game) {
  for (auto _ : state) game.RunFrames(1);
  state.counters["of_8ms"] = benchmark::Counter(double(state.iterations()) * kFramePeriodMs / 1000.0,
                                                benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_MainScreenFrame(benchmark::State& state) {
  PrepareBenchProcess();
  BenchGame game(CORVELLANE_GAME_DIR);
  if (!game.Started()) return state.SkipWithError("the demo game did not start");
  game.RunFrames(480);  // logos, loading, the town fading in, the menu risen
  MeasureFrames(state, game);
}
BENCHMARK(BM_MainScreenFrame)->Unit(benchmark::kMicrosecond);

std::string StressScreen(int widgets) {
  std::ostringstream xml;
  xml << R"(<game type="Game" splashlogosgs="" splashgs="" maings="GS_Stress">
  <params><param name="ScreenWidth" value="1024"/><param name="ScreenHeight" value="768"/></params>
  <resourcefiles>
    <resourcefile name="interface" filename="data\ini\interface_resources.ini" loadmode="synch"/>
    <resourcefile name="media" filename="data\ini\media_resources.ini" loadmode="synch"/>
  </resourcefiles>
  <gamescreens><gamescreen type="GameScreen" name="GS_Stress"><window><widgets>
    <widget type="image_widget" visible="yes" resourcename="image_background_main" width="1024" height="768" blendingmode="bltfast"/>
)";
  for (int i = 0; i < widgets; ++i) {
    const bool star = i % 2 == 0;
    const int size = star ? 48 : 64;
    xml << "    <widget type=\"animation_widget\" visible=\"yes\" z=\"1\""
        << " anchor_left=\"" << GlobalRandom().Uniform(uint32_t(1024 - size)) << "\""
        << " anchor_top=\"" << GlobalRandom().Uniform(uint32_t(768 - size)) << "\""
        << " width=\"" << size << "\" height=\"" << size << "\""
        << " resourcename=\"" << (star ? "image_star_twinkle" : "image_butterfly") << "\""
        << " resourcewidth=\"" << size * 8 << "\" framescount=\"8\" loop=\"yes\""
        << " animationtime=\"" << 400 + GlobalRandom().Uniform(800) << "\""
        << " blendingmode=\"" << (star ? "screen" : "normal") << "\"/>\n";
  }
  xml << "  </widgets></window></gamescreen></gamescreens>\n</game>\n";
  return xml.str();
}

// A program folder with its own game definition and the demo's data.
std::string StressFolder(int widgets) {
  const fs::path folder = fs::temp_directory_path() / "corvellane-bench-stress";
  const fs::path demo = CORVELLANE_GAME_DIR;
  fs::remove_all(folder);
  fs::create_directories(folder / "data" / "ini");
  for (const char* media : {"fonts", "images", "sounds", "music"})
    fs::create_directory_symlink(demo / "data" / media, folder / "data" / media);
  for (const auto& entry : fs::directory_iterator(demo / "data" / "ini"))
    if (entry.path().filename() != "Corvellane.ini")
      fs::create_symlink(entry.path(), folder / "data" / "ini" / entry.path().filename());
  std::ofstream(folder / "data" / "ini" / "Corvellane.ini") << StressScreen(widgets);
  return folder.string();
}

void BM_StressScreenFrame(benchmark::State& state) {
  PrepareBenchProcess();
  BenchGame game(StressFolder(int(state.range(0))));
  if (!game.Started()) return state.SkipWithError("the stress game did not start");
  game.RunFrames(60);
  MeasureFrames(state, game);
}
BENCHMARK(BM_StressScreenFrame)->Arg(500)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvellane

BENCHMARK_MAIN();
