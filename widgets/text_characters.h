// text_characters.h: a UTF-8 text as the list of its characters.
//
// Text widgets keep their text as UTF-8 and look each character's symbol up
// in the font by its code. Every character is given with its byte position,
// so the font can be asked with the text from that position on:
//
//   for (const TTextCharacter& c : SplitCharacters(text))
//     font->GetSymbol(std::string_view(text).substr(c.offset));
//
// A byte that starts no valid sequence counts as one character of code
// U+FFFD; the font finds no symbol for it there, so it takes no space.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace corvellane {

struct TTextCharacter {
  uint32_t code = 0;
  size_t offset = 0;
};

inline constexpr uint32_t kReplacementCharacter = 0xFFFD;

std::vector<TTextCharacter> SplitCharacters(std::string_view utf8);

}  // namespace corvellane
