#include "engine/platform/input_script.h"

#include <array>
#include <cctype>
#include <utility>

#include "persistence/number_text.h"

namespace corvellane {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view StripComment(std::string_view line) {
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '#' && (i == 0 || IsBlank(line[i - 1]))) return line.substr(0, i);
  }
  return line;
}

// Splits off the first blank-separated word; the rest keeps its inner blanks.
std::string_view NextWord(std::string_view& rest) {
  rest = Trim(rest);
  size_t end = 0;
  while (end < rest.size() && !IsBlank(rest[end])) ++end;
  std::string_view word = rest.substr(0, end);
  rest = Trim(rest.substr(end));
  return word;
}

constexpr std::array<std::pair<std::string_view, ScriptAction>, 11> kActions{{
    {"move", ScriptAction::Move},
    {"down", ScriptAction::Down},
    {"up", ScriptAction::Up},
    {"click", ScriptAction::Click},
    {"rdown", ScriptAction::RightDown},
    {"rup", ScriptAction::RightUp},
    {"wheel", ScriptAction::Wheel},
    {"key", ScriptAction::Key},
    {"text", ScriptAction::Text},
    {"capture", ScriptAction::Capture},
    {"quit", ScriptAction::Quit},
}};

std::optional<ScriptAction> ActionFromName(std::string_view name) {
  for (const auto& [text, action] : kActions) {
    if (text == name) return action;
  }
  return std::nullopt;
}

bool TakesPoint(ScriptAction a) {
  return a == ScriptAction::Move || a == ScriptAction::Down || a == ScriptAction::Up || a == ScriptAction::Click ||
         a == ScriptAction::RightDown || a == ScriptAction::RightUp || a == ScriptAction::Wheel;
}

// Fills the arguments of one event; answers the error text, empty when good.
std::string ParseArguments(ScriptEvent& e, std::string_view rest) {
  if (TakesPoint(e.action)) {
    std::optional<int32_t> x = ParseInt(NextWord(rest));
    std::optional<int32_t> y = ParseInt(NextWord(rest));
    if (!x || !y) return "expected two integer coordinates X Y";
    e.x = *x;
    e.y = *y;
  }
  if (e.action == ScriptAction::Wheel) {
    std::optional<int32_t> notches = ParseInt(NextWord(rest));
    if (!notches || *notches < -100 || *notches > 100) return "expected the notches the wheel turns, -100 .. 100";
    e.wheel = *notches;
  } else if (e.action == ScriptAction::Key) {
    std::string_view name = NextWord(rest);
    std::optional<KeyCode> key = KeyCodeFromName(name);
    if (!key) return "unknown key \"" + std::string(name) + "\"";
    e.key = *key;
  } else if (e.action == ScriptAction::Text) {
    if (rest.empty()) return "text needs something to type";
    e.text = std::string(rest);
    rest = {};
  } else if (e.action == ScriptAction::Capture) {
    std::string_view name = NextWord(rest);
    if (!IsValidCaptureName(name)) return "capture needs a file name of letters, digits, '_', '-' and '.'";
    e.text = std::string(name);
  }
  if (!rest.empty()) return "unexpected \"" + std::string(rest) + "\" at the end of the line";
  return {};
}

// One non-empty line; answers the error text, empty when good.
std::string ParseLine(std::string_view line, ScriptEvent& e) {
  std::string_view rest = line;
  std::string_view time_word = NextWord(rest);
  std::optional<int32_t> time = ParseInt(time_word);
  if (!time || *time < 0 || !std::isdigit(static_cast<unsigned char>(time_word.front()))) {
    return "expected a time in milliseconds, found \"" + std::string(time_word) + "\"";
  }
  e.time = static_cast<uint32_t>(*time);
  std::string_view action_word = NextWord(rest);
  std::optional<ScriptAction> action = ActionFromName(action_word);
  if (!action) return "unknown action \"" + std::string(action_word) + "\"";
  e.action = *action;
  return ParseArguments(e, rest);
}

}  // namespace

bool IsValidCaptureName(std::string_view name) {
  if (name.empty() || name.front() == '.') return false;
  for (char c : name) {
    bool allowed = std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.';
    if (!allowed) return false;
  }
  return true;
}

InputScript ParseInputScript(std::string_view text) {
  InputScript script;
  int line_number = 0;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++line_number;
    std::string_view line = Trim(StripComment(raw));
    if (line.empty()) continue;
    ScriptEvent e;
    std::string problem = ParseLine(line, e);
    if (problem.empty() && !script.events.empty() && e.time < script.events.back().time) {
      problem = "time goes backwards (" + FormatInt(e.time) + " after " + FormatInt(script.events.back().time) + ")";
    }
    if (!problem.empty()) {
      script.error = ScriptError{line_number, std::move(problem)};
      return script;
    }
    script.events.push_back(std::move(e));
  }
  return script;
}

}  // namespace corvellane
