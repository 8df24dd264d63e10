#include "bench/bench_game.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "engine/platform/input_script.h"
#include "engine/random_source.h"
#include "engine/resource_reader.h"
#include "game/class_list.h"
#include "game/product_identity.h"
#include "persistence/cipher.h"
#include "persistence/localization.h"
#include "persistence/paths.h"
#include "shell/declarations.h"
#include "shell/global_options.h"
#include "sound/sound_manager.h"

namespace corvellane {

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kBenchSeed = 7;

// A settings folder of its own for each game, emptied first.
std::string FreshSettingsFolder(const std::vector<std::string>& players) {
  const fs::path folder = fs::temp_directory_path() / "corvellane-bench-settings";
  fs::remove_all(folder);
  fs::create_directories(folder);
  if (players.empty()) return folder.string();
  std::string xml = "<userprofiles current_user_profile_name=\"" + players.front() + "\">";
  for (const std::string& name : players) xml += "<userprofile name=\"" + name + "\" type=\"user_profile\"/>";
  xml += "</userprofiles>";
  std::ofstream(folder / std::string(product::UserProfilesFileName), std::ios::binary)
      << EncryptText(product::FileKeyText(product::FileKey::Profiles), xml);
  return folder.string();
}

}  // namespace

void PrepareBenchProcess() {
  static bool prepared = false;
  if (prepared) return;
  prepared = true;
  GlobalRandom().Seed(kBenchSeed);
  SetArchiveExtension(product::ArchiveExtension);
  InstallResourceReader();
  RegisterAllGameClasses();
  CreateMultiLanguages();
  SetDefaultLanguageFile(product::DefaultLanguageFile);
}

BenchGame::BenchGame(const std::string& program_folder, std::string_view script,
                     const std::vector<std::string>& players) {
  // Every game draws the same random choices: the same scenes each run.
  GlobalRandom().Seed(kBenchSeed);
  setenv("CORVELLANE_SETTINGS_DIR", FreshSettingsFolder(players).c_str(), 1);
  ResetGlobalOptions();
  SetProgramFolder(program_folder + "/");
  fs::current_path(program_folder);
  ResetResourceReader();
  // The texts, as the program loads them at start: scene objects without a
  // caption are never hidden in a scene.
  SelectLanguage();
  HeadlessOptions options;
  options.quit_after_script = false;
  InputScript parsed = ParseInputScript(script);
  if (parsed.error) throw std::runtime_error("bad benchmark script: " + parsed.error->message);
  options.script = std::move(parsed.events);
  platform_ = std::make_unique<THeadlessPlatform>(std::move(options));
  engine_ = CreateEngine(*platform_, ProductEngineIdentity());
  engine_->SetSoundManager(CreateSoundManager());
  started_ = engine_->Start(product::GameDefinitionFile);
}

BenchGame::~BenchGame() { engine_->Finish(); }

void BenchGame::RunFrames(int frames) {
  engine_->SetFrameLimit(engine_->FramesRun() + frames);
  engine_->Run();
}

TGame& BenchGame::Game() {
  auto* game = dynamic_cast<TGame*>(engine_->GetGame().get());
  if (!game) throw std::runtime_error("the demo has no game object");
  return *game;
}

}  // namespace corvellane
