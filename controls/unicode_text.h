// unicode_text.h: typed text as code points, with the letter case of Unicode.
//
// What a player types (a name in any script: "zoë", "łukasz", "Олег", "李")
// reaches the controls as one character message per code point. The edit
// control keeps its text as code points, so the caret and Backspace move by
// whole characters, and changes the letter case by the Unicode tables, never
// through an 8-bit code page that would turn "ł" or "О" into something else.
//
//   std::u32string typed = DecodeUtf8("zoë");      // 3 code points
//   std::string shown = EncodeUtf8(typed);          // "zoë" again
//   UpperCase(U'ł') == U'Ł';  UpperCase(U'李') == U'李'
//   SameIgnoringCase("ZOË", "zoë")                   // true
//   IsTypeable(U'\t') == false                      // controls, format marks
#pragma once

#include <string>
#include <string_view>

namespace corvellane {

// Bytes that start no valid sequence become U+FFFD each.
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);

// The simple upper-case mapping of the code point (itself when it has none).
char32_t UpperCase(char32_t code);
// Whether the two texts differ at most in the letter case of their characters.
bool SameIgnoringCase(std::string_view a, std::string_view b);

// Whether the code point may be typed into a text: not a control character,
// not an invisible mark that reorders or hides text (bidirectional overrides,
// zero-width characters), not a surrogate or a noncharacter.
bool IsTypeable(char32_t code);

}  // namespace corvellane
