#include "widgets/text_characters.h"

#include "engine/utf8_code_point.h"

namespace corvellane {

namespace {

// Bytes of the shortest form, the only form the decoder accepts.
size_t EncodedLength(uint32_t code) {
  if (code < 0x80) return 1;
  if (code < 0x800) return 2;
  if (code < 0x10000) return 3;
  return 4;
}

}  // namespace

std::vector<TTextCharacter> SplitCharacters(std::string_view utf8) {
  std::vector<TTextCharacter> characters;
  size_t offset = 0;
  while (offset < utf8.size()) {
    const std::optional<uint32_t> code = FirstCodePoint(utf8.substr(offset));
    characters.push_back({code.value_or(kReplacementCharacter), offset});
    offset += code ? EncodedLength(*code) : 1;
  }
  return characters;
}

}  // namespace corvellane
