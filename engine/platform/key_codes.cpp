#include "engine/platform/key_codes.h"

#include <array>
#include <cctype>
#include <utility>

#include "persistence/number_text.h"
#include "xml/ascii_case.h"

namespace corvellane {

namespace {

constexpr std::array<std::pair<std::string_view, KeyCode>, 15> kNamedKeys{{
    {"Enter", KeyCode::Enter},
    {"Escape", KeyCode::Escape},
    {"Tab", KeyCode::Tab},
    {"Backspace", KeyCode::Backspace},
    {"Space", KeyCode::Space},
    {"Left", KeyCode::Left},
    {"Right", KeyCode::Right},
    {"Up", KeyCode::Up},
    {"Down", KeyCode::Down},
    {"Delete", KeyCode::Delete},
    {"Home", KeyCode::Home},
    {"End", KeyCode::End},
    {"PageUp", KeyCode::PageUp},
    {"PageDown", KeyCode::PageDown},
    {"Insert", KeyCode::Insert},
}};

std::optional<KeyCode> FunctionKeyFromName(std::string_view name) {
  if (name.size() < 2 || name.size() > 3 || (name[0] != 'F' && name[0] != 'f')) return std::nullopt;
  std::string_view digits = name.substr(1);
  if (!std::isdigit(static_cast<unsigned char>(digits[0]))) return std::nullopt;
  std::optional<int32_t> n = ParseInt(digits);
  if (!n || *n < 1 || *n > 12) return std::nullopt;
  return FunctionKey(*n);
}

}  // namespace

KeyCode KeyCodeFromChar(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  if (std::isdigit(u)) return KeyCode(u);
  if (std::isalpha(u)) return KeyCode(std::toupper(u));
  return KeyCode::Unknown;
}

std::optional<KeyCode> KeyCodeFromName(std::string_view name) {
  for (const auto& [text, code] : kNamedKeys) {
    if (EqualsIgnoreAsciiCase(name, text)) return code;
  }
  if (auto f = FunctionKeyFromName(name)) return f;
  if (name.size() == 1 && KeyCodeFromChar(name[0]) != KeyCode::Unknown) return KeyCodeFromChar(name[0]);
  return std::nullopt;
}

}  // namespace corvellane
