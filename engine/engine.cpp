#include "engine/engine.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>

#include "engine/resource_reader.h"
#include "engine/screenshot.h"
#include "engine/surface.h"
#include "persistence/cipher.h"
#include "persistence/log.h"
#include "persistence/class_registry.h"
#include "persistence/object_io.h"
#include "persistence/paths.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"
#include "shell/folders.h"
#include "shell/lower_case.h"
#include "shell/text_files.h"
#include "shell/user_folders.h"

namespace corvellane {
namespace {

constexpr std::string_view kYes = "yes";
constexpr std::string_view kNo = "no";

bool IsYesAnyCase(const Variant& value) { return ToLowerAscii(value.ToText()) == kYes; }
const char* YesNo(bool on) { return on ? "yes" : "no"; }

// A usable side of the logical screen; anything else leaves the old value.
std::optional<int32_t> ReadScreenSide(const Variant& value) {
  int32_t side = value.ToInt(0);
  if (side <= 0 || side > kMaxSurfaceSide) return std::nullopt;
  return side;
}

WideChoice WideChoiceOf(const Variant& value) {
  std::string text = value.ToText();
  if (text == kYes) return WideChoice::Yes;
  if (text == kNo) return WideChoice::No;
  return WideChoice::System;
}

std::span<const uint8_t> AsBytes(const std::string& bytes) {
  return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

// Screens and effects may be translucent (a window fading in over nothing),
// so what is redrawn starts from black rather than from the old picture:
// otherwise each frame would blend over the last and the dirty areas would
// drift from what a full redraw shows.
void ClearDirtyArea(ISurface& canvas) {
  const TRegion& region = canvas.GetDirtyRegion();
  const TRect bounds{0, 0, canvas.GetWidth(), canvas.GetHeight()};
  for (int i = 0; i < region.Count(); ++i) {
    const TRect r = Intersect(region.Get(i), bounds);
    for (int32_t y = r.top; y < r.bottom; ++y) {
      uint32_t* row = canvas.GetScanLine(y);
      std::fill(row + r.left, row + r.right, 0xFF000000u);
    }
  }
}

bool IsMouseEvent(EventType type) {
  return type == EventType::MouseMove || type == EventType::MouseDown || type == EventType::MouseUp ||
         type == EventType::MouseWheel;
}

bool IsKeyEvent(EventType type) {
  return type == EventType::KeyDown || type == EventType::KeyUp || type == EventType::Text ||
         type == EventType::AltKey;
}

}  // namespace

TEngine::TEngine(IPlatform& platform, EngineIdentity identity)
    : platform_(platform), identity_(std::move(identity)) {}

std::optional<std::string_view> TEngine::DefinitionsKey() const {
  if (identity_.definitions_key.empty()) return std::nullopt;
  return identity_.definitions_key;
}

TEngine::~TEngine() { Finish(); }

void TEngine::Init() {
  params_ = CreateObject<TParamCollection>();
  resources_ = CreateObject<TResourceCollection>();
  canvas_ = MakeRef<TSurface>();
  display_pending_ = true;
  system_cursor_shown_ = true;
  redraw_needed_ = false;
}

Ref<TEngine> CreateEngine(IPlatform& platform, EngineIdentity identity) {
  Ref<TEngine> engine = MakeRef<TEngine>(platform, std::move(identity));
  InitObject(*engine, {});
  return engine;
}

// --- Start and Finish ---------------------------------------------------

bool TEngine::Start(std::string_view game_definition_file) {
  finished_ = false;
  if (!ProgramFolder().empty()) {
    std::error_code ignored;
    std::filesystem::current_path(ProgramFolder(), ignored);
  }
  WriteDefaultParams();
  ApplyDisplaySettings();
  // Without an audio device the game simply runs silent.
  audio_open_ = platform_.OpenAudio(mixer_);
  StartSound();
  window_open_ = platform_.OpenWindow(caption_, {logical_width_, logical_height_});
  window_size_ = {logical_width_, logical_height_};
  if (!window_open_ || !LoadGame(game_definition_file)) {
    Finish();
    return false;
  }
  quit_ = false;
  failed_ = false;
  return true;
}

void TEngine::StartSound() {
  if (!sound_ || !sound_->Initialise(resources_.get(), &mixer_)) return;
  sound_->SetMusicVolume(GetEngineParam("MusicVolume"));
  sound_->SetSoundVolume(GetEngineParam("SoundVolume"));
  // Sounds belong to the screen that was on top when they started.
  sound_->SetGroupSource([this] { return game_ ? game_->GetTopScreenName() : std::string(); });
}

void TEngine::WriteDefaultParams() {
  params_->SetNamedValue("ScreenWidth", "640");
  params_->SetNamedValue("ScreenHeight", "480");
  params_->SetNamedValue("ScreenBPP", "0");
  params_->SetNamedValue("FullScreenMode", "no");
  params_->SetNamedValue("WideScreenMode", "system");
  params_->SetNamedValue("IsAvailableWideScreenMode", "yes");
  params_->SetNamedValue("ApplicationCaption", identity_.caption);
  if (sound_) sound_->SetAppActive(true);
  SetEngineParam("SoundVolume", "70");
  SetEngineParam("MusicVolume", "30");
  SetEngineParam("ShowFPS", "no");
  SetEngineParam("ShowRects", "yes");
}

bool TEngine::LoadGame(std::string_view file) {
  const std::string where = "the game definition " + std::string(file);
  bool loaded = false;
  try {
    if (Ref<IGame> game = CreateGame(file, where)) {
      game_ = game;
      game_->AttachEngine(this);
      loaded = true;
    }
  } catch (...) {
    LogCaughtException(where + " could not be loaded");
  }
  ClearExternalStorageCache();
  return loaded;
}

Ref<IGame> TEngine::CreateGame(std::string_view file, const std::string& where) {
  const std::string stored = ReadResourceText(file);
  if (stored.empty()) {
    LogWarning(where + " is missing, empty or unreadable; the game cannot start");
    return nullptr;
  }
  const std::string text = DefinitionText(stored);
  if (text.empty()) {
    LogWarning(where + " could not be deciphered (it is neither XML nor enciphered with the game's key)");
    return nullptr;
  }
  Ref<IHierStorageRoot> root = OpenStorageText(text, file);  // a parse error is thrown and reported above
  const std::string type = root ? ReadText(root.get(), "type") : std::string();
  Ref<IGame> game = QueryInterface<IGame>(root ? CreateNamed(type, ReadText(root.get(), "name")) : nullptr);
  if (!game) {
    LogWarning(where + " describes no game (its root element's type is \"" + type + "\")");
    return nullptr;
  }
  LoadObject(game.get(), root.get());
  return game;
}

void TEngine::Finish() {
  if (finished_) return;
  finished_ = true;
  ShowSystemCursor();
  if (game_) {
    try {
      game_->FinishGame();
    } catch (...) {
      LogCaughtException("finishing the game failed");
    }
  }
  // Sounds stop before the resources holding their samples go.
  if (sound_) sound_->Shutdown();
  RemoveResources({});
  if (audio_open_) platform_.CloseAudio();
  audio_open_ = false;
  if (window_open_) platform_.CloseWindow();
  window_open_ = false;
  display_pending_ = true;
}

// --- Folders, files, parameters -------------------------------------------

std::string TEngine::GetProgramFolder() { return ProgramFolder(); }
std::string TEngine::GetSettingsFolder() { return corvellane::GetSettingsFolder(); }

bool TEngine::WriteSettingsText(std::string_view text, std::string_view file_name) {
  const bool saved = corvellane::WriteSettingsText(text, file_name);
  // errno still tells why: the writer keeps it through its clean-up.
  const std::string reason = saved ? std::string() : std::strerror(errno);
  if (game_) game_->ReportSave(file_name, saved, reason);
  return saved;
}

bool TEngine::WriteProgramText(std::string_view text, std::string_view file_name) {
  return corvellane::WriteProgramText(text, file_name);
}

std::string TEngine::ReadTextFile(std::string_view name, std::optional<std::string_view> key) {
  std::string text = ReadResourceText(name);
  if (text.empty()) return {};
  text = JoinLinesCrLf(text);
  if (!key) return text;
  // Text that is not in the hexadecimal form is damaged, not a shorter
  // file: it reads as nothing rather than as whatever its digits spell.
  return TryDecryptText(*key, text).value_or(std::string());
}

std::string TEngine::DefinitionText(const std::string& stored) const {
  const std::string text = JoinLinesCrLf(stored);
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first != std::string::npos && text[first] == '<') return text;
  if (!DefinitionsKey()) return text;
  return TryDecryptText(*DefinitionsKey(), text).value_or(std::string());
}

void TEngine::SetEngineParam(std::string_view name, const Variant& value) {
  params_->SetNamedValue(name, value);
  std::string lower = ToLowerAscii(name);
  if (lower == "musicvolume" && sound_) sound_->SetMusicVolume(value);
  if (lower == "soundvolume" && sound_) sound_->SetSoundVolume(value);
  if (lower == "showfps") show_fps_ = IsYesAnyCase(value);
  if (lower == "showrects") show_rects_ = IsYesAnyCase(value);
}

Variant TEngine::GetEngineParam(std::string_view name) {
  Ref<IParam> param = params_->GetParam(Variant(name));
  return param ? param->GetParamValue() : Variant::Null();
}

void TEngine::ApplyDisplaySettings() {
  bool changed = false;
  auto update = [&](auto& field, auto value, bool counts) {
    if (field != value && counts) changed = true;
    field = value;
  };
  if (auto w = ReadScreenSide(GetEngineParam("ScreenWidth"))) update(logical_width_, *w, true);
  if (auto h = ReadScreenSide(GetEngineParam("ScreenHeight"))) update(logical_height_, *h, true);
  update(full_screen_, GetEngineParam("FullScreenMode").ToText() == kYes, true);
  update(widescreen_, GetEngineParam("WideScreenMode").ToText() == kYes, full_screen_);
  update(requested_depth_, GetEngineParam("ScreenBPP").ToInt(0), full_screen_);
  display_pending_ = display_pending_ || changed;
  RefreshCaption();
}

void TEngine::RefreshCaption() {
  std::string caption = GetEngineParam("ApplicationCaption").ToText();
  if (caption == caption_) return;
  caption_ = caption;
  if (window_open_) platform_.SetCaption(caption_);
}

// --- Resources ------------------------------------------------------------

void TEngine::LoadResourceDefs(IHierStorage* node, std::string_view owner, bool pump_frames) {
  if (!node) return;
  Ref<IHierStorage> content = node->GetChildCount("content") > 0 ? node->GetChild("content", 0) : Ref<IHierStorage>();
  if (!content) return;
  for (int i = 0; i < content->GetChildCount("resource"); ++i) {
    if (pump_frames) RunIterationGuarded();
    Ref<IHierStorage> def = content->GetChild("resource", i);
    LoadResourceDef(def.get(), owner);
  }
}

void TEngine::LoadResourceDef(IHierStorage* def, std::string_view owner) {
  std::string name = ReadText(def, "name");
  if (FindResource(name)) return;
  Ref<TAbstractObject> object = CreateNamed(ReadText(def, "type"), name);
  if (!object) return;
  LoadObject(object.get(), def);
  Ref<IResourceOwnerLink> resource = QueryInterface<IResourceOwnerLink>(object);
  if (!resource) return;
  resource->SetOwnerName(owner);
  resource->AttachResourceOwner(this);
  resources_->AddResource(resource);
}

void TEngine::LoadResourceDefsFile(std::string_view file, std::string_view owner, bool pump_frames) {
  try {
    std::string text = ReadTextFile(file, DefinitionsKey());
    if (text.empty()) return;
    Ref<IHierStorageRoot> root = OpenStorageText(text, file);
    LoadResourceDefs(root.get(), owner, pump_frames);
  } catch (...) {
    LogCaughtException("the resource definitions " + std::string(file) + " could not be loaded");
  }
}

void TEngine::RemoveResources(std::string_view owner) { resources_->RemoveOwner(owner); }
void TEngine::UnloadResources(std::string_view owner) { resources_->UnloadOwner(owner); }

Ref<IResource> TEngine::FindResource(std::string_view name) {
  // The collection ignores letter case; resource names are exact.
  Ref<IResource> resource = resources_->GetResource(Variant(std::string(name)));
  return resource && resource->GetName() == name ? resource : nullptr;
}

Ref<IResource> TEngine::GetResource(std::string_view name) { return FindResource(name); }

void TEngine::DeleteResource(std::string_view name) {
  Ref<IResource> resource = FindResource(name);
  if (!resource) return;
  for (int i = 0; i < resources_->Count(); ++i) {
    if (resources_->GetResource(i) != resource) continue;
    resources_->RemoveAt(i);
    return;
  }
}

// --- IResourceOwner: files and sounds for the resources ----------------------

std::optional<std::string> TEngine::ReadResourceBytes(std::string_view file) { return ReadResourceFile(file); }

SampleHandle TEngine::LoadSample(std::string_view file, int max_playbacks, bool loop) {
  std::optional<std::string> bytes = ReadResourceBytes(file);
  if (!bytes) return 0;
  return mixer_.LoadSample(AsBytes(*bytes), max_playbacks, loop);
}

void TEngine::FreeSample(SampleHandle sample) { mixer_.FreeSample(sample); }

ChannelHandle TEngine::LoadMusicModule(std::string_view file) {
  std::optional<std::string> bytes = ReadResourceBytes(file);
  if (!bytes) return 0;
  return mixer_.LoadModule(AsBytes(*bytes), true);
}

void TEngine::FreeMusicModule(ChannelHandle module) { mixer_.FreeModule(module); }

TLoopingSample TEngine::LoadLoopingSample(std::string_view file) {
  SampleHandle sample = LoadSample(file, 1, true);
  if (!sample) return {};
  return {sample, mixer_.GetChannel(sample)};
}

Ref<ISurface> TEngine::CreateSurface() { return MakeRef<TSurface>(); }

// --- Sound: forwarded to the sound manager ----------------------------------

ChannelHandle TEngine::PlayMusic(IObject* music) { return sound_ ? sound_->PlayMusic(music) : 0; }
void TEngine::StopMusic(IObject* music) {
  if (sound_) sound_->StopMusic(music);
}
void TEngine::FadeOutMusic(int32_t milliseconds) {
  if (sound_) sound_->FadeMusicDown(milliseconds);
}
void TEngine::FadeInMusic(int32_t milliseconds) {
  if (sound_) sound_->FadeMusicUp(milliseconds);
}
ChannelHandle TEngine::PlaySoundSample(IObject* sound) { return sound_ ? sound_->PlaySound(sound) : 0; }
void TEngine::StopSoundByName(IObject* sound) {
  if (sound_) sound_->StopSound(sound);
}
void TEngine::PauseOwnerSounds(std::string_view owner, bool pause) {
  if (!sound_) return;
  if (pause) {
    sound_->PauseGroup(owner);
  } else {
    sound_->ResumeGroup(owner);
  }
}
void TEngine::StopAllSounds() {
  if (sound_) sound_->StopAllSounds();
}
void TEngine::StopOwnerSounds(std::string_view owner) {
  if (sound_) sound_->StopGroup(owner);
}
bool TEngine::IsSoundPlaying(ChannelHandle channel) { return sound_ && sound_->IsChannelPlaying(channel); }
void TEngine::SetMusicVolume(const Variant& volume) {
  if (sound_) sound_->SetMusicVolume(volume);
}
bool TEngine::IsSoundActive() { return sound_ && sound_->IsEnabled(); }
void TEngine::SetSoundActive(bool active) {
  if (sound_) sound_->SetEnabled(active);
}

// --- Redrawing ------------------------------------------------------------

void TEngine::InvalidateRect(const TRect& logical) {
  TRect r = logical;
  if (widescreen_) {
    r = {r.left + logical_offset_.x, r.top + logical_offset_.y, r.right + logical_offset_.x,
         r.bottom + logical_offset_.y};
  }
  const int32_t width = canvas_->GetWidth();
  const int32_t height = canvas_->GetHeight();
  // Clipping leaves nothing of a rectangle outside the canvas, and a
  // reversed rectangle is as empty as one of zero size.
  r = Intersect(r, {0, 0, width, std::min(height, logical_height_)});
  if (r.IsEmpty()) return;
  canvas_->AddDirtyRect(r);
  redraw_needed_ = true;
}

void TEngine::ClearDirtyRects() {
  canvas_->ClearDirtyRegion();
  redraw_needed_ = false;
}

// --- Cursor and desktop -----------------------------------------------------

TPoint TEngine::GetCursorPos() { return platform_.GetMousePosition(); }
void TEngine::SetCursorPos(TPoint logical) { platform_.SetMousePosition(logical); }

void TEngine::HideSystemCursor() {
  system_cursor_shown_ = false;
  platform_.ShowCursor(false);
}

void TEngine::ShowSystemCursor() {
  system_cursor_shown_ = true;
  platform_.ShowCursor(true);
}

void TEngine::Quit() {
  quit_ = true;
  running_ = false;
}

void TEngine::QuitWithFailure() {
  failed_ = true;
  Quit();
}

bool TEngine::OpenFileExternally(std::string_view file_name) {
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(NormalizePath(file_name), ignored)) return false;
  bool opened = platform_.OpenExternally(file_name);
  platform_.MinimizeWindow();
  return opened;
}

void TEngine::OpenWebAddress(std::string_view address) {
  platform_.MinimizeWindow();
  platform_.OpenExternally(address);
}

// --- Frame loop -------------------------------------------------------------

void TEngine::UpdateGame(int32_t elapsed_ms) {
  if (!game_) return;
  game_->UpdateFrame(elapsed_ms);
  game_->EndFrame();
}

bool TEngine::Run() {
  running_ = true;
  platform_.RestartFrameClock();
  ApplyDisplaySettings();
  while (!quit_ && (frame_limit_ == 0 || frames_run_ < frame_limit_)) RunIterationGuarded();
  return !failed_;
}

void TEngine::RunIterationGuarded() {
  try {
    RunIteration();
  } catch (...) {
    LogCaughtException("a frame failed and was skipped");
  }
}

void TEngine::RunIteration() {
  PlatformEvent event;
  if (platform_.PollEvent(event)) {
    HandleEvent(event);
  } else if (!running_) {
    platform_.WaitEvent(100);
  } else {
    RunFrame();
  }
}

void TEngine::HandleEvent(const PlatformEvent& event) {
  switch (event.type) {
    case EventType::Quit: quit_ = true; return;
    case EventType::CloseRequest: HandleCloseRequest(); return;
    case EventType::Minimized: running_ = false; return;
    case EventType::Restored:
      running_ = true;
      platform_.RestartFrameClock();
      return;
    case EventType::FocusGained:
    case EventType::FocusLost:
      if (sound_) sound_->SetAppActive(event.type == EventType::FocusGained);
      if (game_) game_->SetAppActive(event.type == EventType::FocusGained);
      return;
    default: break;
  }
  if (!running_ || !game_) return;
  if (event.type == EventType::KeyDown && event.key == KeyCode::F12 && !event.repeat) {
    SaveScreenshotOfCanvas();
    return;
  }
  if (IsMouseEvent(event.type)) game_->MouseEvent(event);
  if (IsKeyEvent(event.type)) game_->KeyEvent(event);
}

void TEngine::HandleCloseRequest() {
  if (!game_ || game_->CanClose()) quit_ = true;
}

void TEngine::RunFrame() {
  uint32_t elapsed = platform_.WaitForNextFrame();
  if (!game_) return;
  if (display_pending_) {
    display_pending_ = !SetUpDisplay();
    if (display_pending_) return;
  }
  if (sound_) sound_->Update(static_cast<int32_t>(elapsed));
  UpdateGame(static_cast<int32_t>(elapsed));
  if (redraw_needed_) {
    ClearDirtyArea(*canvas_);
    game_->DrawFrame(canvas_.get(), logical_offset_.x, logical_offset_.y);
  }
  Present();
  ClearDirtyRects();
  ++frames_run_;
}

CanvasView TEngine::CanvasViewOf() const {
  CanvasView view;
  view.width = canvas_->GetWidth();
  view.height = canvas_->GetHeight();
  view.stride = view.width;
  if (const uint32_t* pixels = canvas_->GetScanLine(0)) {
    view.pixels = {pixels, size_t(view.width) * size_t(view.height)};
  }
  return view;
}

void TEngine::Present() { platform_.Present(CanvasViewOf()); }

void TEngine::SaveScreenshotOfCanvas() {
  const std::string folder = PicturesFolder(SystemEnvironment());
  if (std::optional<std::string> file = SaveScreenshot(CanvasViewOf(), folder, identity_.screenshot_name, std::time(nullptr))) {
    LogInfo("screenshot saved as " + *file);
  } else {
    LogWarning("the screenshot could not be saved in the pictures folder \"" + folder + "\"");
  }
}

// --- Display ----------------------------------------------------------------

bool TEngine::SetUpDisplay() {
  const DisplaySize logical{logical_width_, logical_height_};
  if (!window_open_ || window_size_ != logical) {
    if (window_open_) platform_.CloseWindow();
    window_open_ = platform_.OpenWindow(caption_, logical);
    window_size_ = logical;
    if (!window_open_) return false;
  }
  if (!platform_.SetDisplayMode(ChooseDisplayMode(logical))) return false;
  // The desktop may have refused full screen (or forced it): the parameter
  // says what is shown, so Alt+Enter asks for the other mode next.
  full_screen_ = platform_.GetDisplayMode() != DisplayMode::Windowed;
  SetEngineParam("FullScreenMode", YesNo(full_screen_));
  logical_offset_ = {};
  if (canvas_->GetWidth() != logical.width || canvas_->GetHeight() != logical.height) {
    if (!canvas_->SetSize(logical.width, logical.height)) return false;
  }
  InvalidateRect({-logical_offset_.x, -logical_offset_.y, logical.width, logical.height});
  platform_.RestartFrameClock();
  return true;
}

DisplayMode TEngine::ChooseDisplayMode(DisplaySize logical) {
  bool windowed_available = platform_.CanShowWindowed(logical);
  SetEngineParam("IsAvailableWindowedMode", YesNo(windowed_available));
  if (windowed_available && !full_screen_) return DisplayMode::Windowed;
  // A desktop too small for the window forces full screen.
  full_screen_ = true;
  bool wide = DecideWideScreen(logical, platform_.GetDesktopSize(), WideChoiceOf(GetEngineParam("WideScreenMode")),
                               platform_.HasDisplayMode(logical));
  widescreen_ = wide;
  SetEngineParam("WideScreenMode", YesNo(wide));
  return wide ? DisplayMode::WideFullScreen : DisplayMode::FullScreen;
}

}  // namespace corvellane
