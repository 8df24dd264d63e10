// input_script.h: the input of a headless run, one event a line.
//
// Each line is a time in milliseconds of game time, an action and its
// arguments, separated by blanks:
//
//   0     move 320 240
//   500   click 100 200        # down, then up at the same point
//   900   rdown 10 10          # right button
//   950   rup 10 10
//   980   wheel 10 10 -2       # two notches towards the player (scrolls down)
//   1000  down 5 5
//   1010  up 5 5
//   1200  key Enter            # Enter Escape Tab Backspace Space Left Right
//                              # Up Down F1..F12, a letter or a digit
//   1300  text Hello world     # everything after "text " is typed
//   2000  capture after_click  # writes the next presented frame to NAME.png
//   2500  quit
//
// A "#" at the start of a line or after a blank starts a comment; blank lines
// are ignored. Times must not decrease from one line to the next. The first
// malformed line stops parsing with an error that names its line number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/platform/key_codes.h"

namespace corvellane {

enum class ScriptAction { Move, Down, Up, Click, RightDown, RightUp, Wheel, Key, Text, Capture, Quit };

struct ScriptEvent {
  uint32_t time = 0;  // ms of game time
  ScriptAction action = ScriptAction::Move;
  int x = 0;
  int y = 0;
  KeyCode key = KeyCode::Unknown;
  int wheel = 0;      // Wheel: notches
  std::string text;   // Text: what is typed; Capture: the picture's name
  friend bool operator==(const ScriptEvent&, const ScriptEvent&) = default;
};

struct ScriptError {
  int line = 0;        // 1-based
  std::string message;
};

struct InputScript {
  std::vector<ScriptEvent> events;
  std::optional<ScriptError> error;  // set: events holds the lines before it
};

InputScript ParseInputScript(std::string_view text);

// A capture name is used as a file name: letters, digits, "_", "-" and ".",
// not starting with ".".
bool IsValidCaptureName(std::string_view name);

}  // namespace corvellane
