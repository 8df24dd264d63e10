// cursor_collection.h: TCursorCollection, the game's cursors, the default
// one and the current one.
//
// The game definition names the cursors; the game gives itself as owner to
// every cursor widget, selects the default cursor once it is attached, and
// draws the current one each frame. Screens switch with SelectCursor while
// they are open.
//
//   <cursors default_cursor_name="cursor_arrow">
//     <cursor name="cursor_arrow" hotspotx="1" hotspoty="1"><widget .../></cursor>
//     <cursor name="cursor_hand" hotspotx="6"><widget .../></cursor>
//   </cursors>
//
//   cursors->SelectCursor(cursors->GetDefaultCursorName());
//   cursors->SelectCursor("cursor_hand");      // false for an unknown name
//   Ref<ICursor> now = cursors->GetCurrentCursor();
//
// Only the current cursor's widget is visible. Switching hides the old one
// and reports its area for redrawing at once; selecting the current cursor
// again hides and shows it within the call. The default name falls back on
// the first cursor when it names none.
#pragma once

#include <string>
#include <string_view>

#include "game/cursor.h"
#include "persistence/collections.h"

namespace corvellane {

struct ICursorCollection : virtual ICollection {
  // Key variant: position or name; none when absent.
  virtual Ref<ICursor> GetCursor(const Variant& key) = 0;
  // Appended under its own name; false when the name is taken.
  virtual bool AddCursor(Ref<ICursor> cursor) = 0;
  virtual Ref<ICursor> GetCurrentCursor() = 0;
  // False, changing nothing, when no cursor has the name.
  virtual bool SelectCursor(std::string_view name) = 0;
  // The stored default when a cursor has that name, else the first cursor's
  // name, else empty.
  virtual std::string GetDefaultCursorName() = 0;
};

class TCursorCollection : public TStaticCreationPersistItemCollection, public virtual ICursorCollection {
 public:
  void Init() override;
  void Cleanup() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  Ref<ICursor> GetCursor(const Variant& key) override;
  bool AddCursor(Ref<ICursor> cursor) override;
  Ref<ICursor> GetCurrentCursor() override { return current_; }
  bool SelectCursor(std::string_view name) override;
  std::string GetDefaultCursorName() override;

  void SetDefaultCursorName(std::string_view name) { default_name_ = std::string(name); }
  // The current cursor's widget; none without a current cursor or widget.
  Ref<IWidget> GetCurrentWidget();

 private:
  std::string default_name_;
  Ref<ICursor> current_;
};

// "cursor" and "cursors".
void RegisterCursorClasses();

}  // namespace corvellane
