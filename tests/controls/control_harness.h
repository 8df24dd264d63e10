// control_harness.h: a widget tree of controls under a stand-in screen,
// driven the way the game drives it.
//
// The tree is loaded from XML through the class registry (controls, groups
// and "test_box" widgets, test_widgets.h), attached to a TTestScreen and
// given a real engine over the headless platform, a window that routes mouse
// and keys through the real input router, and an event handler that records
// the widget events and is a screen a game screen owner can close.
//
//   ControlHarness h(R"(<widget type="group_widget" ...> ... </widget>)");
//   h.Click({15, 12});
//   EXPECT_EQ(h.Events(), (Events{{"button_ok", 1}}));
//   h.MoveCursor({200, 200});
//   h.Frame(16);
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "controls/control_classes.h"
#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "persistence/class_registry.h"
// Only for the complete screen-collection type in the stand-in screen owner
// (nothing of the screens library is used).
#include "screens/gs_collection.h"
#include "sound/sound_definitions.h"
#include "tests/support/temp_dir.h"
#include "tests/widgets/test_screen.h"
#include "tests/widgets/test_widgets.h"
#include "widgets/event_handler_interface.h"
#include "widgets/game_screen_owner_interface.h"
#include "widgets/game_screen_slave_interface.h"
#include "widgets/input_router.h"
#include "widgets/visual_group_widget.h"
#include "widgets/widget_classes.h"
#include "widgets/window_interface.h"

namespace corvellane::testing {

// The engine with sounds and the desktop hand-offs recorded and a cursor
// the test moves.
class TControlTestEngine : public TEngine {
 public:
  using TEngine::TEngine;
  std::vector<std::string> sounds;
  std::vector<std::string> web_addresses;
  std::vector<std::string> opened_files;
  TPoint cursor;

  // The pointer the test puts anywhere, without a window to clamp it.
  TPoint GetCursorPos() override { return cursor; }
  void SetCursorPos(TPoint p) override { cursor = p; }
  ChannelHandle PlaySoundSample(IObject* sound) override {
    sounds.push_back(dynamic_cast<INamedObject&>(*sound).GetName());
    return 1;
  }
  void OpenWebAddress(std::string_view address) override { web_addresses.emplace_back(address); }
  bool OpenFileExternally(std::string_view file) override {
    opened_files.emplace_back(file);
    return true;
  }
};

// The screen's window: capture and focus through the real input router.
class TTestWindow : public TPropertyObject, public virtual IWindow {
 public:
  TWidgetInputRouter router;
  Ref<IWidget> root;

  void SetCapture(IWidget* widget) override { router.SetCapture(widget); }
  void ReleaseCapture() override { router.ReleaseCapture(); }
  Ref<IWidget> GetCapture() override { return router.GetCapture(); }
  void SetFocus(IWidget* widget) override { router.SetFocus(widget); }
  void ClearFocus() override { router.ClearFocus(); }
  Ref<IWidget> GetFocus() override { return router.GetFocus(); }
  Ref<IWidgetCollection> GetWidgets() override { return root ? root->GetWidgets() : nullptr; }
  void ResetFocus() override { router.ResetFocus(); }
  Ref<IWidget> WidgetAtPos(TPoint p) override { return root ? root->WidgetAtPos(p) : nullptr; }
  Ref<IWidget> FindWidget(std::string_view path) override { return root ? root->FindWidget(path) : nullptr; }
  ChannelHandle PlayWindowSound(std::string_view name) override {
    return root ? root->PlaySound(name, false, 0, 0) : 0;
  }
  void StopWindowSound(std::string_view name) override {
    if (root) root->StopSound(name);
  }
};

// The game as screens see it, recording the screens shown and closed.
class TTestScreenOwner : public TAbstractObject, public virtual IGameScreenOwner {
 public:
  struct Shown {
    std::string name;
    std::vector<std::pair<std::string, std::string>> params;
  };
  std::vector<Shown> shown;
  std::vector<IGameScreenSlave*> closed;
  IEngine* engine = nullptr;

  void SetGameParam(std::string_view, const Variant&) override {}
  void SetGameParamTransient(std::string_view, const Variant&) override {}
  Variant GetGameParam(std::string_view) override { return Variant::Null(); }
  IEngine* GetEngine() override { return engine; }
  IGameScreenOwner* GetScreenOwner() override { return this; }
  bool ShowScreen(std::string_view name, Ref<IParamCollection> parameters) override;
  bool CloseScreen(IGameScreenSlave* screen, Ref<IParamCollection>) override {
    closed.push_back(screen);
    return true;
  }
  Ref<IGSCollection> GetScreens() override { return nullptr; }
  void ShowMainScreen() override {}
  Ref<TSoundCollection> GetSounds() override { return nullptr; }
  Ref<ISound> GetSound(std::string_view) override { return nullptr; }
  TPoint GetCursorPos() override { return {}; }
  void SetCursorPos(TPoint) override {}
};

// The screen as its controls see it: records the widget events.
class TTestEventHandler : public TNamedObject, public virtual IEventHandler, public virtual IGameScreenSlave {
 public:
  std::vector<std::pair<std::string, int32_t>> events;
  IEngine* engine = nullptr;
  IGameScreenOwner* screen_owner = nullptr;

  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant&) override {
    events.emplace_back(sender ? sender->GetName() : "", code);
  }
  IEngine* GetEngine() override { return engine; }
  IGameScreenOwner* GetScreenOwner() override { return screen_owner; }

  void SetOwner(IGameScreenOwner*) override {}
  void ClearOwner() override {}
  void Open(Ref<IParamCollection>) override {}
  void Close() override {}
  void Activate() override {}
  void Deactivate() override {}
  void Advance(int32_t) override {}
  void Draw(ISurface*, int32_t, int32_t) override {}
  TRect GetScreenRect() override { return {}; }
  void SetAppActive(bool) override {}
  bool MouseEvent(const PlatformEvent&) override { return false; }
  bool KeyEvent(const PlatformEvent&) override { return false; }
  void ChildClosed(std::string_view, Ref<IParamCollection>) override {}
  Ref<IWindow> GetScreenWindow() override { return nullptr; }
  Ref<IWidget> GetWindowWidget() override { return nullptr; }
  void EndFrame() override {}
  bool IsOpen() override { return true; }
};

using Events = std::vector<std::pair<std::string, int32_t>>;

// Registers the classes the control trees are made of.
void RegisterControlTestClasses();

class ControlHarness {
 public:
  explicit ControlHarness(std::string_view root_xml);
  ~ControlHarness();
  ControlHarness(const ControlHarness&) = delete;
  ControlHarness& operator=(const ControlHarness&) = delete;

  // A widget by path from the root; fails the test when absent.
  template <class T = IWidget>
  Ref<T> Get(std::string_view path) {
    Ref<T> widget = QueryInterface<T>(root_->FindWidget(path));
    EXPECT_NE(widget, nullptr) << path;
    return widget;
  }
  IWidget& Root() { return *root_; }

  // One frame: the tree advances and runs its dirty pass.
  void Frame(int32_t elapsed_ms);
  // The cursor the controls poll; also the router's next mouse position.
  void MoveCursor(TPoint p);
  bool Mouse(int32_t message, TPoint p);
  bool Key(int32_t message, int32_t key, uint32_t flags = 0);
  // Each code point of the UTF-8 text as a character message, as typed.
  void Type(std::string_view utf8);
  // Left press and release at the points, each after the cursor got there.
  void Click(TPoint press, TPoint release);
  void Click(TPoint p) { Click(p, p); }
  // A sound the tree finds past the root, as the game's sounds are found.
  void AddScreenSound(std::string_view name);
  // An image resource without pixels, named.
  void AddEmptyImage(std::string_view name);
  // An image resource of one opaque colour, read from a PNG file the way
  // resource definitions load pictures.
  void DefinePicture(std::string_view name, int32_t width, int32_t height, uint32_t colour);
  // A white font whose glyphs are solid blocks kGlyphWidth x kGlyphHeight
  // with no bearings, one for each character of the UTF-8 text.
  static constexpr int32_t kGlyphWidth = 6;
  static constexpr int32_t kGlyphHeight = 10;
  void DefineFont(std::string_view name, std::string_view characters);

  const Events& EventsSeen() const { return handler_->events; }
  TControlTestEngine& Engine() { return *engine_; }
  TTestWindow& Window() { return *window_; }
  TTestScreenOwner& ScreenOwner() { return *screen_owner_; }
  IGameScreenSlave* HandlerAsScreen() { return handler_.get(); }
  TTestScreen& Screen() { return *screen_; }

 private:
  TempDir pictures_;
  THeadlessPlatform platform_{HeadlessOptions{}};
  Ref<TControlTestEngine> engine_;
  Ref<TTestScreen> screen_ = MakeRef<TTestScreen>();
  Ref<TTestWindow> window_ = CreateObject<TTestWindow>();
  Ref<TTestEventHandler> handler_ = MakeRef<TTestEventHandler>();
  Ref<TTestScreenOwner> screen_owner_ = MakeRef<TTestScreenOwner>();
  Ref<IWidget> root_;
};

}  // namespace corvellane::testing
