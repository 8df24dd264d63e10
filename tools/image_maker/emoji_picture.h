// emoji_picture.h: a colour emoji as a straight-alpha picture.
//
// The emoji font holds one fixed-size strike of colour bitmaps (BGRA,
// premultiplied). The glyph is scaled down to fit a square of the asked
// size (kept centred, aspect kept) while still premultiplied, so that
// transparent pixels lend no colour to their neighbours, and only then
// turned into straight alpha.
//
//   TRgbaImage bouquet = DrawEmoji(kEmojiFont, U'\U0001F490', 96);
#pragma once

#include <optional>
#include <string_view>

#include "tools/media_common/rgba_image.h"

namespace corvellane {

inline constexpr const char* kEmojiFont = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";

// Raises EToolError when the font cannot be read or lacks the character.
TRgbaImage DrawEmoji(const char* font_file, char32_t character, int size);

// "U+1F490", "1F490" or the character itself in UTF-8 (a trailing
// variation selector is ignored); none for anything else.
std::optional<char32_t> ParseEmoji(std::string_view text);

}  // namespace corvellane
