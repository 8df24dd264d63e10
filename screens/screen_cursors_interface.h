// screen_cursors_interface.h: IScreenCursors, the cursor choice a screen makes while
// it is open.
//
// The game's cursor collection draws the mouse pointer as a widget. A
// screen's owner that has cursors implements this interface next to
// IGameScreenOwner; the screen finds it by an interface query and, without
// it, leaves the pointer alone:
//
//   if (Ref<IScreenCursors> cursors = QueryInterface<IScreenCursors>(owner)) {
//     previous = cursors->GetCurrentCursorName();
//     cursors->SelectCursor("cursor_hand");
//   }
#pragma once

#include <string>
#include <string_view>

#include "persistence/ref.h"

namespace corvellane {

struct IScreenCursors : virtual IObject {
  // Empty when no cursor is current.
  virtual std::string GetCurrentCursorName() = 0;
  // False (and nothing changes) when no cursor has that name.
  virtual bool SelectCursor(std::string_view name) = 0;
  virtual std::string GetDefaultCursorName() = 0;
};

}  // namespace corvellane
