#include "engine/platform/soak_input.h"

#include <array>
#include <string>

#include "engine/random_source.h"

namespace corvellane {

namespace {

constexpr uint32_t kShortestPauseMs = 50;
constexpr uint32_t kLongestPauseMs = 800;

constexpr std::array kKeys = {KeyCode::Escape, KeyCode::Enter, KeyCode::Tab,  KeyCode::Space, KeyCode::Left,
                              KeyCode::Right,  KeyCode::Up,    KeyCode::Down, KeyCode::Backspace};

uint32_t Draw(uint32_t n) { return GlobalRandom().Uniform(n); }

std::string RandomWord() {
  std::string word(1 + Draw(8), ' ');
  for (char& c : word) c = char('a' + Draw(26));
  return word;
}

// One event of the restless player at the time; the weights are out of 100.
ScriptEvent RandomEvent(uint32_t time, DisplaySize screen) {
  ScriptEvent event;
  event.time = time;
  event.x = int(Draw(uint32_t(screen.width)));
  event.y = int(Draw(uint32_t(screen.height)));
  const uint32_t roll = Draw(100);
  if (roll < 55) {
    event.action = ScriptAction::Click;
  } else if (roll < 70) {
    event.action = ScriptAction::Move;
  } else if (roll < 85) {
    event.action = ScriptAction::Key;
    event.key = kKeys[Draw(kKeys.size())];
  } else if (roll < 90) {
    event.action = ScriptAction::Key;
    event.key = KeyCode(int('A') + int(Draw(26)));
  } else if (roll < 94) {
    event.action = ScriptAction::Text;
    event.text = RandomWord();
  } else if (roll < 97) {
    // A right click: both halves at the same point.
    event.action = ScriptAction::RightDown;
  } else {
    event.action = ScriptAction::Wheel;
    event.wheel = int(Draw(7)) - 3;
  }
  return event;
}

}  // namespace

std::vector<ScriptEvent> MakeSoakScript(uint32_t start_ms, uint32_t end_ms, DisplaySize screen) {
  std::vector<ScriptEvent> events;
  if (screen.width <= 0 || screen.height <= 0) return events;
  for (uint32_t time = start_ms; time < end_ms;
       time += kShortestPauseMs + Draw(kLongestPauseMs - kShortestPauseMs + 1)) {
    events.push_back(RandomEvent(time, screen));
    if (events.back().action == ScriptAction::RightDown) {
      ScriptEvent release = events.back();
      release.action = ScriptAction::RightUp;
      events.push_back(release);
    }
  }
  ScriptEvent quit;
  quit.time = end_ms;
  quit.action = ScriptAction::Quit;
  events.push_back(quit);
  return events;
}

}  // namespace corvellane
