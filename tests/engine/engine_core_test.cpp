#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "engine/resource_reader.h"
#include "persistence/cipher.h"
#include "persistence/class_registry.h"
#include "persistence/paths.h"
#include "persistence/value_access.h"
#include "shell/declarations.h"
#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

constexpr std::string_view kGameType = "engine_test_game";

// A game that records what the engine asks of it and misbehaves on request.
class TTestGame : public TPersistObject, public virtual IGame {
 public:
  void LoadProperties(IHierStorage* node) override {
    TPersistObject::LoadProperties(node);
    title = ReadText(node, "title");
  }
  void AttachEngine(IEngine* e) override { engine = e; }
  void FinishGame() override {
    ++finished;
    engine = nullptr;
  }
  void UpdateFrame(int32_t ms) override {
    steps.push_back(ms);
    if (on_first_update) {
      auto once = std::move(on_first_update);
      on_first_update = nullptr;
      once();
      steps_when_loaded = steps.size();
    }
    if (int(steps.size()) == quit_after) engine->Quit();
    if (int(steps.size()) == throw_at) throw std::runtime_error("broken frame");
  }
  void EndFrame() override { ++end_frames; }
  void DrawFrame(ISurface*, int32_t, int32_t) override { ++draws; }
  bool MouseEvent(const PlatformEvent& e) override {
    mouse.push_back(e);
    return true;
  }
  bool KeyEvent(const PlatformEvent&) override { return false; }
  void SetAppActive(bool) override {}
  void SetGameParam(std::string_view, const Variant&) override {}
  std::string GetTopScreenName() override { return {}; }
  void ReportSave(std::string_view, bool, std::string_view) override {}
  bool CanClose() override {
    ++close_queries;
    return allow_close;
  }

  IEngine* engine = nullptr;
  std::string title;
  std::vector<int32_t> steps;
  std::vector<PlatformEvent> mouse;
  int end_frames = 0, draws = 0, finished = 0, close_queries = 0;
  int quit_after = 0, throw_at = 0;
  bool allow_close = true;
  std::function<void()> on_first_update;
  size_t steps_when_loaded = 0;
};

// Not a game: a definition naming it must not start.
class TNotAGame : public TPersistObject {};

// A resource that remembers the file its definition named.
class TTestResource : public TResource {
 public:
  void LoadProperties(IHierStorage* node) override {
    TResource::LoadProperties(node);
    file = ReadText(node, "file");
  }
  std::string file;
};

// The headless platform, with events handed in by the test served first
// (the input script has no close button).
class TInjectingPlatform final : public IPlatform {
 public:
  explicit TInjectingPlatform(HeadlessOptions options) : inner_(std::move(options)) {}
  std::deque<PlatformEvent> injected;
  THeadlessPlatform& Inner() { return inner_; }

  bool OpenWindow(std::string_view c, DisplaySize l) override { return inner_.OpenWindow(c, l); }
  void CloseWindow() override { inner_.CloseWindow(); }
  void SetCaption(std::string_view c) override { inner_.SetCaption(c); }
  void MinimizeWindow() override { inner_.MinimizeWindow(); }
  DisplaySize GetDesktopSize() const override { return inner_.GetDesktopSize(); }
  bool HasDisplayMode(DisplaySize s) const override { return inner_.HasDisplayMode(s); }
  bool CanShowWindowed(DisplaySize l) const override { return inner_.CanShowWindowed(l); }
  bool SetDisplayMode(DisplayMode m) override { return inner_.SetDisplayMode(m); }
  DisplayMode GetDisplayMode() const override { return inner_.GetDisplayMode(); }
  const DisplayLayout& GetLayout() const override { return inner_.GetLayout(); }
  void Present(const CanvasView& c) override { inner_.Present(c); }
  bool PollEvent(PlatformEvent& e) override {
    if (injected.empty()) return inner_.PollEvent(e);
    e = injected.front();
    injected.pop_front();
    return true;
  }
  void WaitEvent(uint32_t t) override {
    inner_.WaitEvent(t);
    if (on_wait) on_wait();
  }
  std::function<void()> on_wait;
  uint32_t GetTicks() const override { return inner_.GetTicks(); }
  void Sleep(uint32_t ms) override { inner_.Sleep(ms); }
  uint32_t WaitForNextFrame() override { return inner_.WaitForNextFrame(); }
  void RestartFrameClock() override { inner_.RestartFrameClock(); }
  void ShowCursor(bool v) override { inner_.ShowCursor(v); }
  TPoint GetMousePosition() const override { return inner_.GetMousePosition(); }
  void SetMousePosition(TPoint p) override { inner_.SetMousePosition(p); }
  bool OpenExternally(std::string_view t) override { return inner_.OpenExternally(t); }
  bool OpenAudio(IAudioSource& s) override { return inner_.OpenAudio(s); }
  void CloseAudio() override { inner_.CloseAudio(); }
  void PauseAudio(bool p) override { inner_.PauseAudio(p); }

 private:
  THeadlessPlatform inner_;
};

std::string DefinitionKey() { return std::string(product::FileKeyText(product::FileKey::Definitions)); }
EngineIdentity ProductIdentity() { return {std::string(product::ProductShortName), DefinitionKey()}; }

std::string GameXml(std::string_view type) {
  return "<game type=\"" + std::string(type) + "\" name=\"TestGame\" title=\"Ninth Harbour\"/>";
}

class EngineCoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterClass<TTestGame>(kGameType);
    RegisterClass<TNotAGame>("engine_test_not_a_game");
    RegisterClass<TTestResource>("engine_test_resource");
    saved_cwd_ = std::filesystem::current_path();
    saved_program_folder_ = ProgramFolder();
    SetProgramFolder(dir_.path().string() + "/");
    ResetResourceReader();
  }
  void TearDown() override {
    std::filesystem::current_path(saved_cwd_);
    SetProgramFolder(saved_program_folder_);
    ResetResourceReader();
  }

  void WriteDefinition(std::string_view text) { dir_.Write("data/ini/Corvellane.ini", text); }
  void WriteEncipheredDefinition(std::string_view xml) { WriteDefinition(EncryptText(DefinitionKey(), xml)); }

  // Starts a game over a headless platform with the script. The headless
  // platform quits after the script's last event, so the default one lasts
  // far longer than any test lets the game run.
  TTestGame& StartGame(std::string_view script = "100000 move 1 1\n", uint32_t step = 16,
                       DisplaySize desktop = {1920, 1080}) {
    HeadlessOptions options;
    options.desktop = desktop;
    options.script = ParseInputScript(script).events;
    options.frame_step_ms = step;
    platform_ = std::make_unique<TInjectingPlatform>(std::move(options));
    engine_ = CreateEngine(*platform_, ProductIdentity());
    EXPECT_TRUE(engine_->Start(product::GameDefinitionFile));
    auto* game = dynamic_cast<TTestGame*>(engine_->GetGame().get());
    if (!game) throw std::runtime_error("no test game");
    return *game;
  }

  testing::TempDir dir_;
  std::filesystem::path saved_cwd_;
  std::string saved_program_folder_;
  std::unique_ptr<TInjectingPlatform> platform_;
  Ref<TEngine> engine_;
};

TEST_F(EngineCoreTest, StartFailsOnDefinitionsThatDoNotMakeAGame) {
  struct Case {
    const char* what;
    std::optional<std::string> file;  // none: no file at all
  };
  const Case cases[] = {
      {"missing file", std::nullopt},
      {"empty file", std::string()},
      {"garbled plain text", std::string("<game type=\"engine_test_game\"")},
      {"enciphered garbage", EncryptText(DefinitionKey(), "<game type=")},
      {"wrong key", EncryptText("not the definitions key", GameXml(kGameType))},
      {"hexadecimal form broken", EncryptText(DefinitionKey(), GameXml(kGameType)) + "zz"},
      {"unregistered type", GameXml("engine_test_no_such_class")},
      {"type is not a game", GameXml("engine_test_not_a_game")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(dir_.path() / "data");
    if (c.file) WriteDefinition(*c.file);
    ResetResourceReader();
    THeadlessPlatform platform(HeadlessOptions{});
    Ref<TEngine> engine = CreateEngine(platform, ProductIdentity());
    EXPECT_FALSE(engine->Start(product::GameDefinitionFile));
    EXPECT_EQ(engine->GetGame(), nullptr);
    engine->Finish();  // after Start's own Finish: harmless
  }
}

TEST_F(EngineCoreTest, StartLoadsPlainAndEncipheredDefinitions) {
  for (bool enciphered : {false, true}) {
    SCOPED_TRACE(enciphered ? "enciphered" : "plain");
    enciphered ? WriteEncipheredDefinition(GameXml(kGameType)) : WriteDefinition(GameXml(kGameType));
    ResetResourceReader();
    TTestGame& game = StartGame();
    EXPECT_EQ(game.GetName(), "TestGame");
    EXPECT_EQ(game.title, "Ninth Harbour");
    EXPECT_EQ(game.engine, engine_.get());
    engine_->Finish();
    engine_->Finish();
    EXPECT_EQ(game.finished, 1);
  }
}

TEST_F(EngineCoreTest, ParametersHaveDefaultsAndFlagsReact) {
  WriteDefinition(GameXml(kGameType));
  StartGame();
  EXPECT_EQ(engine_->GetEngineParam("ScreenWidth").ToText(), "640");
  EXPECT_EQ(engine_->GetEngineParam("ApplicationCaption").ToText(), product::ProductShortName);
  EXPECT_TRUE(engine_->GetEngineParam("NoSuchParameter").IsNull());
  EXPECT_FALSE(engine_->ShowFps());
  engine_->SetEngineParam("ShowFPS", "YES");
  engine_->SetEngineParam("ShowRects", "nope");
  EXPECT_TRUE(engine_->ShowFps());
  EXPECT_FALSE(engine_->ShowRects());
}

TEST_F(EngineCoreTest, RunsFramesPacedByTheVirtualClock) {
  WriteDefinition(GameXml(kGameType));
  TTestGame& game = StartGame("100000 move 1 1\n", 8);
  game.quit_after = 5;
  engine_->Run();
  EXPECT_EQ(game.steps, (std::vector<int32_t>{8, 8, 8, 8, 8}));
  EXPECT_EQ(game.end_frames, 5);
  EXPECT_EQ(game.draws, 1);  // the display set-up invalidated everything once
  EXPECT_EQ(platform_->Inner().PresentedFrames(), 5);
  EXPECT_EQ(engine_->Canvas().GetWidth(), 640);
  EXPECT_FALSE(engine_->IsRedrawNeeded());
}

TEST_F(EngineCoreTest, InvalidateRectClipsToTheCanvas) {
  WriteDefinition(GameXml(kGameType));
  TTestGame& game = StartGame();
  game.quit_after = 1;
  engine_->Run();  // one frame builds the 640 x 480 canvas
  struct Case {
    TRect rect;
    std::optional<TRect> dirty;
  };
  const Case cases[] = {
      {{10, 10, 10, 50}, std::nullopt},        // no width
      {{50, 10, 10, 20}, std::nullopt},        // reversed
      {{700, 0, 800, 10}, std::nullopt},       // right of the canvas
      {{640, 0, 700, 10}, std::nullopt},       // touching the right edge
      {{-100, -100, 0, 0}, std::nullopt},      // above and left
      {{0, 480, 10, 600}, std::nullopt},       // touching the bottom edge
      {{-10, -20, 30, 40}, TRect{0, 0, 30, 40}},
      {{600, 450, 700, 500}, TRect{600, 450, 640, 480}},
      {{5, 6, 7, 8}, TRect{5, 6, 7, 8}},
      {{-5, -5, 2000, 2000}, TRect{0, 0, 640, 480}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.rect.left << "," << c.rect.top << "," << c.rect.right << "," << c.rect.bottom);
    engine_->ClearDirtyRects();
    engine_->InvalidateRect(c.rect);
    EXPECT_EQ(engine_->IsRedrawNeeded(), c.dirty.has_value());
    const TRegion& region = engine_->Canvas().GetDirtyRegion();
    ASSERT_EQ(region.Count(), c.dirty ? 1 : 0);
    if (c.dirty) EXPECT_EQ(region.Get(0), *c.dirty);
  }
}

TEST_F(EngineCoreTest, ClicksReachTheGameInLogicalPixels) {
  WriteDefinition(GameXml(kGameType));
  TTestGame& game = StartGame("20 click 100 200\n40 move 639 479\n");
  engine_->Run();  // the script's end quits
  ASSERT_EQ(game.mouse.size(), 3u);
  EXPECT_EQ(game.mouse[0].type, EventType::MouseDown);
  EXPECT_EQ(game.mouse[0].button, MouseButton::Left);
  EXPECT_EQ(game.mouse[0].position, (TPoint{100, 200}));
  EXPECT_EQ(game.mouse[1].type, EventType::MouseUp);
  EXPECT_EQ(game.mouse[2].position, (TPoint{639, 479}));
  EXPECT_EQ(engine_->GetCursorPos(), (TPoint{639, 479}));
}

TEST_F(EngineCoreTest, CloseRequestAsksTheGame) {
  for (bool allow : {true, false}) {
    SCOPED_TRACE(allow ? "allowed" : "refused");
    WriteDefinition(GameXml(kGameType));
    TTestGame& game = StartGame();
    game.allow_close = allow;
    game.quit_after = 4;
    PlatformEvent close;
    close.type = EventType::CloseRequest;
    platform_->injected.push_back(close);
    engine_->Run();
    EXPECT_EQ(game.close_queries, 1);
    EXPECT_EQ(game.steps.size(), allow ? 0u : 4u);
    engine_->Finish();
  }
}

TEST_F(EngineCoreTest, AThrowingFrameDoesNotEndTheGame) {
  WriteDefinition(GameXml(kGameType));
  TTestGame& game = StartGame();
  game.throw_at = 2;
  game.quit_after = 5;
  engine_->Run();
  EXPECT_EQ(game.steps.size(), 5u);
  EXPECT_EQ(game.end_frames, 4);  // the broken frame stopped where it threw
}

std::string ResourceFile(const IResource* object) {
  auto* resource = dynamic_cast<const TTestResource*>(object);
  return resource ? resource->file : "(none)";
}

TEST_F(EngineCoreTest, ResourceDefinitionsLoadOnceUnderTheirOwner) {
  WriteDefinition(GameXml(kGameType));
  StartGame();
  const char* scene =
      "<defs><content>"
      "<resource name=\"bg\" type=\"engine_test_resource\" file=\"first.png\"/>"
      "<resource name=\"ghost\" type=\"engine_test_no_such_class\" file=\"g.png\"/>"
      "<resource name=\"bg\" type=\"engine_test_resource\" file=\"second.png\"/>"
      "<resource name=\"Music\" type=\"engine_test_resource\" file=\"m.ogg\"/>"
      "</content></defs>";
  engine_->LoadResourceDefs(OpenStorageText(scene).get(), "Scene", false);
  dir_.Write("data/ini/hud.ini", EncryptText(DefinitionKey(),
      "<defs><content><resource name=\"hud\" type=\"engine_test_resource\" file=\"hud.png\"/>"
      "<resource name=\"bg\" type=\"engine_test_resource\" file=\"hud_bg.png\"/></content></defs>"));
  engine_->LoadResourceDefsFile("data\\ini\\hud.ini", "Hud", false);
  engine_->LoadResourceDefsFile("data\\ini\\missing.ini", "Hud", false);

  EXPECT_EQ(ResourceFile(engine_->FindResource("bg").get()), "first.png");
  EXPECT_EQ(ResourceFile(engine_->FindResource("Music").get()), "m.ogg");
  EXPECT_EQ(ResourceFile(engine_->FindResource("hud").get()), "hud.png");
  EXPECT_EQ(engine_->FindResource("ghost"), nullptr);
  EXPECT_EQ(engine_->FindResource("music"), nullptr);  // names are exact

  engine_->RemoveResources("Scene");
  EXPECT_EQ(engine_->FindResource("bg"), nullptr);
  EXPECT_EQ(engine_->FindResource("Music"), nullptr);
  EXPECT_NE(engine_->FindResource("hud"), nullptr);
  engine_->LoadResourceDefs(OpenStorageText(scene).get(), "Scene", false);
  engine_->DeleteResource("Music");
  EXPECT_EQ(engine_->FindResource("Music"), nullptr);
  engine_->RemoveResources("");
  EXPECT_EQ(engine_->FindResource("bg"), nullptr);
  EXPECT_EQ(engine_->FindResource("hud"), nullptr);
}

TEST_F(EngineCoreTest, PumpedLoadingRunsAFrameBeforeEachDefinition) {
  WriteDefinition(GameXml(kGameType));
  TTestGame& game = StartGame();
  game.quit_after = 6;
  Ref<IHierStorageRoot> defs = OpenStorageText(
      "<defs><content><resource name=\"a\" type=\"engine_test_resource\"/>"
      "<resource name=\"b\" type=\"engine_test_resource\"/>"
      "<resource name=\"c\" type=\"engine_test_resource\"/></content></defs>");
  game.on_first_update = [&] { engine_->LoadResourceDefs(defs.get(), "Loading", true); };
  engine_->Run();
  // Frame 1 loads; frames 2 to 4 run inside it, one per definition.
  EXPECT_EQ(game.steps_when_loaded, 4u);
  EXPECT_NE(engine_->FindResource("c"), nullptr);
  EXPECT_EQ(game.steps.size(), 6u);
}

TEST_F(EngineCoreTest, DisplayModeFollowsTheParametersAndTheDesktop) {
  struct Case {
    const char* what;
    DisplaySize desktop;
    const char* full_screen;
    const char* wide;
    const char* width;
    const char* height;
    DisplayMode mode;
    const char* wide_after;
    const char* windowed_available;
    DisplaySize canvas;
  };
  const Case cases[] = {
      {"window", {1920, 1080}, "no", "system", "640", "480", DisplayMode::Windowed, "system", "yes", {640, 480}},
      {"wider logical size", {1920, 1080}, "no", "system", "800", "480", DisplayMode::Windowed, "system", "yes",
       {800, 480}},
      {"unusable sizes keep the old ones", {1920, 1080}, "no", "system", "wide", "-3", DisplayMode::Windowed,
       "system", "yes", {640, 480}},
      {"full screen on a wide desktop", {1920, 1080}, "yes", "system", "640", "480", DisplayMode::WideFullScreen,
       "yes", "yes", {640, 480}},
      {"full screen with a mode of the logical size", {640, 480}, "yes", "system", "640", "480",
       DisplayMode::FullScreen, "no", "yes", {640, 480}},
      {"desktop too small for the window", {600, 450}, "no", "no", "640", "480", DisplayMode::WideFullScreen, "yes",
       "no", {640, 480}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteDefinition(GameXml(kGameType));
    TTestGame& game = StartGame("100000 move 1 1\n", 16, c.desktop);
    game.quit_after = 1;
    engine_->SetEngineParam("FullScreenMode", c.full_screen);
    engine_->SetEngineParam("WideScreenMode", c.wide);
    engine_->SetEngineParam("ScreenWidth", c.width);
    engine_->SetEngineParam("ScreenHeight", c.height);
    engine_->Run();
    EXPECT_EQ(platform_->GetDisplayMode(), c.mode);
    EXPECT_EQ(engine_->GetEngineParam("WideScreenMode").ToText(), c.wide_after);
    EXPECT_EQ(engine_->GetEngineParam("IsAvailableWindowedMode").ToText(), c.windowed_available);
    EXPECT_EQ(engine_->Canvas().GetWidth(), c.canvas.width);
    EXPECT_EQ(engine_->Canvas().GetHeight(), c.canvas.height);
    EXPECT_EQ(platform_->GetLayout().logical, c.canvas);
    EXPECT_EQ(game.draws, 1);
    engine_->Finish();
  }
}

TEST_F(EngineCoreTest, MinimisedGameWaitsForEventsWithoutFrames) {
  WriteDefinition(GameXml(kGameType));
  TTestGame& game = StartGame();
  game.quit_after = 2;
  PlatformEvent minimised, restored;
  minimised.type = EventType::Minimized;
  restored.type = EventType::Restored;
  platform_->injected = {minimised};
  int waits = 0;
  size_t steps_while_minimised = 0;
  platform_->on_wait = [&] {
    steps_while_minimised += game.steps.size();
    if (++waits == 3) platform_->injected.push_back(restored);
  };
  engine_->SetEngineParam("ApplicationCaption", "Ninth Harbour");
  engine_->ApplyDisplaySettings();
  engine_->Run();
  EXPECT_EQ(waits, 3);
  EXPECT_EQ(steps_while_minimised, 0u);
  EXPECT_EQ(game.steps.size(), 2u);
  EXPECT_EQ(platform_->Inner().Caption(), "Ninth Harbour");
}

TEST_F(EngineCoreTest, OpensOnlyExistingFilesAndMovesTheCursor) {
  WriteDefinition(GameXml(kGameType));
  StartGame();
  dir_.Write("docs/manual.html", "<html/>");
  EXPECT_TRUE(engine_->OpenFileExternally("docs/manual.html"));
  EXPECT_FALSE(engine_->OpenFileExternally("docs/missing.html"));
  engine_->OpenWebAddress("https://www.example.org/");
  EXPECT_EQ(platform_->Inner().OpenedExternally(),
            (std::vector<std::string>{"docs/manual.html", "https://www.example.org/"}));

  engine_->HideSystemCursor();
  EXPECT_FALSE(platform_->Inner().IsCursorVisible());
  engine_->SetCursorPos({12, 34});
  EXPECT_EQ(engine_->GetCursorPos(), (TPoint{12, 34}));
  engine_->Finish();
  EXPECT_TRUE(platform_->Inner().IsCursorVisible());  // never left hidden
}

}  // namespace
}  // namespace corvellane
