#include "persistence/value_access.h"

#include <optional>
#include <vector>

#include "persistence/localization.h"
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

}  // namespace

std::string ReadText(IHierStorage* node, std::string_view name, std::string_view fallback) {
  return StoredText(node, name).value_or(std::string(fallback));
}

std::string ReadDisplayText(IHierStorage* node, std::string_view name, std::string_view fallback) {
  return Localize(ReadText(node, name, fallback));
}

bool ReadBool(IHierStorage* node, std::string_view name, bool fallback) {
  std::optional<std::string> text = StoredText(node, name);
  if (text == "yes") return true;
  if (text == "no") return false;
  return fallback;
}

int32_t ReadInt(IHierStorage* node, std::string_view name, int32_t fallback) {
  std::optional<std::string> text = StoredText(node, name);
  return text ? ParseInt(*text).value_or(fallback) : fallback;
}

double ReadFloat(IHierStorage* node, std::string_view name, double fallback) {
  std::optional<std::string> text = StoredText(node, name);
  return text ? ParseFloat(*text).value_or(fallback) : fallback;
}

uint32_t ReadHexInt(IHierStorage* node, std::string_view name, uint32_t fallback) {
  std::optional<std::string> text = StoredText(node, name);
  if (!text) return fallback;
  std::optional<int32_t> value = ParseInt(*text);
  return value ? static_cast<uint32_t>(*value) : fallback;
}

int ReadEnum(IHierStorage* node, std::string_view name, std::string_view names, int fallback) {
  std::optional<std::string> text = StoredText(node, name);
  if (!text) return fallback;
  std::vector<std::string_view> items = EnumNames(names);
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i] == *text) return static_cast<int>(i);
  return fallback;
}

void WriteText(IHierStorage* node, std::string_view name, std::string_view value, bool force) {
  WriteChecked(node, name, std::string(value), force,
               [](IHierStorage* n, std::string_view k, const std::string& v) { return ReadText(n, k, v); }, value);
}

void WriteBool(IHierStorage* node, std::string_view name, bool value, bool force) {
  WriteChecked(node, name, value, force, ReadBool, value ? "yes" : "no");
}

void WriteInt(IHierStorage* node, std::string_view name, int32_t value, bool force) {
  WriteChecked(node, name, value, force, ReadInt, FormatInt(value));
}

void WriteFloat(IHierStorage* node, std::string_view name, double value, bool force) {
  WriteChecked(node, name, value, force, ReadFloat, FormatFloat(value));
}

void WriteHexInt(IHierStorage* node, std::string_view name, uint32_t value, bool force) {
  WriteChecked(node, name, value, force, ReadHexInt, FormatHex32(value));
}

void WriteEnum(IHierStorage* node, std::string_view name, std::string_view names, int index, bool force) {
  std::vector<std::string_view> items = EnumNames(names);
  if (index < 0 || index >= static_cast<int>(items.size())) return;
  auto read = [names](IHierStorage* n, std::string_view k, int v) { return ReadEnum(n, k, names, v); };
  WriteChecked(node, name, index, force, read, items[index]);
}

}  // namespace corvellane
