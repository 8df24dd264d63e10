#include "game/product_identity.h"
#include "tests/game/demo_run.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "engine/platform/input_script.h"
#include "engine/random_source.h"
#include "engine/resource_reader.h"
#include "game/class_list.h"
#include "persistence/cipher.h"
#include "persistence/localization.h"
#include "persistence/paths.h"
#include "shell/declarations.h"
#include "shell/global_options.h"
#include "shell/startup.h"
#include "sound/sound_manager.h"
#include "tests/support/test_folders.h"

namespace corvellane::testing {

void WriteDemoPlayers(const std::filesystem::path& settings_folder, const std::vector<std::string>& names) {
  std::string xml = "<userprofiles";
  if (!names.empty()) xml += " current_user_profile_name=\"" + names.front() + "\"";
  xml += ">";
  for (const std::string& name : names) xml += "<userprofile name=\"" + name + "\" type=\"user_profile\"/>";
  xml += "</userprofiles>";
  std::filesystem::create_directories(settings_folder);
  std::ofstream(settings_folder / std::string(product::UserProfilesFileName), std::ios::binary)
      << EncryptText(product::FileKeyText(product::FileKey::Profiles), xml);
}

DemoRun::DemoRun(std::string_view input_script, std::string audio_out) {
  WriteDemoPlayers(settings_.path(), {"Tester"});
  Start(input_script, std::move(audio_out), settings_.path());
}

DemoRun::DemoRun(std::string_view input_script, const std::filesystem::path& settings_folder) {
  Start(input_script, {}, settings_folder);
}

void DemoRun::Start(std::string_view input_script, std::string audio_out,
                    const std::filesystem::path& settings_folder) {
  const std::string game_dir = TestGameDir();
  RegisterAllGameClasses();
  GlobalRandom().Seed(1);
  saved_cwd_ = std::filesystem::current_path();
  saved_program_folder_ = ProgramFolder();
  SetProgramFolder(game_dir + "/");
  std::filesystem::current_path(game_dir);
  setenv("CORVELLANE_SETTINGS_DIR", settings_folder.c_str(), 1);
  ResetGlobalOptions();
  ResetResourceReader();
  InstallResourceReader();
  // The texts, as the program loads them at start.
  CreateMultiLanguages();
  SetDefaultLanguageFile(product::DefaultLanguageFile);
  LoadDefaultLanguage();

  HeadlessOptions options;
  options.quit_after_script = false;
  InputScript script = ParseInputScript(input_script);
  if (script.error) throw std::runtime_error("bad test script: " + script.error->message);
  options.script = std::move(script.events);
  options.audio_out_path = std::move(audio_out);
  platform_ = std::make_unique<THeadlessPlatform>(std::move(options));
  engine_ = CreateEngine(*platform_, ProductEngineIdentity());
  engine_->SetSoundManager(CreateSoundManager());
  started_ = engine_->Start(product::GameDefinitionFile);
}

void DemoRun::Finish() {
  if (engine_) engine_->Finish();
  if (platform_) platform_->Shutdown();
}

DemoRun::~DemoRun() {
  Finish();
  engine_ = nullptr;
  platform_.reset();
  ResetGlobalOptions();
  ReleaseMultiLanguages();
  std::filesystem::current_path(saved_cwd_);
  SetProgramFolder(saved_program_folder_);
  ResetResourceReader();
}

void DemoRun::RunFrames(int frames) {
  engine_->SetFrameLimit(engine_->FramesRun() + frames);
  engine_->Run();
}

int DemoRun::RunUntilTopScreen(std::string_view name, int limit) {
  int frames = 0;
  while (frames < limit && Game().GetTopScreenName() != name) {
    RunFrames(1);
    ++frames;
  }
  return frames;
}

TGame& DemoRun::Game() {
  auto* game = dynamic_cast<TGame*>(engine_->GetGame().get());
  if (!game) throw std::runtime_error("the demo has no game object");
  return *game;
}

Ref<ISurface> DemoRun::FullRedraw() {
  const ISurface& canvas = engine_->Canvas();
  Ref<ISurface> fresh = MakeSurface(canvas.GetWidth(), canvas.GetHeight(), false);
  Game().DrawFrame(fresh.get(), 0, 0);
  return fresh;
}

int CountDifferentPixels(const ISurface& a, const ISurface& b) {
  if (a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight()) return -1;
  // The canvas has no alpha: only the colour is compared.
  int differing = 0;
  for (int32_t y = 0; y < a.GetHeight(); ++y) {
    const uint32_t* row_a = a.GetScanLine(y);
    const uint32_t* row_b = b.GetScanLine(y);
    for (int32_t x = 0; x < a.GetWidth(); ++x) differing += ((row_a[x] ^ row_b[x]) & 0xFFFFFF) != 0;
  }
  return differing;
}

}  // namespace corvellane::testing
