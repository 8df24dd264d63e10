// key_codes.h: the portable key codes the platform layer reports.
//
// The numbers are the ones the game's screens compare against (Enter 13,
// Escape 27, Tab 9, ...): letters are their upper-case character codes and
// digits their character codes, so 'A' and '7' read naturally in code.
//
//   KeyCodeFromName("Escape") == KeyCode::Escape
//   KeyCodeFromName("q")      == KeyCode('Q')
#pragma once

#include <optional>
#include <string_view>

namespace corvellane {

enum class KeyCode : int {
  Unknown = 0,
  Backspace = 8,
  Tab = 9,
  Enter = 13,
  Shift = 16,
  Control = 17,
  Alt = 18,
  Pause = 19,
  Escape = 27,
  Space = 32,
  PageUp = 33,
  PageDown = 34,
  End = 35,
  Home = 36,
  Left = 37,
  Up = 38,
  Right = 39,
  Down = 40,
  Insert = 45,
  Delete = 46,
  // '0' .. '9' = 48 .. 57 and 'A' .. 'Z' = 65 .. 90 are used as they are.
  F1 = 112,
  F12 = 123,
};

// F1 + (n - 1) for n in 1 .. 12.
constexpr KeyCode FunctionKey(int n) { return KeyCode(int(KeyCode::F1) + n - 1); }
// A letter (either case) or a digit; Unknown for anything else.
KeyCode KeyCodeFromChar(char c);

// "Enter", "Escape", "Tab", "Backspace", "Space", "Left", "Right", "Up",
// "Down", "Delete", "Home", "End", "PageUp", "PageDown", "Insert", "F1" ..
// "F12" (any letter case), or a single letter or digit.
std::optional<KeyCode> KeyCodeFromName(std::string_view name);

}  // namespace corvellane
