// startup_bench: from nothing to the first presented frame of the demo game.
//
// Each iteration does what the program does when it starts, on the headless
// platform: creates the engine, reads and deciphers the game definition,
// creates the game, loads its synchronous resources, shows the first screen,
// runs one frame (update, draw, present) and finishes everything again. The
// demo content is the one the build put into the program folder.
//
//   ./bench/bench_startup
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "engine/resource_reader.h"
#include "game/class_list.h"
#include "game/product_identity.h"
#include "persistence/paths.h"
#include "shell/declarations.h"
#include "shell/global_options.h"
#include "sound/sound_manager.h"

namespace corvellane {
namespace {

void PrepareProcess() {
  static bool prepared = false;
  if (prepared) return;
  prepared = true;
  setenv("CORVELLANE_SETTINGS_DIR", "/tmp/corvellane-bench-settings", 1);
  SetArchiveExtension(product::ArchiveExtension);
  InstallResourceReader();
  RegisterAllGameClasses();
  SetProgramFolder(CORVELLANE_GAME_DIR "/");
}

void BM_StartToFirstFrame(benchmark::State& state) {
  PrepareProcess();
  for (auto _ : state) {
    HeadlessOptions options;
    options.quit_after_script = false;
    THeadlessPlatform platform(std::move(options));
    Ref<TEngine> engine = CreateEngine(platform, ProductEngineIdentity());
    engine->SetSoundManager(CreateSoundManager());
    if (!engine->Start(product::GameDefinitionFile)) {
      state.SkipWithError("the demo game did not start");
      break;
    }
    engine->SetFrameLimit(1);
    engine->Run();
    benchmark::DoNotOptimize(platform.PresentedFrames());
    engine->Finish();
  }
}
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvellane

BENCHMARK_MAIN();
