// group_widget.h: TGroupWidget, a widget that owns a z-sorted list of children.
//
// The group is the owner of its children: it attaches them whenever it is
// attached itself, advances them after its own advance (removing the dead
// ones in the same frame), restarts, pauses and resumes them, and runs their
// dirty pass inside its own. It draws nothing itself; TVisualGroupWidget
// ("group_widget") draws, sizes and hit-tests its children.
//
//   <widget type="group_widget" name="ui_group" visible="yes" anchor_left="20">
//     <widgets>
//       <widget type="image_widget" name="image_back" visible="yes" z="0"/>
//       <widget type="button_control" name="button_ok" visible="yes" z="1"/>
//     </widgets>
//   </widget>
//
//   group->GetWidgets()->Add(label);     // attached, on top of equal z
//   Ref<IWidget> ok = group->FindWidget("button_ok");
//
// Factories: the group's "widgetfactories" (widget_factory_collection.h) are
// loaded before its children. CreateFromFactory asks them first and passes
// the request on to the group's own owner when none of them makes a widget.
//
// Children of a group that stayed invisible through two dirty passes are
// not advanced (their advanced flag is cleared only by the group's dirty
// pass), so their time stands still until the group is shown again.
#pragma once

#include <cstdint>

#include "widgets/container_widget.h"
#include "widgets/widget_collections.h"
#include "widgets/widget_factory_collection.h"

namespace corvellane {

class TGroupWidget : public TContainerWidget {
 public:
  TGroupWidget();
  ~TGroupWidget() override;

  void Cleanup() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;
  void Invalidate() override;
  void Advance(int32_t elapsed_ms) override;
  void Restart() override;
  void Resume() override;
  void Pause() override;
  Ref<IWidgetCollection> GetWidgets() override { return widgets_; }
  Ref<IWidgetFactoryCollection> GetFactories() { return factories_; }
  // Its own factory of that name first, then the owner chain.
  Ref<IWidget> CreateFromFactory(std::string_view name, IParamCollection* params) override;
  void UpdateDirtyRegion(bool force_old, bool force_new) override;

  // The collection's advance pass followed by the removal of dead children.
  virtual void AdvanceChildren(int32_t elapsed_ms);

 protected:
  Ref<IWidget> GetChild(const Variant& key) override { return widgets_->GetWidget(key); }
  TWidgetCollection& Children() { return *widgets_; }
  // Calls visit(child) from the last child to the first.
  template <class F>
  void ForEachChildBackwards(F&& visit) {
    for (int i = widgets_->Count() - 1; i >= 0; --i)
      if (Ref<IWidget> child = widgets_->GetWidgetAt(i)) visit(*child);
  }

 private:
  void ReleaseChildren();

  Ref<TWidgetCollection> widgets_;
  Ref<TWidgetFactoryCollection> factories_;
};

}  // namespace corvellane
