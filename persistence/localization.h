// localization.h: localised strings and the expansion of references.
//
// Displayed texts may hold references between percent signs ("%welcome%").
// Localize replaces each one by a run-time macro value or by the string of that
// key in the loaded language files:
//
//   SetMacro("username", "Ann");            // strings: welcome = "Hi, %username%!"
//   Localize("%welcome% 100%%")  -> "Hi, Ann! 100%"
//
// Rules: "%%" gives one percent sign; a percent sign without a closing one
// stays as it is; a macro (name compared exactly) wins over a string (key
// compared without regard to ASCII letter case); macro values are used as they
// are, strings are expanded again; a key with neither expands to nothing. A
// string that refers back to itself, directly or through other strings,
// expands that inner reference to nothing, so every expansion ends.
//
// Language files are data files: a root with "id" (the language id) and a
// first child "strings" whose "string" children carry "name" and the text.
// SelectLanguage reads the default file (DefaultLanguageFile) and then, for a
// named language, program folder + "Languages\" + name + ".lng", whose strings
// replace those of the default file.
//
// One localisation object exists per process, between CreateMultiLanguages and
// ReleaseMultiLanguages; without it the functions below do nothing, Localize
// returns its input and GetLanguageId an empty text.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvellane {

class TMultiLanguages {
 public:
  std::string Localize(std::string_view text) const;
  // Throws EStorageParseError when the default file does not parse; errors of
  // the named file are ignored. True when at least one file was read.
  bool SelectLanguage(std::string_view language_name);
  void SetMacro(std::string_view name, std::string_view value);
  const std::string& GetLanguageId() const { return language_id_; }

  void ClearStrings() { strings_.clear(); }
  // Adds a string; an existing entry of the same key is replaced.
  void AddString(std::string_view key, std::string_view text);
  // Reads a language file into the strings; true when it had a "strings" child.
  // Parse errors reach the caller.
  bool ReadLanguageFile(std::string_view path);

 private:
  void Expand(std::string_view text, std::vector<std::string>& active_keys, std::string& out) const;
  void ExpandReference(std::string_view key, std::vector<std::string>& active_keys, std::string& out) const;
  const std::string* FindMacro(std::string_view name) const;

  std::string language_id_;
  // Keyed by the upper-cased key.
  std::unordered_map<std::string, std::string> strings_;
  std::vector<std::pair<std::string, std::string>> macros_;
};

void CreateMultiLanguages();
void ReleaseMultiLanguages();
// The process-wide object, or null outside CreateMultiLanguages / ReleaseMultiLanguages.
TMultiLanguages* MultiLanguages();

std::string Localize(std::string_view text);
// The text with every percent sign doubled, which Localize turns back into
// exactly the text: for what the player wrote (a name), which holds no
// references even where it holds percent signs ("50%off%").
std::string LiteralText(std::string_view text);
// An empty name selects only the default language file.
bool SelectLanguage(std::string_view language_name = {});
void SetMacro(std::string_view name, std::string_view value);
std::string GetLanguageId();

// The default language file; "res:iniresource/default.lng" until start-up sets
// it (normally to "lang\default.lng").
const std::string& DefaultLanguageFile();
void SetDefaultLanguageFile(std::string_view path);

}  // namespace corvellane
