#include "game/cursor_collection.h"

#include "persistence/class_registry.h"
#include "persistence/value_access.h"

namespace corvellane {

void TCursorCollection::Init() {
  TStaticCreationPersistItemCollection::Init();
  SetStorageName("cursors");
  SetItemElementName("cursor");
  SetItemClass<TCursor>();
}

void TCursorCollection::Cleanup() {
  current_ = nullptr;
  TStaticCreationPersistItemCollection::Cleanup();
}

void TCursorCollection::LoadProperties(IHierStorage* node) {
  TStaticCreationPersistItemCollection::LoadProperties(node);
  default_name_ = ReadText(node, "default_cursor_name");
}

void TCursorCollection::SaveProperties(IHierStorage* node) {
  TStaticCreationPersistItemCollection::SaveProperties(node);
  WriteText(node, "default_cursor_name", default_name_, true);
}

Ref<ICursor> TCursorCollection::GetCursor(const Variant& key) { return GetItemAs<ICursor>(key); }

bool TCursorCollection::AddCursor(Ref<ICursor> cursor) { return AddItem(std::move(cursor)); }

Ref<IWidget> TCursorCollection::GetCurrentWidget() { return current_ ? current_->GetWidget() : nullptr; }

bool TCursorCollection::SelectCursor(std::string_view name) {
  Ref<ICursor> chosen = GetCursor(Variant(name));
  if (!chosen) return false;
  if (Ref<IWidget> old_widget = GetCurrentWidget()) {
    old_widget->SetVisible(false);
    // Reported now: the widget leaves the frame's passes, so nothing else
    // would redraw the area it covered.
    old_widget->UpdateDirtyRegion(false, false);
  }
  current_ = chosen;
  if (Ref<IWidget> new_widget = GetCurrentWidget()) new_widget->SetVisible(true);
  return true;
}

std::string TCursorCollection::GetDefaultCursorName() {
  if (GetCursor(Variant(default_name_))) return default_name_;
  if (Ref<ICursor> first = GetCursor(Variant(int32_t{0}))) return first->GetName();
  return {};
}

void RegisterCursorClasses() {
  RegisterClass<TCursor>("cursor");
  RegisterClass<TCursorCollection>("cursors");
}

}  // namespace corvellane
