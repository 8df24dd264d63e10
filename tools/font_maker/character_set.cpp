#include "tools/font_maker/character_set.h"

namespace corvellane {

std::vector<char32_t> FontCharacters() {
  std::vector<char32_t> characters;
  for (char32_t c = 0x20; c <= 0x7E; ++c) characters.push_back(c);
  for (char32_t c = 0xA0; c <= 0xFF; ++c) characters.push_back(c);
  // Single and double quotes (left, right, low), dashes, bullet, ellipsis, euro.
  for (char32_t c : {0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E, 0x2013, 0x2014, 0x2022, 0x2026, 0x20AC})
    characters.push_back(c);
  return characters;
}

}  // namespace corvellane
