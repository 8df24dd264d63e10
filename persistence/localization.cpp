#include "persistence/localization.h"

#include <algorithm>
#include <exception>
#include <memory>

#include "persistence/log.h"
#include "persistence/paths.h"
#include "persistence/storage.h"
#include "xml/ascii_case.h"

namespace corvellane {

namespace {

std::unique_ptr<TMultiLanguages>& Instance() {
  static std::unique_ptr<TMultiLanguages> instance;
  return instance;
}

std::string& DefaultLanguageFileSlot() {
  static std::string path = "res:iniresource/default.lng";
  return path;
}

std::string NamedLanguageFile(std::string_view name) {
  return ProgramFolder() + "Languages\\" + std::string(name) + ".lng";
}

}  // namespace

// --- TMultiLanguages -------------------------------------------------------------

void TMultiLanguages::AddString(std::string_view key, std::string_view text) {
  strings_.insert_or_assign(ToUpperAscii(key), std::string(text));
}

void TMultiLanguages::SetMacro(std::string_view name, std::string_view value) {
  std::erase_if(macros_, [&](const auto& macro) { return macro.first == name; });
  macros_.emplace_back(std::string(name), std::string(value));
}

const std::string* TMultiLanguages::FindMacro(std::string_view name) const {
  for (const auto& [macro_name, value] : macros_)
    if (macro_name == name) return &value;
  return nullptr;
}

bool TMultiLanguages::ReadLanguageFile(std::string_view path) {
  Ref<IHierStorageRoot> root = OpenStorageFile(path);
  // A document without an element is no language file at all.
  if (!root || root->GetNodeName().empty()) {
    LogWarning("the language file " + std::string(path) + " is missing or empty; texts are shown as their keys");
    return false;
  }
  language_id_ = root->GetValue("id", Variant(std::string())).ToText();
  Ref<IHierStorage> strings = root->GetChild("strings", 0);
  if (!strings) return false;
  int count = strings->GetChildCount("string");
  for (int i = 0; i < count; ++i) {
    Ref<IHierStorage> entry = strings->GetChild("string", i);
    if (!entry) continue;
    std::string key = entry->GetValue("name", Variant(std::string())).ToText();
    if (!key.empty()) AddString(key, entry->GetText().ToText());
  }
  return true;
}

bool TMultiLanguages::SelectLanguage(std::string_view language_name) {
  ClearStrings();
  bool read = ReadLanguageFile(DefaultLanguageFile());
  if (!language_name.empty()) {
    try {
      read = ReadLanguageFile(NamedLanguageFile(language_name)) || read;
    } catch (...) {
      // A broken translation leaves the default wording in place.
      LogCaughtException("the language file of \"" + std::string(language_name) + "\" could not be read");
    }
  }
  return read;
}

std::string TMultiLanguages::Localize(std::string_view text) const {
  std::string out;
  std::vector<std::string> active_keys;
  Expand(text, active_keys, out);
  return out;
}

void TMultiLanguages::Expand(std::string_view text, std::vector<std::string>& active_keys, std::string& out) const {
  for (;;) {
    size_t open = text.find('%');
    if (open == std::string_view::npos) {
      out += text;
      return;
    }
    out += text.substr(0, open);
    text.remove_prefix(open + 1);
    size_t close = text.find('%');
    if (close == std::string_view::npos) {
      out.push_back('%');
      out += text;
      return;
    }
    if (close == 0) {
      out.push_back('%');
      text.remove_prefix(1);
      continue;
    }
    ExpandReference(text.substr(0, close), active_keys, out);
    text.remove_prefix(close + 1);
  }
}

void TMultiLanguages::ExpandReference(std::string_view key, std::vector<std::string>& active_keys,
                                      std::string& out) const {
  if (const std::string* macro = FindMacro(key)) {
    out += *macro;
    return;
  }
  std::string upper_key = ToUpperAscii(key);
  auto it = strings_.find(upper_key);
  if (it == strings_.end()) return;
  // A reference back to a string being expanded ends the cycle with nothing.
  if (std::find(active_keys.begin(), active_keys.end(), upper_key) != active_keys.end()) return;
  active_keys.push_back(std::move(upper_key));
  Expand(it->second, active_keys, out);
  active_keys.pop_back();
}

// --- process-wide functions -----------------------------------------------------------

void CreateMultiLanguages() { Instance() = std::make_unique<TMultiLanguages>(); }
void ReleaseMultiLanguages() { Instance().reset(); }
TMultiLanguages* MultiLanguages() { return Instance().get(); }

std::string Localize(std::string_view text) {
  TMultiLanguages* languages = MultiLanguages();
  return languages ? languages->Localize(text) : std::string(text);
}

std::string LiteralText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out.push_back(c);
    if (c == '%') out.push_back('%');
  }
  return out;
}

bool SelectLanguage(std::string_view language_name) {
  TMultiLanguages* languages = MultiLanguages();
  return languages && languages->SelectLanguage(language_name);
}

void SetMacro(std::string_view name, std::string_view value) {
  if (TMultiLanguages* languages = MultiLanguages()) languages->SetMacro(name, value);
}

std::string GetLanguageId() {
  TMultiLanguages* languages = MultiLanguages();
  return languages ? languages->GetLanguageId() : std::string();
}

const std::string& DefaultLanguageFile() { return DefaultLanguageFileSlot(); }
void SetDefaultLanguageFile(std::string_view path) { DefaultLanguageFileSlot() = std::string(path); }

}  // namespace corvellane
