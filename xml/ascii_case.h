// ascii_case.h: letter-case folding of ASCII letters only.
//
// Names in data files (element names, keys, file names) are compared without
// regard to the case of ASCII letters; every other byte, including each byte
// of a multi-byte UTF-8 character, must match exactly.
#pragma once

#include <string>
#include <string_view>

namespace corvellane {

constexpr char ToUpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

inline std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ToUpperAscii(c);
  return out;
}

inline bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (ToUpperAscii(a[i]) != ToUpperAscii(b[i])) return false;
  return true;
}

inline bool StartsWithIgnoreAsciiCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace corvellane
