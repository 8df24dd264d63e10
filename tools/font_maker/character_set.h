// character_set.h: which characters a generated bitmap font holds.
//
// Printable ASCII, the printable Latin-1 supplement (accented letters, the
// no-break space, currency and punctuation), and the typographic marks that
// texts written in a word processor bring along: curly quotes, en and em
// dashes, the ellipsis, the bullet and the euro sign.
//
//   for (char32_t c : FontCharacters()) RenderGlyph(face, c);
#pragma once

#include <vector>

namespace corvellane {

std::vector<char32_t> FontCharacters();

}  // namespace corvellane
