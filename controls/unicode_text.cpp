#include "controls/unicode_text.h"

#include <locale>
#include <optional>

#include "persistence/log.h"
#include "widgets/text_characters.h"

namespace corvellane {

namespace {

// The C library's Unicode tables (glibc has C.UTF-8 built in). Without them
// only ASCII letters change case, which is still never wrong, only less.
const std::ctype<wchar_t>* UnicodeCase() {
  static const std::ctype<wchar_t>* facet = []() -> const std::ctype<wchar_t>* {
    try {
      static const std::locale utf8("C.UTF-8");
      return &std::use_facet<std::ctype<wchar_t>>(utf8);
    } catch (const std::exception&) {
      LogWarning("the Unicode letter-case tables (locale C.UTF-8) are missing; only ASCII letters change case");
      return nullptr;
    }
  }();
  return facet;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string text;
  for (const TTextCharacter& character : SplitCharacters(utf8)) text.push_back(character.code);
  return text;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacementCharacter;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

char32_t UpperCase(char32_t code) {
  if (code >= U'a' && code <= U'z') return code - U'a' + U'A';
  const std::ctype<wchar_t>* facet = UnicodeCase();
  if (!facet || code < 0x80) return code;
  return static_cast<char32_t>(facet->toupper(static_cast<wchar_t>(code)));
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  const std::u32string left = DecodeUtf8(a);
  const std::u32string right = DecodeUtf8(b);
  if (left.size() != right.size()) return false;
  for (size_t i = 0; i < left.size(); ++i)
    if (UpperCase(left[i]) != UpperCase(right[i])) return false;
  return true;
}

bool IsTypeable(char32_t code) {
  if (code < 0x20 || (code >= 0x7F && code <= 0x9F)) return false;  // C0, DEL, C1
  if (code >= 0xD800 && code <= 0xDFFF) return false;                 // surrogates
  if (code > 0x10FFFF || (code & 0xFFFE) == 0xFFFE) return false;      // beyond Unicode, ..FFFE, ..FFFF
  if (code >= 0xFDD0 && code <= 0xFDEF) return false;                  // noncharacters
  if (code == 0x00AD || code == 0x061C || code == 0xFEFF) return false;  // soft hyphen, Arabic mark, BOM
  if (code >= 0x200B && code <= 0x200F) return false;  // zero widths, left-to-right and right-to-left marks
  if (code >= 0x2028 && code <= 0x202E) return false;  // line and paragraph separators, embeddings, overrides
  if (code >= 0x2060 && code <= 0x206F) return false;  // word joiner, isolates, invisible operators
  if (code >= 0xFFF9 && code <= 0xFFFB) return false;  // interlinear annotation
  return true;
}

}  // namespace corvellane
