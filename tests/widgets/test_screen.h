// test_screen.h: a stand-in for the game screen that owns the root of a
// widget tree in the widget tests.
//
// It is the root's IWidgetOwner: screen space is its children's space, the
// rectangles widgets report are collected (and can be taken per frame), the
// mouse position is whatever the test sets, paths start with its name.
// Sounds looked up past the root come from its own sound collection, the
// way a screen falls back on the game's sounds.
//
//   auto screen = MakeRef<TTestScreen>();
//   screen->SetRoot(root);                 // root->SetOwner(screen)
//   root->UpdateDirtyRegion(false, false);
//   std::vector<TRect> rects = screen->TakeInvalidated();
#pragma once

#include <string>
#include <vector>

#include "engine/engine_interface.h"
#include "persistence/object_io.h"
#include "sound/sound_definitions.h"
#include "widgets/event_handler_interface.h"
#include "widgets/widget_interface.h"
#include "widgets/widget_owner_interface.h"
#include "widgets/window_interface.h"

namespace corvellane::testing {

class TTestScreen : public TNamedObject, public virtual IWidgetOwner {
 public:
  TTestScreen() { SetName("GS_Test"); }
  ~TTestScreen() override { DetachRoot(); }

  void SetRoot(Ref<IWidget> root) {
    DetachRoot();
    root_ = std::move(root);
    if (root_) root_->SetOwner(this);
  }
  void DetachRoot() {
    if (root_) root_->ClearOwner();
    root_ = nullptr;
  }
  const Ref<IWidget>& Root() const { return root_; }

  std::vector<TRect> TakeInvalidated() { return std::exchange(invalidated_, {}); }
  void SetEngine(IEngine* engine) { engine_ = engine; }
  void SetWindow(IWindow* window) { window_ = window; }
  void SetEventHandler(IEventHandler* handler) { handler_ = handler; }
  void SetMouse(TPoint p) { mouse_ = p; }
  TSoundCollection& Sounds() { return *sounds_; }

  IEngine* GetEngine() override { return engine_; }
  IWindow* GetWindow() override { return window_; }
  IEventHandler* GetEventHandler() override { return handler_; }
  TPoint ChildScreenToLocal(TPoint p) override { return p; }
  TPoint GetMousePos() override { return mouse_; }
  void SetMousePos(TPoint p) override { mouse_ = p; }
  Ref<IWidget> CreateFromFactory(std::string_view, IParamCollection*) override { return nullptr; }
  Ref<IWidget> FindWidget(std::string_view path) override { return root_ ? root_->FindWidget(path) : nullptr; }
  Ref<ISound> FindSound(std::string_view name) override { return sounds_->GetSound(Variant(name)); }
  std::string GetPath() override { return GetName(); }
  void InvalidateRect(const TRect& rect) override { invalidated_.push_back(rect); }

 private:
  Ref<IWidget> root_;
  std::vector<TRect> invalidated_;
  IEngine* engine_ = nullptr;
  IWindow* window_ = nullptr;
  IEventHandler* handler_ = nullptr;
  TPoint mouse_;
  Ref<TSoundCollection> sounds_ = CreateObject<TSoundCollection>();
};

}  // namespace corvellane::testing
