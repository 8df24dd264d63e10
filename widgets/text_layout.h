// text_layout.h: where the characters of a text widget go.
//
// A text is laid out as one TSymbolInfo per character, in text order. The
// caller fills in each character's code, whether the font has a symbol for
// it (visible), the symbol's size as the rectangle (0, 0, width, height) and
// its bearings; LayOutText moves every visible rectangle to its place in the
// widget's box and hides the characters that do not fit.
//
//   TTextLayoutOptions options;
//   options.width = 200; options.height = 60; options.multiline = true;
//   options.font_line_height = font->GetLineHeight();
//   TRect extent = LayOutText(symbols, options);   // union of visible rects
//
// Single line: characters are kept while their advances fit the width, then
// the line is aligned in the box. Multiline: lines wrap after the last break
// opportunity (a space or one of the CJK punctuation marks), a line feed
// ends a line, a word wider than the box is split between characters
// (keeping at least one per line), and lines starting below the box are
// dropped. Spaces where a line wraps are not drawn and do not count for
// alignment.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/surface_rect.h"

namespace corvellane {

// One character of a laid-out text.
struct TSymbolInfo {
  int32_t index = 0;  // 1-based position in the text
  uint32_t code = 0;
  TRect rect;         // widget-local once laid out
  int32_t left_bearing = 0;
  int32_t right_bearing = 0;
  bool visible = false;  // the font has a symbol and the layout kept it
  size_t text_offset = 0;  // byte position of the character in the UTF-8 text
};

enum class THorzAlign { Left, Center, Right };
enum class TVertAlign { Top, Middle, Bottom };

// "left", "center", "right" / "top", "middle", "bottom" (any letter case);
// other values act as left / top.
THorzAlign HorzAlignFromName(std::string_view name);
TVertAlign VertAlignFromName(std::string_view name);

struct TTextLayoutOptions {
  int32_t width = 0;
  int32_t height = 0;
  bool multiline = false;
  bool use_fixed_width = false;
  int32_t fixed_width = 0;
  THorzAlign align = THorzAlign::Left;
  TVertAlign vert_align = TVertAlign::Top;
  // Distance between lines of a multiline text; 0: the font's line height.
  int32_t line_height = 0;
  int32_t font_line_height = 0;
};

inline constexpr uint32_t kLineFeed = 10;

// Places the visible symbols and answers the text extent: the union of
// their rectangles, (0, 0, 0, 0) when none is visible.
TRect LayOutText(std::vector<TSymbolInfo>& symbols, const TTextLayoutOptions& options);

}  // namespace corvellane
