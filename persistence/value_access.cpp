#include "persistence/value_access.h"

#include <optional>
#include <vector>

#include "persistence/localization.h"
#include "persistence/log.h"
#include "persistence/number_text.h"
#include "persistence/storage.h"

namespace corvellane {

namespace {

// The stored text, or none when neither the element nor its external storage
// holds the value.
std::optional<std::string> StoredText(IHierStorage* node, std::string_view name) {
  if (!node) return std::nullopt;
  Variant value = node->GetValue(name, Variant());
  if (value.IsEmpty()) return std::nullopt;
  return value.ToText();
}

std::vector<std::string_view> EnumNames(std::string_view names) {
  std::vector<std::string_view> items;
  while (!names.empty()) {
    size_t slash = names.find('/');
    std::string_view item = names.substr(0, slash);
    if (!item.empty()) items.push_back(item);
    if (slash == std::string_view::npos) break;
    names.remove_prefix(slash + 1);
  }
  return items;
}

// The force rule: unforced, a value equal to what the node already answers
// (with the new value as default) is not written.
template <class T, class Reader>
void WriteChecked(IHierStorage* node, std::string_view name, const T& value, bool force, Reader read,
                  std::string_view text) {
  if (!node) return;
  if (!force && read(node, name, value) == value) return;
  node->SetValue(name, Variant(text));
}

// The readers below parse quietly; the public ones add a warning naming the
// node when a stored text does not convert, and the writers use the quiet
// ones to compare with what is stored.

std::optional<bool> ParseBool(const std::string& text) {
  if (text == "yes") return true;
  if (text == "no") return false;
  return std::nullopt;
}

std::optional<uint32_t> ParseHex(const std::string& text) {
  std::optional<int32_t> value = ParseInt(text);
  if (!value) return std::nullopt;
  return static_cast<uint32_t>(*value);
}

std::optional<int> ParseEnum(const std::string& text, std::string_view names) {
  std::vector<std::string_view> items = EnumNames(names);
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i] == text) return static_cast<int>(i);
  return std::nullopt;
}

// The stored value parsed, or the fallback: quietly when nothing is stored,
// with a warning when the stored text does not parse.
template <class T, class Parse>
T ReadParsed(IHierStorage* node, std::string_view name, T fallback, std::string_view expected, Parse parse) {
  std::optional<std::string> text = StoredText(node, name);
  if (!text) return fallback;
  if (std::optional<T> value = parse(*text)) return *value;
  LogDataWarning(node, "\"" + std::string(name) + "\" is \"" + *text + "\", not " + std::string(expected) +
                           "; the default is used");
  return fallback;
}

template <class T, class Parse>
T ReadQuietly(IHierStorage* node, std::string_view name, T fallback, Parse parse) {
  std::optional<std::string> text = StoredText(node, name);
  return text ? parse(*text).value_or(fallback) : fallback;
}

auto ParseIntText = [](const std::string& text) { return ParseInt(text); };
auto ParseFloatText = [](const std::string& text) { return ParseFloat(text); };

}  // namespace

std::string ReadText(IHierStorage* node, std::string_view name, std::string_view fallback) {
  return StoredText(node, name).value_or(std::string(fallback));
}

std::string ReadDisplayText(IHierStorage* node, std::string_view name, std::string_view fallback) {
  return Localize(ReadText(node, name, fallback));
}

bool ReadBool(IHierStorage* node, std::string_view name, bool fallback) {
  return ReadParsed(node, name, fallback, "\"yes\" or \"no\"", ParseBool);
}

int32_t ReadInt(IHierStorage* node, std::string_view name, int32_t fallback) {
  return ReadParsed(node, name, fallback, "a whole number", ParseIntText);
}

double ReadFloat(IHierStorage* node, std::string_view name, double fallback) {
  return ReadParsed(node, name, fallback, "a number", ParseFloatText);
}

uint32_t ReadHexInt(IHierStorage* node, std::string_view name, uint32_t fallback) {
  return ReadParsed(node, name, fallback, "a colour such as $FF336699", ParseHex);
}

int ReadEnum(IHierStorage* node, std::string_view name, std::string_view names, int fallback) {
  return ReadParsed(node, name, fallback, "one of \"" + std::string(names) + "\"",
                    [names](const std::string& text) { return ParseEnum(text, names); });
}

namespace {

bool StoredBool(IHierStorage* n, std::string_view k, bool v) { return ReadQuietly(n, k, v, ParseBool); }
int32_t StoredInt(IHierStorage* n, std::string_view k, int32_t v) { return ReadQuietly(n, k, v, ParseIntText); }
double StoredFloat(IHierStorage* n, std::string_view k, double v) { return ReadQuietly(n, k, v, ParseFloatText); }
uint32_t StoredHex(IHierStorage* n, std::string_view k, uint32_t v) { return ReadQuietly(n, k, v, ParseHex); }

}  // namespace

void WriteText(IHierStorage* node, std::string_view name, std::string_view value, bool force) {
  WriteChecked(node, name, std::string(value), force,
               [](IHierStorage* n, std::string_view k, const std::string& v) { return ReadText(n, k, v); }, value);
}

void WriteBool(IHierStorage* node, std::string_view name, bool value, bool force) {
  WriteChecked(node, name, value, force, StoredBool, value ? "yes" : "no");
}

void WriteInt(IHierStorage* node, std::string_view name, int32_t value, bool force) {
  WriteChecked(node, name, value, force, StoredInt, FormatInt(value));
}

void WriteFloat(IHierStorage* node, std::string_view name, double value, bool force) {
  WriteChecked(node, name, value, force, StoredFloat, FormatFloat(value));
}

void WriteHexInt(IHierStorage* node, std::string_view name, uint32_t value, bool force) {
  WriteChecked(node, name, value, force, StoredHex, FormatHex32(value));
}

void WriteEnum(IHierStorage* node, std::string_view name, std::string_view names, int index, bool force) {
  std::vector<std::string_view> items = EnumNames(names);
  if (index < 0 || index >= static_cast<int>(items.size())) return;
  auto read = [names](IHierStorage* n, std::string_view k, int v) {
    return ReadQuietly(n, k, v, [names](const std::string& text) { return ParseEnum(text, names); });
  };
  WriteChecked(node, name, index, force, read, items[index]);
}

}  // namespace corvellane
