// utf8_code_point.h: the first character of a UTF-8 text as a code point.
//
// Fonts look their symbols up by the code of a character; texts reach them
// as UTF-8. Malformed sequences (stray continuation bytes, truncated or
// overlong forms, surrogates, codes above U+10FFFF) give none, so a damaged
// text never picks a wrong symbol.
//
//   FirstCodePoint("A");        // 65
//   FirstCodePoint("\u00e9t");  // 233
//   FirstCodePoint("");         // none
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvellane {

std::optional<uint32_t> FirstCodePoint(std::string_view utf8);

}  // namespace corvellane
