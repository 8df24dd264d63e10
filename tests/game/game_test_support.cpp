#include "game/product_identity.h"
#include "tests/game/game_test_support.h"

#include <cstdlib>
#include <stdexcept>

#include "engine/resource_reader.h"
#include "persistence/class_registry.h"
#include "persistence/paths.h"
#include "persistence/value_access.h"
#include "shell/declarations.h"

namespace corvellane::testing {

// --- TTestScreen --------------------------------------------------------------

std::vector<std::string>& TTestScreen::Journal() {
  static std::vector<std::string> journal;
  return journal;
}

void TTestScreen::Log(const std::string& what) { Journal().push_back(GetName() + ":" + what); }

void TTestScreen::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  rect_ = {ReadInt(node, "left", 0), ReadInt(node, "top", 0), ReadInt(node, "right", 100),
           ReadInt(node, "bottom", 100)};
  colour_ = ReadHexInt(node, "colour", 0xFF000000);
  hide_frames_ = ReadInt(node, "hide_frames", 0);
  close_after = ReadInt(node, "close_after", 0);
}

void TTestScreen::Open(Ref<IParamCollection> parameters) {
  parameters_ = std::move(parameters);
  open_ = true;
  advances = 0;
  Log(parameters_ && parameters_->GetNamedValue("LoadComplete", Variant(false)).ToBool() ? "open complete" : "open");
}

void TTestScreen::Close() {
  Log("close");
  hiding_left_ = hide_frames_;
  if (hiding_left_ == 0) open_ = false;
}

void TTestScreen::Advance(int32_t) {
  ++advances;
  if (hiding_left_ > 0 && --hiding_left_ == 0) open_ = false;
  if (close_after > 0 && advances == close_after && owner_) owner_->CloseScreen(this, nullptr);
}

void TTestScreen::Draw(ISurface* surface, int32_t x, int32_t y) {
  ++draws;
  const int32_t width = rect_.right - rect_.left;
  const int32_t height = rect_.bottom - rect_.top;
  Ref<ISurface> solid = MakeSurface(width, height, false);
  for (int32_t py = 0; py < height; ++py)
    for (int32_t px = 0; px < width; ++px) solid->SetPixel(px, py, colour_);
  surface->DrawImage(solid.get(), {0, 0, width, height}, TBlendMode::BltFast, 255,
                     {rect_.left + x, rect_.top + y, rect_.right + x, rect_.bottom + y});
}

bool TTestScreen::MouseEvent(const PlatformEvent& event) {
  Log("mouse");
  return true;
}

void TTestScreen::ChildClosed(std::string_view name, Ref<IParamCollection> result) {
  std::string answer = result ? result->GetNamedValue("answer", Variant("")).ToText() : "";
  Log("child closed " + std::string(name) + (answer.empty() ? "" : " " + answer));
}

void RegisterTestScreen() {
  RegisterClass<TTestScreen>("test_screen");
  RegisterGameClasses();
  RegisterEngineResourceClasses();
}

// --- GameRun ----------------------------------------------------------------

GameRun::GameRun(std::string_view game_xml, const TempDir* shared_folder)
    : dir_(shared_folder ? *shared_folder : own_dir_) {
  RegisterTestScreen();
  TTestScreen::Journal().clear();
  dir_.Write("data/ini/Corvellane.ini", game_xml);
  saved_cwd_ = std::filesystem::current_path();
  saved_program_folder_ = ProgramFolder();
  SetProgramFolder(dir_.path().string() + "/");
  setenv("CORVELLANE_SETTINGS_DIR", dir_.File("settings").c_str(), 1);
  ResetGlobalOptions();
  ResetResourceReader();
}

GameRun::~GameRun() {
  if (engine_) engine_->Finish();
  engine_ = nullptr;
  platform_.reset();
  ResetGlobalOptions();
  std::filesystem::current_path(saved_cwd_);
  SetProgramFolder(saved_program_folder_);
  ResetResourceReader();
}

bool GameRun::Start() {
  HeadlessOptions options;
  options.quit_after_script = false;
  platform_ = std::make_unique<THeadlessPlatform>(std::move(options));
  engine_ = CreateEngine(*platform_, ProductEngineIdentity());
  return engine_->Start(product::GameDefinitionFile);
}

void GameRun::RunFrames(int frames) {
  engine_->SetFrameLimit(engine_->FramesRun() + frames);
  engine_->Run();
}

TGame& GameRun::Game() {
  auto* game = dynamic_cast<TGame*>(engine_->GetGame().get());
  if (!game) throw std::runtime_error("no game");
  return *game;
}

TTestScreen& GameRun::Screen(std::string_view name) {
  auto* screen = dynamic_cast<TTestScreen*>(Game().GetScreens()->GetScreen(Variant(name)).get());
  if (!screen) throw std::runtime_error("no screen " + std::string(name));
  return *screen;
}

std::vector<std::string> GameRun::ShownNames() {
  std::vector<std::string> names;
  for (const auto& screen : Game().ShownScreens()) names.push_back(screen->GetName());
  return names;
}

}  // namespace corvellane::testing
