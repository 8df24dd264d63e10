// corvellane: the game. Everything happens in the shell's main routine; this
// file only puts the pieces together: the classes every data file may name,
// the platform the command line asks for (a window, or headless), and the
// engine on it.
#include <malloc.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/soak_run.h"
#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "engine/platform/input_script.h"
#include "engine/platform/sdl_platform.h"
#include "engine/random_source.h"
#include "engine/resource_reader.h"
#include "game/class_list.h"
#include "game/product_identity.h"
#include "shell/declarations.h"
#include "shell/launcher.h"
#include "shell/run_options.h"
#include "shell/startup.h"
#include "shell/text_files.h"
#include "sound/sound_manager.h"
#include "story_screens/play_trace.h"

namespace corvellane {
namespace {

constexpr int kExitBadCommandLine = 2;
constexpr int kDefaultHeadlessFrames = 600;  // ten seconds at the default step

// The engine changes into the program folder; paths the player typed are
// meant from where the program was started.
std::string Absolute(const std::string& path) {
  if (path.empty()) return path;
  std::error_code ignored;
  return std::filesystem::absolute(path, ignored).string();
}

// The headless platform's set-up, with the input script read and checked
// before anything runs; an error names the file and line.
std::optional<std::string> PrepareHeadless(const RunOptions& run, HeadlessOptions& headless) {
  headless.frame_step_ms = uint32_t(run.frame_step_ms);
  headless.output_folder = Absolute(run.capture_dir);
  headless.every_kth_frame = run.capture_every;
  headless.audio_out_path = Absolute(run.audio_out);
  if (!run.input_file.empty()) {
    TextFileContent file = ReadTextLines(run.input_file);
    if (!file.ok()) return "cannot read the input script " + run.input_file;
    InputScript script = ParseInputScript(file.text);
    if (script.error) {
      return run.input_file + ":" + std::to_string(script.error->line) + ": " + script.error->message;
    }
    headless.script = std::move(script.events);
  }
  // With a frame limit the run ends there, not after the script.
  headless.quit_after_script = !run.frames && !headless.script.empty();
  return std::nullopt;
}

// Pictures are the large blocks, in many sizes, taken and given back as
// screens open and close and levels start and end. glibc maps a block above
// its threshold straight from the system and returns it when freed, but it
// raises the threshold to the size of each mapped block freed (up to 32 MB):
// after the first picture is let go every later one comes from the heap,
// whose holes pictures of other sizes fit badly, so the heap kept growing
// (about 10 MB in half an hour of soak). A threshold set once stays put.
void KeepLargeBlocksMapped() {
#ifdef __GLIBC__
  constexpr int kLargeBlockBytes = 256 * 1024;  // a picture of 256 x 256
  mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
#endif
}

}  // namespace
}  // namespace corvellane

int main(int argc, char** argv) {
  using namespace corvellane;
  KeepLargeBlocksMapped();
  std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  RunRequest request = ParseRunOptions(arguments);
  if (request.error) {
    std::cerr << "corvellane: " << *request.error << "\n";
    return kExitBadCommandLine;
  }
  const RunOptions& run = request.options;
  HeadlessOptions headless;
  if (run.headless) {
    if (std::optional<std::string> error = PrepareHeadless(run, headless)) {
      std::cerr << "corvellane: " << *error << "\n";
      return kExitBadCommandLine;
    }
  }
  if (run.seed) GlobalRandom().Seed(*run.seed);
  if (!run.trace_file.empty() && !OpenPlayTraceFile(Absolute(run.trace_file), run.seed)) {
    std::cerr << "corvellane: cannot write the play trace " << run.trace_file << "\n";
    return kExitBadCommandLine;
  }
  SetLogLevel(run.log_level);
  // A headless run without an end of its own stops after ten seconds.
  const bool headless_without_end = headless.script.empty() && !run.soak_seconds;

  // Data files, language files and media are found in folders, in ".tgd"
  // archives standing in for folders, and in archives built into the program.
  SetArchiveExtension(product::ArchiveExtension);
  InstallResourceReader();

  std::unique_ptr<IPlatform> platform;
  auto program_parts = [&] {
    ProgramParts parts;
    parts.register_classes = {RegisterAllGameClasses};
    parts.hooks = GameProductHooks(OpenWithDesktop);
    parts.one_copy_per_settings_folder = true;
    parts.create_engine = [&]() -> Ref<IEngineRunner> {
      if (run.headless) {
        platform = std::make_unique<THeadlessPlatform>(std::move(headless));
      } else {
        platform = std::make_unique<TSdlPlatform>();
      }
      Ref<TEngine> engine = CreateEngine(*platform, ProductEngineIdentity());
      engine->SetSoundManager(CreateSoundManager());
      int32_t frames = run.frames.value_or(0);
      if (run.headless && frames == 0 && headless_without_end) frames = kDefaultHeadlessFrames;
      engine->SetFrameLimit(frames);
      return engine;
    };
    return parts;
  };
  int exit_code = 0;
  if (run.soak_seconds) {
    // Each start of the soak gets the same outputs and the random input left.
    const HeadlessOptions soak_base = headless;
    TSoakRun soak(uint32_t(*run.soak_seconds) * 1000);
    exit_code = soak.Run([&](std::vector<ScriptEvent> script, ClockWatch watch) {
      headless = soak_base;
      headless.script = std::move(script);
      headless.quit_after_script = true;
      headless.on_clock_step = std::move(watch);
      SoakStint stint;
      stint.exit_status = RunProgram(argc, argv, program_parts());
      stint.game_ms = platform ? platform->GetTicks() : 0;
      return stint;
    });
    std::cout << soak.Report() << std::endl;
  } else {
    exit_code = RunProgram(argc, argv, program_parts());
  }
  ClosePlayTrace();
  if (auto* shots = dynamic_cast<THeadlessPlatform*>(platform.get())) {
    shots->Shutdown();
    for (const std::string& path : shots->WriteFailures()) {
      std::cerr << "corvellane: could not write " << path << "\n";
      exit_code = exit_code == 0 ? 1 : exit_code;
    }
  }
  return exit_code;
}
