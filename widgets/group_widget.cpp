#include "widgets/group_widget.h"

#include "persistence/object_io.h"

namespace corvellane {

TGroupWidget::TGroupWidget()
    : widgets_(CreateObject<TWidgetCollection>()), factories_(CreateObject<TWidgetFactoryCollection>()) {}

TGroupWidget::~TGroupWidget() { ReleaseChildren(); }

void TGroupWidget::ReleaseChildren() {
  // Detached first, so that deleting them reports nothing to an owner chain
  // that may already be gone.
  widgets_->ClearOwner();
  widgets_->ClearItems();
}

void TGroupWidget::Cleanup() {
  ReleaseChildren();
  TContainerWidget::Cleanup();
}

void TGroupWidget::LoadProperties(IHierStorage* node) {
  TContainerWidget::LoadProperties(node);
  LoadChild(factories_.get(), node, factories_->GetStorageName());
  LoadChild(widgets_.get(), node, widgets_->GetStorageName());
}

void TGroupWidget::SaveProperties(IHierStorage* node) {
  TContainerWidget::SaveProperties(node);
  if (factories_->Count() > 0) SaveChild(factories_.get(), node, factories_->GetStorageName());
  if (widgets_->Count() > 0) SaveChild(widgets_.get(), node, widgets_->GetStorageName());
}

void TGroupWidget::SetOwner(IWidgetOwner* owner) {
  TContainerWidget::SetOwner(owner);
  widgets_->SetOwner(owner ? AsOwner() : nullptr);
}

void TGroupWidget::ClearOwner() {
  widgets_->ClearOwner();
  TContainerWidget::ClearOwner();
}

Ref<IWidget> TGroupWidget::CreateFromFactory(std::string_view name, IParamCollection* params) {
  if (Ref<IWidget> made = factories_->CreateWidget(name, params)) return made;
  return TContainerWidget::CreateFromFactory(name, params);
}

void TGroupWidget::Invalidate() {
  ForEachChildBackwards([](IWidget& child) { child.Invalidate(); });
  SetChanged(true);
}

void TGroupWidget::Advance(int32_t elapsed_ms) {
  TContainerWidget::Advance(elapsed_ms);
  AdvanceChildren(elapsed_ms);
}

void TGroupWidget::AdvanceChildren(int32_t elapsed_ms) {
  widgets_->AdvanceAll(elapsed_ms);
  widgets_->RemoveDead();
}

void TGroupWidget::Restart() {
  TContainerWidget::Restart();
  ForEachChildBackwards([](IWidget& child) { child.Restart(); });
}

void TGroupWidget::Resume() {
  TContainerWidget::Resume();
  ForEachChildBackwards([](IWidget& child) { child.Resume(); });
}

void TGroupWidget::Pause() {
  TContainerWidget::Pause();
  ForEachChildBackwards([](IWidget& child) { child.Pause(); });
}

void TGroupWidget::UpdateDirtyRegion(bool force_old, bool force_new) {
  widgets_->SortByZ();
  // Decided on the group's state before its own pass overwrites it: a group
  // that appears, disappears or moves takes every child's rectangle with it.
  const bool visible = IsVisible();
  const bool child_force_new = visible && (force_new || !WasVisible() || IsGeometryChanged() || IsChanged());
  const bool child_force_old = WasVisible() && (force_old || !visible || IsGeometryChanged());
  widgets_->UpdateDirtyRegions(child_force_old, child_force_new);
  TContainerWidget::UpdateDirtyRegion(force_old, force_new);
  if (widgets_->IsRedrawNeeded()) SetInvalidated(true);
}

}  // namespace corvellane
