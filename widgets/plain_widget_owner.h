// plain_widget_owner.h: TPlainWidgetOwner, an owner that answers nothing.
//
// A widget tree needs an owner above its root. Outside a game screen (a
// benchmark, a fuzzer, a test that looks at one widget) that owner usually
// cares about one or two requests; this base answers all the others the way
// a detached owner does: no engine, window, handler, factory, widget or
// sound, points unchanged, the mouse at (0, 0), an empty path, redraw
// requests ignored.
//
//   class TCountingOwner : public TPlainWidgetOwner {
//    public:
//     void InvalidateRect(const TRect&) override { ++rects; }
//     int rects = 0;
//   };
//   Ref<TCountingOwner> owner = MakeRef<TCountingOwner>();
//   root->SetOwner(owner.get());
#pragma once

#include <string>
#include <string_view>

#include "persistence/object.h"
#include "widgets/widget_owner_interface.h"

namespace corvellane {

class TPlainWidgetOwner : public TNamedObject, public virtual IWidgetOwner {
 public:
  IEngine* GetEngine() override { return nullptr; }
  IWindow* GetWindow() override { return nullptr; }
  IEventHandler* GetEventHandler() override { return nullptr; }
  TPoint ChildScreenToLocal(TPoint screen_point) override { return screen_point; }
  TPoint GetMousePos() override { return {}; }
  void SetMousePos(TPoint) override {}
  Ref<IWidget> CreateFromFactory(std::string_view, IParamCollection*) override { return nullptr; }
  Ref<IWidget> FindWidget(std::string_view) override { return nullptr; }
  Ref<ISound> FindSound(std::string_view) override { return nullptr; }
  std::string GetPath() override { return {}; }
  void InvalidateRect(const TRect&) override {}
};

}  // namespace corvellane
