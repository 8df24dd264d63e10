// Arbitrary text as one widget element (or a whole "gamescreen" element):
// whatever parses is created by its type with every class the game knows,
// then lives a short life the way a screen would give it one — attached to
// an owner without an engine, advanced over a few frames, put through the
// dirty pass, drawn into a small surface, hit-tested, saved and detached; a
// widget then lives again inside a screen, which gives it clicks and keys,
// before everything is cleaned up. Bad data may do nothing useful; it must never crash.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/platform/platform_interface.h"
#include "engine/surface.h"
#include "game/class_list.h"
#include "persistence/data_files.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "widgets/game_screen_slave_interface.h"
#include "widgets/plain_widget_owner.h"
#include "widgets/widget_collection_interface.h"
#include "widgets/widget_interface.h"
#include "widgets/widget_owner_interface.h"
#include "widgets/window_interface.h"

namespace {

using namespace corvellane;

// Larger inputs only make every run slower; real widget elements are smaller.
constexpr size_t kMaxInputSize = 16 * 1024;
constexpr int32_t kSurfaceWidth = 64;
constexpr int32_t kSurfaceHeight = 48;
constexpr int32_t kFrameTimes[] = {0, 16, 1000, 16};
constexpr TPoint kProbes[] = {{0, 0}, {10, 10}, {32, 24}, {63, 47}, {-5, 100}};

// The screen above the root: no engine, no window, no handler; the
// rectangles it is told about are dropped.
class TFuzzScreen : public TPlainWidgetOwner {
 public:
  TFuzzScreen() { SetName("GS_Fuzz"); }
  TPoint GetMousePos() override { return mouse_; }
  void SetMousePos(TPoint p) override { mouse_ = p; }
  Ref<IWidget> FindWidget(std::string_view path) override { return root_ ? root_->FindWidget(path) : nullptr; }
  std::string GetPath() override { return GetName(); }

  IWidget* root_ = nullptr;
  TPoint mouse_;
};

void SaveInto(IObject* object) {
  Ref<IHierStorageRoot> out = CreateStorage("saved");
  SaveObject(object, out.get());
  out->SaveToText();
}

void LiveAsWidget(IWidget& widget, IObject* object) {
  Ref<TFuzzScreen> screen = MakeRef<TFuzzScreen>();
  screen->root_ = &widget;
  widget.SetOwner(screen.get());
  Ref<TSurface> surface = MakeSurface(kSurfaceWidth, kSurfaceHeight, true);
  for (int32_t elapsed : kFrameTimes) {
    widget.Update(elapsed);
    widget.UpdateDirtyRegion(false, false);
    widget.Draw(surface.get(), 0, 0);
  }
  for (TPoint probe : kProbes) {
    screen->SetMousePos(probe);
    widget.WidgetAtPos(probe);
    widget.ContainsPoint(probe, false);
  }
  SaveInto(object);
  widget.ClearOwner();
  screen->root_ = nullptr;
}

// Clicks at every probe and the keys that move the focus and press: the
// screen routes them to its capture, focus and the widget under the mouse.
void PlayInput(IGameScreenSlave& screen) {
  for (TPoint probe : kProbes) {
    screen.MouseEvent({.type = EventType::MouseMove, .position = probe});
    screen.MouseEvent({.type = EventType::MouseDown, .position = probe, .button = MouseButton::Left});
    screen.MouseEvent({.type = EventType::MouseUp, .position = probe, .button = MouseButton::Left});
  }
  for (KeyCode key : {KeyCode::Tab, KeyCode::Enter}) {
    screen.KeyEvent({.type = EventType::KeyDown, .key = key});
    screen.KeyEvent({.type = EventType::KeyUp, .key = key});
  }
  screen.KeyEvent({.type = EventType::Text, .text = " x"});
}

// A screen is its own widget owner; without a game above it, it opens,
// runs, closes and runs out its hide effect.
void LiveAsScreen(IGameScreenSlave& screen, IObject* object) {
  screen.SetOwner(nullptr);
  screen.Open(nullptr);
  Ref<TSurface> surface = MakeSurface(kSurfaceWidth, kSurfaceHeight, true);
  for (int32_t elapsed : kFrameTimes) {
    screen.Advance(elapsed);
    if (Ref<IWidget> window = screen.GetWindowWidget()) window->UpdateDirtyRegion(false, false);
    screen.Draw(surface.get(), 0, 0);
    screen.EndFrame();
  }
  for (TPoint probe : kProbes)
    if (Ref<IWindow> window = screen.GetScreenWindow()) window->WidgetAtPos(probe);
  PlayInput(screen);
  screen.Advance(16);
  screen.Close();
  screen.Advance(1000);
  SaveInto(object);
  screen.ClearOwner();
}

// The node's own type, or "GameScreen" for an untyped screen element.
Ref<TAbstractObject> CreateFromNode(IHierStorage* node) {
  if (Ref<TAbstractObject> object = CreateFromStorage(node)) return object;
  if (node->GetNodeName() != "gamescreen") return nullptr;
  Ref<TAbstractObject> screen = CreateNamed("GameScreen", "");
  if (screen) LoadObject(screen.get(), node);
  return screen;
}

// The widget, moved into the window of a plain screen, gets the clicks and
// keys a screen routes; the screen is let go with the widget still in it.
void LiveInScreen(const Ref<IWidget>& widget) {
  Ref<IGameScreenSlave> screen = QueryInterface<IGameScreenSlave>(CreateNamed("GameScreen", "GS_Fuzz"));
  Ref<IWindow> window = screen ? screen->GetScreenWindow() : nullptr;
  if (!window) return;
  window->GetWidgets()->Add(widget);
  LiveAsScreen(*screen, screen.get());
  if (Ref<IPersistObject> persist = QueryInterface<IPersistObject>(screen)) persist->Cleanup();
}

}  // namespace

// Data files named by the input (fonts, images, sounds) are never there.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  SetDataFileReader([](std::string_view) { return std::optional<std::string>(); });
  RegisterAllGameClasses();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kMaxInputSize) return 0;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  Ref<IHierStorageRoot> root;
  try {
    root = OpenStorageText(text);
  } catch (const EStorageParseError&) {
    return 0;
  }
  // The document's root element is the widget (or screen) itself.
  Ref<TAbstractObject> object = CreateFromNode(root.get());
  if (!object) return 0;
  if (Ref<IGameScreenSlave> screen = QueryInterface<IGameScreenSlave>(object))
    LiveAsScreen(*screen, object.get());
  else if (Ref<IWidget> widget = QueryInterface<IWidget>(object)) {
    LiveAsWidget(*widget, object.get());
    LiveInScreen(widget);
  }
  if (Ref<IPersistObject> persist = QueryInterface<IPersistObject>(object)) persist->Cleanup();
  return 0;
}
