// edit_control.h: TEditControl ("EditControl"), a line of text the player
// types: a name, mostly.
//
// Children by name: "text" (a text widget that shows the value), "cursor"
// (the caret, shown while the edit has the keyboard focus) and, optionally,
// "selection" (a widget stretched behind the selected characters, a
// rect_widget for instance). The caret keeps the offset from the text that
// it has in the data.
//
//   <widget type="EditControl" name="edit_name" visible="yes" mousestop="yes"
//           enabled="yes" tabstop="yes" width="300" height="40" max="24">
//     <widgets>
//       <widget type="rect_widget" name="selection" width="0" height="24" color="$80D8405E"/>
//       <widget type="text_widget" name="text" visible="yes" width="280" height="30" .../>
//       <widget type="rect_widget" name="cursor" anchor_top="2" width="2" height="24" color="$FF6E1A2C"/>
//     </widgets>
//   </widget>
//
// Typing arrives as character messages, one per code point, so accented and
// non-Latin letters arrive whole; each inserts at the caret (replacing the
// selection), unless the value is "max" characters long already, the
// character is a control or invisible mark, or nothing can be typed at all.
// With "capitalize" letters are upper-cased by the Unicode tables. Every
// character message, and every Backspace or Delete, reports event 4
// (kWidgetEventCharTyped) to the event handler of the owner chain.
//
// Keys while focused: Left, Right, Home, End move the caret (with Shift they
// extend the selection), Control+A selects everything, Backspace and Delete
// remove the selection or the character before or after the caret. Enter,
// Escape and Tab are left to the screen. A click places the caret at the
// nearest gap between characters.
//
// By name: "value" and "text_utf8" (the value as UTF-8; a value shorter than
// the caret's place sends the caret to the start), "max", "capitalize".
// "value" is loaded as a display text (localised) and saved as typed.
#pragma once

#include <cstdint>
#include <string>

#include "controls/control_widget.h"
#include "widgets/text_widget.h"

namespace corvellane {

class TEditControl : public TControlWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;
  // The caret goes back to its place in the data first.
  void SaveProperties(IHierStorage* node) override;

  // A tab stop only while visible and enabled.
  bool IsTabStop() const override;
  void FocusGained() override;
  void FocusLost() override;
  void CaptureLost() override;
  bool HandleKey(int32_t message, int32_t key, uint32_t keys) override;
  bool MouseDown(TPoint point, uint32_t keys, TMouseButton button) override;

  std::string GetValue() const;
  void SetValue(std::u32string value);
  void SetValueText(std::string_view utf8);
  // Characters before the caret.
  int32_t GetCursor() const { return cursor_; }
  // The selected characters, [first, last).
  int32_t SelectionStart() const { return std::min(cursor_, anchor_); }
  int32_t SelectionEnd() const { return std::max(cursor_, anchor_); }
  int32_t GetMaxLength() const { return max_length_; }

 private:
  bool HandleKeyDown(int32_t key, uint32_t keys);
  void HandleCharacter(char32_t code);
  // The caret to a new place; with `extend` the selection's other end stays.
  void MoveCursor(int32_t to, bool extend);
  bool DeleteSelection();
  // Backspace (-1) or Delete (+1): the selection, or one character.
  void Erase(int direction);
  void Insert(char32_t code);
  // The text, the caret and the selection as the value and the focus are.
  void RefreshDisplay();
  // Where the gap before character `index` (0-based) lies, in the edit's
  // child space.
  int32_t GapX(int32_t index);
  int32_t NearestGap(int32_t x);
  void PlaceCaret();
  void PlaceSelection();
  // The caret at the place the data gave it.
  void RestoreCaret();

  std::u32string value_;
  int32_t max_length_ = 255;
  int32_t cursor_ = 0;
  int32_t anchor_ = 0;
  bool capitalize_ = false;
  Ref<ITextWidget> text_;
  Ref<IWidget> caret_;
  Ref<IWidget> selection_;
  TPoint caret_offset_;
};

}  // namespace corvellane
